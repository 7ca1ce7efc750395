// Program start: the application's title, the main window, the event loop.
#include <QApplication>

#include "app/frm_main.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Plumora/VB");
    QApplication::setApplicationDisplayName("Plumora/VB 3.0");
    plumora::TfrmMain frmMain;
    frmMain.show();
    return app.exec();
}

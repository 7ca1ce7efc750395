// Program start: the application's title, the main window, the event loop;
// `plumora PROJECT` opens that project at once.
// `plumora --screenshots DIR [PROJECT]` renders every window to PNG files
// instead, without needing a display.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <QApplication>

#include "app/frm_main.h"
#include "app/screenshots.h"
#include "ui/program_icon.h"

namespace {

int Screenshots(int argc, char* argv[]) {
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: plumora --screenshots DIR [PROJECT]\n");
        return 2;
    }
    // Without a display the pictures are drawn off screen.
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    // The offscreen platform reports every window call it cannot honour.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        // ... and a machine without a desktop session has no runtime directory.
        if (type != QtDebugMsg && !text.startsWith("This plugin does not support") &&
            !text.startsWith("QStandardPaths: XDG_RUNTIME_DIR not set")) {
            std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
        }
    });
    QApplication app(argc, argv);
    QApplication::setApplicationName("Plumora/VB");
    plumora::UseProgramIcon();
    const QString project = argc == 4 ? QString::fromLocal8Bit(argv[3])
                                      : plumora::FindExampleProject(QApplication::applicationDirPath());
    if (project.isEmpty()) {
        std::fprintf(stderr, "plumora: the example project was not found; name a project after DIR\n");
        return 1;
    }
    QString error;
    const QStringList written = plumora::RenderScreenshots(QString::fromLocal8Bit(argv[2]), project, error);
    for (const QString& file : written) std::printf("%s\n", file.toLocal8Bit().constData());
    if (!error.isEmpty()) {
        std::fprintf(stderr, "plumora: %s\n", error.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc >= 2 && std::strcmp(argv[1], "--screenshots") == 0) return Screenshots(argc, argv);
    QApplication app(argc, argv);
    // No display name: the window system would append it to every title.
    QApplication::setApplicationName("Plumora/VB");
    plumora::UseProgramIcon();
    plumora::TfrmMain frmMain;
    frmMain.show();
    // `plumora PROJECT`: how the desktop entry opens a .vbp or .mak file.
    if (argc == 2 && argv[1][0] != '-') frmMain.OpenProjectFile(argv[1]);
    return app.exec();
}

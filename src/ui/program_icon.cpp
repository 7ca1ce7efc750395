// The program icon from the resources.
#include "ui/program_icon.h"

#include <QApplication>

// The resources live in a static library; this keeps the linker from dropping them.
static void InitIconResources() { Q_INIT_RESOURCE(icons); }

namespace plumora {

QIcon ProgramIcon() {
    InitIconResources();
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QString(":/icons/plumora-%1.png").arg(size), QSize(size, size));
    return icon;
}

void UseProgramIcon() { QApplication::setWindowIcon(ProgramIcon()); }

}  // namespace plumora

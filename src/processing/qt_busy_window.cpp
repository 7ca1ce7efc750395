// Flags, placement and label fitting of the progress and backup windows.
#include "processing/qt_busy_window.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

namespace plumora {

void MakeBusyWindow(QWidget& window) {
    window.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

TBusyParts BuildBusyWindow(QDialog& window, const char* objectName, const QString& caption) {
    window.setObjectName(objectName);
    MakeBusyWindow(window);
    window.setWindowTitle(caption);
    window.setModal(false);
    window.setFont(QFont("Arial", 8));

    auto* label = new QLabel;
    label->setObjectName("lblProcessingFile");
    label->setAlignment(Qt::AlignCenter);
    label->setFixedWidth(280);
    auto* gauge = new QProgressBar;
    gauge->setObjectName("guageProcessing");
    gauge->setRange(0, 1);
    gauge->setValue(0);

    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->setSpacing(8);
    layout->addWidget(label);
    layout->addWidget(gauge);
    return {label, gauge, layout};
}

void CenterOnScreen(QWidget& window) {
    QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QSize size = window.frameGeometry().size();
    window.move(area.x() + (area.width() - size.width()) / 2,
                area.y() + (area.height() - size.height()) / 2);
}

void SetFittedText(QLabel& label, const QString& text) {
    const int room = label.contentsRect().width();
    const QString shown =
        room > 0 ? label.fontMetrics().elidedText(text, Qt::ElideMiddle, room) : text;
    label.setText(shown);
    label.setToolTip(shown == text ? QString() : text);
}

}  // namespace plumora

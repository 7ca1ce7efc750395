// The busy window: a fixed, captioned window without system buttons.
#include "viewers/frm_static_processing.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

namespace plumora {

TfrmStaticProcessing::TfrmStaticProcessing(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName("frmStaticProcessing");
    setWindowTitle("Processing...");
    setWindowModality(Qt::ApplicationModal);

    auto* label = new QLabel("Processing...");
    label->setObjectName("lblProcessing");
    QFont font("Arial", 24);
    font.setBold(true);
    font.setItalic(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 128));
    label->setPalette(palette);
    label->setAlignment(Qt::AlignCenter);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->addWidget(label);
    setFixedSize(sizeHint());
}

void TfrmStaticProcessing::ShowBusy() {
    if (parentWidget()) {
        const QRect frame = parentWidget()->window()->geometry();
        move(frame.center() - rect().center());
    }
    show();
    raise();
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TfrmStaticProcessing::HideBusy() { hide(); }

}  // namespace plumora

// Message boxes, cursor and gauge of the desktop behind ICommandHost.
#include "app/qt_command_host.h"

#include <algorithm>

#include <QApplication>
#include <QMessageBox>
#include <QProgressBar>

namespace plumora {

namespace {

QMessageBox::StandardButtons ToButtons(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::Ok: return QMessageBox::Ok;
        case MsgButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
        case MsgButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
        case MsgButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon ToIcon(MsgKind kind) {
    switch (kind) {
        case MsgKind::Information: return QMessageBox::Information;
        case MsgKind::Warning: return QMessageBox::Warning;
        case MsgKind::Error: return QMessageBox::Critical;
        case MsgKind::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

MsgResult FromButton(int button, MsgButtons offered) {
    switch (button) {
        case QMessageBox::Ok: return MsgResult::Ok;
        case QMessageBox::Yes: return MsgResult::Yes;
        case QMessageBox::No: return MsgResult::No;
        case QMessageBox::Cancel: return MsgResult::Cancel;
        default: break;
    }
    // Closed by Escape or the title bar: the safe answer of the box.
    switch (offered) {
        case MsgButtons::Ok: return MsgResult::Ok;
        case MsgButtons::YesNo: return MsgResult::No;
        default: return MsgResult::Cancel;
    }
}

}  // namespace

TQtCommandHost::~TQtCommandHost() {
    while (hourglassDepth_ > 0) {
        QApplication::restoreOverrideCursor();
        --hourglassDepth_;
    }
}

MsgResult TQtCommandHost::ShowMessage(MsgKind kind, const std::string& text, MsgButtons buttons) {
    if (answerer_) return answerer_(kind, text, buttons);
    // The box must be usable even while the hourglass is on.
    const bool restore = hourglassDepth_ > 0;
    if (restore) QApplication::setOverrideCursor(Qt::ArrowCursor);
    QMessageBox box(ToIcon(kind), QApplication::applicationDisplayName(),
                    QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size())),
                    ToButtons(buttons), parent_);
    const int pressed = box.exec();
    if (restore) QApplication::restoreOverrideCursor();
    return FromButton(pressed, buttons);
}

void TQtCommandHost::SetHourglass(bool on) {
    if (on) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++hourglassDepth_;
    } else if (hourglassDepth_ > 0) {
        QApplication::restoreOverrideCursor();
        --hourglassDepth_;
    }
}

void TQtCommandHost::GaugeShow(bool visible) {
    if (!gauge_) return;
    gauge_->setValue(gauge_->minimum());
    gauge_->setVisible(visible);
}

void TQtCommandHost::GaugeSetMax(int maximum) {
    if (gauge_) gauge_->setRange(0, maximum > 0 ? maximum : 1);
}

void TQtCommandHost::GaugeSetPosition(int position) {
    if (gauge_) gauge_->setValue(std::min(position, gauge_->maximum()));
}

}  // namespace plumora

// Message boxes, cursor and gauge of the desktop behind ICommandHost.
#include "app/qt_command_host.h"

#include <algorithm>

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
#include <QProgressBar>

namespace plumora {

namespace {

// The application's title, as message boxes of the program carry it.
constexpr const char* kMessageTitle = "Plumora/VB 3.0";

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

QMessageBox::StandardButton ToButton(MsgResult result) {
    switch (result) {
        case MsgResult::Ok: return QMessageBox::Ok;
        case MsgResult::Cancel: return QMessageBox::Cancel;
        case MsgResult::Yes: return QMessageBox::Yes;
        case MsgResult::No: return QMessageBox::No;
    }
    return QMessageBox::NoButton;
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

// A box with a short text ("Not Found") would be narrower than its title;
// the window system would then cut the title to "Pl...0".
void KeepTitleVisible(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    const int titleWidth = QFontMetrics(QApplication::font("QMdiSubWindowTitleBar"))
                               .horizontalAdvance(box.windowTitle());
    // Room for the title and the window system's buttons beside it.
    grid->addItem(new QSpacerItem(titleWidth + 160, 0, QSizePolicy::Minimum, QSizePolicy::Expanding),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

}  // namespace

TQtCommandHost::~TQtCommandHost() {
    while (hourglassDepth_ > 0) {
        QApplication::restoreOverrideCursor();
        --hourglassDepth_;
    }
}

MsgResult TQtCommandHost::ShowMessage(MsgKind kind, const std::string& text, MsgButtons buttons) {
    return Show(kind, text, buttons, std::nullopt);
}

MsgResult TQtCommandHost::ShowQuestion(const std::string& text, MsgButtons buttons,
                                       MsgResult defaultAnswer) {
    return Show(MsgKind::Question, text, buttons, defaultAnswer);
}

MsgResult TQtCommandHost::Show(MsgKind kind, const std::string& text, MsgButtons buttons,
                               std::optional<MsgResult> defaultAnswer) {
    if (answerer_) return answerer_(kind, text, buttons);
    // The box must be usable even while the hourglass is on.
    const bool restore = hourglassDepth_ > 0;
    if (restore) QApplication::setOverrideCursor(Qt::ArrowCursor);
    QMessageBox box(ToIcon(kind), kMessageTitle,
                    QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size())),
                    ToButtons(buttons), parent_);
    box.setObjectName("frmMessage");
    KeepTitleVisible(box);
    if (defaultAnswer) {
        const QMessageBox::StandardButton button = ToButton(*defaultAnswer);
        box.setDefaultButton(button);
        box.setEscapeButton(button);
    }
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

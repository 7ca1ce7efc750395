// Entering and leaving the main window's Running state.
#include "processing/qt_running_state.h"

#include <QCoreApplication>
#include <QMenu>

namespace plumora {

void TQtRunningState::Enter() {
    if (active_ || !window_) return;
    active_ = true;
    hadCursor_ = window_->testAttribute(Qt::WA_SetCursor);
    savedCursor_ = window_->cursor();
    // The window's own cursor, not the application's: the Cancel button of
    // the progress window must not look busy.
    window_->setCursor(Qt::WaitCursor);
    window_->setEnabled(false);
    // Disabling a window disables the windows it owns as well; the run's own
    // windows (progress, backup, preview) must keep taking input.
    for (QWidget* child : window_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isWindow() && !qobject_cast<QMenu*>(child)) child->setEnabled(true);
}

void TQtRunningState::Leave() {
    if (!active_) return;
    active_ = false;
    if (!window_) return;
    window_->setEnabled(true);
    if (hadCursor_) {
        window_->setCursor(savedCursor_);
    } else {
        window_->unsetCursor();
    }
    // Paint the enabled window before the closing message covers it.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    window_->activateWindow();
    window_->setFocus();
}

}  // namespace plumora

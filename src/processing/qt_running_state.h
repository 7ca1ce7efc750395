// The main window's "Running" state during a processing run: the whole window
// disabled and showing the hourglass, while the windows of the run itself
// (progress, preview, message boxes) stay usable; afterwards the window is
// enabled again, its cursor restored and the input focus given back.
#pragma once

#include <QCursor>
#include <QPointer>
#include <QWidget>

namespace plumora {

class TQtRunningState {
public:
    explicit TQtRunningState(QWidget* mainWindow) : window_(mainWindow) {}

    void Enter();
    void Leave();
    bool Active() const { return active_; }

private:
    QPointer<QWidget> window_;
    bool active_ = false;
    bool hadCursor_ = false;  // the window had a cursor of its own before
    QCursor savedCursor_;
};

}  // namespace plumora

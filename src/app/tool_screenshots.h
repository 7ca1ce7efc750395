// The screenshots of the form tree and commentor windows, taken from the
// main window's commands on its open project.
#pragma once

#include <functional>

#include <QString>

class QWidget;

namespace plumora {

class TfrmMain;

// Saves one picture of a widget under a name; false when it could not.
using TGrabWindow = std::function<bool(QWidget*, const QString&)>;

// With a project open in `frmMain`: the form tree of the first form with a
// "Properties" node selected, and the commentor of the first module on its
// first routine and after "Next Routine". Each window is closed after its
// pictures. False as soon as a picture could not be saved.
bool RenderToolWindows(TfrmMain& frmMain, const TGrabWindow& grab);

}  // namespace plumora

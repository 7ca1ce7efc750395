// F1 inside a child window opens that window's own help page. The main
// window's Help command keeps F1 for the contents everywhere else.
#pragma once

class QWidget;

namespace plumora {

// While the focus is inside `window`, F1 shows help context `context`
// instead of the contents. The filter belongs to `window`.
void InstallHelpKey(QWidget* window, int context);

}  // namespace plumora

// The program's own icon, in every size the desktop asks for. The picture
// lives in src/ui/icons/ (an SVG and PNG renderings of it), where the
// desktop entry of a package can take it from too.
#pragma once

#include <QIcon>

namespace plumora {

QIcon ProgramIcon();

// Makes it the icon of every window of the program, child windows and
// dialogs included (they take the application's icon unless they have one).
void UseProgramIcon();

}  // namespace plumora

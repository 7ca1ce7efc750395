// The pictures of the form tree's image list, drawn at run time like the
// project tree's, so the program ships no image files.
#pragma once

#include <QPixmap>

namespace plumora {

// Image `index` of the form tree: 0 the project, 1 a form, 3 the form file,
// 4 a property list, 5 any other control; other indexes give a plain page.
QPixmap FormTreeImage(int index);

}  // namespace plumora

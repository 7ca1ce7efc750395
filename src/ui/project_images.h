// The pictures of the project tree and the toolbar, drawn at run time so the
// program ships no image files: kind images, check-state images, the tiled
// background of the frame and the glyphs of the twelve toolbar buttons.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace plumora {

// Kind image `index` of the tree's image list (0 project, 1 form, 4 module,
// 7 user control, 8 class); other indexes give a plain page.
QPixmap ProjectImage(int index);
// State image 1 (checked box) or 2 (empty box).
QPixmap StateImageMap(int state);
// State image and kind image side by side, as the tree shows a node.
QIcon TreeNodeIcon(int state, int kind);
// The Help button's question mark (the platform's own glyph varies too much).
QIcon HelpGlyph();
// One tile of the frame's background.
QPixmap BackgroundTile();

}  // namespace plumora

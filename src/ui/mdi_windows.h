// Child windows in the main window's multiple-document area: where a new one
// goes, and the Window menu's Tile and Cascade. Every window stays wholly
// inside the client area, so its title bar and buttons are always in reach.
#pragma once

#include <vector>

#include <QRect>
#include <QSize>

class QMdiArea;
class QMdiSubWindow;

namespace plumora {

// Where the n-th child window (0-based) of `size` opens in `area`: one title
// bar below and right of the one before, starting again at the top left
// before it would reach past the area. A size larger than the area shrinks.
QRect NewChildGeometry(const QRect& area, QSize size, int n, int step);

// Tile: `count` windows side by side, each the full height of the area; the
// widths differ by one pixel at most and fill the area.
std::vector<QRect> TileGeometries(const QRect& area, int count);

// Cascade: `count` windows of one size, each a title bar below and right of
// the one before; as large as the area allows while every title bar stays
// visible (after a number of steps the cascade starts again at the top).
std::vector<QRect> CascadeGeometries(const QRect& area, int count, int step);

// Adds `sub` to `mdi` at its place by NewChildGeometry with a size useful
// for reading source (three quarters of the area, within the limits of the
// area), shows it and makes it the active window.
void PlaceNewChild(QMdiArea* mdi, QMdiSubWindow* sub);

// The Window menu's commands over the visible child windows, in the order
// they were opened; maximized or minimized windows come back first.
void TileChildren(QMdiArea* mdi);
void CascadeChildren(QMdiArea* mdi);

// Height of a child window's title bar, the step of both cascades.
int ChildTitleHeight(const QMdiArea* mdi);

}  // namespace plumora

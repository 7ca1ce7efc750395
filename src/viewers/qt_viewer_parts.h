// Pieces the viewer windows share: their toolbar buttons, placing a window in
// the main window's multiple-document area, closing it from its own button.
#pragma once

#include <string>

#include <QString>
#include <QStyle>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QToolBar;
class QWidget;

namespace plumora {

// A toolbar for a viewer window: icons with their text beside them.
QToolBar* NewViewerToolBar(QWidget* parent);

// Adds a button named `name` whose hint (tool tip) and text are `hint`.
QAction* AddViewerButton(QToolBar* bar, const char* name, const QString& hint,
                         QStyle::StandardPixmap glyph);

// Puts `window` into `mdi` as a child window destroyed on close, shows it and
// makes it the active one.
QMdiSubWindow* ShowInMdi(QMdiArea* mdi, QWidget* window);

// Closes the child window holding `window`, or `window` itself when it is not
// inside one.
void CloseViewer(QWidget* window);

// Texts of the model (UTF-8 file names) for window captions.
inline QString ToQ(const std::string& s) { return QString::fromStdString(s); }

}  // namespace plumora

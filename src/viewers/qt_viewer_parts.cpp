// Shared toolbar, MDI and close handling of the viewer windows.
#include "viewers/qt_viewer_parts.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QToolBar>
#include <QWidget>

#include "ui/mdi_windows.h"

namespace plumora {

QToolBar* NewViewerToolBar(QWidget* parent) {
    auto* bar = new QToolBar(parent);
    bar->setObjectName("ToolBar");
    bar->setIconSize(QSize(16, 16));
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->setMovable(false);
    return bar;
}

QAction* AddViewerButton(QToolBar* bar, const char* name, const QString& hint,
                         QStyle::StandardPixmap glyph) {
    QAction* action = bar->addAction(bar->style()->standardIcon(glyph), hint);
    action->setObjectName(name);
    action->setToolTip(hint);
    return action;
}

QMdiSubWindow* ShowInMdi(QMdiArea* mdi, QWidget* window) {
    QMdiSubWindow* sub = mdi->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    PlaceNewChild(mdi, sub);
    return sub;
}

void CloseViewer(QWidget* window) {
    for (QWidget* w = window->parentWidget(); w; w = w->parentWidget()) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w)) {
            sub->close();
            return;
        }
    }
    window->close();
}

}  // namespace plumora

// Shared toolbar, MDI and close handling of the viewer windows.
#include "viewers/qt_viewer_parts.h"

#include <algorithm>

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QToolBar>
#include <QWidget>


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
    // Fits the frame when it is small, is a comfortable size when it is not.
    const QSize room = mdi->viewport()->size();
    sub->resize(std::max(std::min(room.width() - 20, 720), 320),
                std::max(std::min(room.height() - 20, 460), 220));
    sub->show();
    mdi->setActiveSubWindow(sub);
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

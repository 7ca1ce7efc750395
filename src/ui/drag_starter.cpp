// Starting a drag from a scroll area after the drag threshold.
#include "ui/drag_starter.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>

namespace plumora {

TDragStarter::TDragStarter(QAbstractScrollArea* area, QString mimeType)
    : QObject(area), area_(area), mimeType_(std::move(mimeType)) {
    area_->viewport()->installEventFilter(this);
}

bool TDragStarter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            pressed_ = mouse->button() == Qt::LeftButton;
            pressPos_ = mouse->position().toPoint();
            break;
        }
        case QEvent::MouseButtonRelease:
            pressed_ = false;
            break;
        case QEvent::MouseMove: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (!pressed_ || dragging_ || !(mouse->buttons() & Qt::LeftButton)) break;
            if ((mouse->position().toPoint() - pressPos_).manhattanLength() <
                QApplication::startDragDistance())
                break;
            pressed_ = false;
            dragging_ = true;
            auto* drag = new QDrag(area_);
            auto* data = new QMimeData;
            data->setData(mimeType_, QByteArray());
            drag->setMimeData(data);
            drag->exec(Qt::CopyAction);
            dragging_ = false;
            return true;
        }
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace plumora

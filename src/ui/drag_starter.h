// TDragStarter: starts a drag of a widget when the mouse moves with the left
// button held beyond the system's drag distance. The drag carries the widget
// as its source, so a drop target can tell where it came from.
#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

class QAbstractScrollArea;
class QWidget;

namespace plumora {

class TDragStarter : public QObject {
    Q_OBJECT

public:
    // Watches `area`'s viewport; drags carry `mimeType` and `area` as source.
    TDragStarter(QAbstractScrollArea* area, QString mimeType);

    bool Dragging() const { return dragging_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAbstractScrollArea* area_;
    QString mimeType_;
    QPoint pressPos_;
    bool pressed_ = false;
    bool dragging_ = false;
};

}  // namespace plumora

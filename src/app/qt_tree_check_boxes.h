// The check boxes of the project tree: a click on a node's state image, or
// Space on the selected node, toggles it as the double click does.
#pragma once

#include <functional>

#include <QObject>
#include <QPoint>
#include <QRect>

class QTreeWidget;
class QWidget;
class QTreeWidgetItem;

namespace plumora {

class TTreeCheckBoxes : public QObject {
public:
    // `toggle` is called with the node made current; nodes without a state
    // image (the root) are never passed. Owned by `tree`.
    TTreeCheckBoxes(QTreeWidget* tree, std::function<void(QTreeWidgetItem*)> toggle,
                    std::function<bool(QTreeWidgetItem*)> hasBox);

    // Where the node's check box is drawn, in viewport coordinates.
    static QRect BoxRect(const QTreeWidget* tree, QTreeWidgetItem* item);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTreeWidget* tree_;
    QWidget* viewport_;
    std::function<void(QTreeWidgetItem*)> toggle_;
    std::function<bool(QTreeWidgetItem*)> hasBox_;
};

}  // namespace plumora

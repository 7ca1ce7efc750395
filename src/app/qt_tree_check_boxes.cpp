// Clicks and Space on the project tree's check boxes.
#include "app/qt_tree_check_boxes.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTreeWidget>

namespace plumora {

namespace {

// The state image is the left part of a node's picture, as wide as it is high.
constexpr int kBoxWidth = 16;

}  // namespace

TTreeCheckBoxes::TTreeCheckBoxes(QTreeWidget* tree, std::function<void(QTreeWidgetItem*)> toggle,
                                 std::function<bool(QTreeWidgetItem*)> hasBox)
    : QObject(tree), tree_(tree), viewport_(tree->viewport()), toggle_(std::move(toggle)),
      hasBox_(std::move(hasBox)) {
    viewport_->installEventFilter(this);
    tree_->installEventFilter(this);
}

QRect TTreeCheckBoxes::BoxRect(const QTreeWidget* tree, QTreeWidgetItem* item) {
    QStyleOptionViewItem option;
    option.initFrom(tree);
    option.rect = tree->visualItemRect(item);
    option.features = QStyleOptionViewItem::HasDecoration | QStyleOptionViewItem::HasDisplay;
    option.decorationSize = tree->iconSize();
    option.decorationPosition = QStyleOptionViewItem::Left;
    option.decorationAlignment = Qt::AlignCenter;
    option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    option.icon = item->icon(0);
    option.text = item->text(0);
    const QRect picture = tree->style()->subElementRect(QStyle::SE_ItemViewItemDecoration, &option, tree);
    const int left = picture.center().x() - tree->iconSize().width() / 2;
    return QRect(left, picture.top(), kBoxWidth, picture.height());
}

bool TTreeCheckBoxes::eventFilter(QObject* watched, QEvent* event) {
    // Compared by the pointers kept: while the tree is being destroyed its
    // viewport still sends events, and the tree must not be asked then.
    if (event->type() == QEvent::MouseButtonPress && watched == viewport_) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        QTreeWidgetItem* item = tree_->itemAt(mouse->position().toPoint());
        if (mouse->button() == Qt::LeftButton && item && hasBox_(item) &&
            BoxRect(tree_, item).contains(mouse->position().toPoint())) {
            tree_->setCurrentItem(item);
            toggle_(item);
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress && watched == tree_) {
        const auto* key = static_cast<QKeyEvent*>(event);
        QTreeWidgetItem* item = tree_->currentItem();
        if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier && item && hasBox_(item)) {
            toggle_(item);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace plumora

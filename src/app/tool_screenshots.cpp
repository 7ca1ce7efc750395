// Drives the form tree and commentor commands the way a user does and grabs
// their child windows.
#include "app/tool_screenshots.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTreeWidget>

#include "app/frm_main.h"
#include "commentor/frm_commentor.h"
#include "formtree/form_nodes.h"
#include "formtree/frm_form_tree.h"
#include "project/source_mgt.h"

namespace plumora {

namespace {

// The first file node of the project tree whose entry is of `kind`.
QTreeWidgetItem* FirstNodeOfKind(QTreeWidget* tree, int kind) {
    if (tree->topLevelItemCount() == 0) return nullptr;
    QTreeWidgetItem* root = tree->topLevelItem(0);
    for (int i = 0; i < root->childCount(); ++i) {
        const auto* entry = reinterpret_cast<const RFile*>(
            root->child(i)->data(0, TfrmMain::kEntryRole).value<quintptr>());
        if (entry && entry->Kind == kind) return root->child(i);
    }
    return nullptr;
}

// Runs a command of the main window on a file node and returns the child
// window it opened, sized for a picture.
QMdiSubWindow* RunOnNode(TfrmMain& frmMain, QTreeWidgetItem* node, const char* button, QSize size) {
    frmMain.Tree()->setCurrentItem(node);
    const int before = frmMain.Mdi()->subWindowList().size();
    frmMain.findChild<QAction*>(button)->trigger();
    if (frmMain.Mdi()->subWindowList().size() == before) return nullptr;
    QMdiSubWindow* child = frmMain.Mdi()->activeSubWindow();
    if (child) child->resize(size);
    return child;
}

// The "Properties" node of the form's own block, the one a user looks at
// first; any "Properties" node when the form has none.
QTreeWidgetItem* FormPropertiesNode(TfrmFormTree& window) {
    QTreeWidgetItem* found = nullptr;
    for (QTreeWidgetItemIterator it(window.treeForm()); *it; ++it) {
        const auto index = (*it)->data(0, TfrmFormTree::kNodeRole).toULongLong();
        const TFormNode& node = window.Model().Nodes.at(index);
        if (!SelectsPropertyList(node) || !node.PropertiesOf) continue;
        if (FormBlockIcon(node.PropertiesOf->BlockClass) == ftiForm) return *it;
        if (!found) found = *it;
    }
    return found;
}

}  // namespace

bool RenderToolWindows(TfrmMain& frmMain, const TGrabWindow& grab) {
    if (QTreeWidgetItem* form = FirstNodeOfKind(frmMain.Tree(), fkForm)) {
        if (QMdiSubWindow* child = RunOnNode(frmMain, form, "btnBuildFormTree", QSize(760, 500))) {
            auto* window = qobject_cast<TfrmFormTree*>(child->widget());
            if (QTreeWidgetItem* properties = window ? FormPropertiesNode(*window) : nullptr) {
                window->treeForm()->setCurrentItem(properties);
                window->treeForm()->scrollToItem(properties);
            }
            if (!grab(child, "25-form-tree")) return false;
            child->close();
        }
    }
    if (QTreeWidgetItem* module = FirstNodeOfKind(frmMain.Tree(), fkModule)) {
        if (QMdiSubWindow* child = RunOnNode(frmMain, module, "btnShowCommentor", QSize(820, 580))) {
            if (!grab(child, "26-commentor")) return false;
            if (auto* window = qobject_cast<TfrmCommentor*>(child->widget())) {
                window->btnNextRoutineClick();
                if (!grab(child, "27-commentor-next-routine")) return false;
            }
            child->close();
        }
    }
    return true;
}

}  // namespace plumora

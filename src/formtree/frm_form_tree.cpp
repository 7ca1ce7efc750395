// The form structure window: tool bar, tree, splitter and property list.
#include "formtree/frm_form_tree.h"

#include <QHeaderView>
#include <QMdiArea>
#include <QSplitter>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <vector>

#include "formtree/qt_form_tree_icons.h"
#include "host/command_host.h"
#include "project/source_mgt.h"
#include "settings/qt_ansi_text.h"
#include "ui/help_key.h"
#include "viewers/qt_viewer_parts.h"

namespace plumora {

namespace {

// The two top records name the project and the file as the project tree
// does; everything below them is text of the form file, in its code page.
QString NodeText(const TFormNode& node) {
    if (node.Depth <= 1) return ToQ(node.Text);
    return AnsiToQString(node.Text);
}

QIcon NodeIcon(int index) { return QIcon(FormTreeImage(index)); }

}  // namespace

TfrmFormTree::TfrmFormTree(TFormTreeModel model, QWidget* parent)
    : QWidget(parent), model_(std::move(model)) {
    setObjectName("frmFormTree");
    setWindowTitle(ToQ(model_.Caption));
    setWindowIcon(NodeIcon(ftiFile));

    QToolBar* bar = NewViewerToolBar(this);
    connect(AddViewerButton(bar, "btnClose", "Close", QStyle::SP_DialogCloseButton),
            &QAction::triggered, this, &TfrmFormTree::btnCloseClick);

    treeForm_ = new QTreeWidget;
    treeForm_->setObjectName("treeForm");
    treeForm_->setHeaderHidden(true);
    treeForm_->setIndentation(19);
    treeForm_->setIconSize(QSize(16, 16));
    treeForm_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Long captions scroll sideways instead of being cut short.
    treeForm_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    treeForm_->header()->setStretchLastSection(false);

    // A list in report style: no tree lines, whole rows selected, read-only.
    lvProperties_ = new QTreeWidget;
    lvProperties_->setObjectName("lvProperties");
    lvProperties_->setRootIsDecorated(false);
    lvProperties_->setItemsExpandable(false);
    lvProperties_->setIconSize(QSize(16, 16));
    lvProperties_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvProperties_->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvProperties_->setUniformRowHeights(true);
    lvProperties_->header()->setStretchLastSection(false);
    lvProperties_->setHeaderLabels({kFormPropertyColumns[0].Caption, kFormPropertyColumns[1].Caption});
    for (int c = 0; c < 2; ++c) lvProperties_->setColumnWidth(c, kFormPropertyColumns[c].Width);

    splitter_ = new QSplitter(Qt::Horizontal);
    splitter_->setObjectName("splitFormTree");
    splitter_->setChildrenCollapsible(false);
    splitter_->addWidget(treeForm_);
    splitter_->addWidget(lvProperties_);
    splitter_->setStretchFactor(0, 3);
    splitter_->setStretchFactor(1, 2);
    splitter_->setSizes({360, 240});  // taken as proportions of the width

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(splitter_, 1);

    connect(treeForm_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { treeFormChange(current); });
    connect(treeForm_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { treeFormChange(item); });
    InstallHelpKey(this, kHelpContext);
    FillTree();
}

TfrmFormTree::~TfrmFormTree() = default;

void TfrmFormTree::FillTree() {
    treeForm_->setUpdatesEnabled(false);
    {
        const QSignalBlocker block(treeForm_);
        treeForm_->clear();
        // The node list is in display order with depths: the last item seen
        // at each depth is the parent of the next deeper one.
        std::vector<QTreeWidgetItem*> parents;
        for (std::size_t i = 0; i < model_.Nodes.size(); ++i) {
            const TFormNode& node = model_.Nodes[i];
            const auto depth = static_cast<std::size_t>(node.Depth);
            if (depth > parents.size()) continue;  // cannot happen: depths grow by one
            parents.resize(depth);
            auto* item = parents.empty() ? new QTreeWidgetItem(treeForm_)
                                         : new QTreeWidgetItem(parents.back());
            item->setText(0, NodeText(node));
            item->setIcon(0, NodeIcon(node.Icon));
            item->setData(0, kNodeRole, static_cast<qulonglong>(i));
            parents.push_back(item);
        }
    }
    treeForm_->setUpdatesEnabled(true);
    treeForm_->expandAll();
}

void TfrmFormTree::treeFormChange(QTreeWidgetItem* item) {
    if (!item) return;
    const auto index = static_cast<std::size_t>(item->data(0, kNodeRole).toULongLong());
    if (index >= model_.Nodes.size()) return;
    const TFormNode& node = model_.Nodes[index];
    if (SelectsPropertyList(node)) FillProperties(node);
}

void TfrmFormTree::FillProperties(const TFormNode& node) {
    lvProperties_->setUpdatesEnabled(false);
    lvProperties_->clear();
    lvProperties_->setHeaderLabels({kFormPropertyColumns[0].Caption, kFormPropertyColumns[1].Caption});
    for (int c = 0; c < 2; ++c) lvProperties_->setColumnWidth(c, kFormPropertyColumns[c].Width);
    const QIcon icon = NodeIcon(ftiProperties);
    QList<QTreeWidgetItem*> rows;
    for (const TPropertyRow& row : FormPropertyRows(node)) {
        auto* item = new QTreeWidgetItem(QStringList{AnsiToQString(row.Name), AnsiToQString(row.Value)});
        item->setIcon(0, icon);
        rows.append(item);
    }
    lvProperties_->addTopLevelItems(rows);
    // Never narrower than the list's own widths, wide enough for the longest
    // name and value, so that nothing is cut short.
    for (int c = 0; c < 2; ++c) {
        lvProperties_->resizeColumnToContents(c);
        if (lvProperties_->columnWidth(c) < kFormPropertyColumns[c].Width)
            lvProperties_->setColumnWidth(c, kFormPropertyColumns[c].Width);
    }
    lvProperties_->setUpdatesEnabled(true);
}

void TfrmFormTree::btnCloseClick() { CloseViewer(this); }

TfrmFormTree* TfrmFormTree::ShowFormTree(QMdiArea* mdi, ICommandHost& host, TSourceMgt& project,
                                         RFile* entry) {
    std::optional<TFormTreeModel> model = BuildFormTree(project, entry);
    if (!model) return nullptr;
    const bool unreadable = model->Unreadable;
    auto* window = new TfrmFormTree(std::move(*model));
    ShowInMdi(mdi, window);
    if (unreadable) {
        ShowWarning(host, "The form file " + entry->FullPath +
                              " could not be read; the tree shows the project and the file only.");
    }
    return window;
}

}  // namespace plumora

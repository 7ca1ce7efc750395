// TfrmFormTree: a child window of the main window showing how the controls
// of one form file nest, with the property lines of a selected control.
#pragma once

#include <QWidget>

#include "formtree/form_tree_build.h"

class QMdiArea;
class QSplitter;
class QTreeWidget;
class QTreeWidgetItem;

namespace plumora {

class ICommandHost;
class TSourceMgt;
struct RFile;

class TfrmFormTree : public QWidget {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 74;
    // Item data of a tree node: its index in the model's node list.
    static constexpr int kNodeRole = Qt::UserRole;

    // Shows `model`; the window keeps it for its whole life.
    explicit TfrmFormTree(TFormTreeModel model, QWidget* parent = nullptr);
    ~TfrmFormTree() override;

    // "Build Form Tree": a new window in `mdi` for the entry, the tree
    // expanded. Nothing when the project has no files or there is no entry.
    // A form file that cannot be read is reported; its window shows the
    // project and the file only.
    static TfrmFormTree* ShowFormTree(QMdiArea* mdi, ICommandHost& host, TSourceMgt& project,
                                      RFile* entry);

    // A comfortable size for a cascaded window.
    QSize sizeHint() const override { return {640, 440}; }

    QTreeWidget* treeForm() const { return treeForm_; }
    QTreeWidget* lvProperties() const { return lvProperties_; }
    const TFormTreeModel& Model() const { return model_; }

    // Selecting a "Properties" node refills the list; any other node leaves
    // it as it is.
    void treeFormChange(QTreeWidgetItem* item);
    void btnCloseClick();

private:
    void FillTree();
    void FillProperties(const TFormNode& node);

    TFormTreeModel model_;
    QSplitter* splitter_ = nullptr;
    QTreeWidget* treeForm_ = nullptr;
    QTreeWidget* lvProperties_ = nullptr;
};

}  // namespace plumora

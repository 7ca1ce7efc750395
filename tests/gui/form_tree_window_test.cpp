// The form structure window: the tree as the commands build it, the property
// list behind a "Properties" node, one window per command, and the file that
// cannot be read.
#include <string>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTextBrowser>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "app/frm_main.h"
#include "formtree/form_nodes.h"
#include "formtree/frm_form_tree.h"
#include "project/source_mgt.h"
#include "support/scripted_hosts.h"
#include "support/temp_dir.h"

namespace plumora {
namespace {

using testing::ScopedConfigDir;
using testing::ScriptedCommandHost;
using testing::TempDir;

const char* const kThreeButtons =
    "VERSION 5.00\r\n"
    "Begin VB.Form frmThree\r\n"
    "   Caption         =   \"Three\"\r\n"
    "   ClientHeight    =   3000\r\n"
    "   Begin VB.CommandButton cmdFirst\r\n"
    "      Caption         =   \"First\"\r\n"
    "   End\r\n"
    "   Begin VB.CommandButton cmdSecond\r\n"
    "      Caption         =   \"Second\"\r\n"
    "   End\r\n"
    "   Begin VB.CommandButton cmdThird\r\n"
    "      Caption         =   \"Caf\xE9\"\r\n"  // Windows-1252, as Visual Basic writes it
    "      Default         =   -1  'True\r\n"
    "      Tag             =   \"Inventory files (*.inv)|*.inv|All files (*.*)|*.*\"\r\n"
    "   End\r\n"
    "End\r\n"
    "Attribute VB_Name = \"frmThree\"\r\n";

std::vector<QString> ChildTexts(const QTreeWidgetItem* item) {
    std::vector<QString> texts;
    for (int i = 0; i < item->childCount(); ++i) texts.push_back(item->child(i)->text(0));
    return texts;
}

std::vector<std::pair<QString, QString>> Rows(const QTreeWidget* list) {
    std::vector<std::pair<QString, QString>> rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        rows.emplace_back(list->topLevelItem(i)->text(0), list->topLevelItem(i)->text(1));
    return rows;
}

int IconOf(const TfrmFormTree& w, const QTreeWidgetItem* item) {
    return w.Model().Nodes.at(item->data(0, TfrmFormTree::kNodeRole).toULongLong()).Icon;
}

// A project of one form, the form tree built from it into an MDI area.
class FormTreeWindowTest : public ::testing::Test {
protected:
    TempDir dir_;
    ScriptedCommandHost host_;
    QMdiArea mdi_;
    TSourceMgt project_;

    TfrmFormTree* Build(const std::string& text) {
        dir_.Write("Three.frm", text);
        project_.ProjectName = "Three.vbp";
        project_.ProjectDir = dir_.Str() + "/";
        project_.AddFile("Three.frm", ".FRM");
        mdi_.resize(900, 700);
        mdi_.show();
        return TfrmFormTree::ShowFormTree(&mdi_, host_, project_, project_.Head.get());
    }
};

TEST_F(FormTreeWindowTest, ThreeControlsShowPropertiesThenFirstThirdSecond) {
    TfrmFormTree* w = Build(kThreeButtons);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(host_.Messages.empty());
    EXPECT_EQ(w->windowTitle(), "Form tree for Three.vbp");
    ASSERT_EQ(mdi_.subWindowList().size(), 1);
    EXPECT_EQ(mdi_.activeSubWindow()->widget(), w);
    EXPECT_EQ(w->treeForm()->indentation(), 19);

    QTreeWidget* tree = w->treeForm();
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    QTreeWidgetItem* root = tree->topLevelItem(0);
    EXPECT_EQ(root->text(0), "Form: Three.vbp");
    ASSERT_EQ(root->childCount(), 1);
    QTreeWidgetItem* file = root->child(0);
    EXPECT_EQ(file->text(0), "File: Three.frm");
    ASSERT_EQ(file->childCount(), 1);
    QTreeWidgetItem* form = file->child(0);
    EXPECT_EQ(form->text(0), "VB.Form: frmThree");
    EXPECT_EQ(ChildTexts(form),
              (std::vector<QString>{"Properties", "VB.CommandButton: cmdFirst",
                                    "VB.CommandButton: cmdThird", "VB.CommandButton: cmdSecond"}));
    // The icons of the image list, each with a picture.
    EXPECT_EQ(IconOf(*w, root), ftiRoot);
    EXPECT_EQ(IconOf(*w, file), ftiFile);
    EXPECT_EQ(IconOf(*w, form), ftiForm);
    EXPECT_EQ(IconOf(*w, form->child(0)), ftiProperties);
    EXPECT_EQ(IconOf(*w, form->child(1)), ftiControl);
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        EXPECT_FALSE((*it)->icon(0).isNull()) << (*it)->text(0).toStdString();
        if ((*it)->childCount() > 0) {
            EXPECT_TRUE((*it)->isExpanded()) << (*it)->text(0).toStdString();
        }
    }

    // The list starts empty with its two columns.
    QTreeWidget* list = w->lvProperties();
    EXPECT_EQ(list->topLevelItemCount(), 0);
    EXPECT_EQ(list->headerItem()->text(0), "Property");
    EXPECT_EQ(list->headerItem()->text(1), "Value");
}

TEST_F(FormTreeWindowTest, ClickingAPropertiesNodeRefillsTheListAndOtherNodesLeaveIt) {
    TfrmFormTree* w = Build(kThreeButtons);
    ASSERT_NE(w, nullptr);
    QTreeWidget* tree = w->treeForm();
    QTreeWidget* list = w->lvProperties();
    QTreeWidgetItem* form = tree->topLevelItem(0)->child(0)->child(0);
    QTreeWidgetItem* third = form->child(2);
    ASSERT_EQ(third->text(0), "VB.CommandButton: cmdThird");

    tree->setCurrentItem(third->child(0));
    EXPECT_EQ(Rows(list), (std::vector<std::pair<QString, QString>>{
                              {"Caption", QString::fromUtf8("\"Caf\u00E9\"")},
                              {"Default", "-1  'True"},
                              {"Tag", "\"Inventory files (*.inv)|*.inv|All files (*.*)|*.*\""}}));
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        EXPECT_FALSE(list->topLevelItem(i)->icon(0).isNull());
    EXPECT_GE(list->columnWidth(0), 85);
    EXPECT_GE(list->columnWidth(1), 85);
    // Every name fits its column.
    const QFontMetrics metrics(list->font());
    EXPECT_GE(list->columnWidth(0), metrics.horizontalAdvance("Default") + list->iconSize().width());
    EXPECT_GE(list->columnWidth(1), metrics.horizontalAdvance(list->topLevelItem(2)->text(1)));

    tree->setCurrentItem(form);  // not a "Properties" node: the list stays
    EXPECT_EQ(list->topLevelItemCount(), 3);
    tree->setCurrentItem(form->child(0));
    EXPECT_EQ(Rows(list), (std::vector<std::pair<QString, QString>>{
                              {"Caption", "\"Three\""}, {"ClientHeight", "3000"}}));
    // Clicking the node that is already selected fills the list again.
    list->clear();
    emit tree->itemClicked(form->child(0), 0);
    EXPECT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->headerItem()->text(0), "Property");
}

TEST_F(FormTreeWindowTest, AnUnreadableFormIsReportedAndShowsTheTopNodesOnly) {
    project_.ProjectName = "Gone.vbp";
    project_.ProjectDir = dir_.Str() + "/";
    project_.AddFile("Gone.frm", ".FRM");
    TfrmFormTree* w = TfrmFormTree::ShowFormTree(&mdi_, host_, project_, project_.Head.get());
    ASSERT_NE(w, nullptr);
    ASSERT_EQ(host_.Messages.size(), 1u);
    EXPECT_EQ(host_.Messages[0].Kind, MsgKind::Warning);
    EXPECT_NE(host_.Messages[0].Text.find("Gone.frm could not be read"), std::string::npos);
    QTreeWidgetItem* root = w->treeForm()->topLevelItem(0);
    ASSERT_EQ(root->childCount(), 1);
    EXPECT_EQ(root->child(0)->childCount(), 0);

    // No file at all, or no entry: no window and no message.
    TSourceMgt empty;
    EXPECT_EQ(TfrmFormTree::ShowFormTree(&mdi_, host_, empty, empty.Head.get()), nullptr);
    EXPECT_EQ(TfrmFormTree::ShowFormTree(&mdi_, host_, project_, nullptr), nullptr);
    EXPECT_EQ(mdi_.subWindowList().size(), 1);
    EXPECT_EQ(host_.Messages.size(), 1u);
}

TEST_F(FormTreeWindowTest, CloseButtonAndF1) {
    TfrmFormTree* w = Build(kThreeButtons);
    ASSERT_NE(w, nullptr);
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(w->treeForm(), &f1);
    QTextBrowser* browser = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == "frmHelp") browser = top->findChild<QTextBrowser*>("browserHelp");
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(browser->source().toString().endsWith("/74.html"));
    EXPECT_TRUE(browser->toPlainText().contains("Form Structure"));
    browser->window()->hide();

    w->findChild<QAction*>("btnClose")->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(mdi_.subWindowList().isEmpty());
}

// The main window's three controls each open a new window for a form.
TEST(FormTreeCommands, EachCommandOpensANewWindowForTheSelectedForm) {
    TempDir config;
    ScopedConfigDir scope(config.Str());
    ScriptedCommandHost host;
    TfrmMain main(nullptr, [&host](MsgKind k, const std::string& t, MsgButtons b) {
        return host.ShowMessage(k, t, b);
    });
    ASSERT_TRUE(main.OpenProjectFile(std::string(PLUMORA_SOURCE_DIR) +
                                     "/examples/Inventory/Inventory.vbp"));
    QTreeWidgetItem* root = main.Tree()->topLevelItem(0);
    main.Tree()->setCurrentItem(root);  // the root: nothing
    main.findChild<QAction*>("btnBuildFormTree")->trigger();
    EXPECT_TRUE(main.Mdi()->subWindowList().isEmpty());

    main.Tree()->setCurrentItem(root->child(0));  // frmMain.frm
    for (const char* name : {"btnBuildFormTree", "mnuBuildFormTree", "popBuildFormTree"})
        main.findChild<QAction*>(name)->trigger();
    const QList<QMdiSubWindow*> windows = main.Mdi()->subWindowList();
    ASSERT_EQ(windows.size(), 3);
    for (QMdiSubWindow* sub : windows) {
        auto* w = qobject_cast<TfrmFormTree*>(sub->widget());
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->windowTitle(), "Form tree for Inventory.vbp");
        EXPECT_EQ(w->treeForm()->topLevelItem(0)->child(0)->text(0), "File: frmMain.frm");
    }
    EXPECT_TRUE(host.Messages.empty());
    // The windows keep what they read when the project goes.
    main.CloseCurrentProject();
    EXPECT_EQ(main.Mdi()->subWindowList().size(), 3);
    EXPECT_GT(qobject_cast<TfrmFormTree*>(windows[0]->widget())->Model().Nodes.size(), 10u);
}

}  // namespace
}  // namespace plumora

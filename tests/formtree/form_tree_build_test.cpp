// The form tree command on the project model, and the bundled example forms.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formtree/form_tree_build.h"
#include "project/source_mgt.h"
#include "support/temp_dir.h"

namespace plumora {
namespace {

std::vector<std::string> TopLevel(const std::vector<TFormNode>& nodes, int depth) {
    std::vector<std::string> texts;
    for (const TFormNode& n : nodes)
        if (n.Depth == depth) texts.push_back(n.Text);
    return texts;
}

TEST(BuildFormTreeTest, ParsesTheEntryAndReleasesItsLines) {
    testing::TempDir dir;
    dir.Write("Forms/Main.frm",
              "VERSION 5.00\r\nBegin VB.Form frmMain\r\n   Caption = \"M\"\r\n"
              "   Begin VB.Label lbl\r\n   End\r\nEnd\r\nAttribute VB_Name = \"frmMain\"\r\n");
    TSourceMgt project;
    project.ProjectName = "Demo.vbp";
    project.ProjectDir = dir.Str() + "/";
    project.AddFile("forms\\MAIN.FRM", ".FRM");
    RFile* entry = project.Head.get();

    std::optional<TFormTreeModel> model = BuildFormTree(project, entry);
    ASSERT_TRUE(model);
    EXPECT_EQ(model->Caption, "Form tree for Demo.vbp");
    EXPECT_FALSE(entry->Loaded);
    EXPECT_TRUE(entry->Lines.empty());
    ASSERT_EQ(model->Nodes.size(), 5u);
    EXPECT_EQ(model->Nodes[0].Text, "Form: Demo.vbp");
    EXPECT_EQ(model->Nodes[1].Text, "File: MAIN.FRM");  // the name as the project writes it
    EXPECT_EQ(model->Nodes[2].Text, "VB.Form: frmMain");
    EXPECT_EQ(FormPropertyRows(model->Nodes[3])[0].Value, "\"M\"");
    EXPECT_EQ(model->Nodes[4].Text, "VB.Label: lbl");
    EXPECT_FALSE(model->Unreadable);
}

TEST(BuildFormTreeTest, NothingWithoutFilesAndOnlyTheTopNodesForAnUnreadableFile) {
    TSourceMgt empty;
    EXPECT_FALSE(BuildFormTree(empty, empty.Head.get()));

    testing::TempDir dir;
    TSourceMgt project;
    project.ProjectName = "Demo.vbp";
    project.ProjectDir = dir.Str() + "/";
    project.AddFile("Gone.frm", ".FRM");
    EXPECT_FALSE(BuildFormTree(project, nullptr));
    EXPECT_FALSE(BuildFormTree(project, project.Current));  // the blank entry
    std::optional<TFormTreeModel> model = BuildFormTree(project, project.Head.get());
    ASSERT_TRUE(model);
    ASSERT_EQ(model->Nodes.size(), 2u);
    EXPECT_EQ(model->Nodes[1].Text, "File: Gone.frm");
    EXPECT_TRUE(model->Unreadable);
    // A file that really holds the stand-in line is read, not missing.
    dir.Write("Odd.frm", "NOT AVAILABLE\r\n");
    project.AddFile("Odd.frm", ".FRM");
    model = BuildFormTree(project, project.Head->Next.get());
    ASSERT_TRUE(model);
    EXPECT_FALSE(model->Unreadable);
}

TEST(BuildFormTreeTest, InventoryExampleInTheTreeOrder) {
    TSourceMgt project;
    project.ProjectName = "Inventory.vbp";
    project.ProjectDir = std::string(PLUMORA_SOURCE_DIR) + "/examples/Inventory/";
    project.AddFile("frmMain.frm", ".FRM");
    std::optional<TFormTreeModel> model = BuildFormTree(project, project.Head.get());
    ASSERT_TRUE(model);
    // The form's controls: the first in the file, then the rest from the
    // last in the file upward.
    EXPECT_EQ(TopLevel(model->Nodes, 3),
              (std::vector<std::string>{"Properties", "MSComDlg.CommonDialog: dlgFile",
                                        "VB.Menu: mnuHelp", "VB.Menu: mnuView",
                                        "VB.Menu: mnuFile", "VB.ListBox: lstItems",
                                        "VB.Frame: fraFilter", "VB.PictureBox: picToolbar",
                                        "Inventory.ctlGauge: gauStock"}));
    EXPECT_EQ(model->Tree.UnclosedBlocks, 0u);
    EXPECT_EQ(model->Nodes[2].Icon, ftiForm);
}

TEST(BuildFormTreeTest, Vb3ExampleWithoutPrefixes) {
    TSourceMgt project;
    project.ProjectName = "LEGACY.MAK";
    project.ProjectDir = std::string(PLUMORA_SOURCE_DIR) + "/examples/Legacy3/";
    project.AddFile("MAIN.FRM", ".FRM");
    std::optional<TFormTreeModel> model = BuildFormTree(project, project.Head.get());
    ASSERT_TRUE(model);
    EXPECT_EQ(model->Nodes[2].Text, "Form: frmMain");
    EXPECT_EQ(model->Nodes[2].Icon, ftiForm);
    std::vector<std::string> controls = TopLevel(model->Nodes, 3);
    ASSERT_GE(controls.size(), 3u);
    EXPECT_EQ(controls[1], "SSPanel: pnlStatus");
    EXPECT_EQ(controls.back(), "CommandButton: cmdDelete");
}

}  // namespace
}  // namespace plumora

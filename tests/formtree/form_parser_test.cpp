// The form tree as the window shows it: block order, the quirks of the
// Begin/End tests, property lines, icons, and files that are not well formed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formtree/form_nodes.h"
#include "formtree/form_parser.h"

namespace plumora {
namespace {

// Each node as "<depth>|<text>|<icon>", property rows as "<depth>  name=value".
std::vector<std::string> Outline(const std::vector<std::string>& lines) {
    TFormTree tree = ParseFormTree(lines, "Proj.vbp", "Main.frm");
    std::vector<std::string> out;
    for (const TFormNode& node : FormTreeNodes(tree)) {
        out.push_back(std::to_string(node.Depth) + "|" + node.Text + "|" +
                      std::to_string(node.Icon));
        for (const TPropertyRow& row : FormPropertyRows(node)) {
            out.push_back(std::to_string(node.Depth) + "  " + row.Name + "=" + row.Value);
        }
    }
    return out;
}

using Lines = std::vector<std::string>;

TEST(FormTreeOrder, FirstChildThenTheOthersInReverseFileOrder) {
    Lines form = {"VERSION 5.00",
                  "Begin VB.Form frmMain ",
                  "   Caption         =   \"Main\"",
                  "   Begin VB.CommandButton cmdFirst ",
                  "   End",
                  "   Begin VB.CommandButton cmdSecond ",
                  "   End",
                  "   Begin VB.CommandButton cmdThird ",
                  "   End",
                  "End",
                  "Attribute VB_Name = \"frmMain\""};
    EXPECT_EQ(Outline(form), (Lines{"0|Form: Proj.vbp|0", "1|File: Main.frm|3",
                                    "2|VB.Form: frmMain|1", "3|Properties|4",
                                    "3  Caption=\"Main\"", "3|VB.CommandButton: cmdFirst|5",
                                    "3|VB.CommandButton: cmdThird|5",
                                    "3|VB.CommandButton: cmdSecond|5"}));
}

TEST(FormTreeOrder, FiveChildrenAndNestedLevelsFollowTheSameRule) {
    Lines form = {"VERSION 5.00", "Begin VB.Form F", "Begin A a1", "Begin X x1", "End",
                  "Begin X x2",   "End",             "Begin X x3", "End",        "End",
                  "Begin B b",    "End",             "Begin C c",  "End",        "Begin D d",
                  "End",          "Begin E e",       "End",        "End",        "tail"};
    EXPECT_EQ(Outline(form),
              (Lines{"0|Form: Proj.vbp|0", "1|File: Main.frm|3", "2|VB.Form: F|1",
                     "3|A: a1|5", "4|X: x1|5", "4|X: x3|5", "4|X: x2|5", "3|E: e|5", "3|D: d|5",
                     "3|C: c|5", "3|B: b|5"}));
}

TEST(FormTreeParse, BeginAndEndGluedToMoreLetters) {
    Lines form = {"x",          "BeginVB.Timer tmrTick ", "Interval = 100", "EndTimer",
                  "Begin VB.Label lbl", "Caption = 1",    "Ending = 1",     "tail"};
    // "Ending" begins with "End": it is no property line and it ends the block.
    EXPECT_EQ(Outline(form), (Lines{"0|Form: Proj.vbp|0", "1|File: Main.frm|3",
                                    "2|VB.Timer: tmrTick|5", "3|Properties|4",
                                    "3  Interval=100", "2|VB.Label: lbl|5", "3|Properties|4",
                                    "3  Caption=1"}));
}

TEST(FormTreeParse, UpperCaseBeginAndEndAreAlsoPropertyLines) {
    Lines form = {"x",        "Begin Form F", "BEGIN Grid g", "Cols = 2",
                  "END",      "Caption = 1",  "END",          "Begin Stray s",
                  "End",      "tail"};
    EXPECT_EQ(Outline(form),
              (Lines{"0|Form: Proj.vbp|0", "1|File: Main.frm|3", "2|Form: F|1",
                     "3|Properties|4", "3  =BEGIN Grid g", "3  Caption=1", "3  =END",
                     "3|Grid: g|5",
                     "4|Properties|4", "4  Cols=2", "4  =END", "2|Stray: s|5"}));
}

TEST(FormTreeParse, LevelZeroOpensBlocksUntilTheFirstEnd) {
    Lines code = {"Attribute VB_Name = \"M\"",
                  "Sub Go()",
                  "  beginning = 1",
                  "  x = 2",
                  "End Sub",
                  "Begin VB.Label never",
                  "End",
                  "tail"};
    // "beginning = 1" opens a block of class "ning" named "= 1"; "End Sub"
    // ends it, and the file level runs on to the next END.
    EXPECT_EQ(Outline(code), (Lines{"0|Form: Proj.vbp|0", "1|File: Main.frm|3",
                                    "2|ning: = 1|5", "3|Properties|4", "3  x=2",
                                    "2|VB.Label: never|5"}));
    Lines stops = {"Sub Go()", "End Sub", "Begin VB.Label never", "End", "tail"};
    EXPECT_EQ(Outline(stops), (Lines{"0|Form: Proj.vbp|0", "1|File: Main.frm|3"}));
}

TEST(FormTreeParse, BlockHeaderAndPropertySplitting) {
    struct Case {
        const char* Rest;
        const char* Class;
        const char* Name;
    } cases[] = {
        {" VB.Form frmMain ", "VB.Form", "frmMain"},
        {" Threed.SSPanel   pnl  extra ", "Threed.SSPanel", "pnl  extra"},
        {"Lonely", "", "Lonely"},
        {"", "", ""},
        {"  ", "", ""},
    };
    for (const Case& c : cases) {
        std::string cls, name;
        SplitBlockHeader(c.Rest, cls, name);
        EXPECT_EQ(cls, c.Class) << c.Rest;
        EXPECT_EQ(name, c.Name) << c.Rest;
    }
    struct Prop {
        const char* Line;
        const char* Name;
        const char* Value;
    } props[] = {
        {"Caption = \"a = b\"", "Caption", "\"a = b\""},
        {"Tag=", "Tag", ""},
        {"=5", "", "5"},
        {"NoEquals here", "", "NoEquals here"},
        {"Icon = ABOUT.FRX:0000", "Icon", "ABOUT.FRX:0000"},
    };
    for (const Prop& p : props) {
        std::string name, value;
        SplitPropertyLine(p.Line, name, value);
        EXPECT_EQ(name, p.Name) << p.Line;
        EXPECT_EQ(value, p.Value) << p.Line;
    }
}

TEST(FormTreeParse, TheLastLineIsNeverExamined) {
    Lines form = {"x", "Begin VB.Form F", "Caption = 1", "Left = 2"};
    EXPECT_EQ(Outline(form), (Lines{"0|Form: Proj.vbp|0", "1|File: Main.frm|3", "2|VB.Form: F|1",
                                    "3|Properties|4", "3  Caption=1"}));
    // A form file without controls, ending with its End on the last line.
    Lines bare = {"VERSION 2.00", "Begin Form F", "Caption = 1", "End"};
    EXPECT_EQ(Outline(bare), (Lines{"0|Form: Proj.vbp|0", "1|File: Main.frm|3", "2|Form: F|1",
                                    "3|Properties|4", "3  Caption=1"}));
    Lines noProps = {"VERSION 2.00", "Begin Form F", "End", "tail"};
    EXPECT_EQ(Outline(noProps), (Lines{"0|Form: Proj.vbp|0", "1|File: Main.frm|3",
                                       "2|Form: F|1"}));
}

TEST(FormTreeParse, UnreadableEmptyAndOneLineFilesGiveOnlyTheTopNodes) {
    for (const Lines& lines : {Lines{}, Lines{"NOT AVAILABLE"}, Lines{"Begin VB.Form F"}}) {
        TFormTree tree = ParseFormTree(lines, "P.vbp", "F.frm");
        EXPECT_EQ(tree.BlockCount(), 0u);
        EXPECT_EQ(Outline(lines), (Lines{"0|Form: Proj.vbp|0", "1|File: Main.frm|3"}));
    }
}

TEST(FormTreeIcons, DecidedByTheClassInUpperCase) {
    struct Case {
        const char* Class;
        int Icon;
    } cases[] = {{"Form", ftiForm},     {"VB.Form", ftiForm},   {"vb.form", ftiForm},
                 {"FORM", ftiForm},     {"File", ftiFile},      {"file", ftiFile},
                 {"VB.Forms", ftiControl}, {"MDIForm", ftiControl}, {"VB.MDIForm", ftiControl},
                 {"", ftiControl},      {"Threed.SSPanel", ftiControl}};
    for (const Case& c : cases) EXPECT_EQ(FormBlockIcon(c.Class), c.Icon) << c.Class;
}

TEST(FormTreeNodesTest, OnlyPropertiesNodesSelectTheList) {
    TFormTree tree = ParseFormTree({"x", "Begin VB.Form F", "A = 1", "B = 2", "End", "tail"},
                                   "P", "F.frm");
    std::vector<TFormNode> nodes = FormTreeNodes(tree);
    ASSERT_EQ(nodes.size(), 4u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_FALSE(SelectsPropertyList(nodes[i])) << nodes[i].Text;
        EXPECT_TRUE(FormPropertyRows(nodes[i]).empty());
    }
    ASSERT_TRUE(SelectsPropertyList(nodes[3]));
    std::vector<TPropertyRow> rows = FormPropertyRows(nodes[3]);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].Name, "B");
    EXPECT_EQ(rows[1].Value, "2");
}

TEST(FormTreeRobustness, UnbalancedBlocksAreCountedAndKept) {
    TFormTree open = ParseFormTree(
        {"x", "Begin VB.Form F", "Begin VB.Frame fra", "Begin VB.Label l", "Caption = 1", "tail"},
        "P", "F.frm");
    EXPECT_EQ(open.UnclosedBlocks, 3u);
    EXPECT_EQ(open.BlockCount(), 3u);
    EXPECT_EQ(open.MaxDepth, 3u);
    TFormTree closed = ParseFormTree({"x", "Begin VB.Form F", "End", "End", "End", "tail"}, "P",
                                     "F.frm");
    EXPECT_EQ(closed.UnclosedBlocks, 0u);
    EXPECT_EQ(closed.BlockCount(), 1u);
}

TEST(FormTreeRobustness, TenThousandNestedBlocksNeedNoRecursion) {
    constexpr std::size_t kDepth = 10000;
    Lines lines = {"VERSION 5.00"};
    for (std::size_t i = 0; i < kDepth; ++i) {
        lines.push_back("Begin VB.PictureBox p" + std::to_string(i));
        lines.push_back("Tag = " + std::to_string(i));
    }
    for (std::size_t i = 0; i < kDepth; ++i) lines.push_back("End");
    lines.push_back("tail");
    TFormTree tree = ParseFormTree(lines, "P", "Deep.frm");
    EXPECT_EQ(tree.MaxDepth, kDepth);
    EXPECT_EQ(tree.UnclosedBlocks, 0u);
    std::vector<TFormNode> nodes = FormTreeNodes(tree);
    ASSERT_EQ(nodes.size(), 2 + 2 * kDepth);
    EXPECT_EQ(nodes.back().Depth, static_cast<int>(kDepth + 2));
    EXPECT_EQ(nodes.back().Text, "Properties");
    EXPECT_EQ(FormPropertyRows(nodes.back())[0].Value, std::to_string(kDepth - 1));
}

}  // namespace
}  // namespace plumora

// Building point tables from a project model: one point per file in project
// order, the walk that loads one file at a time, the file-type slices, the
// three messages of "C&reate", and projects of any size.
#include "charts/chart_table.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "charts/create_chart.h"
#include "io/paths.h"
#include "project/source_mgt.h"
#include "support/scripted_hosts.h"
#include "support/temp_dir.h"

namespace plumora {
namespace {

using testing::ScriptedCommandHost;
using Points = std::vector<std::pair<std::string, double>>;

Points PointsOf(const TChartTable& table) {
    Points out;
    for (const TChartPoint& p : table.Points) out.emplace_back(p.Label, p.Value);
    return out;
}

class ChartTableTest : public ::testing::Test {
protected:
    testing::TempDir dir_;
    TSourceMgt project_;

    void SetUp() override { project_.ProjectDir = dir_.Str() + "/"; }

    void Add(const std::string& name, const std::string& text) {
        dir_.Write(name, text);
        Admit(name);
    }
    void Admit(const std::string& name) {
        project_.AddFile(name, UpperExtension(name));
    }
    Points Build(TChartKind kind) { return PointsOf(BuildChartTable(project_, kind)); }
};

TEST_F(ChartTableTest, EveryStatisticInProjectOrder) {
    Add("Main.frm",
        "VERSION 5.00\r\nBegin VB.Form Main\r\nEnd\r\n"
        "Private Sub Form_Load() ' start\r\n  x = \"it's\"\r\n\r\nEnd Sub\r\n");
    Add("Util.bas",
        "Global a, b\r\nGlobal c\r\n' header\r\n' more\r\n\r\n\r\n"
        "Public Function F()\r\nEnd Function\r\n");
    Add("Empty.bas", "' nothing but this\r\n");

    EXPECT_EQ(Build(TChartKind::ckFileSizes),
              (Points{{"Main.frm", 97}, {"Util.bas", 80}, {"Empty.bas", 20}}));
    EXPECT_EQ(Build(TChartKind::ckLineCounts),
              (Points{{"Main.frm", 7}, {"Util.bas", 8}, {"Empty.bas", 1}}));
    EXPECT_EQ(Build(TChartKind::ckRoutines),
              (Points{{"Main.frm", 1}, {"Util.bas", 1}, {"Empty.bas", 0}}));
    EXPECT_EQ(Build(TChartKind::ckGlobals),
              (Points{{"Main.frm", 0}, {"Util.bas", 3}, {"Empty.bas", 0}}));
    // Main: 6 code lines, 1 comment (17), 1 blank (17). Util: 4 code lines,
    // 2 comments (50), 2 blanks (50). Empty: no code, so 1 comment of 1.
    EXPECT_EQ(Build(TChartKind::ckCommentPercent),
              (Points{{"Main.frm", 17}, {"Util.bas", 50}, {"Empty.bas", 100}}));
    EXPECT_EQ(Build(TChartKind::ckBlankPercent),
              (Points{{"Main.frm", 17}, {"Util.bas", 50}, {"Empty.bas", 0}}));
    EXPECT_EQ(Build(TChartKind::ckFileTypes), (Points{{".bas", 2}, {".frm", 1}}));
}

TEST_F(ChartTableTest, MissingAndUnreadableFiles) {
    Add("Here.bas", "Sub A()\r\nEnd Sub\r\n");
    Admit("Gone.bas");  // missing when the project was opened
    EXPECT_EQ(Build(TChartKind::ckFileSizes), (Points{{"Here.bas", 18}, {"Gone.bas", -1}}));
    EXPECT_EQ(Build(TChartKind::ckLineCounts), (Points{{"Here.bas", 2}, {"Gone.bas", 0}}));
    // Reading it now gives the single line "NOT AVAILABLE": one code line.
    EXPECT_EQ(Build(TChartKind::ckRoutines), (Points{{"Here.bas", 1}, {"Gone.bas", 0}}));
    EXPECT_EQ(Build(TChartKind::ckCommentPercent), (Points{{"Here.bas", 0}, {"Gone.bas", 0}}));
    EXPECT_EQ(Build(TChartKind::ckBlankPercent), (Points{{"Here.bas", 0}, {"Gone.bas", 0}}));
    // Loading refreshed the line count.
    EXPECT_EQ(Build(TChartKind::ckLineCounts), (Points{{"Here.bas", 2}, {"Gone.bas", 1}}));
}

TEST_F(ChartTableTest, CountsWhatIsOnDiskNow) {
    Add("A.bas", "Sub A()\r\nEnd Sub\r\n");
    EXPECT_EQ(Build(TChartKind::ckRoutines), (Points{{"A.bas", 1}}));
    dir_.Write("A.bas", "Sub A()\r\nEnd Sub\r\nSub B()\r\nEnd Sub\r\n");
    EXPECT_EQ(Build(TChartKind::ckRoutines), (Points{{"A.bas", 2}}));
}

TEST_F(ChartTableTest, WalkReleasesEachFileAndRestoresTheCursor) {
    Add("A.bas", "x\r\n");
    Add("B.bas", "y\r\n");
    Add("C.bas", "z\r\n");
    RFile* a = project_.Head.get();
    RFile* b = a->Next.get();
    RFile* c = b->Next.get();
    // Someone else holds B's text: the walk uses it and leaves it loaded.
    project_.LoadLines(b);
    project_.Current = c;
    for (TChartKind kind : {TChartKind::ckRoutines, TChartKind::ckGlobals,
                            TChartKind::ckCommentPercent, TChartKind::ckBlankPercent}) {
        BuildChartTable(project_, kind);
        EXPECT_FALSE(a->Loaded);
        EXPECT_TRUE(a->Lines.empty());
        EXPECT_TRUE(b->Loaded);
        EXPECT_FALSE(c->Loaded);
        EXPECT_EQ(project_.Current, c);
    }
}

TEST_F(ChartTableTest, MoreThan512Points) {
    // The point table once held 512 points and failed with "Range check error"
    // on larger projects.
    constexpr int kFiles = 1500;
    for (int i = 0; i < kFiles; ++i) {
        std::string name = "M" + std::to_string(i) + (i % 3 == 0 ? ".bas" : ".E" + std::to_string(i));
        Add(name, "Sub A()\r\n");
    }
    TChartTable routines = BuildChartTable(project_, TChartKind::ckRoutines);
    ASSERT_EQ(routines.Points.size(), static_cast<std::size_t>(kFiles));
    EXPECT_EQ(routines.Points.front().Label, "M0.bas");
    EXPECT_EQ(routines.Points.back().Label, "M1499.E1499");
    for (const TChartPoint& p : routines.Points) ASSERT_EQ(p.Value, 1);
    // 500 files share ".bas"; the other 1000 each have an extension of their own.
    TChartTable types = BuildChartTable(project_, TChartKind::ckFileTypes);
    ASSERT_EQ(types.Points.size(), 1001u);
    EXPECT_EQ(types.Points.front().Label, ".bas");
    EXPECT_EQ(types.Points.front().Value, 500);
}

TEST_F(ChartTableTest, ChainWithOnlyTheBlankEntryGivesNoPoints) {
    ScriptedCommandHost host;
    for (std::size_t i = 0; i < ChartItems().size(); ++i) {
        std::optional<TChartTable> table = CreateChartTable(&project_, static_cast<int>(i), host);
        ASSERT_TRUE(table);
        EXPECT_TRUE(table->Points.empty());
    }
    EXPECT_TRUE(host.Messages.empty());
}

TEST(CreateChart, TheThreeMessages) {
    struct Case {
        int Selected;
        bool WithProject;
        bool WithHead;
        MsgKind Kind;
        const char* Text;
    };
    const Case cases[] = {
        {-1, true, true, MsgKind::Information, "Please select a chart to graph."},
        {7, true, true, MsgKind::Information, "Please select a chart to graph."},
        {-1, false, true, MsgKind::Information, "Please select a chart to graph."},
        {0, false, true, MsgKind::Warning,
         "Source management object is empty; unable to create a graph."},
        {6, true, false, MsgKind::Warning,
         "Source management object contains no code, unable to create the graph."},
    };
    for (const Case& c : cases) {
        TSourceMgt project;
        if (!c.WithHead) {
            project.Head.reset();
            project.Current = nullptr;
        }
        ScriptedCommandHost host;
        EXPECT_FALSE(CreateChartTable(c.WithProject ? &project : nullptr, c.Selected, host));
        ASSERT_EQ(host.Messages.size(), 1u) << c.Text;
        EXPECT_EQ(host.Messages[0].Kind, c.Kind);
        EXPECT_EQ(host.Messages[0].Text, c.Text);
        EXPECT_EQ(host.Messages[0].Buttons, MsgButtons::Ok);
        EXPECT_TRUE(host.HourglassChanges.empty());
    }
}

TEST(CreateChart, HourglassWhileBuilding) {
    TSourceMgt project;
    ScriptedCommandHost host;
    ASSERT_TRUE(CreateChartTable(&project, 2, host));
    EXPECT_EQ(host.HourglassChanges, (std::vector<bool>{true, false}));
}

}  // namespace
}  // namespace plumora

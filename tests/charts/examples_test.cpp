// The bundled example projects, opened as the user opens them, against
// values counted by hand from their files.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "charts/create_chart.h"
#include "project/app_state.h"
#include "project/open_project.h"
#include "settings/option_set.h"
#include "support/scripted_hosts.h"
#include "support/temp_dir.h"

namespace plumora {
namespace {

using Points = std::vector<std::pair<std::string, double>>;

struct Expected {
    TChartKind Kind;
    Points Values;
};

class ExampleStatsTest : public ::testing::Test {
protected:
    testing::TempDir config_;
    testing::ScopedConfigDir scoped_{config_.Str()};
    TAppState state_;
    TOptionSet options_;
    testing::ScriptedCommandHost host_;

    void Check(const std::string& project, const std::vector<Expected>& expected) {
        ASSERT_TRUE(OpenProject(state_, options_, host_,
                                std::string(PLUMORA_SOURCE_DIR) + "/examples/" + project));
        ASSERT_EQ(expected.size(), ChartItems().size());
        for (std::size_t i = 0; i < ChartItems().size(); ++i) {
            std::optional<TChartTable> table =
                CreateChartTable(state_.Project.get(), static_cast<int>(i), host_);
            ASSERT_TRUE(table);
            EXPECT_EQ(table->Kind, expected[i].Kind);
            Points got;
            for (const TChartPoint& p : table->Points) got.emplace_back(p.Label, p.Value);
            EXPECT_EQ(got, expected[i].Values) << table->Title;
        }
        EXPECT_TRUE(host_.Messages.empty());
        for (const RFile* f = state_.Project->Head.get(); f->Next; f = f->Next.get()) {
            EXPECT_FALSE(f->Loaded) << f->Name;
        }
    }
};

TEST_F(ExampleStatsTest, Inventory) {
    // Not routines here: the Private Static Sub of frmMain.frm and the
    // Property procedures of the class and the user control.
    Check("Inventory/Inventory.vbp",
          {
              {TChartKind::ckFileSizes,
               {{"frmMain.frm", 11021}, {"MODINVENTORY.BAS", 11165}, {"CItem.cls", 5139},
                {"ctlGauge.ctl", 4727}}},
              {TChartKind::ckFileTypes, {{".BAS", 1}, {".cls", 1}, {".ctl", 1}, {".frm", 1}}},
              {TChartKind::ckRoutines,
               {{"frmMain.frm", 16}, {"MODINVENTORY.BAS", 18}, {"CItem.cls", 7},
                {"ctlGauge.ctl", 6}}},
              {TChartKind::ckGlobals,
               {{"frmMain.frm", 0}, {"MODINVENTORY.BAS", 0}, {"CItem.cls", 0},
                {"ctlGauge.ctl", 0}}},
              {TChartKind::ckLineCounts,
               {{"frmMain.frm", 337}, {"MODINVENTORY.BAS", 321}, {"CItem.cls", 154},
                {"ctlGauge.ctl", 147}}},
              // comments / code lines: 10/315, 27/270, 13/122, 9/122
              {TChartKind::ckCommentPercent,
               {{"frmMain.frm", 3}, {"MODINVENTORY.BAS", 10}, {"CItem.cls", 11},
                {"ctlGauge.ctl", 7}}},
              // blank / code lines: 18/315, 26/270, 25/122, 19/122
              {TChartKind::ckBlankPercent,
               {{"frmMain.frm", 6}, {"MODINVENTORY.BAS", 10}, {"CItem.cls", 20},
                {"ctlGauge.ctl", 16}}},
          });
}

TEST_F(ExampleStatsTest, Legacy3) {
    // GLOBAL.BAS: ten Global lines with 10 commas between them.
    Check("Legacy3/LEGACY.MAK",
          {
              {TChartKind::ckFileSizes, {{"MAIN.FRM", 6133}, {"GLOBAL.BAS", 3077}}},
              {TChartKind::ckFileTypes, {{".BAS", 1}, {".FRM", 1}}},
              {TChartKind::ckRoutines, {{"MAIN.FRM", 10}, {"GLOBAL.BAS", 5}}},
              {TChartKind::ckGlobals, {{"MAIN.FRM", 0}, {"GLOBAL.BAS", 20}}},
              {TChartKind::ckLineCounts, {{"MAIN.FRM", 208}, {"GLOBAL.BAS", 104}}},
              // 6/196 and 5/90
              {TChartKind::ckCommentPercent, {{"MAIN.FRM", 3}, {"GLOBAL.BAS", 6}}},
              // 11/196 and 9/90
              {TChartKind::ckBlankPercent, {{"MAIN.FRM", 6}, {"GLOBAL.BAS", 10}}},
          });
}

}  // namespace
}  // namespace plumora

// Kind images, toggling and recent-file captions without a window.
#include <gtest/gtest.h>

#include "app/project_tree_rules.h"
#include "project/source_mgt.h"

namespace plumora {
namespace {

TEST(ProjectTreeRules, KindImagesAndKindsWithoutANode) {
    struct TCase {
        std::uint8_t Kind;
        std::optional<int> Image;
    };
    for (const TCase c : {TCase{fkForm, 1}, TCase{fkModule, 4}, TCase{fkClass, 8},
                          TCase{fkUserControl, 7}, TCase{fkCustomControl, std::nullopt},
                          TCase{3, std::nullopt}, TCase{255, std::nullopt}})
        EXPECT_EQ(KindImage(c.Kind), c.Image) << int(c.Kind);
}

TEST(ProjectTreeRules, ToggleGoesFromTwoToOneAndFromAnythingElseToTwo) {
    RFile entry;
    EXPECT_EQ(ToggleSelection(entry, 2), 1);
    EXPECT_TRUE(entry.Selected);
    EXPECT_EQ(ToggleSelection(entry, 1), 2);
    EXPECT_FALSE(entry.Selected);
    EXPECT_EQ(ToggleSelection(entry, 0), 2);
    EXPECT_FALSE(entry.Selected);
}

TEST(ProjectTreeRules, SetAllLeavesCustomControlsAlone) {
    TSourceMgt project;
    project.AddFile("a.frm", ".FRM");
    project.AddFile("b.vbx", ".VBX");
    project.AddFile("c.bas", ".BAS");
    SetAllSelected(project, false);
    RFile* a = project.Head.get();
    EXPECT_FALSE(a->Selected);
    EXPECT_TRUE(a->Next->Selected);
    EXPECT_FALSE(a->Next->Next->Selected);
}

TEST(ProjectTreeRules, RecentFileCaptionHasTwoBlanks) {
    EXPECT_EQ(RecentFileCaption(1, "C:\\VB\\A.VBP"), "&1  C:\\VB\\A.VBP");
    EXPECT_EQ(RecentFileCaption(6, "/p q.mak"), "&6  /p q.mak");
}

}  // namespace
}  // namespace plumora

// The main window's note that an opened project has a style file which the
// command line uses, while the desktop keeps the user's own options.
#include <filesystem>
#include <string>

#include <QLabel>
#include <QStatusBar>
#include <gtest/gtest.h>

#include "app/frm_main.h"
#include "settings/option_set.h"
#include "support/temp_dir.h"

namespace plumora {
namespace {

namespace fs = std::filesystem;
using testing::ScopedConfigDir;
using testing::TempDir;

TEST(StyleFileNote, ShownForAProjectWithAStyleFileAndGoneForOneWithout) {
    TempDir config;
    ScopedConfigDir scope{config.Str()};
    TempDir projects;
    const std::string example = std::string(PLUMORA_SOURCE_DIR) + "/examples/Inventory";
    fs::create_directories(projects.Path() / "team");
    fs::copy(example, projects.Path() / "team/vb", fs::copy_options::recursive);
    projects.Write("team/.plumora.ini", "[Indents]\r\nDefaultLineIndent=2\r\n");
    fs::copy(example, projects.Path() / "alone", fs::copy_options::recursive);

    TfrmMain w(nullptr, [](MsgKind, const std::string&, MsgButtons) { return MsgResult::Ok; });
    ASSERT_TRUE(w.OpenProjectFile(projects.Str() + "/team/vb/Inventory.vbp"));
    auto* note = w.statusBar()->findChild<QLabel*>("lblStyleFile");
    ASSERT_NE(note, nullptr);
    EXPECT_FALSE(note->isHidden());
    EXPECT_EQ(note->text().toStdString(), "Style file: plumora-cli uses .plumora.ini");
    EXPECT_NE(note->toolTip().toStdString().find(projects.Str() + "/team/.plumora.ini"), std::string::npos);
    // The desktop's own options are the user's, not the style file's.
    EXPECT_EQ(w.Options().Int(Opt::DefaultLineIndent), TOptionSet().Int(Opt::DefaultLineIndent));

    ASSERT_TRUE(w.OpenProjectFile(projects.Str() + "/alone/Inventory.vbp"));
    EXPECT_TRUE(note->isHidden());
}

}  // namespace
}  // namespace plumora

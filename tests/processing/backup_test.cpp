// The copy routines on their own: which files each copies, where, and when
// they refuse to start.
#include <filesystem>

#include <gtest/gtest.h>

#include "processing/backup.h"
#include "recording_run_host.h"
#include "support/temp_dir.h"

namespace plumora {
namespace {

namespace fs = std::filesystem;
using testing::ReadAll;
using testing::RecordingRunHost;
using testing::TempDir;

TEST(CopyRoutines, RefuseWhenADirectoryIsMissing) {
    TempDir dir;
    RecordingRunHost host;
    std::string src = dir.Str() + "/";
    std::string missing = dir.Str() + "/none/";
    EXPECT_FALSE(CopyListedFiles({"A.BAS"}, src, missing, host));
    EXPECT_FALSE(CopyReferencedFiles({"Form=A.frm"}, missing, src, host));
    EXPECT_FALSE(CopyDirectoryFiles({"A.BAS"}, missing, src, host));
    EXPECT_TRUE(host.Events.empty());  // the copy window was never shown
}

TEST(CopyRoutines, MakListCopiesFlatWithFormCompanions) {
    TempDir dir;
    dir.Write("p/SUB/MAIN.FRM", "form");
    dir.Write("p/SUB/main.frx", "frx");
    dir.Write("p/GLOBAL.BAS", "mod");
    dir.Write("p/GRID.VBX", "vbx");
    dir.Write("shared/LIB.BAS", "lib");
    fs::create_directories(dir.Path() / "out");
    RecordingRunHost host;
    std::vector<std::string> lines = {"SUB\\MAIN.FRM", "GLOBAL.BAS", "GRID.VBX", "C:\\VB\\THREED.VBX",
                                      "..\\shared\\LIB.BAS", "ProjWinSize=1,2,3,4", "MISSING.BAS"};
    EXPECT_TRUE(CopyListedFiles(lines, dir.Str() + "/p/", dir.Str() + "/out", host));
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir.Path() / "out")) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"GLOBAL.BAS", "GRID.VBX", "LIB.BAS", "MAIN.FRM", "main.frx"}));
    EXPECT_FALSE(fs::exists(dir.Path() / "shared" / "out"));  // nothing lands outside
    EXPECT_EQ(host.Events.front(), "copy window shown");
    EXPECT_EQ(host.Events.back(), "copy window hidden");
    EXPECT_TRUE(host.Has("Backing Up File: SUB\\MAIN.FRM"));
}

TEST(CopyRoutines, DirectoryCopySkipsTakenNamesAndSubdirectories) {
    TempDir dir;
    dir.Write("p/a.txt", "a");
    dir.Write("p/Utils.bas", "the directory's own");
    dir.Write("p/sub/b.txt", "b");
    fs::create_directories(dir.Path() / "out");
    RecordingRunHost host;
    EXPECT_TRUE(CopyDirectoryFiles({"a.txt", "Utils.bas"}, dir.Str() + "/p/", dir.Str() + "/out/", host,
                                   {"UTILS.BAS"}));
    EXPECT_EQ(ReadAll(dir.Path() / "out" / "a.txt"), "a");
    EXPECT_FALSE(fs::exists(dir.Path() / "out" / "Utils.bas"));
}

}  // namespace
}  // namespace plumora

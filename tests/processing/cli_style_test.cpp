// plumora-cli style as a user runs it: the bundled example, --check, --out,
// --only, the settings file, refusals and usage errors.
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/cli_run.h"
#include "support/example_project.h"
#include "support/temp_dir.h"

namespace plumora {
namespace {

namespace fs = std::filesystem;
using testing::ReadAll;
using testing::TempDir;

using CliResult = testing::CliRun;

class CliStyle : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(dir_.Path() / "config");
        project_ = testing::CopyExampleProject("Inventory", "Inventory.vbp", dir_.Path() / "Inventory");
    }

    CliResult Style(std::vector<std::string> args) {
        args.insert(args.begin(), "style");
        return testing::RunCli(args, dir_.Str(), dir_.Str() + "/config");
    }

    std::size_t FileCount(const fs::path& dir) const {
        std::size_t n = 0;
        if (fs::exists(dir))
            for (auto it = fs::directory_iterator(dir); it != fs::directory_iterator(); ++it) ++n;
        return n;
    }

    TempDir dir_;
    std::string project_;
};

TEST_F(CliStyle, StylesTheExampleIntoItsStyledDirectory) {
    CliResult r = Style({project_, "--yes"});
    ASSERT_EQ(r.Exit, 0) << r.Err;
    fs::path styled = dir_.Path() / "Inventory" / "STYLED";
    EXPECT_TRUE(fs::exists(styled / "Inventory.vbp"));
    EXPECT_TRUE(fs::exists(styled / "CItem.cls"));
    // The form's binary companion (its icon) travels with it, byte for byte.
    EXPECT_EQ(ReadAll(styled / "frmMain.frx"),
              ReadAll(dir_.Path() / "Inventory" / "frmMain.frx"));
    EXPECT_FALSE(ReadAll(styled / "frmMain.frx").empty());
    EXPECT_NE(ReadAll(styled / "Inventory.vbp").find("Class=CItem; CItem.cls\r\n"), std::string::npos);
    EXPECT_NE(r.Out.find("styled 4 files into"), std::string::npos);
    EXPECT_NE(r.Err.find("Conversion Completed."), std::string::npos);
    EXPECT_NE(r.Err.find("frmMain.frm (Pass 1)"), std::string::npos);
}

TEST_F(CliStyle, WithoutYesNothingIsWritten) {
    CliResult r = Style({project_});
    EXPECT_EQ(r.Exit, 1);
    EXPECT_NE(r.Err.find("Process all selected files?"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir_.Path() / "Inventory" / "STYLED"));
}

TEST_F(CliStyle, CheckWritesNothingAndReportsChanges) {
    CliResult r = Style({project_, "--check"});
    EXPECT_EQ(r.Exit, 1) << r.Err;
    EXPECT_NE(r.Out.find("would change: "), std::string::npos);
    EXPECT_FALSE(fs::exists(dir_.Path() / "Inventory" / "STYLED"));

    // The styled copy is stable: checking it finds nothing to change.
    ASSERT_EQ(Style({project_, "--yes"}).Exit, 0);
    CliResult again = Style({(dir_.Path() / "Inventory" / "STYLED" / "Inventory.vbp").string(), "--check"});
    EXPECT_EQ(again.Exit, 0) << again.Out << again.Err;
}

TEST_F(CliStyle, DiffPrintsAUnifiedDiffPerChangedFile) {
    CliResult r = Style({project_, "--diff", "--only", "modInventory.bas"});
    EXPECT_EQ(r.Exit, 1) << r.Err;
    EXPECT_EQ(r.Out.rfind("--- MODINVENTORY.BAS\n+++ MODINVENTORY.BAS (styled)\n@@ -", 0), 0u)
        << r.Out;
    EXPECT_EQ(r.Out.find("would change"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir_.Path() / "Inventory" / "STYLED"));
    EXPECT_EQ(Style({project_, "--diff", "--out", dir_.Str() + "/o"}).Exit, 2);
}

TEST_F(CliStyle, OutAndOnlyLimitTheRun) {
    fs::path out = dir_.Path() / "out";
    CliResult r = Style({project_, "--yes", "--out", out.string(), "--only", "citem.cls",
                         "--ini", dir_.Write("only.ini", "[BackupInformation]\r\nBackupOnlyNewFiles=1\r\n")});
    ASSERT_EQ(r.Exit, 0) << r.Err;
    EXPECT_EQ(FileCount(out), 1u);
    EXPECT_TRUE(fs::exists(out / "CItem.cls"));
}

TEST_F(CliStyle, RefusesTheProjectDirectoryAsOutput) {
    std::string before = ReadAll(project_);
    CliResult r = Style({project_, "--yes", "--out", (dir_.Path() / "Inventory").string()});
    EXPECT_EQ(r.Exit, 1);
    EXPECT_NE(r.Err.find("error: The output directory"), std::string::npos);
    EXPECT_EQ(r.Err.find("Conversion Completed."), std::string::npos);
    EXPECT_EQ(ReadAll(project_), before);
}

TEST_F(CliStyle, BadInputAndUsage) {
    struct Case {
        std::vector<std::string> Args;
        int Exit;
        const char* Message;
    } cases[] = {
        {{}, 2, "missing PROJECT"},
        {{"a.vbp", "b.vbp"}, 2, "more than one PROJECT"},
        {{"--frobnicate", "a.vbp"}, 2, "unknown option"},
        {{"a.vbp", "--out"}, 2, "needs a value"},
        {{"a.vbp", "--check", "--out", "x"}, 2, "cannot be combined"},
        {{"a.vbp", "--ini", "/no/such.ini"}, 2, "settings file not found"},
        {{"/no/such/project.vbp", "--yes"}, 1, "Invalid VB project file."},
    };
    for (const Case& c : cases) {
        CliResult r = Style(c.Args);
        EXPECT_EQ(r.Exit, c.Exit) << c.Message;
        EXPECT_NE(r.Err.find(c.Message), std::string::npos) << r.Err;
    }
    CliResult unknown = Style({project_, "--yes", "--only", "Nope.bas"});
    EXPECT_EQ(unknown.Exit, 2);
    EXPECT_NE(unknown.Err.find("no file named 'Nope.bas'"), std::string::npos);
    std::string binary = dir_.Write("bin.vbp", std::string("\x89PNG\0\0", 6));
    EXPECT_EQ(Style({binary, "--yes"}).Exit, 1);
}

TEST_F(CliStyle, GarbageSettingsFileStillRuns) {
    std::string ini = dir_.Write("bad.ini", std::string("\x01\x02[[[=\r\nBackupMAKFiles=abc\r\n\0\0", 28));
    CliResult r = Style({project_, "--yes", "--ini", ini, "--out", (dir_.Path() / "o").string()});
    EXPECT_EQ(r.Exit, 0) << r.Err;
}

}  // namespace
}  // namespace plumora

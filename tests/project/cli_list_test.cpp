// plumora-cli list, run as a user runs it: output, prompts and exit codes.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace plumora {
namespace {

using testing::CliRun;

class CliListTest : public ::testing::Test {
protected:
    testing::TempDir config_;
    testing::ScopedConfigDir scoped_{config_.Str()};
    testing::TempDir dir_;

    CliRun Run(const std::vector<std::string>& args) { return testing::RunCli(args, dir_.Str()); }
};

TEST_F(CliListTest, ListsEveryEntryAndTheVersion) {
    dir_.Write("proj/Forms/Main.frm", "VERSION 5.00\r\nBegin VB.Form Main\r\nEnd\r\n");
    dir_.Write("proj/Utils.bas", "Attribute VB_Name = \"Utils\"\r\n");
    std::string vbp = dir_.Write("proj/Demo.vbp",
                                 "Type=Exe\r\nForm=forms\\MAIN.FRM\r\nModule=Utils; Utils.bas\r\n");
    CliRun run = Run({"list", vbp});
    EXPECT_EQ(run.Exit, 0) << run.Err;
    EXPECT_EQ(run.Err, "");
    EXPECT_NE(run.Out.find("\nMAIN.FRM   0 form      39      3  "), std::string::npos) << run.Out;
    EXPECT_NE(run.Out.find("Forms/Main.frm\n"), std::string::npos) << run.Out;
    EXPECT_NE(run.Out.find("\nUtils.bas  1 module    29      1  "), std::string::npos) << run.Out;
    EXPECT_NE(run.Out.find("VB version: 4 (.VBP)\n"), std::string::npos) << run.Out;
    // Header, two rows and the version; the columns line up.
    std::vector<std::string> lines;
    for (std::size_t at = 0, nl; (nl = run.Out.find('\n', at)) != std::string::npos; at = nl + 1)
        lines.push_back(run.Out.substr(at, nl - at));
    ASSERT_EQ(lines.size(), 4u) << run.Out;
    EXPECT_EQ(lines[0].find("Path"), lines[1].find('/'));
    EXPECT_EQ(lines[1].find('/'), lines[2].find('/'));
}

TEST_F(CliListTest, NonTextFileNeedsYes) {
    dir_.Write("A.bas", "x\r\n");
    std::string mak = dir_.Write("OLD.MAK", "MISSING.BAS\r\nA.bas\r\n");
    CliRun refused = Run({"list", mak});
    EXPECT_EQ(refused.Exit, 1);
    EXPECT_EQ(refused.Out, "");
    EXPECT_NE(refused.Err.find("MISSING.BAS cannot be found."), std::string::npos)
        << refused.Err;

    CliRun accepted = Run({"list", "--yes", mak});
    EXPECT_EQ(accepted.Exit, 0) << accepted.Err;
    EXPECT_NE(accepted.Err.find("MISSING.BAS cannot be found."), std::string::npos);
    EXPECT_NE(accepted.Out.find("A.bas"), std::string::npos);
    EXPECT_EQ(accepted.Out.find("MISSING"), std::string::npos);
    EXPECT_NE(accepted.Out.find("VB version: 3 (.MAK)"), std::string::npos);
}

TEST_F(CliListTest, ExitCodes) {
    std::string empty = dir_.Write("Empty.vbp", "Type=Exe\r\n");
    struct Case {
        std::vector<std::string> Args;
        int Exit;
        const char* ErrText;
    };
    const Case cases[] = {
        {{"list"}, 2, "missing PROJECT"},
        {{"list", "--frobnicate", empty}, 2, "unknown option '--frobnicate'"},
        {{"list", empty, empty}, 2, "more than one PROJECT"},
        {{"list", dir_.Str() + "/Nope.vbp"}, 1, "Invalid VB project file.  Unable to proceed."},
        {{"list", dir_.Str()}, 1, "Invalid VB project file.  Unable to proceed."},
        {{"list", empty}, 1, "Project file is empty."},
    };
    for (const auto& c : cases) {
        CliRun run = Run(c.Args);
        EXPECT_EQ(run.Exit, c.Exit) << c.ErrText;
        EXPECT_NE(run.Err.find(c.ErrText), std::string::npos) << run.Err;
    }
}

}  // namespace
}  // namespace plumora

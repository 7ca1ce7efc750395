// plumora-cli formtree, run as a user runs it: the printed tree, and the
// files it must refuse with a clear message.
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

class CliFormTreeTest : public ::testing::Test {
protected:
    testing::TempDir dir_;

    CliRun Run(std::vector<std::string> args) {
        args.insert(args.begin(), "formtree");
        return testing::RunCli(args, dir_.Str());
    }
};

TEST_F(CliFormTreeTest, PrintsTheTreeIndentedWithProperties) {
    std::string form = dir_.Write("Small.frm",
                                  "VERSION 5.00\r\nBegin VB.Form frmSmall \r\n"
                                  "   Caption         =   \"Hi\"\r\n"
                                  "   Begin VB.CommandButton cmdOne \r\n      Tag = \r\n   End\r\n"
                                  "   Begin VB.Label lblTwo \r\n   End\r\n"
                                  "   Begin VB.Label lblThree \r\n      Odd line\r\n   End\r\n"
                                  "End\r\nAttribute VB_Name = \"frmSmall\"\r\n");
    CliRun run = Run({form});
    EXPECT_EQ(run.Exit, 0) << run.Err;
    EXPECT_EQ(run.Err, "");
    EXPECT_EQ(run.Out,
              "Form: Small.frm\n"
              "  File: Small.frm\n"
              "    VB.Form: frmSmall\n"
              "      Properties\n"
              "        Caption = \"Hi\"\n"
              "      VB.CommandButton: cmdOne\n"
              "        Properties\n"
              "          Tag = \n"
              "      VB.Label: lblThree\n"
              "        Properties\n"
              "          = Odd line\n"
              "      VB.Label: lblTwo\n");

    CliRun bare = Run({"--no-properties", form});
    EXPECT_EQ(bare.Exit, 0);
    EXPECT_EQ(bare.Out,
              "Form: Small.frm\n  File: Small.frm\n    VB.Form: frmSmall\n"
              "      VB.CommandButton: cmdOne\n      VB.Label: lblThree\n      VB.Label: lblTwo\n");
}

TEST_F(CliFormTreeTest, ExampleFormsPrint) {
    for (const char* path : {"/examples/Inventory/frmMain.frm", "/examples/Legacy3/MAIN.FRM",
                             "/examples/Inventory/ctlGauge.ctl"}) {
        CliRun run = Run({std::string(PLUMORA_SOURCE_DIR) + path});
        EXPECT_EQ(run.Exit, 0) << path << run.Err;
        EXPECT_EQ(run.Err, "") << path;
        EXPECT_NE(run.Out.find("\n    "), std::string::npos) << path;
    }
}

TEST_F(CliFormTreeTest, RefusesWhatIsNotAReadableTextForm) {
    dir_.Write("Module.bas", "Attribute VB_Name = \"M\"\r\nSub X()\r\nEnd Sub\r\n");
    dir_.Write("Empty.frm", "");
    using namespace std::string_literals;
    dir_.Write("Binary.frm", "\xfc\x02\x00\x01"s + "Begin Form\x00\x00"s);
    dir_.Write("Nul.frm", "VERSION 2.00\r\nBegin Form F\x00\r\nEnd\r\nx\r\n"s);
    dir_.Write("NoBlocks.frm", "VERSION 5.00\r\nAttribute VB_Name = \"X\"\r\n");
    dir_.Write("Dir.frm/x", "");
    struct Case {
        const char* File;
        const char* Message;
    } cases[] = {
        {"Module.bas", "Module.bas is not a form file"},
        {"Empty.frm", "Empty.frm is empty."},
        {"Binary.frm", "Binary.frm is not a text file"},
        {"Nul.frm", "Nul.frm is not a text file"},
        {"NoBlocks.frm", "NoBlocks.frm contains no Begin/End control blocks."},
        {"Missing.frm", "Missing.frm"},
        {"Dir.frm", "it is a directory"},
    };
    for (const Case& c : cases) {
        CliRun run = Run({(dir_.Path() / c.File).string()});
        EXPECT_EQ(run.Exit, 1) << c.File;
        EXPECT_EQ(run.Out, "") << c.File;
        EXPECT_NE(run.Err.find(c.Message), std::string::npos) << c.File << ": " << run.Err;
    }
}

TEST_F(CliFormTreeTest, UsageErrors) {
    EXPECT_EQ(Run({}).Exit, 2);
    EXPECT_EQ(Run({"a.frm", "b.frm"}).Exit, 2);
    CliRun unknown = Run({"--bogus", "a.frm"});
    EXPECT_EQ(unknown.Exit, 2);
    EXPECT_NE(unknown.Err.find("unknown option '--bogus'"), std::string::npos);
}

TEST_F(CliFormTreeTest, UnbalancedAndVeryDeepForms) {
    std::string open = dir_.Write("Open.frm",
                                  "VERSION 5.00\nBegin VB.Form F\nBegin VB.Frame a\nLeft = 1\nx\n");
    CliRun run = Run({open});
    EXPECT_EQ(run.Exit, 0);
    EXPECT_NE(run.Out.find("      VB.Frame: a\n        Properties\n          Left = 1\n"),
              std::string::npos)
        << run.Out;
    EXPECT_NE(run.Err.find("2 control block(s) not closed by End"), std::string::npos) << run.Err;

    std::string deep = "VERSION 5.00\r\n";
    for (int i = 0; i < 10000; ++i) deep += "Begin VB.Frame f" + std::to_string(i) + "\r\n";
    deep += "tail\r\n";
    CliRun deepRun = Run({dir_.Write("Deep.frm", deep)});
    EXPECT_EQ(deepRun.Exit, 0) << deepRun.Err;
    // The indentation stops growing; the depth is written out instead.
    EXPECT_NE(deepRun.Out.find("[10001] VB.Frame: f9999\n"), std::string::npos);
    EXPECT_LT(deepRun.Out.size(), 2'000'000u);
    EXPECT_NE(deepRun.Err.find("10000 control block(s)"), std::string::npos);
}

}  // namespace
}  // namespace plumora

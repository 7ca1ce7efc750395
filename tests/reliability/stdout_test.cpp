// Standard output of every plumora-cli command: a write that fails (a full
// disk, /dev/full) is a failed command, never a silent success; text from
// files reaches a terminal without its control bytes.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace plumora {
namespace {

namespace fs = std::filesystem;
using testing::RunCli;
using testing::TempDir;

const char* kForm =
    "VERSION 5.00\r\nBegin VB.Form Main\r\n   Caption = \"Main\"\r\nEnd\r\n"
    "Attribute VB_Name = \"Main\"\r\nSub A()\r\nx=1\r\nEnd Sub\r\n";

class CliOutput : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(dir_.Path() / "config");
        form_ = dir_.Write("p/Main.frm", kForm);
        module_ = dir_.Write("p/Utils.bas", "Sub U()\r\ny=2\r\nEnd Sub\r\n");
        project_ = dir_.Write("p/P.vbp", "Form=Main.frm\r\nModule=Utils; Utils.bas\r\n");
    }
    testing::CliRun Run(const std::vector<std::string>& args, const std::string& stdoutTo = "") {
        return RunCli(args, dir_.Str(), dir_.Str() + "/config", stdoutTo);
    }

    TempDir dir_;
    std::string form_, module_, project_;
};

TEST_F(CliOutput, EveryCommandFailsWhenItsOutputCannotBeWritten) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this system";
    const std::vector<std::vector<std::string>> commands = {
        {"format", module_},
        {"format", "--diff", module_},
        {"list", project_},
        {"stats", project_},
        {"formtree", form_},
        {"diff", form_, module_},
        {"style", project_, "--check"},
        {"style", project_, "--yes", "--out", dir_.Str() + "/out"},
        {"spell", dir_.Write("p/Typo.bas", "' Thsi coment is mispelt\r\nSub T()\r\nEnd Sub\r\n")},
        {"--help"},
        {"--version"},
    };
    for (const auto& args : commands) {
        const testing::CliRun run = Run(args, "/dev/full");
        EXPECT_EQ(run.Exit, 1) << args[0] << " " << args.back() << "\n" << run.Err;
        EXPECT_NE(run.Err.find("cannot write to standard output: No space left on device"),
                  std::string::npos)
            << args[0] << "\n" << run.Err;
    }
}

TEST_F(CliOutput, FileContentsReachATerminalWithoutControlBytes) {
    const std::string a = dir_.Write("a.bas", "x = 1\r\ns = \"\x1b]0;owned\x07\"\r\n");
    const std::string b = dir_.Write("b.bas", "x = 2\r\n");
    testing::CliRun tty = testing::RunCliOnTerminal({"diff", "--unified", a, b}, dir_.Str());
    if (tty.Exit == -1) GTEST_SKIP() << "no pseudo-terminal available";
    EXPECT_EQ(tty.Exit, 1);
    EXPECT_EQ(tty.Out.find('\x1b'), std::string::npos) << tty.Out;
    EXPECT_NE(tty.Out.find("\\x1B]0;owned\\x07"), std::string::npos) << tty.Out;
    // Into a file the diff keeps its bytes, so it can still be applied.
    testing::CliRun file = Run({"diff", "--unified", a, b});
    EXPECT_NE(file.Out.find("\x1b]0;owned\x07"), std::string::npos);

    // list prints names and paths from the project file, wherever it goes.
    dir_.Write("q/A\x1b[2J.bas", "Sub A()\r\nEnd Sub\r\n");
    const std::string vbp = dir_.Write("q/Q.vbp", "Module=A; A\x1b[2J.bas\r\n");
    testing::CliRun list = Run({"list", vbp});
    EXPECT_EQ(list.Exit, 0) << list.Err;
    EXPECT_EQ(list.Out.find('\x1b'), std::string::npos) << list.Out;
    EXPECT_NE(list.Out.find("A\\x1B[2J.bas"), std::string::npos) << list.Out;
}

}  // namespace
}  // namespace plumora

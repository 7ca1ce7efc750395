// Where the program reads and writes: the project directory of a project
// opened by its bare name, and files that are not files (FIFOs) wherever a
// file is read, which must never make the program wait.
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace plumora {
namespace {

namespace fs = std::filesystem;
using testing::ReadAll;
using testing::TempDir;

class Paths : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(root_.Path() / "config"); }
    std::string Config() const { return root_.Str() + "/config"; }
    testing::CliRun Cli(const std::vector<std::string>& args) {
        return testing::RunCli(args, root_.Str(), Config());
    }
    std::string Fifo(const std::string& relative) {
        const std::string path = root_.Str() + "/" + relative;
        fs::create_directories(fs::path(path).parent_path());
        EXPECT_EQ(::mkfifo(path.c_str(), 0600), 0) << path;
        return path;
    }
    TempDir root_;
};

// Opened as "P.vbp" from its own directory, the project's directory is that
// directory, not the empty string: "\X" paths stay below it.
TEST_F(Paths, AProjectOpenedByItsBareNameKeepsItsDirectory) {
    const std::string dir = root_.Str() + "/p";
    root_.Write("p/A.bas", "Sub A()\r\nEnd Sub\r\n");
    root_.Write("p/P.vbp", "Module=A; A.bas\r\nModule=H; \\etc\\hostname\r\n");
    root_.Write("config/VBPLUMO3.INI",
                "[General]\r\nPreviewBeforeSaving=0\r\n[BackupInformation]\r\n"
                "BackupNewCodeDirectory=\\OUT\\\r\nBackupOnlyNewFiles=1\r\nBackupMAKFiles=0\r\n");

    const testing::CliRun list = testing::RunCliIn(dir, {"list", "P.vbp", "--yes"}, root_.Str(), Config());
    EXPECT_EQ(list.Exit, 0) << list.Err;
    EXPECT_NE(list.Out.find(dir + "/A.bas"), std::string::npos) << list.Out;
    EXPECT_NE(list.Err.find("\\etc\\hostname cannot be found."), std::string::npos) << list.Err;
    EXPECT_EQ(list.Out.find("hostname"), std::string::npos) << list.Out;

    const testing::CliRun style = testing::RunCliIn(dir, {"style", "P.vbp", "--yes"}, root_.Str(), Config());
    EXPECT_EQ(style.Exit, 0) << style.Err;
    EXPECT_TRUE(fs::exists(dir + "/OUT/A.bas")) << style.Out << style.Err;
    EXPECT_NE(style.Out.find("into " + dir + "/OUT/"), std::string::npos) << style.Out;
}

// Every read of the program checks the kind of file first and opens without
// waiting; a FIFO (with no writer, so a blocking open would wait forever)
// gets a message that says what it is.
TEST_F(Paths, AFifoWhereAFileIsExpectedNeverBlocks) {
    const std::string fifoText = "FIFO (named pipe)";
    root_.Write("p/Main.frm", "VERSION 5.00\r\nBegin VB.Form Main\r\nEnd\r\nSub A()\r\nEnd Sub\r\n");
    Fifo("p/Main.frx");
    Fifo("p/Pipe.bas");
    root_.Write("p/A.bas", "Sub A()\r\nEnd Sub\r\n");
    const std::string project =
        root_.Write("p/P.vbp", "Form=Main.frm\r\nModule=A; A.bas\r\nModule=Pipe; Pipe.bas\r\n");
    const std::string iniFifo = Fifo("settings.ini");
    const std::string formFifo = Fifo("Form.frm");

    // The companion and the listed FIFO: prompts and warnings, no wait.
    const testing::CliRun style = Cli({"style", project, "--yes"});
    EXPECT_EQ(style.Exit, 0) << style.Err;
    EXPECT_NE(style.Err.find("Pipe.bas is a " + fifoText + ", not a file."), std::string::npos) << style.Err;
    EXPECT_NE(style.Err.find("Main.frx: it is a " + fifoText + ", not a file."), std::string::npos) << style.Err;
    EXPECT_TRUE(fs::exists(root_.Path() / "p/STYLED/A.bas"));

    const testing::CliRun formIni = Cli({"format", root_.Str() + "/p/A.bas", "--ini", iniFifo});
    EXPECT_EQ(formIni.Exit, 2);
    EXPECT_NE(formIni.Err.find("settings file " + iniFifo + " is a " + fifoText), std::string::npos) << formIni.Err;
    const testing::CliRun styleIni = Cli({"style", project, "--ini", iniFifo});
    EXPECT_EQ(styleIni.Exit, 2);
    EXPECT_EQ(styleIni.Err.find("not found"), std::string::npos) << styleIni.Err;
    EXPECT_NE(styleIni.Err.find(fifoText), std::string::npos) << styleIni.Err;

    const testing::CliRun tree = Cli({"formtree", formFifo});
    EXPECT_EQ(tree.Exit, 1);
    EXPECT_NE(tree.Err.find(fifoText), std::string::npos) << tree.Err;

    const testing::CliRun diff = Cli({"diff", formFifo, root_.Str() + "/p/A.bas"});
    EXPECT_EQ(diff.Exit, 1);
    EXPECT_NE(diff.Err.find(fifoText), std::string::npos) << diff.Err;

    // The user's own settings file and a header template that are FIFOs.
    fs::remove(root_.Path() / "config" / "VBPLUMO3.INI");
    Fifo("config/VBPLUMO3.INI");
    const testing::CliRun settings = Cli({"list", project, "--yes"});
    EXPECT_EQ(settings.Exit, 0) << settings.Err;
    EXPECT_NE(settings.Err.find("Unable to read the settings file"), std::string::npos) << settings.Err;
    EXPECT_NE(settings.Err.find(fifoText), std::string::npos) << settings.Err;

    Fifo("template.txt");
    const std::string ini = root_.Write("t.ini", "[SubComments]\r\nSubLevelCommentsFile=" + root_.Str() +
                                                     "/template.txt\r\n");
    const testing::CliRun header = Cli({"format", root_.Str() + "/p/A.bas", "--ini", ini});
    EXPECT_EQ(header.Exit, 0) << header.Err;
    EXPECT_NE(header.Err.find("Unable to load sub comment header file: "), std::string::npos) << header.Err;
    EXPECT_NE(header.Err.find(fifoText), std::string::npos) << header.Err;
}

}  // namespace
}  // namespace plumora

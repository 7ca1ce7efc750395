// What the user is told when something is wrong: the path, what is wrong
// with it and the system's reason, with real line breaks on the terminal.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/cli_run.h"
#include "support/small_fs.h"
#include "support/temp_dir.h"

namespace plumora {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

constexpr const char* kBackupFailed = "error: Unable to create backup...  Operation aborted...\n";

class Messages : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(root_.Path() / "config");
        root_.Write("config/VBPLUMO3.INI", "[General]\r\nPreviewBeforeSaving=0\r\n");
        module_ = root_.Write("p/A.bas", "Sub A()\r\nx = 1\r\nEnd Sub\r\n");
        project_ = root_.Write("p/P.vbp", "Module=A; A.bas\r\n");
    }
    testing::CliRun Cli(const std::vector<std::string>& args) {
        return testing::RunCli(args, root_.Str(), root_.Str() + "/config");
    }
    TempDir root_;
    std::string module_, project_;
};

TEST_F(Messages, AnUnreadableSourceSaysSoWithTheReason) {
    ASSERT_EQ(::chmod(module_.c_str(), 0), 0);
    std::vector<std::string> prefix;
    if (::geteuid() == 0) {
        // Permissions do not stop root: run as nobody.
        if (std::system("command -v setpriv >/dev/null 2>&1") != 0)
            GTEST_SKIP() << "running as root without setpriv: cannot take the right to read away";
        prefix = {"--reuid=65534", "--regid=65534", "--clear-groups"};
    }
    auto run = [&](const std::vector<std::string>& args) {
        std::string command = ::geteuid() == 0 ? "setpriv" : "";
        for (const std::string& p : prefix) command += " " + p;
        command += " env PLUMORA_CONFIG_DIR=" + testing::ShellQuote(root_.Str() + "/config") + " " +
                   testing::ShellQuote(PLUMORA_CLI_PATH);
        for (const std::string& a : args) command += " " + testing::ShellQuote(a);
        command += " </dev/null >/dev/null 2>" + testing::ShellQuote(root_.Str() + "/err.txt");
        (void)std::system(command.c_str());
        return testing::ReadAll(root_.Path() / "err.txt");
    };
    const std::string list = run({"list", project_});
    EXPECT_NE(list.find("A.bas cannot be read: Permission denied.  It will not be added"),
              std::string::npos)
        << list;
    const std::string format = run({"format", module_});
    EXPECT_NE(format.find(module_ + ": this file cannot be read: Permission denied"), std::string::npos)
        << format;
    EXPECT_EQ(format.find("binary"), std::string::npos) << format;
}

TEST_F(Messages, AMissingProjectFileIsNamed) {
    const std::string missing = root_.Str() + "/p/Nope.vbp";
    const testing::CliRun run = Cli({"list", missing});
    EXPECT_EQ(run.Exit, 1);
    EXPECT_NE(run.Err.find("Invalid VB project file.  Unable to proceed.\n" + missing + " cannot be found."),
              std::string::npos)
        << run.Err;
}

// The fixed text, then on a line of its own which directory and why.
TEST_F(Messages, AnUnusableOutputDirectorySaysWhichAndWhy) {
    const std::string file = root_.Write("plain", "x");
    struct Case {
        std::string Out;
        std::string Detail;
    };
    std::vector<Case> cases = {
        {file, "The output directory " + file + " is a file, not a directory."},
        {file + "/sub", "The output directory " + file + "/sub cannot be created: " + file +
                            " is a file, not a directory."},
    };
    const std::string readOnly = root_.Str() + "/ro";
    testing::TSmallFileSystem ro(readOnly, 64, true);
    if (ro.Mounted())
        cases.push_back({readOnly, "The output directory " + readOnly + " is read-only: Read-only file system."});
    for (const Case& c : cases) {
        const testing::CliRun run = Cli({"style", project_, "--yes", "--out", c.Out});
        EXPECT_EQ(run.Exit, 1);
        EXPECT_NE(run.Err.find(kBackupFailed + c.Detail), std::string::npos) << run.Err;
        EXPECT_EQ(run.Err.find("\\x0A"), std::string::npos) << run.Err;
    }
    // A drive path from a settings file written on Windows.
    const std::string ini = root_.Write("win.ini", "[BackupInformation]\r\nBackupNewCodeDirectory=C:\\STYLED\\\r\n");
    const testing::CliRun drive = Cli({"style", project_, "--yes", "--ini", ini});
    EXPECT_EQ(drive.Exit, 1);
    EXPECT_NE(drive.Err.find(std::string(kBackupFailed) + "The output directory C:\\STYLED\\ is a Windows "
                             "drive path; drive letters do not exist on this system."),
              std::string::npos)
        << drive.Err;
    if (!ro.Mounted()) GTEST_SKIP() << "read-only case not tried: " << ro.Error();
}

// Files that styling must not write: each is refused with a message that
// names the file and the line; the others are still styled.
TEST_F(Messages, FilesThatCannotBeStyledSafelyAreRefusedNamingTheLine) {
    std::string deep = "Sub Deep()\r\n";
    for (int i = 0; i < 300; ++i) deep += "For i" + std::to_string(i) + " = 1 To 2\r\n";
    deep += "x = 1\r\n";
    for (int i = 300; i-- > 0;) deep += "Next\r\n";
    deep += "End Sub\r\n";
    root_.Write("p/Deep.bas", deep);
    root_.Write("p/Open.frm", "VERSION 5.00\r\nBegin VB.Form Open\r\n   Caption = \"x\"\r\n"
                              "Sub Form_Load()\r\nEnd Sub\r\n");
    const std::string project = root_.Write(
        "p/Q.vbp", "Module=A; A.bas\r\nModule=Deep; Deep.bas\r\nForm=Open.frm\r\n");
    const testing::CliRun run = Cli({"style", project, "--yes"});
    EXPECT_EQ(run.Exit, 1);
    EXPECT_NE(run.Err.find("Deep.bas: styled line "), std::string::npos) << run.Err;
    EXPECT_NE(run.Err.find("more than the 1023 that Visual Basic accepts"), std::string::npos) << run.Err;
    EXPECT_NE(run.Err.find("Open.frm: the form description block that begins on line 2 has no End"),
              std::string::npos)
        << run.Err;
    EXPECT_TRUE(fs::exists(root_.Path() / "p/STYLED/A.bas"));
    // The copies of the refused files are the sources, untouched.
    EXPECT_EQ(testing::ReadAll(root_.Path() / "p/STYLED/Deep.bas"), deep);
}

}  // namespace
}  // namespace plumora

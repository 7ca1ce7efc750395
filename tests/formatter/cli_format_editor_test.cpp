// plumora-cli format as editors and hooks run it: standard input with
// --stdin-filename, --in-place, and the input's own line ends kept.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace plumora::testing {
namespace {

namespace fs = std::filesystem;

const std::string kModuleLf = "Attribute VB_Name = \"M\"\nSub S()\nx = 1\nEnd Sub\n";
const std::string kModuleCrLf = "Attribute VB_Name = \"M\"\r\nSub S()\r\nx = 1\r\nEnd Sub\r\n";
const std::string kOptionExplicit =
    "Option Explicit                         'Force all variables to be declared before their use";
const std::string kStyledLf = "Attribute VB_Name = \"M\"\n" + kOptionExplicit + "\n\nSub S()\n    x = 1\nEnd Sub\n";
const std::string kStyledCrLf =
    "Attribute VB_Name = \"M\"\r\n" + kOptionExplicit + "\r\n\r\nSub S()\r\n    x = 1\r\nEnd Sub\r\n";

const std::string kForm =
    "VERSION 5.00\r\nBegin VB.Form F\r\n   Caption = \"x\"\r\nEnd\r\n"
    "Attribute VB_Name = \"F\"\r\nPrivate Sub Form_Load()\r\nx = 1\r\nEnd Sub\r\n";
// A form whose description block never ends: styling it would put code
// where Visual Basic no longer loads the form, so it is refused.
const std::string kBrokenForm =
    "VERSION 5.00\nBegin VB.Form F\n   Caption = \"x\"\nSub S()\nx = 1\nEnd Sub\n";

class CliFormatEditor : public ::testing::Test {
protected:
    CliRun Cli(const std::vector<std::string>& args) { return RunCli(args, scratch_.Str(), config_); }
    CliRun CliStdin(const std::vector<std::string>& args, const std::string& input) {
        return RunCliWithInput(args, input, scratch_.Str(), config_);
    }

    TempDir dir_;
    TempDir scratch_;
    std::string config_ = dir_.Str() + "/config";
};

TEST_F(CliFormatEditor, StandardInputRoundTripOfAModuleAndAForm) {
    CliRun module = CliStdin({"format", "-"}, kModuleCrLf);
    EXPECT_EQ(module.Exit, 0) << module.Err;
    EXPECT_EQ(module.Out, kStyledCrLf);

    // The name tells the kind: styled as a form, its description block kept
    // and its code indented; without the name it would be styled as a module.
    CliRun form = CliStdin({"format", "-", "--stdin-filename", "src/Main.frm"}, kForm);
    EXPECT_EQ(form.Exit, 0) << form.Err;
    const std::string head = "VERSION 5.00\r\nBegin VB.Form F\r\n   Caption = \"x\"\r\nEnd\r\nAttribute VB_Name";
    EXPECT_EQ(form.Out.substr(0, head.size()), head);
    EXPECT_NE(form.Out.find("\r\n    x = 1\r\n"), std::string::npos) << form.Out;

    // Styled output is stable: fed back, it comes out unchanged.
    EXPECT_EQ(CliStdin({"format", "-", "--stdin-filename", "Main.frm"}, form.Out).Out, form.Out);
    EXPECT_EQ(CliStdin({"format", "--check", "-"}, kStyledCrLf).Exit, 0);
    CliRun check = CliStdin({"format", "--check", "-", "--stdin-filename", "M.bas"}, kModuleLf);
    EXPECT_EQ(check.Exit, 1);
    EXPECT_EQ(check.Out, "would change: M.bas\n");
}

TEST_F(CliFormatEditor, StandardInputThatIsRefusedPrintsNothing) {
    // An editor that got nothing keeps its buffer; the reason is on stderr.
    CliRun refused = CliStdin({"format", "-", "--stdin-filename", "Broken.frm"}, kBrokenForm);
    EXPECT_EQ(refused.Exit, 1);
    EXPECT_EQ(refused.Out, "");
    EXPECT_NE(refused.Err.find("Broken.frm"), std::string::npos) << refused.Err;

    CliRun empty = CliStdin({"format", "-"}, "");
    EXPECT_EQ(empty.Exit, 0);
    EXPECT_EQ(empty.Out, "");
}

TEST_F(CliFormatEditor, LineEndsOfTheInputAreKept) {
    EXPECT_EQ(CliStdin({"format", "-"}, kModuleLf).Out, kStyledLf);
    EXPECT_EQ(CliStdin({"format", "-"}, kModuleCrLf).Out, kStyledCrLf);
    // Mixed line ends are not "LF throughout": Visual Basic's own CR LF.
    EXPECT_EQ(CliStdin({"format", "-"}, "Attribute VB_Name = \"M\"\r\nSub S()\nx = 1\nEnd Sub\n").Out,
              kStyledCrLf);

    const std::string lf = dir_.Write("lf/M.bas", kModuleLf);
    const std::string crlf = dir_.Write("crlf/M.bas", kModuleCrLf);
    EXPECT_EQ(Cli({"format", lf}).Out, kStyledLf);
    EXPECT_EQ(Cli({"format", crlf}).Out, kStyledCrLf);
    // A checkout with LF line ends that is already styled does not change.
    const std::string styledLf = dir_.Write("ok/M.bas", kStyledLf);
    EXPECT_EQ(Cli({"format", "--check", styledLf}).Exit, 0);
}

TEST_F(CliFormatEditor, InPlaceRewritesChangedFilesAndLeavesTheOthers) {
    const std::string changed = dir_.Write("a/Changed.bas", kModuleLf);
    const std::string unchanged = dir_.Write("a/Unchanged.bas", kStyledCrLf);
    fs::permissions(changed, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    struct stat before {};
    ASSERT_EQ(::stat(unchanged.c_str(), &before), 0);

    CliRun run = Cli({"format", "-i", changed, unchanged});
    EXPECT_EQ(run.Exit, 0) << run.Err;
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(ReadAll(changed), kStyledLf);  // its own LF line ends
    EXPECT_EQ(fs::status(changed).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    // A file that would not change is not written at all.
    struct stat after {};
    ASSERT_EQ(::stat(unchanged.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    EXPECT_EQ(ReadAll(unchanged), kStyledCrLf);
    // Nothing but the two files is left in the folder.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_.Path() / "a"), fs::directory_iterator()), 2);
}

TEST_F(CliFormatEditor, InPlaceReportsRefusedFilesAndLeavesTheirBytes) {
    const std::string broken = dir_.Write("Broken.frm", kBrokenForm);
    const std::string readOnly = dir_.Write("ReadOnly.bas", kModuleCrLf);
    const std::string good = dir_.Write("Good.bas", kModuleCrLf);
    fs::permissions(readOnly, fs::perms::owner_read | fs::perms::group_read);

    CliRun run = Cli({"format", "--in-place", broken, readOnly, good});
    EXPECT_EQ(run.Exit, 1);
    EXPECT_EQ(ReadAll(broken), kBrokenForm);
    EXPECT_EQ(ReadAll(readOnly), kModuleCrLf);
    EXPECT_NE(run.Err.find("Broken.frm: left as it was"), std::string::npos) << run.Err;
    EXPECT_NE(run.Err.find("ReadOnly.bas: not written: the file is read-only"), std::string::npos)
        << run.Err;
    // The refusals do not stop the other files.
    EXPECT_EQ(ReadAll(good), kStyledCrLf);
}

TEST_F(CliFormatEditor, UsageErrors) {
    const std::string file = dir_.Write("M.bas", kModuleCrLf);
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"format", "-", file},
             {"format", "--stdin-filename", "M.bas", file},
             {"format", "-i", "--check", file},
             {"format", "-i", "--output", dir_.Str() + "/out", file},
             {"format", "-i", "-"},
             {"format", "-", "--output", dir_.Str() + "/out"},
             {"format", "-", "--stdin-filename"},
         }) {
        CliRun run = Cli(args);
        EXPECT_EQ(run.Exit, 2) << args[1] << " " << args[2];
    }
    EXPECT_EQ(ReadAll(file), kModuleCrLf);
}

}  // namespace
}  // namespace plumora::testing

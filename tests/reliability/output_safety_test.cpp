// Output safety of the processing run and of format --output: nothing the
// user owns is replaced against their will, no failure is reported as
// success, and a killed or cancelled run leaves a clean directory.
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "io/temp_file.h"
#include "processing/process_command.h"
#include "processing/processing_texts.h"
#include "processing/recording_run_host.h"
#include "project/app_state.h"
#include "project/open_project.h"
#include "settings/option_set.h"
#include "support/cli_run.h"
#include "support/scripted_hosts.h"
#include "support/small_fs.h"
#include "support/temp_dir.h"

namespace plumora {
namespace {

namespace fs = std::filesystem;
using testing::ReadAll;
using testing::RecordingRunHost;
using testing::TempDir;

const char* kForm =
    "VERSION 5.00\r\nBegin VB.Form Main\r\n   Icon = \"Main.frx\":0000\r\nEnd\r\n"
    "Attribute VB_Name = \"Main\"\r\nOption Explicit\r\nSub A()\r\nx = 1\r\nEnd Sub\r\n";
const char* kModule = "Attribute VB_Name = \"Utils\"\r\nOption Explicit\r\nSub U()\r\ny = 2\r\nEnd Sub\r\n";

class OutputSafety : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(root_.Path() / "config");
        root_.Write("Proj/Main.frm", kForm);
        root_.Write("Proj/Main.frx", std::string("\x01\x00icon", 6));
        root_.Write("Proj/Utils.bas", kModule);
        WriteProject("Type=Exe\r\nForm=Main.frm\r\nModule=Utils; Utils.bas\r\n");
        options_.SetBool(Opt::PreviewBeforeSaving, false);
    }

    void WriteProject(const std::string& text) { project_ = root_.Write("Proj/App.vbp", text); }

    void SetMode(Opt mode) {
        for (Opt m : {Opt::BackupOnlyNewFiles, Opt::BackupMAKFiles, Opt::BackupAllFiles})
            options_.SetBool(m, m == mode);
    }

    TRunReport Run(const std::string& outputDir = {}) {
        host_ = RecordingRunHost();
        TAppState state;
        TOptionSet loaded;
        testing::ScriptedCommandHost open;
        EXPECT_TRUE(OpenProject(state, loaded, open, project_));
        return RunProcessCommand(state, options_, host_, nullptr, outputDir);
    }

    testing::CliRun Cli(const std::vector<std::string>& args) {
        return testing::RunCli(args, root_.Str(), root_.Str() + "/config");
    }

    fs::path Styled() const { return root_.Path() / "Proj" / "STYLED"; }

    TempDir root_;
    testing::ScopedConfigDir config_{root_.Str() + "/config"};
    std::string project_;
    TOptionSet options_;
    RecordingRunHost host_;
};

// "Only create new files" always refused to replace a read-only styled
// file; the copy modes replaced it with a backup copy and went on.
TEST_F(OutputSafety, AReadOnlyFileInTheOutputDirectoryIsRefusedInEveryMode) {
    const std::string locked = root_.Write("Proj/STYLED/Utils.bas", "locked");
    ASSERT_EQ(::chmod(locked.c_str(), 0444), 0);
    const std::string message = "error: Unable to write " + locked + ": the file is read-only";
    for (Opt mode : {Opt::BackupOnlyNewFiles, Opt::BackupMAKFiles, Opt::BackupAllFiles}) {
        SCOPED_TRACE(static_cast<int>(mode));
        SetMode(mode);
        const TRunReport report = Run(Styled().string());
        EXPECT_TRUE(report.Outcome == TRunOutcome::WriteFailed ||
                    report.Outcome == TRunOutcome::BackupFailed);
        EXPECT_EQ(host_.Starting("error: "), std::vector<std::string>{message});
        EXPECT_FALSE(host_.Has(std::string("info: ") + kConversionCompletedText));
        EXPECT_EQ(ReadAll(locked), "locked");
    }
}

// A read-only project file (as source control leaves it) gives a writable
// copy, so the rewrite and the next run still work.
TEST_F(OutputSafety, AReadOnlyProjectFileCanBeStyledAgainAndAgain) {
    ASSERT_EQ(::chmod(project_.c_str(), 0444), 0);
    for (int run = 0; run < 2; ++run) {
        EXPECT_EQ(Run().Outcome, TRunOutcome::Completed) << ::testing::PrintToString(host_.Events);
    }
}

TEST_F(OutputSafety, ACopyThatFailsWhileWritingFailsTheRun) {
    const std::string out = root_.Str() + "/small";
    testing::TSmallFileSystem small(out, 64);
    if (!small.Mounted()) GTEST_SKIP() << small.Error();
    // The companion does not fit: 64 KiB of space, 200 KiB of icon.
    root_.Write("Proj/Main.frx", std::string(200 * 1024, 'i'));
    const TRunReport report = Run(out);
    EXPECT_EQ(report.Outcome, TRunOutcome::BackupFailed);
    const auto errors = host_.Starting("error: Unable to copy ");
    ASSERT_EQ(errors.size(), 1u) << ::testing::PrintToString(host_.Events);
    EXPECT_NE(errors[0].find("Main.frx to " + out + "/Main.frx: No space left on device"),
              std::string::npos)
        << errors[0];
    EXPECT_TRUE(host_.Starting("label ").empty());  // nothing styled after it
    EXPECT_FALSE(fs::exists(out + "/Main.frx"));

    // On the command line: exit 1.
    const testing::CliRun cli = Cli({"style", project_, "--yes", "--out", out});
    EXPECT_EQ(cli.Exit, 1);
    EXPECT_NE(cli.Err.find("No space left on device"), std::string::npos) << cli.Err;
}

TEST_F(OutputSafety, ALogThatCannotBeWrittenFailsTheRun) {
    options_.SetBool(Opt::CreateLog, true);
    fs::create_directories(Styled() / kLogFileName);  // a directory where the log goes
    const TRunReport report = Run();
    EXPECT_EQ(report.Outcome, TRunOutcome::Completed);
    EXPECT_TRUE(report.LogFailed);
    EXPECT_EQ(host_.Starting("error: Error while creating log file.\n").size(), 1u);

    root_.Write("config/VBPLUMO3.INI", "[General]\r\nPreviewBeforeSaving=0\r\n"
                                       "[BackupInformation]\r\nCreateLog=1\r\n");
    const testing::CliRun cli = Cli({"style", project_, "--yes"});
    EXPECT_EQ(cli.Exit, 1);
    EXPECT_NE(cli.Err.find("Error while creating log file.\n"), std::string::npos) << cli.Err;
}

// A run that would write a styled module over its own rewritten project
// file or log is refused before anything is written, naming the clash.
TEST_F(OutputSafety, ASourceNamedLikeTheProjectFileOrTheLogIsRefused) {
    root_.Write("Proj/VBPLUMO3.LOG", "Sub L()\r\nEnd Sub\r\n");
    struct Case {
        std::string Project;
        Opt Mode;
        bool Log;
        std::string Names;  // empty: the run is allowed
    };
    const Case cases[] = {
        {"Module=Self; App.vbp\r\n", Opt::BackupMAKFiles, false, "own project file App.vbp"},
        {"Module=Self; APP.VBP\r\n", Opt::BackupAllFiles, false, "own project file App.vbp"},
        {"Module=Log; VBPLUMO3.LOG\r\n", Opt::BackupOnlyNewFiles, true, "name of the log VBPLUMO3.LOG"},
        {"Module=Self; App.vbp\r\n", Opt::BackupOnlyNewFiles, false, ""},
        {"Module=Log; VBPLUMO3.LOG\r\n", Opt::BackupMAKFiles, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Project);
        fs::remove_all(Styled());
        WriteProject("Type=Exe\r\nModule=Utils; Utils.bas\r\n" + c.Project);
        SetMode(c.Mode);
        options_.SetBool(Opt::CreateLog, c.Log);
        const TRunReport report = Run();
        if (c.Names.empty()) {
            EXPECT_EQ(report.Outcome, TRunOutcome::Completed);
            continue;
        }
        EXPECT_EQ(report.Outcome, TRunOutcome::Refused);
        const auto errors = host_.Starting("error: ");
        ASSERT_EQ(errors.size(), 1u);
        EXPECT_NE(errors[0].find(c.Names), std::string::npos) << errors[0];
        EXPECT_FALSE(fs::exists(Styled()));
    }
}

TEST_F(OutputSafety, ACancelDuringTheBackupOrTheLastWriteEndsTheRunAsCancelled) {
    {
        host_ = RecordingRunHost();
        host_.CancelAfterLabel = std::string(kBackingUpFilePrefix) + "Main.frx";
        host_.Answers = {MsgResult::Yes, MsgResult::No};  // start; keep the files
        TAppState state;
        TOptionSet loaded;
        testing::ScriptedCommandHost open;
        ASSERT_TRUE(OpenProject(state, loaded, open, project_));
        const TRunReport report = RunProcessCommand(state, options_, host_, nullptr);
        EXPECT_EQ(report.Outcome, TRunOutcome::Cancelled);
        EXPECT_TRUE(report.Styled.empty());
        EXPECT_TRUE(host_.Starting("label ").empty());
        EXPECT_EQ(host_.Starting(std::string("question: ") + kDeleteAllFilesPrefix).size(), 1u);
        EXPECT_FALSE(fs::exists(Styled() / "Utils.bas"));  // the copy after the cancel
    }
    {
        options_.SetBool(Opt::PreviewBeforeSaving, true);
        host_ = RecordingRunHost();
        host_.PumpCancelsAfterPreviewOf = "Utils.bas";  // the last file
        host_.Answers = {MsgResult::Yes, MsgResult::No};
        TAppState state;
        TOptionSet loaded;
        testing::ScriptedCommandHost open;
        ASSERT_TRUE(OpenProject(state, loaded, open, project_));
        const TRunReport report = RunProcessCommand(state, options_, host_, nullptr);
        EXPECT_EQ(report.Outcome, TRunOutcome::Cancelled);
        EXPECT_EQ(report.Styled, (std::vector<std::string>{"Main.frm", "Utils.bas"}));
        EXPECT_EQ(host_.Starting(std::string("question: ") + kDeleteAllFilesPrefix).size(), 1u);
    }
}

TEST_F(OutputSafety, FormatOutputNeverWritesThroughALink) {
    const std::string outside = root_.Write("outside.bas", "precious");
    fs::create_directories(root_.Path() / "out");
    fs::create_symlink(outside, root_.Path() / "out" / "Utils.bas");
    const testing::CliRun run = Cli({"format", root_.Str() + "/Proj/Utils.bas", "--output",
                                     root_.Str() + "/out"});
    EXPECT_EQ(run.Exit, 0) << run.Err;
    EXPECT_EQ(ReadAll(outside), "precious");
    EXPECT_FALSE(fs::is_symlink(root_.Path() / "out" / "Utils.bas"));
    EXPECT_NE(ReadAll(root_.Path() / "out" / "Utils.bas").find("Sub U()"), std::string::npos);
}

std::size_t HiddenFilesIn(const fs::path& dir) {
    std::size_t n = 0;
    for (const auto& e : fs::directory_iterator(dir))
        if (e.path().filename().string()[0] == '.') ++n;
    return n;
}

// Runs `write` in a child that is killed with SIGKILL as soon as it is done
// (before it can put its temporary file in place).
void KilledWhileWriting(const std::string& target, bool namedOnly) {
    const pid_t child = ::fork();
    if (child == 0) {
        TTempFile::UseNamedFilesOnly(namedOnly);
        TTempFile out(target);
        if (!out.Created() || !out.Write(std::string(1 << 20, 'x'))) ::_exit(2);
        ::raise(SIGKILL);
        ::_exit(3);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the writer was not killed";
}

TEST_F(OutputSafety, AKilledWriterLeavesNothingOrWhatTheNextRunRemoves) {
    const fs::path dir = root_.Path() / "out";
    fs::create_directories(dir);
    KilledWhileWriting((dir / "A.bas").string(), false);
    EXPECT_EQ(HiddenFilesIn(dir), 0u) << "an unnamed temporary file outlived its writer";

    // Where the file system cannot make unnamed files: the leftover carries
    // the dead writer's id and goes at the next write into the directory,
    // while a file that a live writer is still writing stays.
    KilledWhileWriting((dir / "B.bas").string(), true);
    ASSERT_EQ(HiddenFilesIn(dir), 1u);
    TTempFile::UseNamedFilesOnly(true);
    {
        TTempFile live((dir / "C.bas").string());
        ASSERT_TRUE(live.Created());
        EXPECT_EQ(RemoveStaleTempFiles(dir.string()), 1u);
        EXPECT_EQ(HiddenFilesIn(dir), 1u);  // the live one
    }
    TTempFile::UseNamedFilesOnly(false);
    EXPECT_EQ(HiddenFilesIn(dir), 0u);

    // The processing run clears its output directory of such leftovers.
    fs::create_directories(Styled());
    KilledWhileWriting((Styled() / "Utils.bas").string(), true);
    ASSERT_EQ(HiddenFilesIn(Styled()), 1u);
    EXPECT_EQ(Run().Outcome, TRunOutcome::Completed);
    EXPECT_EQ(HiddenFilesIn(Styled()), 0u);
}

// The real program killed at different moments of a run over a big file:
// whatever it got to, no temporary file is left beside the targets.
TEST_F(OutputSafety, AKilledRunLeavesNoTemporaryFiles) {
    std::string big = "Attribute VB_Name = \"Big\"\r\n";
    for (int i = 0; i < 20000; ++i) big += "Sub S" + std::to_string(i) + "()\r\nx = 1\r\nEnd Sub\r\n";
    root_.Write("Proj/Big.bas", big);
    WriteProject("Type=Exe\r\nForm=Main.frm\r\nModule=Utils; Utils.bas\r\nModule=Big; Big.bas\r\n");
    for (int delayMs : {5, 30, 120}) {
        SCOPED_TRACE(delayMs);
        fs::remove_all(Styled());
        const std::string command = "timeout -s KILL " + std::to_string(delayMs / 1000.0) +
                                    " env PLUMORA_CONFIG_DIR=" + testing::ShellQuote(root_.Str() + "/config") +
                                    " " + testing::ShellQuote(PLUMORA_CLI_PATH) + " style " +
                                    testing::ShellQuote(project_) + " --yes >/dev/null 2>&1";
        (void)std::system(command.c_str());
        if (fs::exists(Styled())) {
            EXPECT_EQ(HiddenFilesIn(Styled()), 0u);
        }
    }
}

}  // namespace
}  // namespace plumora

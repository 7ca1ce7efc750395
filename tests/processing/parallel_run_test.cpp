// Styling on several cores: the messages, their order and every byte written
// are those of a run on one core, also with files the run refuses and with a
// cancel.
#include <filesystem>
#include <map>

#include <gtest/gtest.h>

#include "formatter/formatter.h"
#include "processing/check_project.h"
#include "processing/process_project.h"
#include "project/app_state.h"
#include "project/open_project.h"
#include "recording_run_host.h"
#include "settings/option_set.h"
#include "support/scripted_hosts.h"
#include "support/temp_dir.h"

namespace plumora {
namespace {

namespace fs = std::filesystem;
using testing::ReadAll;
using testing::RecordingRunHost;
using testing::TempDir;

// A project of many small modules of different shapes: plain, with every
// rule's work to do, one the safety net refuses to take (a NUL byte), one
// that is empty.
class ParallelRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        config_ = std::make_unique<testing::ScopedConfigDir>((root_.Path() / "config").string());
        fs::create_directories(root_.Path() / "config");
        std::string vbp = "Type=Exe\r\n";
        for (int n = 0; n < 24; ++n) {
            const std::string name = "M" + std::to_string(n) + ".bas";
            std::string text = "Attribute VB_Name = \"M" + std::to_string(n) + "\"\r\n";
            for (int k = 0; k <= n % 5; ++k)
                text += "Sub S" + std::to_string(k) + "()\r\nDim a, b As Long ' two\r\n"
                        "If a Then b = 1: a = 2 Else b = 2\r\nFor i = 1 To 3: x = i: Next\r\n"
                        "End Sub\r\n";
            if (n == 7) text += std::string("x = \"nul\0\"\r\n", 12);
            if (n == 11) text.clear();
            root_.Write("P/" + name, text);
            vbp += "Module=M" + std::to_string(n) + "; " + name + "\r\n";
        }
        project_ = root_.Write("P/P.vbp", vbp);
        options_.SetBool(Opt::PreviewBeforeSaving, false);
        options_.SetBool(Opt::BackupOnlyNewFiles, true);  // only styled files are written
        options_.SetBool(Opt::MultiVarSplit, true);
        options_.SetBool(Opt::IfThenSplit, true);
        options_.SetBool(Opt::MultiStatementSplit, true);
        options_.SetInt(Opt::GrpForNextProcessing, fnAddVariable);
        options_.SetInt(Opt::GrpBlankLines, blUseRules);
    }

    struct TOutcome {
        TRunOutcome Outcome;
        std::vector<std::string> Events;
        std::map<std::string, std::string> Files;
    };

    TOutcome Run(unsigned workers, const std::string& out, const std::string& cancelAfter = {}) {
        TAppState state;
        TOptionSet loaded;
        testing::ScriptedCommandHost openHost;
        openHost.Answers = {MsgResult::Ok, MsgResult::Ok, MsgResult::Ok};
        EXPECT_TRUE(OpenProject(state, loaded, openHost, project_));
        RecordingRunHost host;
        host.CancelAfterLabel = cancelAfter;
        host.Answers = {MsgResult::No};  // keep what was written when cancelled
        TVBSrcFormatter formatter(options_, &host);
        TRunContext context;
        context.Project = state.Project.get();
        context.ProjectVBVersion = state.ProjectVBVersion;
        context.Options = &options_;
        context.Host = &host;
        context.ProcessingCancelled = &state.ProcessingCancelled;
        context.OutputDirOverride = (root_.Path() / out).string();
        context.Workers = workers;
        TOutcome o;
        o.Outcome = ProcessProject(formatter, context).Outcome;
        o.Events = host.Events;
        for (const auto& e : fs::directory_iterator(root_.Path() / out))
            o.Files[e.path().filename().string()] = ReadAll(e.path());
        return o;
    }

    TempDir root_;
    std::unique_ptr<testing::ScopedConfigDir> config_;
    std::string project_;
    TOptionSet options_;
};

TEST_F(ParallelRunTest, SeveralCoresWriteAndSayExactlyWhatOneCoreDoes) {
    const TOutcome one = Run(1, "one");
    const TOutcome four = Run(4, "four");
    ASSERT_EQ(one.Outcome, TRunOutcome::Completed);
    EXPECT_EQ(four.Outcome, one.Outcome);
    EXPECT_EQ(four.Events, one.Events);
    ASSERT_EQ(four.Files.size(), one.Files.size());
    EXPECT_TRUE(four.Files == one.Files);
    EXPECT_EQ(one.Files.count("M7.bas"), 0u);  // refused: its text holds a NUL
    EXPECT_GT(one.Files.size(), 20u);
}

TEST_F(ParallelRunTest, ACancelStopsBeforeTheFileWhosePassItCameIn) {
    const TOutcome one = Run(1, "one", "M5.bas (Pass 1)");
    const TOutcome four = Run(4, "four", "M5.bas (Pass 1)");
    ASSERT_EQ(one.Outcome, TRunOutcome::Cancelled);
    EXPECT_EQ(four.Outcome, TRunOutcome::Cancelled);
    EXPECT_EQ(four.Files, one.Files);
    EXPECT_EQ(one.Files.count("M5.bas"), 0u);
    EXPECT_EQ(one.Files.count("M4.bas"), 1u);
}

TEST_F(ParallelRunTest, TheDryRunReportsInProjectOrderOnAnyNumberOfCores) {
    auto check = [&](unsigned workers) {
        TAppState state;
        TOptionSet loaded;
        testing::ScriptedCommandHost openHost;
        EXPECT_TRUE(OpenProject(state, loaded, openHost, project_));
        std::vector<std::string> visited;
        const TCheckReport report = CheckProject(
            *state.Project, options_, 4, nullptr,
            [&](const std::string& name, const std::vector<std::string>&,
                const std::vector<std::string>& styled) {
                visited.push_back(name + ":" + std::to_string(styled.size()));
            },
            workers);
        visited.insert(visited.end(), report.Rejected.begin(), report.Rejected.end());
        return visited;
    };
    EXPECT_EQ(check(4), check(1));
}

}  // namespace
}  // namespace plumora

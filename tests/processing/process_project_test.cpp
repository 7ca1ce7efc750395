// The processing run end to end on projects in temporary directories: the
// copy modes, the rewritten project, the refusals, failures and cancels, and
// the order of the host calls.
#include <sys/stat.h>

#include <filesystem>
#include <map>

#include <gtest/gtest.h>

#include "processing/process_command.h"
#include "processing/processing_texts.h"
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

const char* kForm =
    "VERSION 5.00\r\nBegin VB.Form Main\r\n   Caption = \"Main\"\r\n   Icon = \"Main.frx\":0000\r\n"
    "End\r\nAttribute VB_Name = \"Main\"\r\nOption Explicit\r\nPrivate Sub Form_Load()\r\n"
    "If True Then\r\nx = 1\r\nEnd If\r\nEnd Sub\r\n";
const char* kModule = "Attribute VB_Name = \"Utils\"\r\nOption Explicit\r\nSub U()\r\nDim i\r\nEnd Sub\r\n";
const char* kClass = "Option Explicit\r\nPublic Sub C()\r\nDo\r\nLoop\r\nEnd Sub\r\n";
const char* kControl = "Option Explicit\r\nSub G()\r\nEnd Sub\r\n";
const char* kPage = "Option Explicit\r\nSub P()\r\nEnd Sub\r\n";
const std::string kFrx("\x01\x00\xFFicon\x00", 8);

// A project spread over subdirectories and a sibling directory, as real
// projects are.
class ProcessProjectTest : public ::testing::Test {
protected:
    void SetUp() override {
        config_ = std::make_unique<testing::ScopedConfigDir>((root_.Path() / "config").string());
        fs::create_directories(root_.Path() / "config");
        root_.Write("Proj/Forms/Main.frm", kForm);
        root_.Write("Proj/Forms/Main.frx", kFrx);
        root_.Write("Shared/Utils.bas", kModule);
        root_.Write("Proj/CItem.cls", kClass);
        root_.Write("Proj/Ctl/Gauge.ctl", kControl);
        root_.Write("Proj/Ctl/Gauge.ctx", "ctx-bytes");
        root_.Write("Proj/Pages/PP.pag", kPage);
        root_.Write("Proj/Pages/PP.pgx", "pgx-bytes");
        root_.Write("Proj/App.res", "res-bytes");
        root_.Write("Proj/readme.txt", "notes");
        WriteProject("Type=Exe\r\n"
                     "Object={F9043C88-F6F2-101A-A3C9-08002B2F49FB}#1.2#0; COMDLG32.OCX\r\n"
                     "Form=Forms\\Main.frm\r\n"
                     "Module=Utils; ..\\Shared\\Utils.bas\r\n"
                     "Class=CItem; CItem.cls\r\n"
                     "UserControl=Ctl\\Gauge.ctl\r\n"
                     "PropertyPage=Pages\\PP.pag\r\n"
                     "ResFile32=\"App.res\"\r\n"
                     "HelpFile=\"\"\r\n");
        options_.SetBool(Opt::PreviewBeforeSaving, false);
    }

    void WriteProject(const std::string& text) { project_ = root_.Write("Proj/App.vbp", text); }

    bool Open() {
        testing::ScriptedCommandHost host;
        bool ok = OpenProject(state_, loaded_, host, project_);
        return ok;
    }

    TRunReport Run(const std::string& outputOverride = {}) {
        if (!state_.Project) {
            EXPECT_TRUE(Open());
        }
        return RunProcessCommand(state_, options_, host_, nullptr, outputOverride);
    }

    void SetMode(Opt mode) { options_.SetBool(mode, true); }

    fs::path Styled() const { return root_.Path() / "Proj" / "STYLED"; }

    // Every file below the root except the output directory, with content.
    std::map<std::string, std::string> Sources() const {
        std::map<std::string, std::string> files;
        for (const auto& e : fs::recursive_directory_iterator(root_.Path())) {
            std::string rel = fs::relative(e.path(), root_.Path()).string();
            if (rel.rfind("Proj/STYLED", 0) == 0 || rel.rfind("out", 0) == 0) continue;
            if (e.is_regular_file()) files[rel] = ReadAll(e.path());
        }
        return files;
    }

    static std::vector<std::string> Names(const fs::path& dir) {
        std::vector<std::string> names;
        if (!fs::exists(dir)) return names;
        for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    TempDir root_;
    std::unique_ptr<testing::ScopedConfigDir> config_;
    std::string project_;
    TAppState state_;
    TOptionSet loaded_;   // reloaded by the open; the run uses options_
    TOptionSet options_;
    RecordingRunHost host_;
};

TEST_F(ProcessProjectTest, ProjectFilesModeMakesAnOpenableFlatCopy) {
    auto before = Sources();
    TRunReport report = Run();
    ASSERT_EQ(report.Outcome, TRunOutcome::Completed);
    EXPECT_EQ(Names(Styled()),
              (std::vector<std::string>{"App.res", "App.vbp", "CItem.cls", "Gauge.ctl", "Gauge.ctx",
                                        "Main.frm", "Main.frx", "PP.pag", "PP.pgx", "Utils.bas"}));
    EXPECT_EQ(ReadAll(Styled() / "App.vbp"),
              "Type=Exe\r\n"
              "Object={F9043C88-F6F2-101A-A3C9-08002B2F49FB}#1.2#0; COMDLG32.OCX\r\n"
              "Form=Main.frm\r\nModule=Utils; Utils.bas\r\nClass=CItem; CItem.cls\r\n"
              "UserControl=Gauge.ctl\r\nPropertyPage=PP.pag\r\nResFile32=\"App.res\"\r\nHelpFile=\"\"\r\n");
    EXPECT_EQ(ReadAll(Styled() / "Main.frx"), kFrx);
    EXPECT_EQ(ReadAll(Styled() / "PP.pag"), kPage);  // copied, not styled
    // The form was styled: its block body is indented now.
    EXPECT_NE(ReadAll(Styled() / "Main.frm").find("    x = 1\r\n"), std::string::npos);
    EXPECT_EQ(Sources(), before);

    for (RFile* f = state_.Project->Head.get(); f->Next; f = f->Next.get()) {
        EXPECT_TRUE(f->Processed) << f->Name;
        EXPECT_EQ(f->NewPath, (Styled() / f->Name).string());
    }
    EXPECT_TRUE(host_.Has(std::string("info: ") + kConversionCompletedText));

    // The output directory opens as a project of its own.
    TAppState copy;
    TOptionSet options;
    testing::ScriptedCommandHost host;
    ASSERT_TRUE(OpenProject(copy, options, host, (Styled() / "App.vbp").string()));
    EXPECT_EQ(copy.Project->FileCount(), 4u);
    for (RFile* f = copy.Project->Head.get(); f->Next; f = f->Next.get())
        EXPECT_EQ(fs::path(f->FullPath).parent_path(), Styled()) << f->Name;
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(ProcessProjectTest, OnlyNewFilesModeWritesTheStyledFilesAndKeepsOthers) {
    SetMode(Opt::BackupOnlyNewFiles);
    root_.Write("Proj/STYLED/earlier.bas", "kept");
    ASSERT_EQ(Run().Outcome, TRunOutcome::Completed);
    EXPECT_EQ(Names(Styled()), (std::vector<std::string>{"CItem.cls", "Gauge.ctl", "Main.frm",
                                                         "Utils.bas", "earlier.bas"}));
    EXPECT_FALSE(host_.Has("copy window shown"));
}

TEST_F(ProcessProjectTest, AllFilesModeAlsoCopiesTheProjectDirectory) {
    SetMode(Opt::BackupAllFiles);
    ASSERT_EQ(Run().Outcome, TRunOutcome::Completed);
    std::vector<std::string> names = Names(Styled());
    EXPECT_NE(std::find(names.begin(), names.end(), "readme.txt"), names.end());
    EXPECT_NE(std::find(names.begin(), names.end(), "Main.frx"), names.end());
    EXPECT_NE(ReadAll(Styled() / "App.vbp").find("Form=Main.frm\r\n"), std::string::npos);
}

TEST_F(ProcessProjectTest, CopyModesClearProcessedAndARepeatedRunReplacesTheFiles) {
    ASSERT_EQ(Run().Outcome, TRunOutcome::Completed);
    root_.Write("Proj/CItem.cls", "Option Explicit\r\nSub Changed()\r\nEnd Sub\r\n");
    state_.Project->Head->Next->Selected = false;  // Utils.bas stays as the copy
    ASSERT_EQ(Run().Outcome, TRunOutcome::Completed);
    EXPECT_NE(ReadAll(Styled() / "CItem.cls").find("Changed"), std::string::npos);
    EXPECT_EQ(ReadAll(Styled() / "Utils.bas"), kModule);
    EXPECT_FALSE(state_.Project->Head->Next->Processed);
}

TEST_F(ProcessProjectTest, MakProjectKeepsSettingAndControlLines) {
    root_.Write("Legacy/SUB/MAIN.FRM", "VERSION 2.00\r\nBegin Form Main\r\nEnd\r\nSub Form_Load ()\r\nEnd Sub\r\n");
    root_.Write("Legacy/SUB/MAIN.FRX", "frx");
    root_.Write("Legacy/GLOBAL.BAS", "Global X As Integer\r\n");
    project_ = root_.Write("Legacy/LEGACY.MAK",
                           "SUB\\MAIN.FRM\r\nGLOBAL.BAS\r\nC:\\VB\\GRID.VBX\r\n"
                           "ProjWinSize=152,402,248,215\r\nHelpFile=C:\\HELP\\APP.HLP\r\n");
    ASSERT_EQ(Run().Outcome, TRunOutcome::Completed);
    fs::path out = root_.Path() / "Legacy" / "STYLED";
    EXPECT_EQ(Names(out), (std::vector<std::string>{"GLOBAL.BAS", "LEGACY.MAK", "MAIN.FRM", "MAIN.FRX"}));
    EXPECT_EQ(ReadAll(out / "LEGACY.MAK"),
              "MAIN.FRM\r\nGLOBAL.BAS\r\nC:\\VB\\GRID.VBX\r\n"
              "ProjWinSize=152,402,248,215\r\nHelpFile=C:\\HELP\\APP.HLP\r\n");
}

TEST_F(ProcessProjectTest, HostCallsComeInTheRunsOrder) {
    SetMode(Opt::BackupOnlyNewFiles);
    options_.SetBool(Opt::PreviewBeforeSaving, true);
    WriteProject("Module=Utils; ..\\Shared\\Utils.bas\r\nClass=CItem; CItem.cls\r\n");
    ASSERT_EQ(Run().Outcome, TRunOutcome::Completed);
    EXPECT_EQ(host_.Events, (std::vector<std::string>{
                                "question: Process all selected files?",
                                "hourglass on",
                                "progress shown",
                                "label Utils.bas (Pass 1)",
                                
                                "preview Utils.bas",
                                "label CItem.cls (Pass 1)",
                                
                                "preview CItem.cls",
                                "progress hidden",
                                "hourglass off",
                                "info: Conversion Completed.",
                            }));
}

TEST_F(ProcessProjectTest, CopiesAreReportedThroughTheCopyWindow) {
    ASSERT_EQ(Run().Outcome, TRunOutcome::Completed);
    auto copies = host_.Starting(kBackingUpFilePrefix);
    EXPECT_EQ(copies.front(), "Backing Up File: Forms\\Main.frm");
    EXPECT_TRUE(host_.Has("Backing Up File: ..\\Shared\\Utils.bas"));
    EXPECT_LT(std::find(host_.Events.begin(), host_.Events.end(), "copy window hidden"),
              std::find(host_.Events.begin(), host_.Events.end(), "progress shown"));
}

TEST_F(ProcessProjectTest, DeclinedConfirmationDoesNothing) {
    host_.Answers = {MsgResult::No};
    EXPECT_EQ(Run().Outcome, TRunOutcome::Declined);
    EXPECT_FALSE(fs::exists(Styled()));
    EXPECT_EQ(host_.Events.size(), 1u);
}

TEST_F(ProcessProjectTest, RefusesOutputDirectoriesThatWouldReplaceSources) {
    struct Case {
        const char* Setting;
        Opt Mode;
    } cases[] = {
        {"", Opt::BackupMAKFiles},
        {".\\", Opt::BackupOnlyNewFiles},
        {".", Opt::BackupAllFiles},
        {"..\\Shared\\", Opt::BackupOnlyNewFiles},  // holds Utils.bas
        {"Forms", Opt::BackupMAKFiles},             // holds Main.frm and Main.frx
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Setting);
        host_ = RecordingRunHost();
        options_.SetBool(c.Mode, true);
        options_.SetText(Opt::BackupNewCodeDirectory, c.Setting);
        auto before = Sources();
        EXPECT_EQ(Run().Outcome, TRunOutcome::Refused);
        EXPECT_EQ(Sources(), before);
        EXPECT_EQ(host_.Starting("error: ").size(), 1u);
        EXPECT_FALSE(host_.Has(std::string("info: ") + kConversionCompletedText));
    }
}

// In "Only create new files" nothing is copied, so the styled files are the
// only claims on a name: the guard must refuse there too.
TEST_F(ProcessProjectTest, TwoDifferentFilesWithOneNameAreRefusedInEveryMode) {
    root_.Write("Proj/Other/Utils.bas", "Sub Other()\r\nEnd Sub\r\n");
    WriteProject("Module=Utils; ..\\Shared\\Utils.bas\r\nModule=Utils2; Other\\UTILS.BAS\r\n");
    for (Opt mode : {Opt::BackupMAKFiles, Opt::BackupOnlyNewFiles, Opt::BackupAllFiles}) {
        SCOPED_TRACE(static_cast<int>(mode));
        options_.SetBool(Opt::BackupMAKFiles, false);
        options_.SetBool(mode, true);
        host_ = RecordingRunHost();
        EXPECT_EQ(Run().Outcome, TRunOutcome::Refused);
        auto errors = host_.Starting("error: Two different files");
        ASSERT_EQ(errors.size(), 1u);
        EXPECT_FALSE(fs::exists(Styled()));  // refused before the directory is made
        options_.SetBool(mode, false);
    }
}

TEST_F(ProcessProjectTest, TheSameFileListedTwiceIsStyledTwice) {
    WriteProject("Module=Utils; ..\\Shared\\Utils.bas\r\nModule=Again; ..\\Shared\\Utils.bas\r\n");
    TRunReport report = Run();
    EXPECT_EQ(report.Outcome, TRunOutcome::Completed);
    EXPECT_EQ(report.Styled.size(), 2u);
}

// The fixed text, then which directory and why.
TEST_F(ProcessProjectTest, UncreatableOutputDirectoryAbortsWithoutCompletion) {
    std::string file = root_.Write("out/plain", "x");
    const std::pair<std::string, std::string> cases[] = {
        {file, "The output directory " + file + " is a file, not a directory."},
        {file + "/sub", "cannot be created: " + file + " is a file, not a directory."},
        {"/proc/plumora-cannot-create", "The output directory /proc/plumora-cannot-create cannot be created: "},
        {"D:\\OUT\\", "The output directory D:\\OUT\\ is a Windows drive path; drive letters do not exist on this system."}};
    for (const auto& [dir, detail] : cases) {
        SCOPED_TRACE(dir);
        host_ = RecordingRunHost();
        EXPECT_EQ(Run(dir).Outcome, TRunOutcome::BackupFailed);
        const auto errors = host_.Starting(std::string("error: ") + kBackupFailedText + "\n");
        ASSERT_EQ(errors.size(), 1u) << ::testing::PrintToString(host_.Events);
        EXPECT_NE(errors[0].find(detail), std::string::npos) << errors[0];
        EXPECT_FALSE(host_.Has(std::string("info: ") + kConversionCompletedText));
        EXPECT_TRUE(host_.Starting("label").empty());
    }
}

TEST_F(ProcessProjectTest, VanishedSourceIsReportedAndNotWritten) {
    SetMode(Opt::BackupOnlyNewFiles);
    ASSERT_TRUE(Open());
    fs::remove(root_.Path() / "Proj" / "CItem.cls");
    TRunReport report = Run();
    EXPECT_EQ(report.Outcome, TRunOutcome::Completed);
    EXPECT_EQ(report.Unavailable, (std::vector<std::string>{"CItem.cls"}));
    EXPECT_FALSE(fs::exists(Styled() / "CItem.cls"));
    EXPECT_TRUE(fs::exists(Styled() / "Gauge.ctl"));
    EXPECT_EQ(host_.Starting("warning: CItem.cls: NOT AVAILABLE").size(), 1u);
}

TEST_F(ProcessProjectTest, ReadOnlyStyledFileEndsTheRunThere) {
    SetMode(Opt::BackupOnlyNewFiles);
    std::string locked = root_.Write("Proj/STYLED/Utils.bas", "locked");
    ASSERT_EQ(::chmod(locked.c_str(), 0444), 0);
    TRunReport report = Run();
    EXPECT_EQ(report.Outcome, TRunOutcome::WriteFailed);
    EXPECT_EQ(ReadAll(locked), "locked");
    EXPECT_TRUE(fs::exists(Styled() / "Main.frm"));
    EXPECT_FALSE(fs::exists(Styled() / "CItem.cls"));
    EXPECT_EQ(host_.Starting("error: Unable to write").size(), 1u);
    EXPECT_FALSE(host_.Has(std::string("info: ") + kConversionCompletedText));
    EXPECT_TRUE(host_.Has("hourglass off"));
}

TEST_F(ProcessProjectTest, NoSelectedFileStillPreparesTheDirectory) {
    ASSERT_TRUE(Open());
    for (RFile* f = state_.Project->Head.get(); f->Next; f = f->Next.get()) f->Selected = false;
    options_.SetBool(Opt::CreateLog, true);
    TRunReport report = Run();
    EXPECT_EQ(report.Outcome, TRunOutcome::Completed);
    EXPECT_TRUE(report.Styled.empty());
    EXPECT_TRUE(fs::exists(Styled() / "App.vbp"));
    std::string log = ReadAll(Styled() / kLogFileName);
    EXPECT_NE(log.find("*** Project processing started at: "), std::string::npos);
    EXPECT_EQ(log.find("+++ Processing file"), std::string::npos);
    EXPECT_TRUE(host_.Starting("label").empty());
}

TEST_F(ProcessProjectTest, CancelInTheThirdFileKeepsFilesOnNo) {
    SetMode(Opt::BackupOnlyNewFiles);
    host_.CancelAfterLabel = "CItem.cls (Pass 1)";
    host_.Answers = {MsgResult::Yes, MsgResult::No};
    TRunReport report = Run();
    EXPECT_EQ(report.Outcome, TRunOutcome::Cancelled);
    EXPECT_EQ(Names(Styled()), (std::vector<std::string>{"Main.frm", "Utils.bas"}));
    EXPECT_TRUE(host_.Has("question: Delete all files in " + Styled().string() + "/?"));
    EXPECT_TRUE(host_.Has(std::string("info: ") + kConversionCompletedText));
    EXPECT_TRUE(state_.Project->Head->Processed);
    EXPECT_TRUE(state_.ProcessingCancelled);
    EXPECT_FALSE(report.Deleted);
    // The question is asked with No as its default answer.
    EXPECT_EQ(host_.QuestionDefaults, std::vector<MsgResult>{MsgResult::No});
}

TEST_F(ProcessProjectTest, CancelAnsweredYesDeletesWhatTheRunWrote) {
    root_.Write("Proj/STYLED/keep.txt", "the user's");
    host_.CancelAfterLabel = "CItem.cls (Pass 1)";
    host_.Answers = {MsgResult::Yes, MsgResult::Yes};
    const TRunReport report = Run();
    EXPECT_EQ(report.Outcome, TRunOutcome::Cancelled);
    EXPECT_TRUE(report.Deleted);
    EXPECT_EQ(Names(Styled()), (std::vector<std::string>{"keep.txt"}));
    for (RFile* f = state_.Project->Head.get(); f->Next; f = f->Next.get()) EXPECT_FALSE(f->Processed);
}

TEST_F(ProcessProjectTest, CancelInThePreviewStillSavesThatFile) {
    SetMode(Opt::BackupOnlyNewFiles);
    options_.SetBool(Opt::PreviewBeforeSaving, true);
    host_.CancelInPreviewOf = "Utils.bas";
    host_.Answers = {MsgResult::Yes, MsgResult::No};
    EXPECT_EQ(Run().Outcome, TRunOutcome::Cancelled);
    EXPECT_EQ(Names(Styled()), (std::vector<std::string>{"Main.frm", "Utils.bas"}));
    EXPECT_TRUE(host_.Starting("label CItem.cls").empty());
    EXPECT_EQ(host_.Starting("question: Delete all files in ").size(), 1u);
}

}  // namespace
}  // namespace plumora

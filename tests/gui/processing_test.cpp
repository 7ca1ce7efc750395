// Begin Processing from the main window: the run over a copy of the example,
// the Running state, Cancel from the progress window and from the preview,
// closing during a run, and the two busy windows themselves.
#include <sys/stat.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <string>
#include <vector>

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/frm_main.h"
#include "formatter/formatter.h"
#include "gui/modal_answers.h"
#include "processing/frm_copy_files.h"
#include "processing/frm_processing.h"
#include "processing/qt_run_host.h"
#include "support/example_project.h"
#include "support/temp_dir.h"
#include "viewers/frm_view_dual.h"

namespace plumora {
namespace {

namespace fs = std::filesystem;
using testing::ReadAll;
using testing::ScopedConfigDir;
using testing::TempDir;

struct TMessage {
    MsgKind Kind;
    std::string Text;
};

class ProcessingTest : public ::testing::Test {
protected:
    TempDir config;
    ScopedConfigDir scope{config.Str()};
    TempDir work;
    std::string project;
    std::string outputDir;
    std::vector<TMessage> messages;
    std::deque<MsgResult> answers;  // for questions; Yes when they run out
    std::vector<std::string> labels;
    std::unique_ptr<TfrmMain> w;

    // Only the styled files land in the output directory, so a file there
    // was written by the run.
    void SetUp() override {
        project = testing::CopyExampleProject("Inventory", "Inventory.vbp", work.Path() / "Inventory");
        outputDir = (work.Path() / "Inventory" / "STYLED").string();
    }

    void Start(bool preview) {
        config.Write("VBPLUMO3.INI", std::string("[General]\r\nPreviewBeforeSaving=") +
                                         (preview ? "1" : "0") +
                                         "\r\n[BackupInformation]\r\nBackupOnlyNewFiles=1\r\n"
                                         "BackupMAKFiles=0\r\nBackupAllFiles=0\r\n");
        w = std::make_unique<TfrmMain>(
            nullptr, [this](MsgKind kind, const std::string& text, MsgButtons) {
                messages.push_back({kind, text});
                if (kind != MsgKind::Question) return MsgResult::Ok;
                MsgResult r = MsgResult::Yes;
                if (!answers.empty()) {
                    r = answers.front();
                    answers.pop_front();
                }
                return r;
            });
        w->show();
        ASSERT_TRUE(w->OpenProjectFile(project));
        ASSERT_TRUE(messages.empty()) << messages.front().Text;
        QObject::connect(w->ProcessingWindow(), &TfrmProcessing::fileLabelChanged,
                         [this](const QString& text) {
                             if (!text.isEmpty()) labels.push_back(text.toStdString());
                         });
    }

    void Trigger(const char* action) {
        QAction* a = w->findChild<QAction*>(action);
        ASSERT_NE(a, nullptr) << action;
        a->trigger();
    }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const TMessage& m : messages) texts.push_back(m.Text);
        return texts;
    }

    // Names of the project's entries in project order (as the project spells them).
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (RFile* f = w->State().Project->Head.get(); f->Next; f = f->Next.get())
            names.push_back(f->Name);
        return names;
    }

    bool Written(const std::string& name) const { return fs::exists(fs::path(outputDir) / name); }

    // The main window after a run: back to "Project open".
    void ExpectProjectOpenState() {
        EXPECT_TRUE(w->isEnabled());
        EXPECT_NE(w->cursor().shape(), Qt::WaitCursor);
        EXPECT_FALSE(w->ProcessingWindow()->isVisible());
        EXPECT_FALSE(w->CopyFilesWindow()->isVisible());
        EXPECT_FALSE(w->RunHost().Running());
    }
};

TEST_F(ProcessingTest, AWholeRunStylesEveryFileWithTheWindowDisabledMeanwhile) {
    Start(true);
    struct TSeen {
        std::string Name;
        bool MainEnabled, MainBusy, ProgressUsable, ProgressBusy;
        std::string After;
    };
    std::vector<TSeen> seen;
    w->RunHost().SetPreview([&](const std::string& name, const std::vector<std::string>&,
                                const std::vector<TStyledLine>& after) {
        std::string text;
        for (const TStyledLine& line : after) text += line.Text + "\r\n";
        seen.push_back({name, w->isEnabled(), w->cursor().shape() == Qt::WaitCursor,
                        w->ProcessingWindow()->isVisible() && w->ProcessingWindow()->isEnabled(),
                        w->ProcessingWindow()->cursor().shape() == Qt::WaitCursor, text});
        return PreviewAnswer::Continue;
    });
    Trigger("btnProcess");

    EXPECT_EQ(Texts(), (std::vector<std::string>{"Process all selected files?",
                                                  "Conversion Completed."}));
    EXPECT_EQ(messages.front().Kind, MsgKind::Question);
    const std::vector<std::string> names = Names();
    ASSERT_EQ(names.size(), 4u);
    ASSERT_EQ(seen.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(names[i]);
        EXPECT_EQ(seen[i].Name, names[i]);
        EXPECT_FALSE(seen[i].MainEnabled);
        EXPECT_TRUE(seen[i].MainBusy);
        EXPECT_TRUE(seen[i].ProgressUsable);
        EXPECT_FALSE(seen[i].ProgressBusy);
        // What the preview showed is what was saved.
        EXPECT_EQ(ReadAll(fs::path(outputDir) / names[i]), seen[i].After);
        EXPECT_FALSE(seen[i].After.empty());
    }
    for (RFile* f = w->State().Project->Head.get(); f->Next; f = f->Next.get()) {
        EXPECT_TRUE(f->Processed) << f->Name;
        EXPECT_EQ(fs::path(f->NewPath), fs::path(outputDir) / f->Name);
    }
    // Each file shows its pass, in project order.
    std::size_t at = 0;
    for (const std::string& name : names) {
        const std::string label = name + " (Pass 1)";
        while (at < labels.size() && labels[at] != label) ++at;
        EXPECT_LT(at, labels.size()) << label;
    }
    ExpectProjectOpenState();
    // The status line says how many and where.
    EXPECT_EQ(w->StatusText().toStdString(), "4 files styled into " + outputDir + "/.");
    // The sources themselves are untouched.
    EXPECT_EQ(ReadAll(work.Path() / "Inventory" / "frmMain.frm"),
              ReadAll(fs::path(PLUMORA_SOURCE_DIR) / "examples" / "Inventory" / "frmMain.frm"));
}

TEST_F(ProcessingTest, AnsweringNoFromMenuOrPopupDoesNothing) {
    Start(false);
    for (const char* action : {"mnuProcess", "popProcess"}) {
        messages.clear();
        answers = {MsgResult::No};
        Trigger(action);
        EXPECT_EQ(Texts(), std::vector<std::string>{"Process all selected files?"}) << action;
    }
    EXPECT_FALSE(fs::exists(outputDir));
    EXPECT_TRUE(labels.empty());
    ExpectProjectOpenState();
}

// Cancel reaches the run only through the events that a pass pumps: the
// press is queued when the second file's second pass begins.
TEST_F(ProcessingTest, CancelInTheProgressWindowStopsBeforeTheNextFile) {
    struct TCase {
        const char* How;
        MsgResult DeleteAnswer;
    };
    for (const TCase c : {TCase{"button", MsgResult::No}, TCase{"escape", MsgResult::Yes}}) {
        SCOPED_TRACE(c.How);
        messages.clear();
        labels.clear();
        fs::remove_all(outputDir);
        Start(false);
        answers = {MsgResult::Yes, c.DeleteAnswer};
        const std::string how = c.How;
        QObject::connect(
            w->ProcessingWindow(), &TfrmProcessing::fileLabelChanged, [&](const QString& text) {
                if (text != "MODINVENTORY.BAS (Pass 1)") return;
                QTimer::singleShot(0, w->ProcessingWindow(), [&] {
                    if (how == "button") {
                        w->ProcessingWindow()->btnCancel()->click();
                    } else {
                        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                        QCoreApplication::sendEvent(w->ProcessingWindow(), &escape);
                    }
                    // The window stays for the rest of the run.
                    EXPECT_TRUE(w->ProcessingWindow()->isVisible());
                });
            });
        Trigger("btnProcess");

        const std::string deleteQuestion = "Delete all files in " + outputDir + "/?";
        EXPECT_EQ(Texts(), (std::vector<std::string>{"Process all selected files?",
                                                     deleteQuestion, "Conversion Completed."}));
        EXPECT_EQ(labels.back(), "MODINVENTORY.BAS (Pass 1)");
        EXPECT_EQ(Written("frmMain.frm"), c.DeleteAnswer == MsgResult::No);
        for (const char* name : {"MODINVENTORY.BAS", "CItem.cls", "ctlGauge.ctl"})
            EXPECT_FALSE(Written(name)) << name;
        EXPECT_EQ(w->State().Project->Head->Processed, c.DeleteAnswer == MsgResult::No);
        ExpectProjectOpenState();
        w.reset();
    }
}

// The main window's own preview: shown modally over the disabled main window,
// it must take input, and its "Cancel processing" still saves that file.
TEST_F(ProcessingTest, CancelInThePreviewSavesThatFileAndStylesNoFurther) {
    Start(true);
    ASSERT_NE(w->Preview(), nullptr);
    answers = {MsgResult::Yes, MsgResult::No};
    std::vector<std::string> previewed;
    bool previewUsable = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!w->Preview()->isVisible()) return;
        previewed.push_back(w->Preview()->windowTitle().toStdString());
        previewUsable = w->Preview()->isEnabled() && !w->isEnabled();
        w->Preview()->btnCancelClick();
    });
    poll.start(1);
    Trigger("btnProcess");
    poll.stop();
    EXPECT_EQ(previewed, std::vector<std::string>{"File: frmMain.frm"});
    EXPECT_TRUE(previewUsable);
    EXPECT_TRUE(Written("frmMain.frm"));
    EXPECT_FALSE(Written("MODINVENTORY.BAS"));
    for (const std::string& label : labels) EXPECT_EQ(label.rfind("frmMain.frm (Pass ", 0), 0u) << label;
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[1].Text, "Delete all files in " + outputDir + "/?");
    ExpectProjectOpenState();
    EXPECT_EQ(w->StatusText().toStdString(), "Cancelled: 1 file styled into " + outputDir + "/.");
}

// Enter on the question after a cancelled run keeps the files: the box's
// default button is No.
TEST_F(ProcessingTest, TheDeleteQuestionDefaultsToNo) {
    TQtCommandHost host;
    QString defaultButton;
    MsgResult answer = MsgResult::Yes;
    testing::AnswerModals(
        [&] { answer = host.ShowQuestion("Delete all files in /x/?", MsgButtons::YesNo, MsgResult::No); },
        {[&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
            EXPECT_EQ(box->windowTitle(), "Plumora/VB 3.0");
            QTest::keyClick(box, Qt::Key_Return);
        }});
    EXPECT_EQ(defaultButton, "&No");
    EXPECT_EQ(answer, MsgResult::No);
}

TEST_F(ProcessingTest, NoSecondRunAndClosingDuringARunCancelsItFirst) {
    Start(true);
    answers = {MsgResult::Yes, MsgResult::No};
    int previews = 0;
    w->RunHost().SetPreview([&](const std::string&, const std::vector<std::string>&,
                                const std::vector<TStyledLine>&) {
        ++previews;
        Trigger("btnProcess");  // ignored: a run is under way
        EXPECT_FALSE(w->close());
        EXPECT_NE(w->State().Project, nullptr);
        return PreviewAnswer::Continue;
    });
    Trigger("btnProcess");
    EXPECT_EQ(previews, 1);
    EXPECT_TRUE(Written("frmMain.frm"));
    EXPECT_FALSE(Written("MODINVENTORY.BAS"));
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Process all selected files?",
                                                 "Delete all files in " + outputDir + "/?",
                                                 "Conversion Completed."}));
    // The close that was asked for happens once the run has ended.
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->State().Project, nullptr);
}

TEST_F(ProcessingTest, AStyledFileThatCannotBeWrittenEndsTheRunWithTheWindowUsable) {
    Start(false);
    fs::create_directories(outputDir);
    const std::string target = (fs::path(outputDir) / "MODINVENTORY.BAS").string();
    work.Write("Inventory/STYLED/MODINVENTORY.BAS", "keep me");
    ASSERT_EQ(::chmod(target.c_str(), 0444), 0);
    Trigger("btnProcess");
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].Kind, MsgKind::Error);
    EXPECT_NE(messages[1].Text.find("MODINVENTORY.BAS"), std::string::npos) << messages[1].Text;
    EXPECT_EQ(ReadAll(target), "keep me");
    EXPECT_FALSE(Written("CItem.cls"));
    ExpectProjectOpenState();
    // A second run may start again after the failed one.
    messages.clear();
    answers = {MsgResult::No};
    Trigger("btnProcess");
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(ProcessingTest, RunHostNestsTheHourglassAndCarriesTheCancelFlag) {
    QWidget mainWindow;
    bool cancelled = false;
    TfrmProcessing progress([&] { cancelled = true; }, &mainWindow);
    TfrmCopyFiles copy(&mainWindow);
    TQtCommandHost messages(&mainWindow);
    TQtRunHost host(messages, progress, copy, cancelled, &mainWindow);

    // The backup step nests its hourglass inside the run's.
    host.SetHourglass(true);
    host.SetHourglass(true);
    EXPECT_FALSE(mainWindow.isEnabled());
    EXPECT_TRUE(progress.isEnabled());
    host.SetHourglass(false);
    EXPECT_TRUE(host.Running());
    EXPECT_EQ(mainWindow.cursor().shape(), Qt::WaitCursor);
    host.SetHourglass(false);
    host.SetHourglass(false);  // one too many changes nothing
    EXPECT_FALSE(host.Running());
    EXPECT_TRUE(mainWindow.isEnabled());
    EXPECT_EQ(mainWindow.cursor().shape(), Qt::ArrowCursor);

    // Names are bytes of the sources' code page.
    host.SetLabel("Caf\xE9 \x80.bas (Pass 1)");
    EXPECT_EQ(progress.FileLabel(), QString::fromUtf8("Caf\u00E9 \u20AC.bas (Pass 1)"));

    EXPECT_FALSE(host.PumpMessages());
    EXPECT_EQ(host.PreviewStyledFile("a.bas", {}, {}), PreviewAnswer::Continue);
    host.SetPreview([](const std::string&, const std::vector<std::string>&,
                       const std::vector<TStyledLine>&) { return PreviewAnswer::CancelProcessing; });
    EXPECT_EQ(host.PreviewStyledFile("a.bas", {}, {}), PreviewAnswer::CancelProcessing);
    EXPECT_TRUE(host.PumpMessages());
}

TEST_F(ProcessingTest, TheBusyWindowsStayUntilTheRunHidesThem) {
    bool cancelled = false;
    TfrmProcessing progress([&] { cancelled = true; });
    TfrmCopyFiles copy;
    for (QDialog* d : {static_cast<QDialog*>(&progress), static_cast<QDialog*>(&copy)}) {
        EXPECT_FALSE(d->isVisible());
        EXPECT_FALSE(d->windowFlags() & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(d->windowFlags() & Qt::WindowSystemMenuHint);
    }
    EXPECT_EQ(progress.windowTitle(), "Processing...");
    EXPECT_EQ(copy.windowTitle(), "Backing up files...");
    EXPECT_EQ(progress.btnCancel()->text(), "&Cancel");
    EXPECT_TRUE(progress.lblProcessingFile()->alignment() & Qt::AlignHCenter);

    progress.show();
    progress.SetFileLabel("frmMain.frm (Pass 1)");
    progress.SetRange(0, 0);  // an empty file: a gauge, not a busy indicator
    EXPECT_GT(progress.guageProcessing()->maximum(), progress.guageProcessing()->minimum());
    progress.SetRange(0, 10);
    progress.SetPosition(25);
    EXPECT_EQ(progress.guageProcessing()->value(), 10);
    progress.reject();
    EXPECT_TRUE(cancelled);
    EXPECT_FALSE(progress.close());
    EXPECT_TRUE(progress.isVisible());

    copy.Start(3);
    copy.Step(1, "Backing Up File: frmMain.frm");
    EXPECT_FALSE(copy.close());
    copy.reject();
    EXPECT_TRUE(copy.isVisible());

    // A name longer than the window keeps its end in view.
    const QString longName = QString(80, 'x') + ".frm (Pass 2)";
    progress.SetFileLabel(longName);
    EXPECT_EQ(progress.FileLabel(), longName);
    EXPECT_TRUE(progress.lblProcessingFile()->text().endsWith("(Pass 2)"));
    EXPECT_EQ(progress.lblProcessingFile()->toolTip(), longName);

    progress.SetFileLabel("frmMain.frm (Pass 1)");
    progress.SetPosition(4);
    const char* dir = std::getenv("PLUMORA_GRAB_DIR");
    const std::string out = dir ? std::string(dir) : config.Str();
    EXPECT_TRUE(progress.grab().save(QString::fromStdString(out + "/frm_processing.png")));
    EXPECT_TRUE(copy.grab().save(QString::fromStdString(out + "/frm_copy_files.png")));
}

}  // namespace
}  // namespace plumora

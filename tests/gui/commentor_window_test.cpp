// The commentor window: walking routines through its buttons, the fields and
// colours it shows, the question before moving and closing, what Save
// changes writes, and what it refuses to write.
#include <filesystem>
#include <string>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "app/frm_main.h"
#include "commentor/commentor_texts.h"
#include "commentor/frm_commentor.h"
#include "project/source_mgt.h"
#include "support/example_project.h"
#include "support/scripted_hosts.h"
#include "support/temp_dir.h"
#include "ui/big_text.h"

namespace plumora {
namespace {

namespace fs = std::filesystem;
using testing::ReadAll;
using testing::ScopedConfigDir;
using testing::ScriptedCommandHost;
using testing::TempDir;

const char* const kEdge =
    "Attribute VB_Name = \"Edge\"\r\n"            // 1
    "Public Sub Alpha()\r\n"                      // 2  a routine on line 2
    "'  Author : Ann\r\n"                         // 3  header after the start
    "'  Params : none\r\n"                        // 4
    "End Sub\r\n"                                 // 5
    "sub lower()\r\n"                             // 6  lower case: not a routine
    "End Sub\r\n"                                 // 7
    " ' indented comment\r\n"                     // 8  ends the block above line 10
    "'  Params : n - count\r\n"                   // 9
    "Function Beta(n As Integer) As Long\r\n"     // 10 a routine on line 10
    "    Beta = n\r\n"                            // 11
    "End Function\r\n"                            // 12
    "Friend Sub Gamma()\r\n"                      // 13 Friend: not a routine
    "End Sub\r\n";                                // 14

constexpr TColor kNavy = TColor::FromRgb(0, 0, 128);
constexpr TColor kGrey = TColor::FromRgb(128, 128, 128);

// Types at the start of the comment editor, as the user would.
void TypeAtStart(QPlainTextEdit* editor, const QString& text) {
    QTextCursor cursor = editor->textCursor();
    cursor.movePosition(QTextCursor::Start);
    cursor.insertText(text);
    editor->setTextCursor(cursor);
}

// Replaces everything in the comment editor, as select-all and typing does.
void TypeOver(QPlainTextEdit* editor, const QString& text) {
    QTextCursor cursor = editor->textCursor();
    cursor.select(QTextCursor::Document);
    cursor.insertText(text);
    editor->setTextCursor(cursor);
}

class CommentorWindowTest : public ::testing::Test {
protected:
    TempDir dir_;
    ScriptedCommandHost host_;
    QMdiArea mdi_;
    TfrmCommentor* w_ = nullptr;

    std::string ModulePath() const { return dir_.Str() + "/Edge.bas"; }
    std::string SavedPath() const { return dir_.Str() + "/STYLED/Edge.bas"; }

    void Open(const std::string& text = kEdge) {
        dir_.Write("Edge.bas", text);
        mdi_.resize(900, 700);
        mdi_.show();
        w_ = new TfrmCommentor(host_);
        EXPECT_EQ(w_->windowTitle(), "Function/Sub Commentor");
        mdi_.addSubWindow(w_)->setAttribute(Qt::WA_DeleteOnClose);
        w_->show();
        w_->OpenModule("Edge.bas", ModulePath(), ".\\STYLED\\");
    }
    void Click(const char* button) { w_->findChild<QAction*>(button)->trigger(); }
    QString Editor() const { return w_->memoComment()->toPlainText(); }
    std::string LastMessage() const {
        return host_.Messages.empty() ? "" : host_.Messages.back().Text;
    }
};

TEST_F(CommentorWindowTest, OpensOnLineTwoAndWalksToLineTenWithFieldsAndColours) {
    Open();
    EXPECT_TRUE(host_.Messages.empty());
    EXPECT_EQ(w_->windowTitle().toStdString(), "Module: " + ModulePath());
    EXPECT_EQ(w_->edtModuleName()->text(), "Public Sub Alpha()");
    EXPECT_TRUE(w_->edtModuleName()->font().bold());
    for (QLineEdit* field : {w_->edtModuleName(), w_->edtParameters(), w_->edtAuthor(),
                             w_->edtReturns()})
        EXPECT_TRUE(field->isReadOnly());
    // The header below the routine's first line is its block.
    EXPECT_EQ(Editor(), "Public Sub Alpha()\n'  Author : Ann\n'  Params : none");
    EXPECT_EQ(w_->edtAuthor()->text(), "Ann");
    EXPECT_EQ(w_->edtParameters()->text(), "none");
    EXPECT_FALSE(w_->memoComment()->document()->isModified());
    const QFontMetrics metrics(w_->memoComment()->font());  // fixed pitch
    EXPECT_EQ(metrics.horizontalAdvance("iiii"), metrics.horizontalAdvance("WWWW"));
    EXPECT_EQ(w_->memoComment()->lineWrapMode(), QPlainTextEdit::NoWrap);

    TBigText* view = w_->memoSource();
    ASSERT_EQ(view->LineCount(), 14);
    EXPECT_EQ(view->TopLine(), 1);
    for (int i = 0; i < 14; ++i)
        EXPECT_EQ(view->LineFontColor(i), i >= 1 && i <= 4 ? kNavy : kGrey) << i;

    Click("btnNextRoutine");  // past the lower-case line 6
    EXPECT_TRUE(host_.Messages.empty());
    EXPECT_EQ(w_->edtModuleName()->text(), "Function Beta(n As Integer) As Long");
    // The indented comment above ends the block; Author is cleared.
    EXPECT_EQ(Editor(), "'  Params : n - count\nFunction Beta(n As Integer) As Long");
    EXPECT_EQ(w_->edtAuthor()->text(), "");
    EXPECT_EQ(w_->edtParameters()->text(), "n - count");
    EXPECT_EQ(view->LineFontColor(9), kNavy);
    EXPECT_EQ(view->LineFontColor(11), kNavy);
    EXPECT_EQ(view->LineFontColor(1), kGrey);
    EXPECT_EQ(view->LineFontColor(12), kGrey);

    Click("btnNextRoutine");  // the Friend routine is passed over
    EXPECT_EQ(LastMessage(), "No further routines.");
    EXPECT_EQ(host_.Messages.back().Kind, MsgKind::Information);
    Click("btnPriorRoutine");  // line 2 lies above line 3
    EXPECT_EQ(LastMessage(), "No prior routines.");
    EXPECT_EQ(w_->edtModuleName()->text(), "Function Beta(n As Integer) As Long");
    EXPECT_EQ(host_.Messages.size(), 2u);
}

TEST_F(CommentorWindowTest, ChangedCommentsAskBeforeMoving) {
    Open();
    TypeAtStart(w_->memoComment(), "' Header\n");
    const int cursor = w_->memoComment()->textCursor().position();

    host_.Answers = {MsgResult::Cancel};
    Click("btnNextRoutine");
    ASSERT_EQ(host_.Messages.size(), 1u);
    EXPECT_EQ(host_.Messages[0].Text, "Comments have changed.  Do you wish to save?");
    EXPECT_EQ(host_.Messages[0].Buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(w_->edtModuleName()->text(), "Public Sub Alpha()");
    EXPECT_TRUE(Editor().startsWith("' Header\nPublic Sub Alpha()"));
    EXPECT_EQ(w_->memoComment()->textCursor().position(), cursor);  // where the user left it
    EXPECT_TRUE(w_->memoComment()->document()->isModified());

    host_.Answers = {MsgResult::No};
    Click("btnNextRoutine");
    EXPECT_EQ(w_->edtModuleName()->text(), "Function Beta(n As Integer) As Long");
    EXPECT_FALSE(fs::exists(SavedPath()));
    EXPECT_FALSE(w_->memoComment()->document()->isModified());

    // Moving on without a change asks nothing.
    const std::size_t asked = host_.Messages.size();
    Click("btnPriorRoutine");
    EXPECT_EQ(host_.Messages.size(), asked + 1);
    EXPECT_EQ(LastMessage(), "No prior routines.");

    TypeOver(w_->memoComment(), "'  Author : Bob\nFunction Beta(n As Integer) As Long");
    host_.Answers = {MsgResult::Yes};
    Click("btnPriorRoutine");  // saved, then nothing above
    EXPECT_EQ(host_.Messages[host_.Messages.size() - 2].Text,
              "File saved as: " + SavedPath() + ".");
    EXPECT_EQ(LastMessage(), "No prior routines.");
    EXPECT_EQ(w_->edtAuthor()->text(), "Bob");
    EXPECT_NE(ReadAll(SavedPath()).find("'  Author : Bob\r\nFunction Beta"), std::string::npos);
}

TEST_F(CommentorWindowTest, SaveWritesTheUnstyledTextWithTheEditsUnderTheFilesName) {
    dir_.Write("STYLED/Edge.bas", "a styled copy\r\n");
    Open();
    TypeAtStart(w_->memoComment(), "'--- Alpha ---\n");
    Click("btnSaveChanges");
    ASSERT_EQ(host_.Messages.size(), 1u);
    EXPECT_EQ(host_.Messages[0].Text, "File saved as: " + SavedPath() + ".");
    EXPECT_EQ(host_.Messages[0].Kind, MsgKind::Information);

    std::string expected = kEdge;
    expected.insert(expected.find("Public Sub Alpha"), "'--- Alpha ---\r\n");
    EXPECT_EQ(ReadAll(SavedPath()), expected);
    EXPECT_EQ(ReadAll(ModulePath()), kEdge);  // the module itself is never written
    // The window shows the merged module with the routine at its new place.
    EXPECT_EQ(w_->memoSource()->LineCount(), 15);
    EXPECT_EQ(w_->memoSource()->LineText(1), "'--- Alpha ---");
    EXPECT_EQ(w_->memoSource()->TopLine(), 2);
    EXPECT_EQ(Editor(), "'--- Alpha ---\nPublic Sub Alpha()\n'  Author : Ann\n'  Params : none");
    EXPECT_FALSE(w_->memoComment()->document()->isModified());
}

TEST_F(CommentorWindowTest, WhatIsNeverWritten) {
    Open();
    // Without the routine's own line the module would lose it.
    TypeOver(w_->memoComment(), "' Alpha is gone");
    Click("btnSaveChanges");
    EXPECT_EQ(LastMessage(), kRoutineLineRemovedText);
    EXPECT_EQ(Editor(), "' Alpha is gone");  // left for the user to mend
    EXPECT_FALSE(fs::exists(SavedPath()));
    EXPECT_EQ(w_->memoSource()->LineText(1), "Public Sub Alpha()");

    // Characters the code page cannot store are shown as "?" before saving.
    TypeOver(w_->memoComment(), QString::fromUtf8("' caf\u00E9 \u2192 bar\nPublic Sub Alpha()"));
    Click("btnSaveChanges");
    EXPECT_EQ(host_.Messages.back().Kind, MsgKind::Warning);
    EXPECT_NE(LastMessage().find("Windows-1252"), std::string::npos);
    EXPECT_EQ(Editor(), QString::fromUtf8("' caf\u00E9 ? bar\nPublic Sub Alpha()"));
    EXPECT_FALSE(fs::exists(SavedPath()));
    Click("btnSaveChanges");
    EXPECT_NE(ReadAll(SavedPath()).find("' caf\xE9 ? bar\r\nPublic Sub Alpha()\r\nEnd Sub"),
              std::string::npos);
}

TEST_F(CommentorWindowTest, AModuleWithoutRoutines) {
    Open("Attribute VB_Name = \"Empty\"\r\nDim x As Long\r\n");
    EXPECT_EQ(LastMessage(), "Module does not contain any sub or function routines.");
    EXPECT_EQ(w_->windowTitle().toStdString(), "Module: " + ModulePath());
    EXPECT_EQ(w_->memoSource()->LineCount(), 2);
    EXPECT_TRUE(w_->memoComment()->isReadOnly());
    Click("btnSaveChanges");
    EXPECT_EQ(LastMessage(), kNothingToSaveText);
    Click("btnNextRoutine");
    EXPECT_EQ(LastMessage(), "No further routines.");
    EXPECT_FALSE(fs::exists(dir_.Path() / "STYLED"));
}

TEST_F(CommentorWindowTest, ClosingAsksAndCancelKeepsTheWindow) {
    Open();
    QMdiSubWindow* sub = mdi_.subWindowList().front();
    TypeAtStart(w_->memoComment(), "' note\n");
    host_.Answers = {MsgResult::Cancel};
    EXPECT_FALSE(sub->close());
    EXPECT_EQ(LastMessage(), kCommentsChangedText);
    EXPECT_EQ(mdi_.subWindowList().size(), 1);

    host_.Answers = {MsgResult::No};
    EXPECT_TRUE(sub->close());
    QApplication::processEvents();
    EXPECT_TRUE(mdi_.subWindowList().isEmpty());
    EXPECT_FALSE(fs::exists(SavedPath()));
}

// What the window showed when each message appeared.
class PeekingHost : public ScriptedCommandHost {
public:
    TfrmCommentor* Window = nullptr;
    std::vector<std::string> Seen;
    MsgResult ShowMessage(MsgKind kind, const std::string& text, MsgButtons buttons) override {
        if (Window) {
            Seen.push_back(Window->edtModuleName()->text().toStdString() + " | " +
                           Window->edtAuthor()->text().toStdString() + " | " +
                           std::to_string(Window->memoSource()->TopLine()));
        }
        return ScriptedCommandHost::ShowMessage(kind, text, buttons);
    }
};

TEST(CommentorWindow, TheWindowIsWholeBehindItsMessages) {
    TempDir dir;
    dir.Write("Edge.bas", kEdge);
    PeekingHost host;
    QMdiArea mdi;
    auto* w = new TfrmCommentor(host);
    host.Window = w;
    mdi.addSubWindow(w);
    mdi.show();
    w->OpenModule("Edge.bas", dir.Str() + "/Edge.bas", "out");
    w->btnNextRoutineClick();
    TypeOver(w->memoComment(), "'  Author : Cy\nFunction Beta(n As Integer) As Long");
    w->btnSaveChangesClick();  // "File saved as: ..." over the saved routine
    ASSERT_EQ(host.Seen.size(), 1u);
    EXPECT_EQ(host.Seen[0], "Function Beta(n As Integer) As Long | Cy | 9");
}

TEST_F(CommentorWindowTest, F1OpensTheCommentorsHelpPage) {
    Open();
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(w_->memoComment(), &f1);
    QTextBrowser* browser = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == "frmHelp") browser = top->findChild<QTextBrowser*>("browserHelp");
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(browser->source().toString().endsWith("/72.html"));
    EXPECT_TRUE(browser->toPlainText().contains("Function/Sub Commentor"));
    browser->window()->hide();
}

// The main window: every control opens a new commentor on the selected
// file, the output directory is the one set at opening, and closing the
// program asks about changed comments.
class CommentorCommandsTest : public ::testing::Test {
protected:
    TempDir config_;
    ScopedConfigDir scope_{config_.Str()};
    TempDir work_;
    ScriptedCommandHost host_;
    std::unique_ptr<TfrmMain> main_;

    void SetUp() override {
        testing::CopyExampleProject("Inventory", "Inventory.vbp", work_.Path());
        main_ = std::make_unique<TfrmMain>(nullptr, [this](MsgKind k, const std::string& t,
                                                           MsgButtons b) {
            return host_.ShowMessage(k, t, b);
        });
        ASSERT_TRUE(main_->OpenProjectFile(work_.Str() + "/Inventory.vbp"));
        main_->show();
    }
    QTreeWidgetItem* Node(int i) const { return main_->Tree()->topLevelItem(0)->child(i); }
    TfrmCommentor* Active() const {
        return qobject_cast<TfrmCommentor*>(main_->Mdi()->activeSubWindow()->widget());
    }
};

TEST_F(CommentorCommandsTest, EachControlOpensANewWindowWithTheOutputDirectoryOfThatMoment) {
    main_->Tree()->setCurrentItem(main_->Tree()->topLevelItem(0));  // the root: nothing
    main_->findChild<QAction*>("btnShowCommentor")->trigger();
    EXPECT_TRUE(main_->Mdi()->subWindowList().isEmpty());

    main_->Tree()->setCurrentItem(Node(1));  // modInventory.bas
    main_->Options().SetText(Opt::BackupNewCodeDirectory, "FIRST\\");
    for (const char* name : {"btnShowCommentor", "mnuShowCommentor", "popShowCommentor"})
        main_->findChild<QAction*>(name)->trigger();
    ASSERT_EQ(main_->Mdi()->subWindowList().size(), 3);
    TfrmCommentor* w = Active();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle().toStdString(), "Module: " + work_.Str() + "/modInventory.bas");
    EXPECT_EQ(w->edtModuleName()->text(), "Public Sub InitInventory()");
    EXPECT_TRUE(host_.Messages.empty());

    main_->Options().SetText(Opt::BackupNewCodeDirectory, "SECOND\\");
    TypeAtStart(w->memoComment(), "' Sets up an empty list.\n");
    w->btnSaveChangesClick();
    EXPECT_TRUE(fs::exists(work_.Path() / "FIRST" / "MODINVENTORY.BAS"));
    EXPECT_FALSE(fs::exists(work_.Path() / "SECOND"));
}

TEST_F(CommentorCommandsTest, ClosingTheProgramAsksAboutChangedComments) {
    main_->Tree()->setCurrentItem(Node(1));
    main_->findChild<QAction*>("btnShowCommentor")->trigger();
    TfrmCommentor* w = Active();
    ASSERT_NE(w, nullptr);
    TypeAtStart(w->memoComment(), "' unsaved\n");

    host_.Answers = {MsgResult::Cancel};
    EXPECT_FALSE(main_->close());
    EXPECT_EQ(host_.Messages.back().Text, kCommentsChangedText);
    EXPECT_TRUE(main_->isVisible());
    EXPECT_TRUE(main_->State().ProjectOpen);

    host_.Answers = {MsgResult::Yes};
    EXPECT_TRUE(main_->close());
    EXPECT_NE(ReadAll(work_.Path() / "STYLED" / "MODINVENTORY.BAS").find("' unsaved\r\nPublic Sub"),
              std::string::npos);
}

}  // namespace
}  // namespace plumora

// The line view, the Find dialog and the viewer windows: search, colours,
// the shared scroll bar, the preview's answers, and opening files from the
// main window with the example project.
#include <string>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "app/frm_main.h"
#include "formatter/formatter.h"
#include "formatter/line_ops.h"
#include "io/text_lines.h"
#include "support/scripted_hosts.h"
#include "support/temp_dir.h"
#include "ui/big_text.h"
#include "ui/find_dialog.h"
#include "viewers/frm_view_dual.h"
#include "viewers/frm_view_dual_mdi.h"
#include "viewers/frm_view_single.h"
#include "viewers/qt_side_by_side.h"
#include "viewers/qt_view_search.h"
#include "viewers/vis_diff.h"

namespace plumora {
namespace {

using testing::ScopedConfigDir;
using testing::ScriptedCommandHost;
using testing::TempDir;

const std::string kExampleDir = std::string(PLUMORA_SOURCE_DIR) + "/examples/Inventory/";
constexpr TColor kBlack = TColor::FromRgb(0, 0, 0);
constexpr TColor kWindow = TColor::SystemWindow();

// The lines of a file as a view shows them: tabs become `tabWidth` blanks.
std::vector<std::string> FileLines(const std::string& path, int tabWidth = 4) {
    std::vector<std::string> lines;
    EXPECT_TRUE(ReadTextLines(path, lines).Ok) << path;
    for (std::string& line : lines) line = TabsToSpaces(line, tabWidth);
    return lines;
}

std::vector<std::string> ViewLines(const TBigText& view) {
    std::vector<std::string> lines;
    for (int n = 0; n < view.LineCount(); ++n) lines.push_back(view.LineText(n));
    return lines;
}

// The colour painted at the right end of a visible row (past any text).
QColor RowColour(TBigText& view, int row) {
    const QImage image = view.viewport()->grab().toImage();
    const int y = row * QFontMetrics(view.font()).lineSpacing() + 1;
    return image.pixelColor(image.width() - 3, y);
}

// A shown view of ten numbered lines, "Line 0" to "Line 9", with a few lines
// fitting, so that any line can be made the first visible one.
struct TTenLines {
    TBigText View;
    TTenLines() {
        for (int n = 0; n < 10; ++n) View.AppendLine("Line " + std::to_string(n), kBlack, kWindow);
        View.AppendLine("only here: Needle", kBlack, kWindow);
        View.resize(300, 80);
        View.show();
        View.Refresh();
    }
};

TEST(BigText, FindMovesTheMatchToTheTopAndHighlightsIt) {
    TTenLines t;
    TBigText& v = t.View;
    ASSERT_GT(v.VisibleLineCount(), 0);
    EXPECT_EQ(v.Find(std::string("line 3"), true, false), 3);
    EXPECT_EQ(v.TopLine(), 3);
    EXPECT_EQ(v.FoundLine(), 3);
    EXPECT_EQ(RowColour(v, 0), v.Resolve(TBigText::kFoundBack));
    EXPECT_EQ(RowColour(v, 1), v.Resolve(kWindow));

    // The next Find Next continues after the found line; up goes back.
    EXPECT_EQ(v.Find(QString("Line"), true, true), 4);
    EXPECT_EQ(v.Find(QString("Line"), false, true), 3);
    EXPECT_EQ(v.Find(QString("line"), true, true), -1);  // match case: no lower-case "line"
    EXPECT_EQ(v.TopLine(), 3);                           // a miss moves nothing

    // The last line can become the first visible one; below it nothing is left.
    EXPECT_EQ(v.Find(QString("needle"), true, false), 10);
    EXPECT_EQ(v.TopLine(), 10);
    EXPECT_EQ(v.Find(QString("needle"), true, false), -1);
    EXPECT_EQ(v.Find(QString("needle"), false, false), -1);

    v.SetTopLine(0);
    EXPECT_EQ(v.Find(QString("Line"), false, false), -1);
    EXPECT_EQ(v.Find(QString("Line 0"), true, false), -1);  // only on the first visible line
    EXPECT_EQ(v.Find(QString::fromUtf8("Line \u4E2D"), true, false), -1);
}

TEST(BigText, StoresBytesWithColoursAndShowsThemAsWindows1252) {
    TBigText v;
    v.SetTabWidth(4);
    v.AppendLine("\x80 caf\xE9", TColor::FromRgb(0, 0, 255), TColor::FromRgb(255, 255, 0));
    v.AppendLine("\tx = 1", kBlack, kWindow);
    EXPECT_EQ(v.LineText(0), "\x80 caf\xE9");
    EXPECT_EQ(v.DisplayText(0, 0, 80), QString::fromUtf8("€ café"));
    EXPECT_EQ(v.DisplayText(0, 2, 3), QString("caf"));
    EXPECT_EQ(v.LineText(1), "    x = 1");
    EXPECT_EQ(v.LineFontColor(0), TColor::FromRgb(0, 0, 255));
    EXPECT_EQ(v.LineBackColor(0), TColor::FromRgb(255, 255, 0));
    EXPECT_EQ(v.LineBackColor(1), kWindow);
    EXPECT_EQ(v.LineText(5), "");
    v.Clear();
    EXPECT_EQ(v.LineCount(), 0);
}

TEST(BigText, LoadFromFileHandlesOddFilesAndFailures) {
    TempDir dir;
    TBigText v;
    v.resize(300, 200);
    struct TCase {
        const char* Name;
        std::string Bytes;
        std::vector<std::string> Lines;
    };
    const TCase cases[] = {
        {"mixed line ends", "a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        {"empty file", "", {}},
        {"binary bytes kept", std::string("x\0y\x1A", 4) + "\n", {std::string("x\0y\x1A", 4)}},
        {"tabs expanded", "\tIf a Then\r\n", {"    If a Then"}},
    };
    for (const TCase& c : cases) {
        const std::string path = dir.Write("f.bas", c.Bytes);
        EXPECT_EQ(v.LoadFromFile(path), "") << c.Name;
        EXPECT_EQ(ViewLines(v), c.Lines) << c.Name;
        EXPECT_EQ(v.LineFontColor(0), kBlack) << c.Name;
        EXPECT_EQ(v.LineBackColor(0), kWindow) << c.Name;
    }

    // A huge single line scrolls sideways and paints only what is on screen.
    const std::string huge(2'000'000, 'x');
    EXPECT_EQ(v.LoadFromFile(dir.Write("huge.bas", huge + "\r\nEnd")), "");
    EXPECT_EQ(v.LineCount(), 2);
    EXPECT_GT(v.horizontalScrollBar()->maximum(), 1'000'000);
    v.horizontalScrollBar()->setValue(1'500'000);
    EXPECT_FALSE(v.viewport()->grab().isNull());

    for (const std::string& bad : {dir.Str() + "/missing.bas", dir.Str()}) {
        const std::string error = v.LoadFromFile(bad);
        EXPECT_NE(error.find(bad), std::string::npos) << error;
        EXPECT_EQ(v.LineCount(), 0);
    }
}

TEST(ViewSingle, SearchReportsNotFoundThroughTheHost) {
    ScriptedCommandHost host;
    TempDir dir;
    TfrmViewSingleMDI w(host);
    w.resize(400, 200);
    w.show();
    ASSERT_TRUE(w.LoadFile(dir.Write("m.bas", "Sub A\r\nEnd Sub\r\nSub B\r\nEnd Sub\r\n")));

    // Through the dialog, as the user drives it.
    w.findChild<QAction*>("btnSearch")->trigger();
    TFindDialog* dialog = w.Search()->Dialog();
    ASSERT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->Down());
    dialog->SetFindText("end sub");
    dialog->FindNextClick();
    EXPECT_EQ(w.memoSource()->TopLine(), 1);
    dialog->FindNextClick();
    EXPECT_EQ(w.memoSource()->TopLine(), 3);
    EXPECT_TRUE(host.Messages.empty());
    dialog->FindNextClick();
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Kind, MsgKind::Information);
    EXPECT_EQ(host.Messages[0].Text, "Not Found");
    EXPECT_EQ(w.memoSource()->TopLine(), 3);
}

TEST(ViewSingle, UnreadableFileIsReportedAndTheWindowStays) {
    ScriptedCommandHost host;
    QMdiArea mdi;
    mdi.resize(600, 400);
    RFile entry;
    entry.FullPath = "/nonexistent/dir/Gone.frm";
    TfrmViewSingleMDI* w = TfrmViewSingleMDI::ShowSourceFile(&mdi, host, entry);
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Kind, MsgKind::Error);
    EXPECT_NE(host.Messages[0].Text.find("Gone.frm"), std::string::npos);
    EXPECT_EQ(mdi.subWindowList().size(), 1);
    EXPECT_EQ(w->windowTitle(), "File: /nonexistent/dir/Gone.frm");
    EXPECT_EQ(w->memoSource()->LineCount(), 0);
}

std::vector<TStyledLine> Styled(int count, int changedEvery) {
    std::vector<TStyledLine> lines;
    for (int n = 0; n < count; ++n)
        lines.push_back({"styled " + std::to_string(n), n % changedEvery == 0
                                                            ? TColorObject::Changed()
                                                            : TColorObject::Unchanged()});
    return lines;
}

TEST(ViewDual, PreviewColoursAndAnswers) {
    ScriptedCommandHost host;
    TfrmViewDual dual(host);
    const std::vector<std::string> before = {"Sub A()", "x=1", "End Sub"};
    const std::vector<TStyledLine> after = Styled(4, 2);

    bool checked = false;
    QTimer::singleShot(0, &dual, [&] {
        checked = true;
        EXPECT_TRUE(dual.isVisible());
        EXPECT_TRUE(dual.isModal());
        EXPECT_EQ(dual.windowTitle(), "File: Main.frm");
        EXPECT_EQ(ViewLines(*dual.memoCodeBefore()), before);
        TBigText* right = dual.memoCodeAfter();
        ASSERT_EQ(right->LineCount(), 4);
        for (int n = 0; n < 4; ++n) {
            EXPECT_EQ(right->LineText(n), after[n].Text);
            EXPECT_EQ(right->LineBackColor(n), after[n].Mark.BackColor) << n;
            EXPECT_EQ(right->LineFontColor(n), after[n].Mark.FontColor) << n;
            // What is painted follows the marks too.
            EXPECT_EQ(RowColour(*right, n), right->Resolve(after[n].Mark.BackColor)) << n;
        }
        EXPECT_EQ(dual.memoCodeBefore()->LineBackColor(0), kWindow);
        dual.findChild<QAction*>("btnCancel")->trigger();
    });
    EXPECT_EQ(dual.ShowPreview("Main.frm", before, after), PreviewAnswer::CancelProcessing);
    EXPECT_TRUE(checked);
    EXPECT_FALSE(dual.isVisible());

    // The same window again, for the next file: Close goes on with the run.
    QTimer::singleShot(0, &dual, [&] {
        EXPECT_EQ(dual.memoCodeAfter()->LineCount(), 2);
        EXPECT_EQ(dual.ScrollBothBar()->value(), 0);
        dual.findChild<QAction*>("btnClose")->trigger();
    });
    EXPECT_EQ(dual.ShowPreview("Other.bas", {"a"}, Styled(2, 1)), PreviewAnswer::Continue);
    QTimer::singleShot(0, &dual, [&] { dual.reject(); });  // Escape or the window's close box
    EXPECT_EQ(dual.ShowPreview("Third.bas", {}, {}), PreviewAnswer::Continue);
}

TEST(ViewDual, SharedBarRangeAndScrolling) {
    ScriptedCommandHost host;
    TfrmViewDual dual(host);
    std::vector<std::string> before(100, "old");
    dual.FillPreview("Big.bas", before, Styled(120, 7));
    dual.resize(700, 400);
    dual.show();
    TSideBySide* body = dual.Body();
    body->UpdateScrollBothBar();
    const int fit = dual.memoCodeAfter()->VisibleLineCount();
    ASSERT_GT(fit, 2);
    QScrollBar* bar = dual.ScrollBothBar();
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 120 - fit);
    EXPECT_EQ(bar->pageStep(), fit - 1);
    EXPECT_EQ(bar->singleStep(), 1);

    bar->setValue(bar->maximum());
    EXPECT_EQ(dual.memoCodeAfter()->TopLine(), 120 - fit);
    EXPECT_EQ(dual.memoCodeBefore()->TopLine(), std::min(120 - fit, 99));

    // Both fit: the bar still has a range of 0 to 1.
    dual.FillPreview("Small.bas", {"a", "b"}, Styled(3, 1));
    EXPECT_EQ(bar->maximum(), 1);
    EXPECT_EQ(bar->value(), 0);
    dual.hide();

    // The left pop-up makes the left view the search target.
    dual.findChild<QAction*>("mnuSearchAfter")->trigger();
    EXPECT_EQ(dual.Search()->Target(), dual.memoCodeAfter());
    dual.findChild<QAction*>("mnuSearchBefore")->trigger();
    EXPECT_EQ(dual.Search()->Target(), dual.memoCodeBefore());
}

TEST(ViewDualMdi, DiffShowsTheComparisonAndKeepsViewsOnAReadFailure) {
    ScriptedCommandHost host;
    TempDir dir;
    const std::string oldPath = dir.Write("m.bas", "Sub A()\r\nx=1\r\nEnd Sub\r\n");
    const std::string newPath = dir.Write("out/m.bas", "Sub A()\r\n    x = 1\r\nEnd Sub\r\n");
    TfrmViewDualMDI w(host, nullptr);
    w.resize(600, 300);
    w.show();
    w.OpenFiles(oldPath, newPath);
    EXPECT_TRUE(host.Messages.empty());
    EXPECT_EQ(ViewLines(*w.memoCodeBefore()), FileLines(oldPath));

    w.findChild<QAction*>("btnDiff")->trigger();
    ASSERT_EQ(w.memoCodeBefore()->LineCount(), 3);
    EXPECT_EQ(w.memoCodeBefore()->LineBackColor(0), kWindow);
    EXPECT_EQ(w.memoCodeBefore()->LineBackColor(1), kDiffYellow);
    EXPECT_EQ(w.memoCodeAfter()->LineText(1), "    x = 1");
    EXPECT_EQ(w.memoCodeAfter()->LineBackColor(2), kWindow);
    EXPECT_TRUE(host.Messages.empty());

    // Identical files: every row black on the window colour.
    dir.Write("out/m.bas", "Sub A()\r\nx=1\r\nEnd Sub\r\n");
    w.findChild<QAction*>("mnuDiffAfter")->trigger();
    for (int n = 0; n < 3; ++n) {
        EXPECT_EQ(w.memoCodeAfter()->LineBackColor(n), kWindow);
        EXPECT_EQ(w.memoCodeAfter()->LineFontColor(n), kBlack);
    }

    std::filesystem::remove(newPath);
    w.findChild<QAction*>("btnDiff")->trigger();
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Kind, MsgKind::Error);
    EXPECT_NE(host.Messages[0].Text.find(newPath), std::string::npos);
    EXPECT_EQ(w.memoCodeAfter()->LineCount(), 3);  // previous contents stay
    QWidget* busy = w.findChild<QWidget*>("frmStaticProcessing");
    ASSERT_NE(busy, nullptr);
    EXPECT_FALSE(busy->isVisible());
}

// The main window opens the viewers for the example project.
class ViewersMainTest : public ::testing::Test {
protected:
    TempDir config;
    ScopedConfigDir scope{config.Str()};
    std::vector<std::string> messages;
    std::unique_ptr<TfrmMain> w = std::make_unique<TfrmMain>(
        nullptr, [this](MsgKind, const std::string& text, MsgButtons) {
            messages.push_back(text);
            return MsgResult::Ok;
        });

    QWidget* NewestViewer() {
        const QList<QMdiSubWindow*> list = w->Mdi()->subWindowList(QMdiArea::CreationOrder);
        return list.isEmpty() ? nullptr : list.back()->widget();
    }
    QTreeWidgetItem* Node(int i) { return w->Tree()->topLevelItem(0)->child(i); }
    RFile* EntryOf(int i) {
        return reinterpret_cast<RFile*>(Node(i)->data(0, TfrmMain::kEntryRole).value<quintptr>());
    }
};

TEST_F(ViewersMainTest, ViewCommandsOpenTheRightWindows) {
    ASSERT_TRUE(w->OpenProjectFile(kExampleDir + "Inventory.vbp"));
    w->resize(900, 600);
    ASSERT_NE(w->Preview(), nullptr);
    EXPECT_FALSE(w->Preview()->isVisible());

    w->findChild<QAction*>("btnViewProjFile")->trigger();
    auto* project = qobject_cast<TfrmViewSingleMDI*>(NewestViewer());
    ASSERT_NE(project, nullptr);
    EXPECT_EQ(project->windowTitle(), "Project File: Inventory.vbp");
    EXPECT_EQ(ViewLines(*project->memoSource()), FileLines(kExampleDir + "Inventory.vbp"));

    // The root selects no file: nothing opens.
    w->Tree()->setCurrentItem(w->Tree()->topLevelItem(0));
    w->ViewSelectedFile();
    EXPECT_EQ(w->Mdi()->subWindowList().size(), 1);

    w->Tree()->setCurrentItem(Node(1));
    w->findChild<QAction*>("mnuViewSource")->trigger();
    auto* single = qobject_cast<TfrmViewSingleMDI*>(NewestViewer());
    ASSERT_NE(single, nullptr);
    EXPECT_EQ(single->windowTitle().toStdString(), "File: " + EntryOf(1)->FullPath);
    EXPECT_EQ(ViewLines(*single->memoSource()), FileLines(EntryOf(1)->FullPath, w->State().VBTabStops));

    // A processed entry opens side by side with its styled copy.
    TempDir out;
    RFile* form = EntryOf(0);
    form->Processed = true;
    form->NewPath = out.Write("frmMain.frm", "Styled line\r\n");
    w->Tree()->setCurrentItem(Node(0));
    w->findChild<QAction*>("popViewSource")->trigger();
    auto* dual = qobject_cast<TfrmViewDualMDI*>(NewestViewer());
    ASSERT_NE(dual, nullptr);
    EXPECT_EQ(dual->windowTitle().toStdString(), "File: " + form->FullPath);
    EXPECT_EQ(ViewLines(*dual->memoCodeBefore()), FileLines(form->FullPath, w->State().VBTabStops));
    EXPECT_EQ(ViewLines(*dual->memoCodeAfter()), std::vector<std::string>{"Styled line"});
    EXPECT_TRUE(messages.empty()) << messages.front();
    EXPECT_EQ(w->Mdi()->subWindowList().size(), 3);

    // The Window menu lists the new windows by their captions.
    QMenu* windowMenu = w->findChild<QMenu*>("mnuWindowMenu");
    emit windowMenu->aboutToShow();
    QStringList captions;
    for (QAction* a : windowMenu->actions()) captions << a->text();
    EXPECT_TRUE(captions.join('\n').contains("Project File: Inventory.vbp"))
        << captions.join(' ').toStdString();

    // Close destroys the child window.
    QPointer<QWidget> closed = dual;
    dual->findChild<QAction*>("btnClose")->trigger();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closed.isNull());
    EXPECT_EQ(w->Mdi()->subWindowList().size(), 2);
}

TEST_F(ViewersMainTest, DropsAreTakenOnlyFromTheProjectTree) {
    EXPECT_TRUE(TfrmMain::AcceptsDropFrom(w->Tree()));
    QObject other;
    other.setObjectName("lstFiles");
    EXPECT_FALSE(TfrmMain::AcceptsDropFrom(&other));
    EXPECT_FALSE(TfrmMain::AcceptsDropFrom(nullptr));

    // A drop from outside the program (no source) opens nothing.
    ASSERT_TRUE(w->OpenProjectFile(kExampleDir + "Inventory.vbp"));
    w->Tree()->setCurrentItem(Node(1));
    QMimeData data;
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w.get(), &drop);
    EXPECT_TRUE(w->Mdi()->subWindowList().isEmpty());
}

}  // namespace
}  // namespace plumora

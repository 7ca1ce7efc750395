// Printing listings: the report drawn onto a PDF file and read back with
// poppler's pdftotext, the print-side question, and the Print button of
// every viewer (which window asks, which view is printed, Cancel prints
// nothing).
#include <string>
#include <vector>

#include <QDateTime>
#include <QKeyEvent>
#include <QLabel>
#include <QPdfWriter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include "app/frm_main.h"
#include "formatter/formatter.h"
#include "gui/modal_answers.h"
#include "support/scripted_hosts.h"
#include "support/temp_dir.h"
#include "ui/big_text.h"
#include "ui/listing_report.h"
#include "viewers/frm_big_text_reporter.h"
#include "viewers/frm_leftor_right.h"
#include "viewers/frm_view_dual.h"
#include "viewers/frm_view_dual_mdi.h"
#include "viewers/frm_view_single.h"
#include "viewers/qt_side_by_side.h"

namespace plumora {
namespace {

using testing::AnswerModals;
using testing::ScriptedCommandHost;
using testing::TempDir;

constexpr TColor kBlack = TColor::FromRgb(0, 0, 0);

// Runs a poppler tool; empty when it is not installed or fails.
QString Poppler(const QString& tool, const QStringList& args) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty()) return {};
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

bool HavePoppler() {
    return !QStandardPaths::findExecutable("pdftotext").isEmpty() &&
           !QStandardPaths::findExecutable("pdfinfo").isEmpty();
}

int PdfPages(const QString& pdf) {
    for (const QString& line : Poppler("pdfinfo", {pdf}).split('\n'))
        if (line.startsWith("Pages:")) return line.mid(6).trimmed().toInt();
    return -1;
}

QString PdfPageText(const QString& pdf, int page) {
    const QString n = QString::number(page);
    return Poppler("pdftotext", {"-layout", "-f", n, "-l", n, pdf, "-"});
}

QString LineText(int n) { return QString("Line %1 of the listing").arg(n, 3, 10, QChar('0')); }

void FillView(TBigText& view, int lines) {
    for (int n = 0; n < lines; ++n)
        view.AppendLine(LineText(n).toStdString(), kBlack, TColor::SystemWindow());
}

int RenderToPdf(TListingReport& report, const QString& pdf, const QDateTime& when) {
    QPdfWriter writer(pdf);
    TListingReport::SetDefaultPageLayout(writer);
    return report.Render(writer, when);
}

class ListingPdf : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HavePoppler()) GTEST_SKIP() << "poppler-utils (pdftotext, pdfinfo) is not installed";
    }
    TempDir dir;
    QString Pdf(const char* name) const { return QString::fromStdString(dir.Str()) + "/" + name; }
};

TEST_F(ListingPdf, ThreeHundredLinesKeepTheirOrderOverEveryPage) {
    TBigText view;
    FillView(view, 300);
    TListingReport report(view, "File: C:\\VB\\Orders.bas");
    const QDateTime when(QDate(2024, 3, 5), QTime(14, 7, 9));
    const QString pdf = Pdf("listing.pdf");
    const int pages = RenderToPdf(report, pdf, when);

    // A4 with 8 point rows holds about 70 lines a page: more than one page,
    // fewer than ten, and the file has exactly the pages drawn.
    ASSERT_GT(pages, 1);
    ASSERT_LT(pages, 10);
    EXPECT_EQ(PdfPages(pdf), pages);
    EXPECT_EQ(report.Row(), 300);

    int expected = 0;
    for (int page = 1; page <= pages; ++page) {
        const QString text = PdfPageText(pdf, page);
        EXPECT_TRUE(text.contains("Filename: File: C:\\VB\\Orders.bas")) << page;
        EXPECT_TRUE(text.contains(TListingReport::PrintedAtText(when))) << page;
        EXPECT_TRUE(text.contains(QString("Page %1").arg(page))) << page;
        EXPECT_EQ(text.contains("Plumora/VB Report Generator"), page == 1) << page;
        // Every row once, in order, continuing where the page before ended.
        for (const QString& line : text.split('\n')) {
            const QString row = line.trimmed();
            if (!row.startsWith("Line ")) continue;
            EXPECT_EQ(row, LineText(expected)) << "page " << page;
            ++expected;
        }
        if (page == 1) {
            EXPECT_TRUE(text.contains(LineText(0)));
        }
        if (page == pages) {
            EXPECT_TRUE(text.contains(LineText(299)));
        }
    }
    EXPECT_EQ(expected, 300);
    EXPECT_TRUE(TListingReport::PrintedAtText(when).startsWith("Printed at "));
    EXPECT_TRUE(TListingReport::PrintedAtText(when).contains("14:07:09"));
}

TEST_F(ListingPdf, EveryRenderingStartsAtTheFirstLine) {
    // The preview draws, then the print draws again: both from line 0.
    TBigText view;
    FillView(view, 120);
    TListingReport report(view, "File: a.bas");
    const QDateTime when = QDateTime::currentDateTime();
    const int first = RenderToPdf(report, Pdf("preview.pdf"), when);
    ASSERT_EQ(report.Row(), 120);
    const int second = RenderToPdf(report, Pdf("print.pdf"), when);
    EXPECT_EQ(second, first);
    EXPECT_EQ(report.Row(), 120);
    EXPECT_TRUE(PdfPageText(Pdf("print.pdf"), 1).contains(LineText(0)));
    EXPECT_TRUE(PdfPageText(Pdf("print.pdf"), second).contains(LineText(119)));
}

TEST_F(ListingPdf, EmptyViewPrintsOnePageWithItsHeadersAndLongLinesStayOnThePage) {
    TBigText empty;
    TListingReport report(empty, "Project File: Empty.vbp");
    EXPECT_EQ(RenderToPdf(report, Pdf("empty.pdf"), QDateTime::currentDateTime()), 1);
    const QString text = PdfPageText(Pdf("empty.pdf"), 1);
    EXPECT_TRUE(text.contains("Filename: Project File: Empty.vbp"));
    EXPECT_TRUE(text.contains("Page 1"));

    // A line wider than the page is cut at the right margin, not wrapped
    // into a second row or drawn off the paper.
    TBigText wide;
    wide.AppendLine("X = " + std::string(400, 'a') + "Z", kBlack, TColor::SystemWindow());
    wide.AppendLine("Next", kBlack, TColor::SystemWindow());
    TListingReport wideReport(wide, "File: w.bas");
    EXPECT_EQ(RenderToPdf(wideReport, Pdf("wide.pdf"), QDateTime::currentDateTime()), 1);
    const QString wideText = PdfPageText(Pdf("wide.pdf"), 1);
    EXPECT_TRUE(wideText.contains("X = aaaa"));
    EXPECT_FALSE(wideText.contains("aZ"));
    EXPECT_TRUE(wideText.contains("Next"));
}

TEST(LeftOrRight, TextsButtonsAndAnswers) {
    TfrmLeftorRight question;
    EXPECT_EQ(question.windowTitle(), "Print left or right?");
    EXPECT_EQ(question.findChild<QLabel*>("lblQuestion")->text(),
              "Do you wish to print the code on the left or on the right?");
    EXPECT_EQ(question.btnCancel()->text(), "&Cancel");
    EXPECT_EQ(question.btnLeft()->text(), "&Left");
    EXPECT_EQ(question.btnRight()->text(), "&Right");

    struct TCase {
        const char* Name;
        std::function<void(QWidget*)> Answer;
        TPrintSide Expected;
    };
    const TCase cases[] = {
        {"Left", [&](QWidget*) { question.btnLeft()->click(); }, TPrintSide::Left},
        {"Right", [&](QWidget*) { question.btnRight()->click(); }, TPrintSide::Right},
        {"Cancel", [&](QWidget*) { question.btnCancel()->click(); }, TPrintSide::Cancel},
        {"Escape",
         [](QWidget* w) {
             QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
             QApplication::sendEvent(w, &escape);
         },
         TPrintSide::Cancel},
        {"close box", [](QWidget* w) { w->close(); }, TPrintSide::Cancel},
    };
    for (const TCase& c : cases) {
        TPrintSide answer = TPrintSide::Left;
        const auto seen = AnswerModals([&] { answer = question.Ask(); }, {c.Answer});
        ASSERT_EQ(seen.size(), 1u) << c.Name;
        EXPECT_EQ(seen[0], "frmLeftorRight") << c.Name;
        EXPECT_EQ(answer, c.Expected) << c.Name;
        // Hidden, not destroyed: the next question reuses it.
        EXPECT_FALSE(question.isVisible()) << c.Name;
    }
}

// What a Print command opened: the report window's view and title.
struct TPrinted {
    std::vector<std::string> Windows;  // object names, in order
    const TBigText* View = nullptr;
    QString Title;
};

TPrinted Print(const std::function<void()>& command, const std::vector<const char*>& sides) {
    TPrinted printed;
    std::vector<testing::ModalAnswer> answers;
    for (const char* side : sides) {
        answers.push_back([side](QWidget* w) {
            if (auto* question = qobject_cast<TfrmLeftorRight*>(w)) {
                question->findChild<QPushButton*>(side)->click();
            } else {
                w->close();
            }
        });
    }
    answers.push_back([&](QWidget* w) {
        if (auto* report = qobject_cast<TfrmBigTextReporter*>(w)) {
            printed.View = &report->View();
            printed.Title = report->Title();
            EXPECT_EQ(report->windowTitle(), "Plumora/VB Report Generator");
        }
        w->close();
    });
    printed.Windows = AnswerModals(command, answers);
    return printed;
}

TEST(ViewerPrint, SingleViewerPrintsItsFileWithoutAsking) {
    ScriptedCommandHost host;
    TempDir dir;
    TfrmViewSingleMDI w(host);
    w.setWindowTitle("File: C:\\VB\\m.bas");
    ASSERT_TRUE(w.LoadFile(dir.Write("m.bas", "Sub A\r\nEnd Sub\r\n")));
    const TPrinted printed = Print([&] { w.btnPrintClick(); }, {});
    EXPECT_EQ(printed.Windows, std::vector<std::string>{"frmBigTextReporter"});
    EXPECT_EQ(printed.View, w.memoSource());
    EXPECT_EQ(printed.Title, "File: C:\\VB\\m.bas");
    EXPECT_TRUE(host.Messages.empty());
}

TEST(ViewerPrint, SideBySideAsksWhichSideAndCancelPrintsNothing) {
    ScriptedCommandHost host;
    TempDir dir;
    TfrmViewDualMDI w(host, nullptr);
    w.setWindowTitle("File: C:\\VB\\m.bas");
    w.OpenFiles(dir.Write("m.bas", "Sub A\r\nEnd Sub\r\n"), dir.Write("s.bas", "Sub A\r\n\r\nEnd Sub\r\n"));

    const TPrinted cancelled = Print([&] { w.btnPrintClick(); }, {"btnCancel"});
    EXPECT_EQ(cancelled.Windows, std::vector<std::string>{"frmLeftorRight"});
    EXPECT_EQ(cancelled.View, nullptr);

    const TPrinted left = Print([&] { w.btnPrintClick(); }, {"btnLeft"});
    EXPECT_EQ(left.Windows, (std::vector<std::string>{"frmLeftorRight", "frmBigTextReporter"}));
    EXPECT_EQ(left.View, w.memoCodeBefore());
    EXPECT_EQ(left.Title, "File: C:\\VB\\m.bas");

    const TPrinted right = Print([&] { w.btnPrintClick(); }, {"btnRight"});
    EXPECT_EQ(right.View, w.memoCodeAfter());
    EXPECT_TRUE(host.Messages.empty());
}

TEST(ViewerPrint, PreviewAndStyledViewersShareTheProgramsQuestion) {
    TempDir config;
    testing::ScopedConfigDir scope(config.Str());
    TfrmMain main(nullptr, [](MsgKind, const std::string&, MsgButtons) { return MsgResult::Ok; });
    TfrmLeftorRight* question = main.PrintSideQuestion();
    ASSERT_NE(question, nullptr);
    EXPECT_FALSE(question->isVisible());
    EXPECT_EQ(main.Preview()->Body()->PrintSideQuestion(), question);

    // The preview prints the side chosen, with its caption as the title.
    TfrmViewDual* preview = main.Preview();
    preview->FillPreview("frmMain.frm", {"Sub A", "End Sub"}, {});
    const TPrinted left = Print([&] { preview->btnPrintClick(); }, {"btnLeft"});
    EXPECT_EQ(left.Windows, (std::vector<std::string>{"frmLeftorRight", "frmBigTextReporter"}));
    EXPECT_EQ(left.View, preview->memoCodeBefore());
    EXPECT_EQ(left.Title, "File: frmMain.frm");

    RFile entry;
    entry.FullPath = config.Write("a.bas", "Sub A\r\nEnd Sub\r\n");
    entry.NewPath = config.Write("STYLED/a.bas", "Sub A\r\nEnd Sub\r\n");
    entry.Processed = true;
    main.ShowFileViewer(entry);
    auto* styled = main.findChild<TfrmViewDualMDI*>();
    ASSERT_NE(styled, nullptr);
    EXPECT_EQ(styled->Body()->PrintSideQuestion(), question);
}

}  // namespace
}  // namespace plumora

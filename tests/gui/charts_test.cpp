// The chart selector and the chart windows: the selector's texts and
// samples, every chart of the example as drawn, the three messages, charts
// with many bars, printing, and the main window's Charts command.
#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include <QAreaSeries>
#include <QBarSeries>
#include <QChart>
#include <QChartView>
#include <QGraphicsTextItem>
#include <QKeyEvent>
#include <QTextBrowser>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPdfWriter>
#include <QPieSeries>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include "app/frm_main.h"
#include "charts/chart_table.h"
#include "charts/frm_chart.h"
#include "charts/frm_chart_selector.h"
#include "gui/modal_answers.h"
#include "project/app_state.h"
#include "project/open_project.h"
#include "project/source_mgt.h"
#include "settings/option_set.h"
#include "support/scripted_hosts.h"
#include "support/temp_dir.h"
#include "ui/chart_drawing.h"
#include "ui/help_window.h"

namespace plumora {
namespace {

using testing::ScriptedCommandHost;
using testing::TempDir;

const std::string kExample = std::string(PLUMORA_SOURCE_DIR) + "/examples/Inventory/Inventory.vbp";

std::vector<TfrmChart*> ChartWindows(QMdiArea& mdi) {
    std::vector<TfrmChart*> charts;
    for (QMdiSubWindow* sub : mdi.subWindowList(QMdiArea::CreationOrder))
        if (auto* chart = qobject_cast<TfrmChart*>(sub->widget())) charts.push_back(chart);
    return charts;
}

// The selector over the example project, with a scripted host.
class ChartSelectorTest : public ::testing::Test {
protected:
    void SetUp() override {
        mdi.resize(900, 600);
        mdi.show();
        ASSERT_TRUE(OpenProject(state, options, host, kExample));
        host.Messages.clear();
        selector.SetProject(state.Project.get());
        selector.show();
    }

    void Create(int row) {
        selector.lbxChoices()->setCurrentRow(row);
        selector.btnCreateChart()->click();
    }

    TempDir config;
    testing::ScopedConfigDir scope{config.Str()};
    ScriptedCommandHost host;
    TAppState state;
    TOptionSet options;
    QMdiArea mdi;
    TfrmChartSelector selector{host, &mdi};
};

TEST_F(ChartSelectorTest, TextsSamplesAndTheFirstItemOnEveryShow) {
    EXPECT_EQ(selector.windowTitle(), "Chart Selector");
    EXPECT_TRUE(selector.isModal());
    EXPECT_EQ(selector.btnCreateChart()->text(), "C&reate");
    EXPECT_TRUE(selector.btnCreateChart()->isDefault());
    EXPECT_EQ(selector.btnClose()->text(), "&Close");
    std::vector<QString> labels;
    for (QLabel* label : selector.findChildren<QLabel*>()) labels.push_back(label->text());
    for (const char* text : {"Available Charts:", "Description:", "Plumora/VB"})
        EXPECT_NE(std::find(labels.begin(), labels.end(), text), labels.end()) << text;
    EXPECT_TRUE(selector.SampleFooter()->font().italic());
    EXPECT_EQ(selector.chartSample()->chart()->title(), "Chart Sample");
    ASSERT_EQ(selector.lbxChoices()->count(), 7);
    EXPECT_EQ(selector.lbxChoices()->item(6)->text(), "% of whitespace to code per module");

    // Five samples of ten values each.
    auto* bar = qobject_cast<QBarSeries*>(selector.SampleSeries(TfrmChartSelector::sBar));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->count(), 10);
    auto* pie = qobject_cast<QPieSeries*>(selector.SampleSeries(TfrmChartSelector::sPie));
    ASSERT_NE(pie, nullptr);
    EXPECT_EQ(pie->count(), 10);
    for (auto s : {TfrmChartSelector::sArea, TfrmChartSelector::sSurface, TfrmChartSelector::sVolume})
        EXPECT_NE(selector.SampleSeries(s), nullptr);

    // Shown: the first item, its description and the bar sample.
    EXPECT_EQ(selector.lbxChoices()->currentRow(), 0);
    EXPECT_EQ(selector.memoDescription()->toPlainText(),
              "Produce a bar graph of all of\nthe files in the project along\nwith their respective sizes.");
    EXPECT_EQ(selector.ShownSample(), TfrmChartSelector::sBar);
    selector.lbxChoices()->setCurrentRow(1);
    EXPECT_EQ(selector.ShownSample(), TfrmChartSelector::sPie);
    EXPECT_EQ(selector.chartSample()->chart()->series().size(), 1);
    EXPECT_EQ(selector.memoDescription()->toPlainText(),
              "Create a pie chart that breaks\ndown files by their extension.");
    selector.lbxChoices()->setCurrentRow(4);
    EXPECT_EQ(selector.ShownSample(), TfrmChartSelector::sBar);

    selector.hide();
    selector.show();
    EXPECT_EQ(selector.lbxChoices()->currentRow(), 0);
    EXPECT_TRUE(ChartWindows(mdi).empty());
}

TEST_F(ChartSelectorTest, EveryChartOfTheExampleShowsItsTable) {
    for (int row = 0; row < 7; ++row) {
        Create(row);
        std::vector<TfrmChart*> charts = ChartWindows(mdi);
        ASSERT_EQ(charts.size(), static_cast<std::size_t>(row + 1));
        TfrmChart* chart = charts.back();
        const TChartTable table = BuildChartTable(*state.Project, ChartItems()[row].Kind);
        EXPECT_EQ(chart->windowTitle().toStdString(), table.Caption);
        EXPECT_EQ(chart->chartMain()->title().toStdString(), table.Title);
        EXPECT_EQ(chart->chartMain()->titleBrush().color(), QColor(0, 0, 255));
        EXPECT_TRUE(chart->chartMain()->titleFont().bold());
        const bool pie = table.Series == TSeriesKind::skPie;
        EXPECT_EQ(chart->PieSeries() != nullptr, pie) << table.Title;
        EXPECT_EQ(chart->barSeries().empty(), pie) << table.Title;

        const auto shown = chart->ShownPoints();
        ASSERT_EQ(shown.size(), table.Points.size()) << table.Title;
        std::set<QRgb> colours;
        for (std::size_t i = 0; i < shown.size(); ++i) {
            const QString label = QString::fromStdString(table.Points[i].Label);
            if (pie) EXPECT_TRUE(shown[i].Label.startsWith(label + " ")) << shown[i].Label.toStdString();
            else EXPECT_EQ(shown[i].Label, label);
            EXPECT_EQ(shown[i].Value, table.Points[i].Value) << table.Title << " " << i;
            colours.insert(shown[i].Colour.rgb());
        }
        EXPECT_EQ(colours.size(), shown.size()) << "each point its own colour: " << table.Title;
    }
    // Spot checks against counts made by hand.
    const auto routines = ChartWindows(mdi)[2]->ShownPoints();
    EXPECT_EQ(routines[0].Label, "frmMain.frm");
    EXPECT_EQ(routines[0].Value, 16);
    const auto types = ChartWindows(mdi)[1]->ShownPoints();
    ASSERT_EQ(types.size(), 4u);
    EXPECT_EQ(types[0].Label, ".BAS 25%");
    EXPECT_TRUE(selector.isVisible()) << "the selector stays open";
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(ChartSelectorTest, DoubleClickCreatesAndTheThreeMessagesCreateNothing) {
    selector.lbxChoices()->setCurrentRow(3);
    emit selector.lbxChoices()->itemDoubleClicked(selector.lbxChoices()->item(3));
    ASSERT_EQ(ChartWindows(mdi).size(), 1u);
    EXPECT_EQ(ChartWindows(mdi)[0]->windowTitle(), "Chart: Globals per module");

    selector.lbxChoices()->clearSelection();
    selector.btnCreateChart()->click();
    TSourceMgt noCode;
    noCode.Head.reset();
    for (TSourceMgt* project : {static_cast<TSourceMgt*>(nullptr), &noCode}) {
        selector.SetProject(project);
        Create(0);
    }
    ASSERT_EQ(host.Messages.size(), 3u);
    EXPECT_EQ(host.Messages[0].Kind, MsgKind::Information);
    EXPECT_EQ(host.Messages[0].Text, "Please select a chart to graph.");
    EXPECT_EQ(host.Messages[1].Kind, MsgKind::Warning);
    EXPECT_EQ(host.Messages[1].Text, "Source management object is empty; unable to create a graph.");
    EXPECT_EQ(host.Messages[2].Kind, MsgKind::Warning);
    EXPECT_EQ(host.Messages[2].Text,
              "Source management object contains no code, unable to create the graph.");
    EXPECT_EQ(ChartWindows(mdi).size(), 1u);

    // A model holding the blank entry alone charts nothing, but does chart.
    TSourceMgt blank;
    selector.SetProject(&blank);
    Create(0);
    ASSERT_EQ(ChartWindows(mdi).size(), 2u);
    EXPECT_TRUE(ChartWindows(mdi)[1]->ShownPoints().empty());
    EXPECT_EQ(host.Messages.size(), 3u);
}

TEST_F(ChartSelectorTest, F1OpensTheHelpPagesOfTheSelectorAndTheChartWindow) {
    Create(0);
    struct TCase {
        QWidget* Window;
        int Context;
    };
    for (const TCase& c : {TCase{&selector, 80}, TCase{ChartWindows(mdi)[0], 81}}) {
        ASSERT_FALSE(HelpPagePath(c.Context).isEmpty()) << c.Context;
        QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
        QApplication::sendEvent(c.Window, &f1);
        QTextBrowser* browser = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "frmHelp") browser = w->findChild<QTextBrowser*>("browserHelp");
        ASSERT_NE(browser, nullptr);
        EXPECT_TRUE(browser->source().toString().endsWith(QString("/%1.html").arg(c.Context)));
        EXPECT_FALSE(browser->toPlainText().contains("This help page is missing")) << c.Context;
        EXPECT_TRUE(browser->toPlainText().contains(c.Context == 80 ? "Chart Selector" : "Chart windows"));
    }
}

TChartTable ManyBars(int count) {
    TChartTable table;
    table.Caption = "Chart: Files in project by size";
    table.Title = "Files in project by size";
    for (int i = 0; i < count; ++i)
        table.Points.push_back({"Module" + std::to_string(1000 + i) + ".bas", 100.0 + i});
    return table;
}

// Axis labels that the chart draws for the bars.
std::vector<QGraphicsTextItem*> BarLabels(TfrmChart& chart) {
    std::vector<QGraphicsTextItem*> labels;
    for (QGraphicsItem* item : chart.chartMain()->scene()->items()) {
        auto* text = dynamic_cast<QGraphicsTextItem*>(item);
        if (text && text->isVisible() && text->toPlainText().contains(".bas")) labels.push_back(text);
    }
    return labels;
}

TEST(ChartWindow, ManyBarsScrollAndEveryShownLabelIsWholeAndApart) {
    ScriptedCommandHost host;
    QMdiArea mdi;
    mdi.resize(900, 600);
    mdi.show();
    TfrmChart* chart = TfrmChart::ShowChart(&mdi, host, ManyBars(539));
    chart->parentWidget()->resize(720, 480);
    QApplication::processEvents();

    ASSERT_EQ(chart->barSeries().size(), 539u);
    QScrollBar* scroller = chart->BarScroller();
    EXPECT_TRUE(scroller->isVisible());
    const int shown = chart->ShownBarCount();
    EXPECT_GT(shown, 5);
    EXPECT_LT(shown, 539);
    EXPECT_LE(shown * BarSlotWidth(), chart->chartMain()->plotArea().width() + 1);
    EXPECT_EQ(scroller->maximum(), 539 - shown);

    auto checkLabels = [&](int first) {
        std::vector<QGraphicsTextItem*> labels = BarLabels(*chart);
        ASSERT_EQ(labels.size(), static_cast<std::size_t>(shown)) << first;
        std::sort(labels.begin(), labels.end(), [](auto* a, auto* b) {
            return a->sceneBoundingRect().left() < b->sceneBoundingRect().left();
        });
        for (std::size_t i = 0; i < labels.size(); ++i) {
            EXPECT_EQ(labels[i]->toPlainText().toStdString(),
                      "Module" + std::to_string(1000 + first + static_cast<int>(i)) + ".bas");
            if (i > 0) {
                EXPECT_FALSE(labels[i]->sceneBoundingRect().intersects(labels[i - 1]->sceneBoundingRect()))
                    << "labels " << i - 1 << " and " << i << " overlap";
            }
        }
    };
    checkLabels(0);
    scroller->setValue(scroller->maximum());
    QApplication::processEvents();
    EXPECT_EQ(chart->FirstShownBar(), 539 - shown);
    checkLabels(539 - shown);

    // Wide enough for every bar: no scrolling.
    TfrmChart* few = TfrmChart::ShowChart(&mdi, host, ManyBars(4));
    few->parentWidget()->resize(720, 480);
    QApplication::processEvents();
    EXPECT_FALSE(few->BarScroller()->isVisible());
    EXPECT_EQ(few->ShownBarCount(), 4);
}

TEST(ChartWindow, FilesOfOneNameKeepABarAndALabelEach) {
    ScriptedCommandHost host;
    QMdiArea mdi;
    mdi.resize(900, 600);
    mdi.show();
    TChartTable table = ManyBars(0);
    table.Points = {{"Module1.bas", 10}, {"Module1.bas", 20}, {"Other.bas", -1}};
    TfrmChart* chart = TfrmChart::ShowChart(&mdi, host, table);
    QApplication::processEvents();
    const auto shown = chart->ShownPoints();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[1].Label, "Module1.bas");
    EXPECT_EQ(shown[2].Value, -1);  // a file missing at opening
    EXPECT_EQ(BarLabels(*chart).size(), 3u);
}

TEST(ChartWindow, PrintsOneLandscapePageAndSaysWhenThereIsNoPrinter) {
    ScriptedCommandHost host;
    QMdiArea mdi;
    mdi.resize(900, 600);
    mdi.show();
    TChartTable table = ManyBars(12);
    TfrmChart* chart = TfrmChart::ShowChart(&mdi, host, table);
    QApplication::processEvents();

    TempDir dir;
    const QString pdf = QString::fromStdString(dir.Str()) + "/chart.pdf";
    {
        QPdfWriter writer(pdf);
        EXPECT_TRUE(chart->PrintTo(writer));
    }
    const QString pdfinfo = QStandardPaths::findExecutable("pdfinfo");
    if (pdfinfo.isEmpty()) {
        GTEST_SKIP() << "poppler-utils (pdfinfo) is not installed";
    }
    QProcess info;
    info.start(pdfinfo, {pdf});
    ASSERT_TRUE(info.waitForFinished(30000));
    const QString out = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(out.contains(QRegularExpression("Pages:\\s+1\\n"))) << out.toStdString();
    const QRegularExpressionMatch size = QRegularExpression("Page size:\\s+([\\d.]+) x ([\\d.]+)").match(out);
    ASSERT_TRUE(size.hasMatch()) << out.toStdString();
    EXPECT_GT(size.captured(1).toDouble(), size.captured(2).toDouble()) << "landscape";

    if (!QPrinterInfo::defaultPrinter().isNull()) {
        GTEST_SKIP() << "a default printer is set up; not printing on it";
    }
    chart->btnPrintClick();
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Kind, MsgKind::Error);
    EXPECT_EQ(host.Messages[0].Text, kMsgNoPrinter);
    EXPECT_EQ(host.HourglassChanges, (std::vector<bool>{true, false}));
    EXPECT_FALSE(host.HourglassOn) << "the hourglass is gone before the message";
}

TEST(ChartWindow, MainWindowChartsCommandOpensTheSelectorForTheOpenProject) {
    TempDir config;
    testing::ScopedConfigDir scope(config.Str());
    std::vector<std::string> messages;
    TfrmMain main(nullptr, [&](MsgKind, const std::string& text, MsgButtons) {
        messages.push_back(text);
        return MsgResult::Ok;
    });
    main.show();
    ASSERT_TRUE(main.OpenProjectFile(kExample));
    QAction* charts = main.findChild<QAction*>("btnCharts");
    ASSERT_NE(charts, nullptr);
    const auto seen = testing::AnswerModals([&] { charts->trigger(); },
                                            {[](QWidget* w) {
                                                auto* selector = qobject_cast<TfrmChartSelector*>(w);
                                                ASSERT_NE(selector, nullptr);
                                                selector->lbxChoices()->setCurrentRow(4);
                                                selector->btnCreateChart()->click();
                                                selector->btnClose()->click();
                                            }});
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], "frmChartSelector");
    EXPECT_FALSE(main.ChartSelector()->isVisible()) << "hidden, not destroyed";
    const std::vector<TfrmChart*> windows = ChartWindows(*main.Mdi());
    ASSERT_EQ(windows.size(), 1u);
    EXPECT_EQ(windows[0]->windowTitle(), "Chart: Lines of code per file");
    EXPECT_EQ(windows[0]->ShownPoints().size(), 4u);
    EXPECT_TRUE(messages.empty());

    // "Close" destroys the chart window.
    windows[0]->btnCloseClick();
    QApplication::processEvents();
    EXPECT_TRUE(ChartWindows(*main.Mdi()).empty());
}

}  // namespace
}  // namespace plumora

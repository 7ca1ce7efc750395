// TfrmChart: a child window of the main window showing one statistics chart,
// with "Close" and "Print (Immediate)". A bar chart with more bars than the
// window can label shows as many as fit and scrolls sideways through the
// rest (scroll bar or mouse wheel); title and value axis stay in place.
#pragma once

#include <vector>

#include <QColor>
#include <QString>
#include <QWidget>

#include "charts/chart_table.h"

class QAreaSeries;
class QChart;
class QChartView;
class QMdiArea;
class QPagedPaintDevice;
class QPieSeries;
class QScrollBar;

namespace plumora {

class ICommandHost;

// Said when "Print (Immediate)" finds nothing to print on.
inline constexpr const char* kMsgNoPrinter =
    "No default printer is set up; the chart was not printed.";
inline constexpr const char* kMsgPrintFailed = "The chart could not be printed.";

class TfrmChart : public QWidget {
    Q_OBJECT

public:
    // The help page of chart windows.
    static constexpr int kHelpContext = 81;

    // The host shows messages and the hourglass; it must outlive the window.
    explicit TfrmChart(ICommandHost& host, QWidget* parent = nullptr);

    // A new child window in `mdi` showing `table`.
    static TfrmChart* ShowChart(QMdiArea* mdi, ICommandHost& host, const TChartTable& table);

    // Caption, title and the points of the table's series; the other
    // series is left off the chart.
    void Fill(const TChartTable& table);

    QChart* chartMain() const { return chartMain_; }
    QChartView* ChartView() const { return chartView_; }
    // Scrolls through the bars; hidden while every bar fits.
    QScrollBar* BarScroller() const { return barScroller_; }
    // The bars shown now: the first and how many.
    int FirstShownBar() const;
    int ShownBarCount() const { return shownBars_; }
    // Exactly one of them holds the points; the other is empty.
    const std::vector<QAreaSeries*>& barSeries() const { return barSeries_; }
    QPieSeries* PieSeries() const { return PieSeries_; }

    // What the chart shows, point by point, as drawn.
    struct TShownPoint {
        QString Label;
        double Value = 0;
        QColor Colour;
    };
    std::vector<TShownPoint> ShownPoints() const;

    // Draws the chart as shown on one landscape page of `device`. False when
    // the device could not be painted on.
    bool PrintTo(QPagedPaintDevice& device);

    void btnCloseClick();
    // To the default printer without a dialog, once, in landscape; the
    // hourglass shows meanwhile.
    void btnPrintClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Fits the shown bars to the plot's width after a resize.
    void UpdateBarWindow();

    ICommandHost& host_;
    QChart* chartMain_ = nullptr;
    QChartView* chartView_ = nullptr;
    QScrollBar* barScroller_ = nullptr;
    int shownBars_ = 0;
    bool updatingBars_ = false;
    std::vector<QAreaSeries*> barSeries_;
    QPieSeries* PieSeries_ = nullptr;
};

}  // namespace plumora

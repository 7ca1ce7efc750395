// The chart window: toolbar, the chart with its bar scroller, immediate print.
#include "charts/frm_chart.h"

#include <algorithm>

#include <QApplication>
#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QKeyEvent>
#include <QMdiArea>
#include <QPainter>
#include <QPieSeries>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScrollBar>
#include <QWheelEvent>
#include <QToolBar>
#include <QVBoxLayout>

#include "host/command_host.h"
#include "ui/chart_drawing.h"
#include "ui/help_window.h"
#include "viewers/qt_viewer_parts.h"

namespace plumora {

TfrmChart::TfrmChart(ICommandHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName("frmChart");
    setWindowTitle("Chart");

    QToolBar* bar = NewViewerToolBar(this);
    connect(AddViewerButton(bar, "btnClose", "Close", QStyle::SP_DialogCloseButton),
            &QAction::triggered, this, &TfrmChart::btnCloseClick);
    connect(AddViewerButton(bar, "btnPrint", "Print (Immediate)", QStyle::SP_FileDialogDetailedView),
            &QAction::triggered, this, &TfrmChart::btnPrintClick);

    chartMain_ = new QChart;
    chartMain_->legend()->hide();
    chartMain_->setAnimationOptions(QChart::NoAnimation);
    chartMain_->setBackgroundRoundness(0);
    chartView_ = new QChartView(chartMain_);
    chartView_->setObjectName("chartMain");
    chartView_->setRenderHint(QPainter::Antialiasing);
    chartView_->setFrameShape(QFrame::NoFrame);

    chartView_->viewport()->installEventFilter(this);

    barScroller_ = new QScrollBar(Qt::Horizontal);
    barScroller_->setObjectName("scrollBars");
    barScroller_->hide();
    connect(barScroller_, &QScrollBar::valueChanged, this,
            [this](int first) { ShowBarWindow(*chartMain_, barSeries_, first, shownBars_); });
    // The plot changes width with the window and with the labels it holds.
    connect(chartMain_, &QChart::plotAreaChanged, this, &TfrmChart::UpdateBarWindow);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(chartView_, 1);
    layout->addWidget(barScroller_);
}

TfrmChart* TfrmChart::ShowChart(QMdiArea* mdi, ICommandHost& host, const TChartTable& table) {
    auto* window = new TfrmChart(host);
    window->Fill(table);
    ShowInMdi(mdi, window);
    return window;
}

void TfrmChart::Fill(const TChartTable& table) {
    setWindowTitle(QString::fromStdString(table.Caption));
    chartMain_->removeAllSeries();
    for (QAbstractAxis* axis : chartMain_->axes()) {
        chartMain_->removeAxis(axis);
        delete axis;
    }
    barSeries_.clear();
    PieSeries_ = nullptr;
    if (table.Series == TSeriesKind::skPie)
        PieSeries_ = AddPieSlices(*chartMain_, table.Points);
    else
        barSeries_ = AddPyramidBars(*chartMain_, table.Points);
    SetChartTitle(*chartMain_, QString::fromStdString(table.Title));
    shownBars_ = static_cast<int>(barSeries_.size());
    UpdateBarWindow();
}

int TfrmChart::FirstShownBar() const { return barScroller_->isHidden() ? 0 : barScroller_->value(); }

void TfrmChart::UpdateBarWindow() {
    if (updatingBars_) return;
    updatingBars_ = true;
    const int bars = static_cast<int>(barSeries_.size());
    const int fit = std::min(BarsThatFit(chartMain_->plotArea().width()), std::max(bars, 1));
    const int first = std::min(FirstShownBar(), std::max(bars - fit, 0));
    shownBars_ = fit;
    {
        const QSignalBlocker block(barScroller_);
        barScroller_->setRange(0, std::max(bars - fit, 0));
        barScroller_->setPageStep(fit);
        barScroller_->setValue(first);
    }
    barScroller_->setVisible(bars > fit);
    if (bars > 0) ShowBarWindow(*chartMain_, barSeries_, first, fit);
    updatingBars_ = false;
}

std::vector<TfrmChart::TShownPoint> TfrmChart::ShownPoints() const {
    std::vector<TShownPoint> points;
    for (const QAreaSeries* bar : barSeries_)
        points.push_back({PyramidLabel(*bar), PyramidValue(*bar), PyramidColour(*bar)});
    if (PieSeries_) {
        for (const QPieSlice* slice : PieSeries_->slices())
            points.push_back({slice->label(), slice->value(), slice->brush().color()});
    }
    return points;
}

bool TfrmChart::PrintTo(QPagedPaintDevice& device) {
    device.setPageOrientation(QPageLayout::Landscape);
    QPainter painter;
    if (!painter.begin(&device)) return false;
    painter.setRenderHint(QPainter::Antialiasing);
    // As large as the page allows, centred on it.
    const QRectF source = chartMain_->sceneBoundingRect();
    QSizeF size = source.size();
    size.scale(device.width(), device.height(), Qt::KeepAspectRatio);
    QRectF target(QPointF(0, 0), size);
    target.moveCenter(QPointF(device.width() / 2.0, device.height() / 2.0));
    chartMain_->scene()->render(&painter, target, source, Qt::IgnoreAspectRatio);
    return painter.end();
}

void TfrmChart::btnCloseClick() { CloseViewer(this); }

void TfrmChart::btnPrintClick() {
    const char* failure = nullptr;
    {
        const TScopedHourglass hourglass(host_);
        if (QPrinterInfo::defaultPrinter().isNull()) {
            failure = kMsgNoPrinter;
        } else {
            QPrinter printer(QPrinter::HighResolution);  // the default printer
            if (!PrintTo(printer)) failure = kMsgPrintFailed;
        }
    }
    if (failure) ShowError(host_, failure);
}

bool TfrmChart::eventFilter(QObject* watched, QEvent* event) {
    // The wheel over the chart scrolls through the bars.
    if (event->type() == QEvent::Wheel && !barScroller_->isHidden()) {
        QApplication::sendEvent(barScroller_, event);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmChart::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        ShowHelpContext(this, kHelpContext);
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace plumora

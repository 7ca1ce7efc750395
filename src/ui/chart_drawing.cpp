// Pyramids, slices, axes and colours of the chart windows.
#include "ui/chart_drawing.h"

#include <algorithm>
#include <cmath>
#include <set>

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QCursor>
#include <QFontMetrics>
#include <QLineSeries>
#include <QLinearGradient>
#include <QPieSeries>
#include <QPieSlice>
#include <QToolTip>
#include <QValueAxis>

namespace plumora {

namespace {

// A pyramid takes 40 percent of its slot.
constexpr double kPyramidHalfWidth = 0.2;
// Qt Charts keeps this many pixels free at each side of an axis label and
// cuts a label short that does not fit between its neighbours.
constexpr int kAxisLabelPadding = 4;
// Air between two neighbouring vertical labels.
constexpr int kLabelGap = 6;

QString Q(const std::string& s) { return QString::fromStdString(s); }

// An axis step of 1, 2 or 5 times a power of ten giving about five steps;
// whole numbers only, as every statistic is one.
double NiceStep(double span) {
    if (span <= 5) return 1;
    const double raw = span / 5;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 5.0, 10.0})
        if (raw <= factor * power) return factor * power;
    return 10 * power;
}

QValueAxis* NewValueAxis(const std::vector<TChartPoint>& points) {
    double low = 0;
    double high = 0;
    for (const TChartPoint& p : points) {
        low = std::min(low, p.Value);
        high = std::max(high, p.Value);
    }
    if (high <= low) high = low + 1;
    const double step = NiceStep(high - low);
    auto* axis = new QValueAxis;
    axis->setRange(std::floor(low / step) * step, std::ceil(high / step) * step);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(step);
    axis->setLabelFormat("%.0f");
    axis->setLabelsFont(ChartLabelFont());
    return axis;
}

// Category labels must differ; two files of one name (in different folders)
// get invisible zero-width spaces after the second and later ones.
QString UniqueLabel(const QString& label, std::set<QString>& used) {
    QString text = label;
    while (!used.insert(text).second) text += QChar(0x200B);
    return text;
}

QCategoryAxis* CategoryAxisOf(QChart& chart) {
    for (QAbstractAxis* axis : chart.axes(Qt::Horizontal))
        if (auto* categories = qobject_cast<QCategoryAxis*>(axis)) return categories;
    return nullptr;
}

// Lit from the left: the pyramid's left face lighter, the right one darker.
QBrush PyramidBrush(const QColor& colour) {
    QLinearGradient shade(0, 0, 1, 0);
    shade.setCoordinateMode(QGradient::ObjectBoundingMode);
    shade.setColorAt(0, colour.lighter(135));
    shade.setColorAt(0.5, colour);
    shade.setColorAt(1, colour.darker(140));
    return QBrush(shade);
}

}  // namespace

QColor ChartPointColour(int index) {
    // Steps of the golden angle keep neighbours far apart on the colour wheel.
    const int hue = static_cast<int>(std::lround(std::fmod(index * 137.508, 360.0)));
    const int value = index % 2 == 0 ? 235 : 200;
    return QColor::fromHsv(hue % 360, 190, value);
}

QFont ChartTitleFont() {
    QFont font("Arial", 12, QFont::Bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont ChartLabelFont() {
    QFont font("Arial", 8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void SetChartTitle(QChart& chart, const QString& title) {
    chart.setTitle(title);
    chart.setTitleFont(ChartTitleFont());
    chart.setTitleBrush(kChartTitleColour);
}

std::vector<QAreaSeries*> AddPyramidBars(QChart& chart, const std::vector<TChartPoint>& points) {
    // Axes are filled before they join the chart: each change of an attached
    // axis lays the chart out again.
    auto* xAxis = new QCategoryAxis;
    xAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionCenter);
    xAxis->setLabelsAngle(-90);
    xAxis->setLabelsFont(ChartLabelFont());
    xAxis->setGridLineVisible(false);
    QValueAxis* yAxis = NewValueAxis(points);
    chart.addAxis(xAxis, Qt::AlignBottom);
    chart.addAxis(yAxis, Qt::AlignLeft);
    std::vector<QAreaSeries*> bars;
    bars.reserve(points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double x = static_cast<double>(i);
        auto* upper = new QLineSeries;
        upper->append(x - kPyramidHalfWidth, 0);
        upper->append(x, points[i].Value);
        upper->append(x + kPyramidHalfWidth, 0);
        auto* lower = new QLineSeries;
        lower->append(x - kPyramidHalfWidth, 0);
        lower->append(x + kPyramidHalfWidth, 0);
        auto* bar = new QAreaSeries(upper, lower);
        upper->setParent(bar);
        lower->setParent(bar);
        const QColor colour = ChartPointColour(static_cast<int>(i));
        bar->setName(Q(points[i].Label));
        bar->setBrush(PyramidBrush(colour));
        bar->setPen(QPen(colour.darker(160), 1));
        chart.addSeries(bar);
        bar->attachAxis(xAxis);
        bar->attachAxis(yAxis);
        // No value marks on the bars: the value shows while the mouse rests on one.
        QObject::connect(bar, &QAreaSeries::hovered, bar, [bar](const QPointF&, bool state) {
            if (state)
                QToolTip::showText(QCursor::pos(),
                                   QString("%1: %2").arg(bar->name()).arg(PyramidValue(*bar)));
            else
                QToolTip::hideText();
        });
        bars.push_back(bar);
    }
    return bars;
}

QPieSeries* AddPieSlices(QChart& chart, const std::vector<TChartPoint>& points) {
    auto* pie = new QPieSeries;
    for (std::size_t i = 0; i < points.size(); ++i) {
        QPieSlice* slice = pie->append(Q(points[i].Label), points[i].Value);
        slice->setBrush(ChartPointColour(static_cast<int>(i)));
        slice->setBorderColor(Qt::white);
        slice->setLabelFont(ChartLabelFont());
        slice->setLabelVisible(true);
    }
    // Percentages are known once every slice is in.
    for (QPieSlice* slice : pie->slices()) {
        const double percent = std::isfinite(slice->percentage()) ? slice->percentage() * 100 : 0;
        slice->setLabel(QString("%1 %2%").arg(slice->label()).arg(std::lround(percent)));
    }
    pie->setPieSize(0.62);
    chart.addSeries(pie);
    return pie;
}

double PyramidValue(const QAreaSeries& bar) {
    const QLineSeries* upper = bar.upperSeries();
    return upper && upper->count() == 3 ? upper->at(1).y() : 0;
}

QString PyramidLabel(const QAreaSeries& bar) { return bar.name(); }

QColor PyramidColour(const QAreaSeries& bar) {
    const QGradient* shade = bar.brush().gradient();
    if (!shade) return bar.brush().color();
    for (const QGradientStop& stop : shade->stops())
        if (stop.first == 0.5) return stop.second;
    return bar.brush().color();
}

int BarSlotWidth() {
    return QFontMetrics(ChartLabelFont()).height() + 2 * kAxisLabelPadding + kLabelGap;
}

int BarsThatFit(double plotWidth) {
    return std::max(static_cast<int>(plotWidth / BarSlotWidth()), 1);
}

void ShowBarWindow(QChart& chart, const std::vector<QAreaSeries*>& bars, int first, int count) {
    QCategoryAxis* axis = CategoryAxisOf(chart);
    if (!axis) return;
    const int total = static_cast<int>(bars.size());
    first = std::clamp(first, 0, std::max(total - 1, 0));
    const int last = std::min(first + std::max(count, 1), std::max(total, 1));
    for (const QString& label : axis->categoriesLabels()) axis->remove(label);
    axis->setStartValue(first - 0.5);
    std::set<QString> used;
    for (int i = first; i < std::min(last, total); ++i)
        axis->append(UniqueLabel(bars[static_cast<std::size_t>(i)]->name(), used), i + 0.5);
    axis->setRange(first - 0.5, last - 0.5);
}

}  // namespace plumora

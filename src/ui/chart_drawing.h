// Drawing the statistics charts with Qt Charts: bars as pyramids in a colour
// of their own with one vertical label under each, pie slices labelled with
// their percentage, the bold blue title, and the size a bar chart needs so
// that its labels never overlap.
#pragma once

#include <vector>

#include <QColor>
#include <QFont>
#include <QString>

#include "charts/chart_table.h"

class QAreaSeries;
class QCategoryAxis;
class QChart;
class QPieSeries;
class QValueAxis;

namespace plumora {

// The colour of the point at `index`: neighbouring points always differ.
QColor ChartPointColour(int index);

// Texts of the chart title and the axis labels.
QFont ChartTitleFont();
QFont ChartLabelFont();
inline constexpr QColor kChartTitleColour = QColor(0, 0, 255);

// Title text, font and colour.
void SetChartTitle(QChart& chart, const QString& title);

// The bars of a bar chart, attached to `chart` with a category axis and a
// value axis starting at zero (or below it for negative values). One series
// per point, in point order, each named by its label. Which bars show, and
// get their labels, is up to ShowBarWindow. A chart of no points gets its
// axes only.
std::vector<QAreaSeries*> AddPyramidBars(QChart& chart, const std::vector<TChartPoint>& points);

// The slices of a pie chart, one per point in point order, each labelled
// "label NN%"; attached to `chart`.
QPieSeries* AddPieSlices(QChart& chart, const std::vector<TChartPoint>& points);

// The value a pyramid stands for and its label, as drawn.
double PyramidValue(const QAreaSeries& bar);
QString PyramidLabel(const QAreaSeries& bar);
// The colour the pyramid is painted in (the middle of its shading).
QColor PyramidColour(const QAreaSeries& bar);

// The width on screen a bar needs so that its label, written vertically,
// shows whole beside its neighbours: a line of label text, the axis's
// padding at both sides and a little air.
int BarSlotWidth();

// Bars a plot of `plotWidth` pixels shows at once, at least one.
int BarsThatFit(double plotWidth);

// Shows the bars `first` to `first + count - 1` of `bars` (made by
// AddPyramidBars on `chart`) with their labels. The category axis holds the
// labels of the shown bars only: Qt Charts shares the axis's width among all
// of its categories, shown or not, when it decides how much of a label fits.
void ShowBarWindow(QChart& chart, const std::vector<QAreaSeries*>& bars, int first, int count);

}  // namespace plumora

// The point table of one chart: what a chart window is filled with, built by
// walking the project model with at most one file's text loaded at a time.
#pragma once

#include <string>
#include <vector>

#include "charts/chart_items.h"

namespace plumora {

class TSourceMgt;

struct TChartPoint {
    std::string Label;
    double Value = 0;
};

struct TChartTable {
    TChartKind Kind = TChartKind::ckFileSizes;
    std::string Caption;  // caption of the chart window
    std::string Title;    // text of the chart title
    TSeriesKind Series = TSeriesKind::skBar;
    std::vector<TChartPoint> Points;  // in the order they are added to the series
};

// One point per file in project order (for the file-type chart, one per
// distinct extension in alphabetical order). Sizes and line counts come from
// the entries; the other statistics load each file, count and release it.
// The model's Current is restored afterwards, and a file that was already
// loaded when the walk reached it stays loaded.
TChartTable BuildChartTable(TSourceMgt& project, TChartKind kind);

}  // namespace plumora

// The seven statistics of the chart selector, in list order, with what each
// shows: list text, sample, description, window caption, chart title, series.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace plumora {

enum class TChartKind {
    ckFileSizes,
    ckFileTypes,
    ckRoutines,
    ckGlobals,
    ckLineCounts,
    ckCommentPercent,
    ckBlankPercent,
};

enum class TSeriesKind { skBar, skPie };

struct TChartItem {
    TChartKind Kind;
    std::string ListText;                  // the item of "Available Charts:"
    TSeriesKind Sample;                    // sample series shown in the selector
    std::vector<std::string> Description;  // lines of "Description:"
    std::string Caption;                   // caption of the chart window
    std::string Title;                     // title of the chart
    TSeriesKind Series;                    // series the points go into
};

// The items in the selector's order; the index into this list is the list
// index of the item.
const std::vector<TChartItem>& ChartItems();

// The item of `kind`.
const TChartItem& ChartItem(TChartKind kind);

// The messages of the "C&reate" command.
inline constexpr const char* kMsgSelectChart = "Please select a chart to graph.";
inline constexpr const char* kMsgNoSourceMgt =
    "Source management object is empty; unable to create a graph.";
inline constexpr const char* kMsgNoCode =
    "Source management object contains no code, unable to create the graph.";

}  // namespace plumora

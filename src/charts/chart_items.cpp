// The table of the seven chart selector items.
#include "charts/chart_items.h"

namespace plumora {

const std::vector<TChartItem>& ChartItems() {
    static const std::vector<TChartItem> items = {
        {TChartKind::ckFileSizes, "File sizes of each module", TSeriesKind::skBar,
         {"Produce a bar graph of all of", "the files in the project along",
          "with their respective sizes."},
         "Chart: Files in project by size", "Files in project by size", TSeriesKind::skBar},
        {TChartKind::ckFileTypes, "Type of files in the project", TSeriesKind::skPie,
         {"Create a pie chart that breaks", "down files by their extension."},
         "Chart: Files in project by type of file", "Files in project by type of file",
         TSeriesKind::skPie},
        {TChartKind::ckRoutines, "Routines per module", TSeriesKind::skBar,
         {"Produce a bar graph showing", "# of routines in each file."},
         "Chart: Routines per module", "Routines per module", TSeriesKind::skBar},
        {TChartKind::ckGlobals, "Globals per module", TSeriesKind::skBar,
         {"Produce a bar graph showing", "# of globals in each file."},
         "Chart: Globals per module", "Globals per module", TSeriesKind::skBar},
        {TChartKind::ckLineCounts, "Lines of code per module", TSeriesKind::skBar,
         {"Create a bar graph showing each", "module with its lines of code."},
         "Chart: Lines of code per file", "Lines of code per file", TSeriesKind::skBar},
        {TChartKind::ckCommentPercent, "% of comments to code per module", TSeriesKind::skBar,
         {"Create a bar graph showing", "% of comments vs. code."},
         "Chart: Percent of comments vs. code", "Percent of comments vs. code",
         TSeriesKind::skBar},
        {TChartKind::ckBlankPercent, "% of whitespace to code per module", TSeriesKind::skBar,
         {"Create a bar graph showing", "% of whitespace vs. code."},
         "Chart: Percent of whitespace vs. code", "Percent of whitespace vs. code",
         TSeriesKind::skBar},
    };
    return items;
}

const TChartItem& ChartItem(TChartKind kind) {
    return ChartItems()[static_cast<std::size_t>(kind)];
}

}  // namespace plumora

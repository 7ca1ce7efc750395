// The "C&reate" command of the chart selector without its window: the
// checks with their messages, then the point table the window is filled with.
#pragma once

#include <optional>

#include "charts/chart_table.h"

namespace plumora {

class ICommandHost;
class TSourceMgt;

// `selected` is the list index of the chosen item (ChartItems()), -1 when
// none is selected; `project` is the open project model or null. Returns the
// table, or nothing when a message told the user why no chart is made. The
// hourglass is shown while the files are read.
std::optional<TChartTable> CreateChartTable(TSourceMgt* project, int selected,
                                            ICommandHost& host);

}  // namespace plumora

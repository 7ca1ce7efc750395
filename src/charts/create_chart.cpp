// The checks of the "C&reate" command and the building of its table.
#include "charts/create_chart.h"

#include "host/command_host.h"
#include "project/source_mgt.h"

namespace plumora {

std::optional<TChartTable> CreateChartTable(TSourceMgt* project, int selected,
                                            ICommandHost& host) {
    if (selected < 0 || static_cast<std::size_t>(selected) >= ChartItems().size()) {
        ShowInformation(host, kMsgSelectChart);
        return std::nullopt;
    }
    if (!project) {
        ShowWarning(host, kMsgNoSourceMgt);
        return std::nullopt;
    }
    if (!project->Head) {
        ShowWarning(host, kMsgNoCode);
        return std::nullopt;
    }
    TScopedHourglass hourglass(host);
    return BuildChartTable(*project, ChartItems()[static_cast<std::size_t>(selected)].Kind);
}

}  // namespace plumora

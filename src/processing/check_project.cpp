// The dry run behind `plumora-cli style --check`.
#include "processing/check_project.h"

#include <memory>

#include "formatter/style_file.h"
#include "host/quiet_run_host.h"
#include "io/paths.h"
#include "processing/styling_pipeline.h"
#include "project/source_mgt.h"

namespace plumora {


TCheckReport CheckProject(TSourceMgt& project, const TOptionSet& options, int vbTabStops,
                          IRunHost* host, const TChangedFileVisitor& onChanged, unsigned workers) {
    const TDirectoryCacheScope directoryCache;
    TCheckReport report;
    TVBSrcFormatter formatter(options, host, nullptr);
    formatter.VBTabStops = vbTabStops;
    formatter.Project = &project;
    TQuietRunHost silent;
    IRunHost& pump = host ? *host : silent;
    if (workers == 0) workers = TStylingPipeline::Workers();
    std::unique_ptr<TStylingPipeline> pipeline;
    if (workers > 1) pipeline = std::make_unique<TStylingPipeline>(project, options, formatter, workers);
    for (RFile* entry = project.Head.get(); entry->Next; entry = entry->Next.get()) {
        if (!entry->Selected) continue;
        project.Current = entry;
        TStylingPipeline::TItem* item = nullptr;
        if (pipeline) {
            item = pipeline->TakeNext(pump);
            if (!item) {
                report.Cancelled = true;
                break;
            }
            project.AdoptCurrentLines(std::move(item->Lines));
        } else {
            project.LoadCurrentLines();
        }
        if (entry->Lines.size() == 1 && entry->Lines[0] == "NOT AVAILABLE" &&
            !LocatePath(entry->FullPath)) {
            report.Unavailable.push_back(entry->Name);
            project.ReleaseCurrentLines();
            continue;
        }
        TStyleResult styled;
        if (item) {
            pump.SetLabel(entry->Name + " (Pass 1)");
            styled = std::move(item->Result);
            formatter.Output = std::move(item->Output);
        } else {
            styled = StyleFile(formatter, entry->Lines, entry->Name, entry->Kind);
        }
        if (!styled.Completed) {
            report.Cancelled = true;
            project.ReleaseCurrentLines();
            break;
        }
        if (!styled.Refusal.empty()) {
            report.Rejected.push_back(styled.Refusal);
        } else if (styled.SafetyNet) {
            report.Rejected.push_back(styled.SafetyNet->Message());
        } else if (styled.Changed) {
            report.Changed.push_back(entry->Name);
            if (onChanged)
                onChanged(entry->Name, entry->Lines,
                          StyledLines(formatter.Output, styled.EndOfFileMark));
        }
        project.ReleaseCurrentLines();
    }
    return report;
}

}  // namespace plumora

// The dry run behind `plumora-cli style --check`.
#include "processing/check_project.h"

#include "formatter/style_file.h"
#include "io/paths.h"
#include "project/source_mgt.h"

namespace plumora {

TCheckReport CheckProject(TSourceMgt& project, const TOptionSet& options, int vbTabStops,
                          IRunHost* host, const TChangedFileVisitor& onChanged) {
    const TDirectoryCacheScope directoryCache;
    TCheckReport report;
    TVBSrcFormatter formatter(options, host, nullptr);
    formatter.VBTabStops = vbTabStops;
    formatter.Project = &project;
    for (RFile* entry = project.Head.get(); entry->Next; entry = entry->Next.get()) {
        if (!entry->Selected) continue;
        project.Current = entry;
        project.LoadCurrentLines();
        if (entry->Lines.size() == 1 && entry->Lines[0] == "NOT AVAILABLE" &&
            !LocatePath(entry->FullPath)) {
            report.Unavailable.push_back(entry->Name);
            project.ReleaseCurrentLines();
            continue;
        }
        const TStyleResult styled = StyleFile(formatter, entry->Lines, entry->Name, entry->Kind);
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

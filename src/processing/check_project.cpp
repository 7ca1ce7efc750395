// The dry run behind `plumora-cli style --check`.
#include "processing/check_project.h"

#include "formatter/formatter.h"
#include "formatter/safety_net.h"
#include "io/paths.h"
#include "project/source_mgt.h"

namespace plumora {

TCheckReport CheckProject(TSourceMgt& project, const TOptionSet& options, int vbTabStops,
                          IRunHost* host, const TChangedFileVisitor& onChanged) {
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
        formatter.FileName = entry->Name;
        formatter.FileKind = entry->Kind;
        if (!formatter.StyleLines(entry->Lines)) {
            report.Cancelled = true;
            project.ReleaseCurrentLines();
            break;
        }
        if (std::optional<TSafetyNetReport> net = CheckStyledCode(
                entry->Lines, formatter.Output, options, entry->Name, formatter.VBTabStops)) {
            report.Rejected.push_back(net->Message());
            project.ReleaseCurrentLines();
            continue;
        }
        bool same = formatter.Output.size() == entry->Lines.size();
        for (std::size_t i = 0; same && i < entry->Lines.size(); ++i)
            same = formatter.Output[i].Text == entry->Lines[i];
        if (!same) {
            report.Changed.push_back(entry->Name);
            if (onChanged) {
                std::vector<std::string> styled;
                styled.reserve(formatter.Output.size());
                for (const auto& line : formatter.Output) styled.push_back(line.Text);
                onChanged(entry->Name, entry->Lines, styled);
            }
        }
        project.ReleaseCurrentLines();
    }
    return report;
}

}  // namespace plumora

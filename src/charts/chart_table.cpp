// Walking the project chain into a chart's point table.
#include "charts/chart_table.h"

#include "charts/file_statistics.h"
#include "charts/file_types.h"
#include "project/source_mgt.h"

namespace plumora {

namespace {

bool NeedsLines(TChartKind kind) {
    return kind == TChartKind::ckRoutines || kind == TChartKind::ckGlobals ||
           kind == TChartKind::ckCommentPercent || kind == TChartKind::ckBlankPercent;
}

double ValueOf(TChartKind kind, const TFileLineStats& stats) {
    switch (kind) {
        case TChartKind::ckRoutines: return static_cast<double>(stats.Routines);
        case TChartKind::ckGlobals: return static_cast<double>(stats.Globals);
        case TChartKind::ckCommentPercent: return static_cast<double>(CommentPercent(stats));
        case TChartKind::ckBlankPercent: return static_cast<double>(BlankPercent(stats));
        default: return 0;
    }
}

// Sets Current to the entry for the walk and puts the caller's cursor back
// however the walk ends.
class TCurrentGuard {
public:
    explicit TCurrentGuard(TSourceMgt& project) : project_(project), saved_(project.Current) {}
    ~TCurrentGuard() { project_.Current = saved_; }
    TCurrentGuard(const TCurrentGuard&) = delete;
    TCurrentGuard& operator=(const TCurrentGuard&) = delete;

private:
    TSourceMgt& project_;
    RFile* saved_;
};

TFileLineStats CountEntry(TSourceMgt& project, RFile* entry) {
    project.Current = entry;
    const bool wasLoaded = entry->Loaded;
    project.LoadCurrentLines();
    TFileLineStats stats = CountFileLines(entry->Lines);
    // Text that someone else loaded is theirs to release.
    if (!wasLoaded) project.ReleaseCurrentLines();
    return stats;
}

}  // namespace

TChartTable BuildChartTable(TSourceMgt& project, TChartKind kind) {
    const TChartItem& item = ChartItem(kind);
    TChartTable table;
    table.Kind = kind;
    table.Caption = item.Caption;
    table.Title = item.Title;
    table.Series = item.Series;

    if (kind == TChartKind::ckFileTypes) {
        TExtensionTally tally;
        for (RFile* f = project.Head.get(); f && f->Next; f = f->Next.get()) {
            tally.Add(ChartExtension(f->Name));
        }
        table.Points.reserve(tally.Entries().size());
        for (const auto& [extension, counter] : tally.Entries()) {
            table.Points.push_back({extension, static_cast<double>(counter.Value)});
        }
        return table;
    }

    TCurrentGuard guard(project);
    for (RFile* f = project.Head.get(); f && f->Next; f = f->Next.get()) {
        double value = 0;
        if (kind == TChartKind::ckFileSizes) {
            value = f->Size;
        } else if (kind == TChartKind::ckLineCounts) {
            value = f->LineCount;
        } else if (NeedsLines(kind)) {
            value = ValueOf(kind, CountEntry(project, f));
        }
        table.Points.push_back({f->Name, value});
    }
    return table;
}

}  // namespace plumora

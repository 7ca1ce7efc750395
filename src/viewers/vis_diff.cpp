// TVisDiff: the matching laid out as coloured rows in two line views.
#include "viewers/vis_diff.h"

#include "host/command_host.h"

namespace plumora {

namespace {

const std::string kFiller;

class THourglass {
public:
    explicit THourglass(ICommandHost* host) : host_(host) {
        if (host_) host_->SetHourglass(true);
    }
    ~THourglass() {
        if (host_) host_->SetHourglass(false);
    }
    THourglass(const THourglass&) = delete;
    THourglass& operator=(const THourglass&) = delete;

private:
    ICommandHost* host_;
};

}  // namespace

TDiffCellColors LeftCellColors(TDiffRowKind kind) {
    switch (kind) {
        case TDiffRowKind::Matched: return {kDiffBlack, TColor::SystemWindow()};
        case TDiffRowKind::Changed: return {kDiffBlack, kDiffYellow};
        case TDiffRowKind::Deleted: return {kDiffBlue, kDiffYellow};
        case TDiffRowKind::Inserted: return {kDiffBlack, kDiffSilver};
    }
    return {kDiffBlack, TColor::SystemWindow()};
}

TDiffCellColors RightCellColors(TDiffRowKind kind) {
    switch (kind) {
        case TDiffRowKind::Matched: return {kDiffBlack, TColor::SystemWindow()};
        case TDiffRowKind::Changed: return {kDiffBlack, kDiffYellow};
        case TDiffRowKind::Deleted: return {kDiffBlack, kDiffSilver};
        case TDiffRowKind::Inserted: return {kDiffBlue, kDiffYellow};
    }
    return {kDiffBlack, TColor::SystemWindow()};
}

void TVisDiff::CompareLists(const std::vector<std::string>& left,
                            const std::vector<std::string>& right) {
    if (!LeftView || !RightView) return;
    THourglass hourglass(Host);
    const std::vector<TDiffRow> rows = LayOutRows(MatchLines(left, right));
    DisplayOptimalDiff(left, right, rows);
}

void TVisDiff::DisplayOptimalDiff(const std::vector<std::string>& left,
                                  const std::vector<std::string>& right,
                                  const std::vector<TDiffRow>& rows) {
    if (!LeftView || !RightView) return;
    LeftView->Clear();
    RightView->Clear();
    for (const TDiffRow& row : rows) {
        const TDiffCellColors l = LeftCellColors(row.Kind);
        const TDiffCellColors r = RightCellColors(row.Kind);
        LeftView->AppendLine(row.Left >= 0 ? left.at(row.Left) : kFiller, l.Font, l.Back);
        RightView->AppendLine(row.Right >= 0 ? right.at(row.Right) : kFiller, r.Font, r.Back);
    }
    LeftView->Refresh();
    RightView->Refresh();
}

}  // namespace plumora

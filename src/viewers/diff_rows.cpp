// Laying the matched lines out as rows: one walk over both sides.
#include "viewers/diff_rows.h"

#include <algorithm>
#include <stdexcept>

namespace plumora {

std::vector<TDiffRow> LayOutRows(const TDiffMatching& matching) {
    const auto& left = matching.Left;
    const auto& right = matching.Right;
    const std::int32_t leftCount = static_cast<std::int32_t>(left.size());
    const std::int32_t rightCount = static_cast<std::int32_t>(right.size());
    std::vector<TDiffRow> rows;
    rows.reserve(left.size() + right.size());
    std::int32_t i = 0, j = 0;
    auto leftDone = [&] { return i >= leftCount; };
    auto rightDone = [&] { return j >= rightCount; };
    while (!leftDone() || !rightDone()) {
        const std::size_t before = rows.size();
        while (!leftDone() && left[i].Partner < 0) {
            if (!rightDone() && right[j].Partner < 0) {
                rows.push_back({TDiffRowKind::Changed, i++, j++});
            } else {
                rows.push_back({TDiffRowKind::Deleted, i++, -1});
            }
        }
        while (leftDone() && !rightDone()) rows.push_back({TDiffRowKind::Inserted, -1, j++});
        while (rightDone() && !leftDone()) rows.push_back({TDiffRowKind::Deleted, i++, -1});
        if (!leftDone() && left[i].Partner == j) rows.push_back({TDiffRowKind::Matched, i++, j++});
        if (!leftDone() && !rightDone()) {
            while (!rightDone() && left[i].Partner > j)
                rows.push_back({TDiffRowKind::Inserted, -1, j++});
        }
        // Only crossing or one-sided matches can stall the walk.
        if (rows.size() == before) throw std::invalid_argument("inconsistent line matching");
    }
    return rows;
}

bool AllMatched(const std::vector<TDiffRow>& rows) {
    return std::all_of(rows.begin(), rows.end(),
                       [](const TDiffRow& r) { return r.Kind == TDiffRowKind::Matched; });
}

const char* RowKindName(TDiffRowKind kind) {
    switch (kind) {
        case TDiffRowKind::Matched: return "Matched";
        case TDiffRowKind::Changed: return "Changed";
        case TDiffRowKind::Deleted: return "Deleted";
        case TDiffRowKind::Inserted: return "Inserted";
    }
    return "";
}

}  // namespace plumora

// Unified diff output: hunks of differences with their surrounding context.
#include "viewers/unified_diff.h"

#include <algorithm>
#include <cstddef>

namespace plumora {

namespace {

// "start,count" of one side of a hunk header; a count of 1 is left out, and
// an empty side names the line after which the other side's lines go.
std::string HunkRange(std::size_t linesBefore, std::size_t count) {
    if (count == 1) return std::to_string(linesBefore + 1);
    const std::size_t start = count == 0 ? linesBefore : linesBefore + 1;
    return std::to_string(start) + "," + std::to_string(count);
}

bool IsChange(const TDiffRow& row) { return row.Kind != TDiffRowKind::Matched; }

// Appends rows [first, last) as one hunk. Each run of unmatched rows gives
// its old lines first, then its new lines.
void AppendHunk(std::string& out, const std::vector<TDiffRow>& rows, std::size_t first,
                std::size_t last, const std::vector<std::string>& oldLines,
                const std::vector<std::string>& newLines, std::size_t oldBefore,
                std::size_t newBefore) {
    std::size_t oldCount = 0, newCount = 0;
    for (std::size_t k = first; k < last; ++k) {
        if (rows[k].Left >= 0) ++oldCount;
        if (rows[k].Right >= 0) ++newCount;
    }
    out += "@@ -" + HunkRange(oldBefore, oldCount) + " +" + HunkRange(newBefore, newCount) +
           " @@\n";
    for (std::size_t k = first; k < last;) {
        if (!IsChange(rows[k])) {
            out += ' ';
            out += oldLines[rows[k].Left];
            out += '\n';
            ++k;
            continue;
        }
        std::size_t end = k;
        while (end < last && IsChange(rows[end])) ++end;
        for (std::size_t r = k; r < end; ++r) {
            if (rows[r].Left < 0) continue;
            out += '-';
            out += oldLines[rows[r].Left];
            out += '\n';
        }
        for (std::size_t r = k; r < end; ++r) {
            if (rows[r].Right < 0) continue;
            out += '+';
            out += newLines[rows[r].Right];
            out += '\n';
        }
        k = end;
    }
}

}  // namespace

std::string UnifiedDiff(const std::vector<std::string>& oldLines,
                        const std::vector<std::string>& newLines, const std::string& oldName,
                        const std::string& newName, int context) {
    return UnifiedDiffFromRows(LayOutRows(MatchLines(oldLines, newLines)), oldLines, newLines,
                               oldName, newName, context);
}

std::string UnifiedDiffFromRows(const std::vector<TDiffRow>& rows,
                                const std::vector<std::string>& oldLines,
                                const std::vector<std::string>& newLines,
                                const std::string& oldName, const std::string& newName,
                                int context) {
    const std::size_t ctx = static_cast<std::size_t>(std::max(context, 0));
    std::string out;
    // Lines of each side before row k, kept as the rows are walked.
    std::size_t oldBefore = 0, newBefore = 0;
    std::size_t k = 0;
    const std::size_t n = rows.size();
    while (k < n) {
        std::size_t change = k;
        while (change < n && !IsChange(rows[change])) ++change;
        if (change == n) break;
        if (out.empty()) out = "--- " + oldName + "\n+++ " + newName + "\n";
        // Hunk start: up to ctx matched rows before the first change.
        std::size_t first = change - std::min(ctx, change - k);
        // Hunk end: extend over changes separated by at most 2*ctx matched rows.
        std::size_t last = change;
        for (;;) {
            while (last < n && IsChange(rows[last])) ++last;
            std::size_t gapEnd = last;
            while (gapEnd < n && !IsChange(rows[gapEnd])) ++gapEnd;
            if (gapEnd < n && gapEnd - last <= 2 * ctx) {
                last = gapEnd;
                continue;
            }
            last = std::min(last + ctx, gapEnd);
            break;
        }
        for (std::size_t r = k; r < first; ++r) {
            if (rows[r].Left >= 0) ++oldBefore;
            if (rows[r].Right >= 0) ++newBefore;
        }
        AppendHunk(out, rows, first, last, oldLines, newLines, oldBefore, newBefore);
        for (std::size_t r = first; r < last; ++r) {
            if (rows[r].Left >= 0) ++oldBefore;
            if (rows[r].Right >= 0) ++newBefore;
        }
        k = last;
    }
    return out;
}

}  // namespace plumora

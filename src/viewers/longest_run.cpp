// Finding the longest shared run of two line-id ranges without comparing
// every line with every line: a small table for tiny ranges, a quick probe
// for a run as long as the enclosing ranges' one, else a suffix automaton.
#include "viewers/longest_run.h"

#include <algorithm>

namespace plumora {

namespace {

// Below this many table cells per line of the two ranges the plain table is
// cheaper than building an automaton.
constexpr std::int64_t kTableCellsPerLine = 48;

// Line comparisons the probe may spend per line of the two ranges before it
// leaves the search to the automaton.
constexpr std::int64_t kProbeStepsPerLine = 4;

}  // namespace

TLongestRunFinder::TLongestRunFinder(std::span<const std::int32_t> left,
                                     std::span<const std::int32_t> right, TRunSearch method)
    : left_(left), right_(right), method_(method) {
    std::int32_t ids = 0;
    for (std::int32_t id : left) ids = std::max(ids, id + 1);
    for (std::int32_t id : right) ids = std::max(ids, id + 1);
    rightStart_.assign(static_cast<std::size_t>(ids) + 1, 0);
    for (std::int32_t id : right) ++rightStart_[id + 1];
    for (std::size_t k = 1; k < rightStart_.size(); ++k) rightStart_[k] += rightStart_[k - 1];
    rightPositions_.resize(right.size());
    std::vector<std::int32_t> next(rightStart_.begin(), rightStart_.end() - 1);
    for (std::size_t j = 0; j < right.size(); ++j)
        rightPositions_[next[right[j]]++] = static_cast<std::int32_t>(j);
}

std::optional<TRun> TLongestRunFinder::FindLongestRun(std::int32_t lo1, std::int32_t hi1,
                                                      std::int32_t lo2, std::int32_t hi2,
                                                      std::int32_t bound) {
    if (lo1 >= hi1 || lo2 >= hi2 || bound < 1) return std::nullopt;
    const std::int64_t n = hi1 - lo1;
    const std::int64_t m = hi2 - lo2;
    bound = std::min({bound, hi1 - lo1, hi2 - lo2});
    const bool small = n * m <= kTableCellsPerLine * (n + m);
    if (method_ == TRunSearch::Table || (method_ == TRunSearch::Auto && small))
        return ByTable(lo1, hi1, lo2, hi2, bound);
    if (method_ != TRunSearch::Automaton) {
        TRun found;
        switch (ProbeForLength(lo1, hi1, lo2, hi2, bound, found)) {
            case TProbe::Found: return found;
            case TProbe::Shorter: --bound; break;
            case TProbe::GaveUp: break;
        }
        if (bound < 1) return std::nullopt;
    }
    return ByAutomaton(lo1, hi1, lo2, hi2, bound);
}

// Length of the run ending at each pair, row by row. Scanning ends upward and
// keeping only strictly longer runs picks the lowest left end, then the lowest
// right end; a longest run cannot be extended backwards, so those are also
// the lowest starts.
std::optional<TRun> TLongestRunFinder::ByTable(std::int32_t lo1, std::int32_t hi1,
                                               std::int32_t lo2, std::int32_t hi2,
                                               std::int32_t bound) {
    const std::int32_t m = hi2 - lo2;
    // Every cell of the current row is written before it is read.
    rowPrev_.assign(m + 1, 0);
    if (rowCur_.size() < rowPrev_.size()) rowCur_.resize(rowPrev_.size());
    rowCur_[0] = 0;
    std::int32_t best = 0, bestEndLeft = 0, bestEndRight = 0;
    for (std::int32_t a = lo1; a < hi1 && best < bound; ++a) {
        const std::int32_t symbol = left_[a];
        for (std::int32_t j = 0; j < m; ++j) {
            if (right_[lo2 + j] != symbol) {
                rowCur_[j + 1] = 0;
                continue;
            }
            const std::int32_t length = rowPrev_[j] + 1;
            rowCur_[j + 1] = length;
            if (length > best) {
                best = length;
                bestEndLeft = a;
                bestEndRight = lo2 + j;
            }
        }
        std::swap(rowPrev_, rowCur_);
    }
    if (best == 0) return std::nullopt;
    return TRun{bestEndLeft - best + 1, bestEndRight - best + 1, best};
}

std::optional<TRun> TLongestRunFinder::ByAutomaton(std::int32_t lo1, std::int32_t hi1,
                                                   std::int32_t lo2, std::int32_t hi2,
                                                   std::int32_t bound) {
    automaton_.Build(right_.subspan(lo2, hi2 - lo2));
    const auto shared = automaton_.LongestShared(left_.subspan(lo1, hi1 - lo1), bound);
    if (shared.Length == 0) return std::nullopt;
    return TRun{lo1 + shared.PatternStart, lo2 + shared.TextStart, shared.Length};
}

// Looks for a run of exactly `length` lines, the most the ranges can hold,
// in the order of the tie rule: left starts upward, and for each the right
// places of its line upward. The first one found is the answer. When the
// parts before a chosen run are split again, runs just as long are often
// next in line, and this finds them without building anything.
TLongestRunFinder::TProbe TLongestRunFinder::ProbeForLength(std::int32_t lo1, std::int32_t hi1,
                                                            std::int32_t lo2, std::int32_t hi2,
                                                            std::int32_t length,
                                                            TRun& found) const {
    std::int64_t budget = kProbeStepsPerLine * (std::int64_t(hi1 - lo1) + (hi2 - lo2));
    const std::int32_t lastLeft = hi1 - length;
    const std::int32_t lastRight = hi2 - length;
    for (std::int32_t a = lo1; a <= lastLeft; ++a) {
        const std::int32_t id = left_[a];
        const auto first = rightPositions_.begin() + rightStart_[id];
        const auto end = rightPositions_.begin() + rightStart_[id + 1];
        --budget;
        for (auto it = std::lower_bound(first, end, lo2); it != end && *it <= lastRight; ++it) {
            const std::int32_t j = *it;
            std::int32_t g = 1;
            while (g < length && left_[a + g] == right_[j + g]) ++g;
            if (g == length) {
                found = TRun{a, j, length};
                return TProbe::Found;
            }
            budget -= g;
            if (budget < 0) return TProbe::GaveUp;
        }
        if (budget < 0) return TProbe::GaveUp;
    }
    return TProbe::Shorter;
}

}  // namespace plumora

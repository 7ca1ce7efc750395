// The matching: every line is hashed once into an id, then the ranges are
// split around their longest runs from an explicit work list, so that very
// long or very fragmented texts cannot exhaust the stack.
#include "viewers/line_matching.h"

#include <limits>
#include <stdexcept>
#include <string_view>
#include <unordered_map>


namespace plumora {

namespace {

// Ranges still to split, with the length of the run that split their
// enclosing ranges: no run inside them can be longer.
struct TRanges {
    std::int32_t Lo1, Hi1, Lo2, Hi2, Bound;
};

// Equal lines get equal ids; the map compares equal hashes by content.
void AssignIds(const std::vector<std::string>& left, const std::vector<std::string>& right,
               std::vector<std::int32_t>& leftIds, std::vector<std::int32_t>& rightIds) {
    std::unordered_map<std::string_view, std::int32_t> ids;
    ids.reserve(left.size() + right.size());
    auto idOf = [&ids](const std::string& line) {
        return ids.try_emplace(line, static_cast<std::int32_t>(ids.size())).first->second;
    };
    leftIds.reserve(left.size());
    for (const auto& line : left) leftIds.push_back(idOf(line));
    rightIds.reserve(right.size());
    for (const auto& line : right) rightIds.push_back(idOf(line));
}

}  // namespace

TDiffMatching MatchLines(const std::vector<std::string>& left,
                         const std::vector<std::string>& right, TRunSearch method) {
    constexpr auto kMaxLines = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
    // Line indexes and line ids are 32-bit.
    if (left.size() > kMaxLines || right.size() > kMaxLines - left.size())
        throw std::length_error("too many lines to compare");

    TDiffMatching result;
    result.Left.resize(left.size());
    result.Right.resize(right.size());

    std::vector<std::int32_t> leftIds, rightIds;
    AssignIds(left, right, leftIds, rightIds);
    TLongestRunFinder finder(leftIds, rightIds, method);

    std::vector<TRanges> work;
    work.push_back({0, static_cast<std::int32_t>(left.size()), 0,
                    static_cast<std::int32_t>(right.size()), kNoRunBound});
    while (!work.empty()) {
        const TRanges r = work.back();
        work.pop_back();
        const auto run = finder.FindLongestRun(r.Lo1, r.Hi1, r.Lo2, r.Hi2, r.Bound);
        if (!run) continue;
        for (std::int32_t k = 0; k < run->Length; ++k) {
            result.Left[run->Left + k] = {run->Right + k, run->Length};
            result.Right[run->Right + k] = {run->Left + k, run->Length};
        }
        // The parts are independent, so their order on the list is free.
        work.push_back(
            {run->Left + run->Length, r.Hi1, run->Right + run->Length, r.Hi2, run->Length});
        work.push_back({r.Lo1, run->Left, r.Lo2, run->Right, run->Length});
    }
    return result;
}

}  // namespace plumora

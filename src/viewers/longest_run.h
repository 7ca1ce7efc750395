// The search at the heart of the line comparison: the longest block of
// consecutive equal lines shared by a left and a right range of line ids.
#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <vector>

#include "viewers/run_automaton.h"

namespace plumora {

// A block of `Length` equal lines: left lines Left.., right lines Right...
struct TRun {
    std::int32_t Left = 0;
    std::int32_t Right = 0;
    std::int32_t Length = 0;
    friend bool operator==(const TRun&, const TRun&) = default;
};

// How a search is done. Auto picks by range sizes; the others force one way
// so that tests can hold each against the slow definition.
enum class TRunSearch : std::uint8_t { Auto, Table, Automaton, ProbeThenAutomaton };

inline constexpr std::int32_t kNoRunBound = std::numeric_limits<std::int32_t>::max();

// Works on lines already reduced to ids (equal lines have equal ids). The
// sequences must outlive the finder; its buffers are kept between calls.
class TLongestRunFinder {
public:
    TLongestRunFinder(std::span<const std::int32_t> left, std::span<const std::int32_t> right,
                      TRunSearch method = TRunSearch::Auto);

    // The longest run inside left [lo1, hi1) and right [lo2, hi2), a run being
    // cut at the ends of both ranges. Ties go to the lowest left start, then to
    // the lowest right start. Nothing when the ranges share no line.
    // `bound` must be at least the length of the answer (the length found for
    // any enclosing ranges will do); it lets the search stop early.
    std::optional<TRun> FindLongestRun(std::int32_t lo1, std::int32_t hi1, std::int32_t lo2,
                                       std::int32_t hi2, std::int32_t bound = kNoRunBound);

private:
    std::optional<TRun> ByTable(std::int32_t lo1, std::int32_t hi1, std::int32_t lo2,
                                std::int32_t hi2, std::int32_t bound);
    std::optional<TRun> ByAutomaton(std::int32_t lo1, std::int32_t hi1, std::int32_t lo2,
                                    std::int32_t hi2, std::int32_t bound);
    enum class TProbe : std::uint8_t { Found, Shorter, GaveUp };
    TProbe ProbeForLength(std::int32_t lo1, std::int32_t hi1, std::int32_t lo2, std::int32_t hi2,
                          std::int32_t length, TRun& found) const;

    std::span<const std::int32_t> left_;
    std::span<const std::int32_t> right_;
    TRunSearch method_;

    // Right positions of each id, ascending: positions of id k are
    // rightPositions_[rightStart_[k] .. rightStart_[k + 1]).
    std::vector<std::int32_t> rightStart_;
    std::vector<std::int32_t> rightPositions_;

    TRunAutomaton automaton_;
    std::vector<std::int32_t> rowPrev_, rowCur_;  // the small-range table
};

}  // namespace plumora

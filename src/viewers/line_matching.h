// Which lines of an old and a new text stand opposite each other: the
// recursive longest-common-run matching behind the line comparison.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "viewers/longest_run.h"

namespace plumora {

// One per line of each side after the matching.
struct TDiffObject {
    // Index of the equal line on the other side, or -1 when unmatched.
    std::int32_t Partner = -1;
    // Length of the matched block the line belongs to, or -1 when unmatched.
    std::int32_t RunLength = -1;
    friend bool operator==(const TDiffObject&, const TDiffObject&) = default;
};

struct TDiffMatching {
    std::vector<TDiffObject> Left;
    std::vector<TDiffObject> Right;
};

// Matches the longest block of consecutive equal lines, then the same again
// before it and after it, until no equal line is left between the gaps.
// Lines are equal only when identical byte for byte. Ties go to the block
// that starts first on the left, then first on the right. Matches never cross.
// Throws std::length_error when the two sides hold more than 2^31-1 lines.
TDiffMatching MatchLines(const std::vector<std::string>& left,
                         const std::vector<std::string>& right,
                         TRunSearch method = TRunSearch::Auto);

}  // namespace plumora

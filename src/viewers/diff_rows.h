// The rows of a line comparison: matched lines side by side, and the
// differences as Changed, Deleted and Inserted rows between them.
#pragma once

#include <cstdint>
#include <vector>

#include "viewers/line_matching.h"

namespace plumora {

enum class TDiffRowKind : std::uint8_t { Matched, Changed, Deleted, Inserted };

// Left and Right are line indexes; -1 stands for the empty filler line of a
// Deleted row's right side or an Inserted row's left side.
struct TDiffRow {
    TDiffRowKind Kind;
    std::int32_t Left;
    std::int32_t Right;
    friend bool operator==(const TDiffRow&, const TDiffRow&) = default;
};

// Walks both sides in order. Unmatched lines that meet at the same point pair
// up as Changed rows as far as both last; the surplus on the left becomes
// Deleted rows and on the right Inserted rows. The left column reads the whole
// left text in order, the right column the whole right text.
std::vector<TDiffRow> LayOutRows(const TDiffMatching& matching);

// True when every row is Matched (the two texts are equal line for line).
bool AllMatched(const std::vector<TDiffRow>& rows);

const char* RowKindName(TDiffRowKind kind);

}  // namespace plumora

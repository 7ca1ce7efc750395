// A unified diff ("---"/"+++" header, "@@" hunks with context) of two line
// lists, built from the same matching as the side-by-side comparison.
#pragma once

#include <string>
#include <vector>

#include "viewers/diff_rows.h"

namespace plumora {

inline constexpr int kUnifiedContext = 3;

// The diff text, every line ending in LF; empty when the lists are equal.
// Within a hunk each block of differences lists its old lines ("-") before
// its new lines ("+"). Line ends are not part of the lines, so texts that
// differ only in CR/LF style are equal here.
std::string UnifiedDiff(const std::vector<std::string>& oldLines,
                        const std::vector<std::string>& newLines, const std::string& oldName,
                        const std::string& newName, int context = kUnifiedContext);

// The same from rows already laid out for these lists.
std::string UnifiedDiffFromRows(const std::vector<TDiffRow>& rows,
                                const std::vector<std::string>& oldLines,
                                const std::vector<std::string>& newLines,
                                const std::string& oldName, const std::string& newName,
                                int context = kUnifiedContext);

}  // namespace plumora

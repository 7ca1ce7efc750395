// The safety net: after styling, the code tokens of the styled text must be
// those of the source once the rewrites that the enabled rules may make are
// undone. Any other difference means a rule went wrong and the file must not
// be written.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plumora {

class TOptionSet;
struct TStyledLine;

struct TSafetyNetReport {
    std::string FileName;
    int SourceLine = 0;  // 1-based; 0 when the source ended first
    int StyledLine = 0;  // 1-based; 0 when the styled text ended first
    std::string SourceText;
    std::string StyledText;
    // "<file>: styling changed the code at line N (styled line M); the file
    // was not written." followed by both lines.
    std::string Message() const;
};

// Compares `source` (as read, tabs not yet expanded) with the styled lines.
// Returns the first difference, or nothing when the code is the same.
std::optional<TSafetyNetReport> CheckStyledCode(const std::vector<std::string>& source,
                                                const std::vector<TStyledLine>& styled,
                                                const TOptionSet& options,
                                                std::string_view fileName = {},
                                                int tabStops = 4);
std::optional<TSafetyNetReport> CheckStyledCode(const std::vector<std::string>& source,
                                                const std::vector<std::string>& styled,
                                                const TOptionSet& options,
                                                std::string_view fileName = {},
                                                int tabStops = 4);

}  // namespace plumora

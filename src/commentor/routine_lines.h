// The line tests of the commentor: which lines start a Sub or Function, which
// end one, which belong to a header comment block, and the searches for the
// next routine line in either direction.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plumora {

// After its leading blanks, the line begins with "Function ", "Sub " or one
// of them after "Private ", "Static " or "Public " (letter case as written).
// Friend procedures and lower-case keywords are not routines here.
bool IsRoutineLine(std::string_view line);

// After its leading blanks and with one blank appended, the line begins with
// "End Sub " or "End Function " (letter case as written).
bool IsRoutineEndLine(std::string_view line);

// A comment line of a header block begins with the apostrophe in its very
// first column; an indented comment does not count.
bool IsBlockCommentLine(std::string_view line);

// The first routine line at an index from `from` to the last line.
std::optional<std::size_t> FindRoutineDown(const std::vector<std::string>& lines,
                                           std::size_t from);

// The first routine line going upward from index `from` down to index
// `lowest`, both included; nothing when `from` lies below `lowest`.
std::optional<std::size_t> FindRoutineUp(const std::vector<std::string>& lines,
                                         std::size_t from, std::size_t lowest);

}  // namespace plumora

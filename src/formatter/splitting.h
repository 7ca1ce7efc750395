// Splitting one line into several statements: single-line If statements and
// ":"-separated statements, with the literal scanning that every split rule
// shares (string literals and #date# literals protect their ":" and ",").
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace plumora {

using TPieces = std::vector<std::string>;

// 1-based position of the first `c` at or after `from` that lies outside
// string literals and date literals (`#10:30:00 AM#`); 0 when there is none.
int FindOutsideLiterals(std::string_view text, char c, int from = 1);
// Length of the date literal that starts at 0-based index `i` (a "#"), or 0
// when the "#" there opens none (a file number, a type suffix, `#If`).
std::size_t DateLiteralLength(std::string_view text, std::size_t i);

// The comment suffix a split carries to each piece: `lead` (the blanks and
// the apostrophe) followed by the comment text; empty without a comment.
std::string CommentSuffix(std::string_view line, std::string_view lead);

// A single-line If becomes a block If. Returns false (no pieces) when the
// line cannot be split safely: `Then` missing or only inside a literal, the
// statement continued with "_", or an `Else` that a nested If would own.
bool SplitSingleLineIf(std::string_view line, TPieces& pieces);

// Statements separated by ":" outside literals become one line each; the
// comment goes with every piece, a `Rem` comment stays with the last one.
// Returns false (no pieces) for a label line, a single-line If (its
// statements belong to the If) and a line whose only ":" are in literals.
bool SplitColonStatements(std::string_view line, TPieces& pieces);

}  // namespace plumora

// Splitting one line into several statements: single-line If statements and
// ":"-separated statements. String and date literals protect their ":" and
// ",", a Rem comment runs to the end of its line, and the statements after
// the `Then` of a single-line If always stay with it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "formatter/classifier.h"
#include "formatter/declarations.h"

namespace plumora {

class TOptionSet;

// The comment suffix a split carries to its pieces: `lead` (the blanks and
// the apostrophe) followed by the comment text, trailing blanks dropped;
// empty without a comment.
std::string CommentSuffix(std::string_view line, std::string_view lead);

// A single-line If becomes a block If. Returns false (no pieces) when the
// line cannot be split safely: `Then` missing or only inside a literal, the
// statement continued with "_", or an `Else` that a nested If would own.
bool SplitSingleLineIf(std::string_view line, TPieces& pieces);

// Statements separated by ":" outside literals become one line each; the
// comment goes with every piece. A statement that is a single-line If keeps
// the rest of the line with it. Returns false (no pieces) for a label line,
// a line that starts with a single-line If and a line with nothing to split.
bool SplitColonStatements(std::string_view line, TPieces& pieces);

// The split rules that are switched on, in their order; the first that
// applies takes the line.
struct TSplitRules {
    bool Variables = false;
    bool CorrectAsProblem = false;
    bool Constants = false;
    bool SingleLineIfs = false;
    bool Statements = false;
    bool Any() const { return Variables || Constants || SingleLineIfs || Statements; }
};

// Splits `line` and its pieces again until no rule applies, appending the
// final pieces to `out`. Returns false (nothing appended) when no rule
// applies to the line itself.
bool SplitCompletely(std::string_view line, const TSplitRules& rules, TPieces& out);
// The same with the line's facts already worked out.
bool SplitCompletely(std::string_view line, const TLineFacts& facts,
                     const TSplitRules& rules, TPieces& out);

}  // namespace plumora

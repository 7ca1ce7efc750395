// The statement classifier: which block statement a line opens, continues or
// closes, and the line tests built on the same cleaning (labels, continuation,
// single-line If, ":"-separated statements).
#pragma once

#include <string_view>

#include "formatter/code_scan.h"
#include "formatter/statement_kind.h"

namespace plumora {

// True for a line label: the line begins with a label (an identifier or a
// number followed directly by ":" but not ":="), or its code ends with ":".
bool IsLabelLine(std::string_view line);
// True when the code ends with a "_" that has a blank (or nothing) before it.
bool EndsWithContinuation(std::string_view line);
// True for `If ... Then` with a statement after the keyword `Then`.
bool IsSingleLineIf(std::string_view line);
// True when the line holds several statements separated by ":" (never for a
// label line, and never when ":=" appears anywhere in the code).
bool HasColonStatements(std::string_view line);
// True for an `Attribute` line (VB writes them in column 1, also directly
// under a procedure line).
bool IsAttributeLine(std::string_view line);
// The statement kind of the line. Leading blanks and a leading line number
// are ignored; keywords are compared without regard to letter case, as
// Visual Basic reads them (code written outside the IDE is often lower-case).
TStatementKind Classify(std::string_view line);
// The kind of one statement of a line (the text between ":" separators).
TStatementKind ClassifyStatement(std::string_view statement);

// What the pass asks about one line, worked out with one walk over it. The
// answers stay true while a rule changes only the line's leading blanks.
struct TLineFacts {
    TStatementKind Kind = skOther;  // Classify
    bool Label = false;             // IsLabelLine
    bool SingleLineIf = false;      // IsSingleLineIf
    bool Continued = false;         // EndsWithContinuation: the statement goes on below
    bool CommentLine = false;       // IsCommentLine
    bool Blank = false;             // nothing but blanks
    TLineScan Scan;                 // where the comment, code end and first ":" are
};
TLineFacts AnalyseLine(std::string_view line);

// True when one of the line's statements is `Option Explicit` (any case,
// at the start of the line or after a ":").
bool HasOptionExplicitStatement(std::string_view line);

// How many loops a `Next` line closes: one per variable it names, at least 1.
int NextLoopCount(std::string_view line);

}  // namespace plumora

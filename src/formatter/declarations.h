// Declaration rules: the declaration test, the split of multiple variable and
// Const declarations, and the `As` alignment of declaration groups.
#pragma once

#include <string>
#include <string_view>

#include "formatter/formatter.h"
#include "formatter/splitting.h"

namespace plumora {

// The declaration test on a trimmed, upper-cased text: Dim, ReDim, Static
// and Global (not Global Const, not Static Sub/Function) declarations.
bool IsDeclarationText(std::string_view upperTrimmed);

bool IsMultiVarDeclaration(std::string_view line);
bool IsMultiConstDeclaration(std::string_view line);

// The first variable of a declaration list, array bounds included.
std::string DeclName(std::string_view rest);
// " As <type> " for the first As clause in the list (trailing blank
// included), " As Variant " for an empty one, empty without one.
std::string DeclType(std::string_view rest);

// One piece per variable. Returns false (no pieces) when the line is not
// split: its list has "(" (array bounds hold commas), or it holds ":"-
// separated statements, which the ":" split takes apart first so that no
// statement ends up in two pieces.
bool SplitVariables(std::string_view line, bool correctAsProblem, TPieces& pieces);
// One piece per constant; false (no pieces) for a line with ":" statements.
bool SplitConstants(std::string_view line, TPieces& pieces);

// Position of the "A" of the line's " AS " for the alignment (1 when the
// line has none), 0 when the line is not a declaration.
int DeclarationAsColumn(std::string_view line);

// Lines up `count` lines of `output` from index `first` so that their `As`
// starts at column `column` of the text after their leading blanks. A line whose `As`
// already lies beyond that column, or which is no declaration, is left alone.
// Returns true when a line changed.
bool AlignDeclarations(TStyledLines& output, std::size_t first, int count, int column);

}  // namespace plumora

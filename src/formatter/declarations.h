// Declaration rules: the declaration test, the split of multiple variable and
// Const declarations, and the `As` alignment of declaration groups.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "formatter/styled_line.h"

namespace plumora {

using TPieces = std::vector<std::string>;

// The declaration test on a trimmed, upper-cased text: Dim, ReDim, Static
// and Global (not Global Const, not Static Sub/Function/Property) declarations.
bool IsDeclarationText(std::string_view upperTrimmed);

bool IsMultiVarDeclaration(std::string_view line);
bool IsMultiConstDeclaration(std::string_view line);

// True when the variable name ends with a type-declaration character
// (a%, s$, n&, f!, d#, c@): its type is fixed and it takes no As clause.
bool HasTypeSuffix(std::string_view name);

// The first variable of a declaration list, array bounds included.
std::string DeclName(std::string_view rest);
// " As <type>" for the first As clause in the list, " As Variant" for an
// empty one, empty without one.
std::string DeclType(std::string_view rest);

// One piece per variable. Returns false (no pieces) when the line is not
// split: its list has "(" (array bounds hold commas), or it holds ":"-
// separated statements, which the ":" split takes apart first. With
// `correctAsProblem` a variable without a type of its own takes the As
// clause that follows it in the list; a name with a type-declaration
// character never does.
bool SplitVariables(std::string_view line, bool correctAsProblem, TPieces& pieces);
// One piece per constant; false (no pieces) for a line with ":" statements.
bool SplitConstants(std::string_view line, TPieces& pieces);

// Consecutive declaration lines waiting for their As alignment, with the
// largest As column among them.
struct TDeclarationGroup {
    std::vector<TWorkLine> Lines;
    int MaxAs = 0;
};

// Position of the "A" of the line's " As " in the text after its leading
// blanks, plus 1 (1 when the declaration has none), 0 when the line is not a
// declaration. An "As" in the comment does not count.
int DeclarationAsColumn(std::string_view line);

// Puts the " As " of a declaration line at `column` of the text after its
// leading blanks by widening the blanks before it. A line whose As already
// lies at or beyond that column, or which is no declaration, is left alone.
// Returns true when the line changed.
bool AlignDeclaration(std::string& line, int column);

}  // namespace plumora

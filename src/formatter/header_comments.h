// Header comments of subs and functions: the values taken from a procedure
// line, the placeholder expansion of the templates, and how a declaration
// continued with " _" is read as one logical line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>
#include <string>
#include <string_view>

#include "formatter/classifier.h"
#include "formatter/line_ops.h"

namespace plumora {

// The values a header template line can refer to.
struct THeaderValues {
    std::string Name;        // %N
    std::string Author;      // %A
    std::string Date;        // %D
    std::string Parameters;  // %P
    std::string Returns;     // %R (empty for subs)
};

// The name a procedure line declares, after Public, Private or Friend,
// Static, and Sub, Function or Property Get/Let/Set (any case); "Unknown"
// for a line that declares none.
std::string ProcedureName(std::string_view line);
// Name and parameters of a sub line.
std::string SubName(std::string_view line);
std::string SubParameters(std::string_view line);
// The same for a function or property line.
std::string FunctionName(std::string_view line);
// The text inside the outermost parentheses, nested ones included.
std::string FunctionParameters(std::string_view line);
// What follows the parameter list, e.g. "As Integer" or "As String()".
std::string FunctionReturnClause(std::string_view line);

// One walk over a template line: %N %A %D %P %R (either case) become their
// values; a "%" before any other character, or at the end, stays.
std::string ExpandPlaceholders(std::string_view templateLine, const THeaderValues& values);

class TOptionSet;

// True when the options want a header on that side of a procedure of this
// kind in a file of this kind.
bool WantsHeader(TStatementKind kind, bool before, std::uint8_t fileKind,
                 const TOptionSet& options);

// The header comment lines for the procedure declared by `declaration` (its
// first statement, continuation lines joined), on the given side of it; none
// when the options want no header there for this kind of procedure and file,
// or when `neighbour` (the line on that side) shows the header is there.
std::vector<std::string> HeaderLines(std::string_view declaration, bool before,
                                     std::string_view neighbour, std::uint8_t fileKind,
                                     const TOptionSet& options, std::string_view date);

// The first statement of a logical line, without its comment: what a header
// describes of `Sub G(): End Sub`.
std::string DeclarationStatement(std::string joinedLine);

// Today's date as MM/DD/YYYY, the short date of the US Windows locale the
// tool's users have always seen in their headers.
std::string TodayShortDate();

// The logical line of a statement that starts at input line `i` and goes on
// with " _": the code of each physical line, the "_" dropped, joined with the
// next line's text. Reads at most the 24 continuations Visual Basic allows.
// A line that is not continued is returned as it is, comment included.
template <class TextAt>
std::string JoinContinuedLine(std::size_t count, TextAt textAt, std::size_t i,
                              std::string_view first, int tabStops, std::string& buf) {
    if (!EndsWithContinuation(first)) return std::string(first);
    std::string joined(CodePart(first));
    joined.pop_back();  // the "_"
    for (std::size_t j = i + 1, n = 0; j < count && n < 25; ++j, ++n) {
        TabsToSpacesInto(textAt(j), tabStops, buf);
        joined.append(TrimLeftView(CodePart(buf)));
        if (!EndsWithContinuation(buf)) break;
        joined.pop_back();
    }
    return joined;
}

}  // namespace plumora

// Header comments of subs and functions: the values taken from a procedure
// line, the placeholder expansion of the templates, and how a declaration
// continued with " _" is read as one logical line.
#pragma once

#include <cstddef>
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

// Name and parameters of a sub line: "Unknown" unless it begins with
// "Public Sub ", "Private Sub " or "Sub " (any case).
std::string SubName(std::string_view line);
std::string SubParameters(std::string_view line);
// The same for a function line; property and Static procedures are "Unknown".
std::string FunctionName(std::string_view line);
// The text inside the outermost parentheses, nested ones included.
std::string FunctionParameters(std::string_view line);
// What follows the last ")" of the code, e.g. "As Integer".
std::string FunctionReturnClause(std::string_view line);

// One walk over a template line: %N %A %D %P %R (either case) become their
// values; a "%" before any other character, or at the end, stays.
std::string ExpandPlaceholders(std::string_view templateLine, const THeaderValues& values);

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

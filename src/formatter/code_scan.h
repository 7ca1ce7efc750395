// The one scanner that knows where the string literals, date literals and
// comments of a Visual Basic line are. Every rule that looks for a ":", ",",
// quote, keyword or "_" in code asks it, so a literal or a comment is never
// taken for code by one rule and for text by another.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace plumora {

inline constexpr std::size_t kNone = std::string_view::npos;

constexpr bool IsBlankChar(char c) { return static_cast<unsigned char>(c) <= 32; }
constexpr bool IsWordChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}
constexpr char UpperChar(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }

// Length of the date literal (`#10:30:00 AM#`, `#1/2/1999#`) that starts at
// index i, or 0 when the "#" there opens none (a file number, a type suffix,
// `#If`).
std::size_t DateLiteralLength(std::string_view line, std::size_t i);

// Length of the literal that starts at index i: a string literal up to its
// closing quote (doubled quotes stay inside) or to the end of the line when it
// is not closed, or a date literal. 0 when no literal starts there.
std::size_t LiteralLengthAt(std::string_view line, std::size_t i);

// What one walk over a line finds. Indexes are 0-based; kNone when absent.
struct TLineScan {
    std::size_t Comment = kNone;  // the apostrophe of the line's comment
    std::size_t Rem = kNone;      // the `Rem` keyword of a Rem comment
    std::size_t CodeEnd = 0;      // end of the code before any comment, trailing blanks excluded
    std::size_t Colon = kNone;    // the first ":" that separates statements
    bool Quote = false;           // the code holds a string literal
    bool OpenLiteral = false;     // the code ends inside a string literal that is not closed
    bool Continued = false;       // the code ends with " _": the statement goes on below
    // The comment ends with " _": Visual Basic reads the next line as more of
    // the comment, whatever it holds.
    bool CommentContinued = false;

    std::size_t CommentStart() const { return Comment != kNone ? Comment : Rem; }
    bool HasComment() const { return Comment != kNone || Rem != kNone; }
};

// True when the text ends with a "_" that has a blank (or nothing) before
// it, trailing blanks aside: the line goes on below.
bool EndsWithContinuationMark(std::string_view text);

// Walks the line once. A `Rem` counts where a statement starts: at the start
// of the line, after a line number, after a ":" and after `Then` or `Else`.
TLineScan ScanLine(std::string_view line);

// The ":" that separate statements (not those of named arguments, `:=`) in
// the code before `end`, in order; each call of `visit(index)` may return
// false to stop.
template <class Visit>
void ForEachStatementColon(std::string_view line, std::size_t end, Visit visit) {
    for (std::size_t i = 0; i < end && i < line.size();) {
        if (std::size_t n = LiteralLengthAt(line, i)) {
            i += n;
            continue;
        }
        if (line[i] == ':' && !(i + 1 < line.size() && line[i + 1] == '=') && !visit(i)) return;
        ++i;
    }
}

// First index of `c` outside literals at or after `from`; kNone when none.
// `text` is code: the caller has cut off any comment.
std::size_t FindOutsideLiterals(std::string_view text, char c, std::size_t from = 0);

// Index of `word` as a whole word outside literals at or after `from`,
// letters compared without regard to case; kNone when absent.
std::size_t FindWordOutsideLiterals(std::string_view text, std::string_view upperWord,
                                    std::size_t from = 0);

// Each tab outside string literals becomes `tabStops` blanks; tabs inside
// literals are data and stay. `commentText` marks a line that is the
// continuation of a comment, which holds no literals.
void ExpandTabs(std::string_view line, int tabStops, std::string& out, bool commentText = false);

}  // namespace plumora

// The text and line operations that every formatter rule shares: 1-based
// positions, trimming of every character code 0 to 32, tab expansion, and
// finding the comment and the string literals of a Visual Basic line.
#pragma once

#include <string>
#include <string_view>

namespace plumora {
struct TLineScan;
}

namespace plumora {

// ---- Text operations -------------------------------------------------------

// The first / last n characters; the whole text when n reaches its length,
// empty for n of 0 or less.
std::string LeftPart(std::string_view text, int n);
std::string RightPart(std::string_view text, int n);
// 1-based position of the first occurrence (case-sensitive); 0 when absent.
int FindText(std::string_view text, std::string_view sought);
// The same from position `start` on; 0 when absent or `start` is past the end.
int FindTextFrom(int start, std::string_view text, std::string_view sought);
// n blanks; empty for n of 0 or less.
std::string Blanks(int n);
// Number of blanks before the first other character (the length when all blank).
int LeadingBlanks(std::string_view text);
// The pattern repeated to n characters (n limited to 1000); empty for an
// empty pattern.
std::string RepeatToLength(std::string_view pattern, int n);

// Trimming removes every character with a code from 0 to 32.
constexpr bool IsTrimmed(char c) { return static_cast<unsigned char>(c) <= 32; }
std::string_view TrimView(std::string_view text);
std::string_view TrimLeftView(std::string_view text);
std::string_view TrimRightView(std::string_view text);

// ASCII upper case of `text` into `out` (other bytes unchanged).
void UpperInto(std::string_view text, std::string& out);
// True when `text` begins with `prefix`, letters compared without case.
bool StartsWithNoCase(std::string_view text, std::string_view prefix);

constexpr bool IsIdentChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// ---- Line operations -------------------------------------------------------

// Every tab becomes exactly `tabStops` blanks (a fixed replacement, not an
// advance to the next stop).
std::string TabsToSpaces(std::string_view line, int tabStops);
void TabsToSpacesInto(std::string_view line, int tabStops, std::string& out);

// Position of the apostrophe that starts the line's comment (outside string
// literals), 0 when there is none. Text after a `Rem` statement is a comment
// of its own kind: an apostrophe inside it starts nothing.
int CommentStart(std::string_view line);
// Position of a `Rem` statement's keyword (at the start of the line, after a
// line number or after a ":" separator, outside literals); 0 when none.
int RemStart(std::string_view line);
// Removes the comment and the blanks before it; a line without comment stays.
void StripComment(std::string& line);
// The characters after the comment's apostrophe; empty without a comment.
std::string CommentText(std::string_view line);
// True when the first non-blank character is an apostrophe.
bool IsCommentLine(std::string_view line);
// The statement text of the line: without its apostrophe comment, without a
// `Rem` comment, trailing blanks removed. Every rule that looks for ":", "_"
// or quotes in code works on this, so comments never count as code.
std::string_view CodePart(std::string_view line);
// The code part upper-cased (ASCII), without literals, trimmed at both ends,
// written into `out`: what the label, continuation and If tests look at.
void CleanCodeInto(std::string_view line, std::string& out);
void CleanCodeInto(std::string_view line, const TLineScan& scan, std::string& out);
// True when the code part holds a double quote.
bool HasStringLiteral(std::string_view line);
// Removes every double quote and every character inside a literal.
void StripLiterals(std::string& line);
// First position of `c` outside literals, 0 when none.
int FindOutsideQuotes(std::string_view text, char c);
// True when position n lies inside a literal (odd number of quotes before it).
bool IsInsideLiteral(int n, std::string_view text);

// A line number at the start of the line (after leading blanks): digits that
// end the line or are followed by a blank. Returns its length (0 when the
// line has none) and sets `statement` to the text after it, leading blanks
// removed.
std::size_t SplitLineNumber(std::string_view line, std::string_view& number,
                            std::string_view& statement);

}  // namespace plumora

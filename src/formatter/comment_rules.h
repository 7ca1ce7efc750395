// Comment rules on one line: special removal, placement of whole-line and
// in-line comments. They change nothing but the line they are given; a
// comment that must move onto a line of its own is handed back.
#pragma once

#include <string>
#include <string_view>

#include "formatter/code_scan.h"

namespace plumora {

class TOptionSet;

// True when the comment text begins with `characters` (case-sensitive, over
// their whole length; empty characters match every comment).
bool StartsWithSpecialCharacters(std::string_view commentText, std::string_view characters);

// Removes a comment that begins with the special characters (when that rule
// is on). Returns false when nothing is left of the line: it is not written.
// A comment continued with " _" stays: removing it would turn the comment
// text on the next line into code.
bool SpecialRemove(std::string& line, const TLineScan& scan, const TOptionSet& options);

// The leading blanks of a comment-only line by the single-line mode: fixed
// column, the previous line's level, the next line's level; "Remove" empties
// the line (unless the comment is continued with " _").
void PlaceSingleLineComment(std::string& line, const TOptionSet& options, int prevIndent,
                            int nextIndent, bool continued = false);

// Where an in-line comment went.
enum class TCommentMove { Stays, Above, Below };
// What the in-line placement may do with the comment of one line: a comment
// line of its own must never land inside a statement continued with " _" or
// between a procedure line and its Attribute lines.
struct TInLineRoom {
    bool Above = true;
    bool Below = true;
};

// Places the comment that follows code on `line` by the in-line mode. When
// the fallback puts it on a line of its own, that line (at `prevIndent`
// blanks) is returned in `moved` and `line` keeps the code.
TCommentMove PlaceInLineComment(std::string& line, const TLineScan& scan,
                                const TOptionSet& options, TInLineRoom room, int prevIndent,
                                std::string& moved);

// `indent` blanks, an apostrophe and `characters` repeated to `total`; with
// no characters to repeat, the apostrophe alone.
std::string CommentBlockLine(int indent, std::string_view characters, int total);

}  // namespace plumora

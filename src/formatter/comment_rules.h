// Comment rules that need no formatter state: the block line that frames a
// comment group, the special-removal test, and where a line's comment is.
#pragma once

#include <string>
#include <string_view>

namespace plumora {

// `indent` blanks, an apostrophe and `characters` repeated to `total`; with
// no characters to repeat, the apostrophe alone.
std::string CommentBlockLine(int indent, std::string_view characters, int total);

// True when the comment text begins with `characters` (case-sensitive, over
// their whole length; empty characters match every comment).
bool StartsWithSpecialCharacters(std::string_view commentText, std::string_view characters);

// True when the line holds an apostrophe comment, cheaply ruling out the
// many lines without any apostrophe.
bool HasComment(std::string_view line);

}  // namespace plumora

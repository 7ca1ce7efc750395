// Groups of comment-only lines and the block lines that frame them. A group
// is counted in the order lines are written, after the lines that the rules
// remove are gone, so that styling the styled file finds the same groups.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "formatter/styled_line.h"

namespace plumora {

class TOptionSet;

struct TCommentGroup {
    int Count = 0;           // consecutive comment-only lines written
    std::size_t Start = 0;   // Output index of the group's first line
    std::size_t End = 0;     // Output index just after its last line
    // Where the group stands: the leading blanks of the line written before
    // it and the indentation level of the code around it, for the layout of
    // the block lines that frame it.
    int PrevIndent = 0;
    int Level = 0;
};

// A comment-only line was written at Output index `at`; `prevIndent` and
// `level` describe its place when it starts a group.
void AddToCommentGroup(TCommentGroup& group, std::size_t at, int prevIndent, int level);

// The block line that frames the group now ending, before its layout, or an
// empty string when the group is not framed: framing is off, the group is
// too small, already framed, a header comment, or the block line would not
// survive the comment rules (removed, or emptied by the "Remove" placement).
std::string CommentGroupFrame(const TCommentGroup& group, const TStyledLines& output,
                              const TOptionSet& options);

// True when `line` is `templateLine` with its placeholders filled in (any
// text stands for %N, %A, %D, %P and %R), leading blanks not counted: a
// header that is already there, however it was placed.
bool MatchesTemplateLine(std::string_view line, std::string_view templateLine);

}  // namespace plumora

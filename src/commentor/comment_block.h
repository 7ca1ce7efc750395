// The header comment block around a routine's first line: finding it, reading
// the Author and Params fields from it, and merging the edited block back.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace plumora {

// Inclusive line indexes of a block.
struct TCommentBlock {
    std::size_t First = 0;
    std::size_t Last = 0;
    friend bool operator==(const TCommentBlock&, const TCommentBlock&) = default;
};

// The comment lines directly above `routine` (never the file's first line),
// the routine line, and the comment lines directly below it.
TCommentBlock CommentBlockAt(const std::vector<std::string>& lines, std::size_t routine);

struct THeaderFields {
    std::string Author;      // from a line "'  Author : ..."
    std::string Parameters;  // from a line "'  Params : ..."
};

// Reads the fields from the block's lines, each trimmed first; when a field
// appears twice the later line wins.
THeaderFields ReadHeaderFields(const std::vector<std::string>& blockLines);

// Replaces the block's lines by `editor`. Returns the index of the first
// editor line that is a routine line, at its new position; nothing when the
// edit removed every routine line.
std::optional<std::size_t> MergeCommentBlock(std::vector<std::string>& lines,
                                             const TCommentBlock& block,
                                             const std::vector<std::string>& editor);

}  // namespace plumora

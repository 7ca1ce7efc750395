// Finding, reading and merging the header comment block of a routine.
#include "commentor/comment_block.h"

#include <algorithm>
#include <string_view>

#include "commentor/routine_lines.h"
#include "formatter/line_ops.h"

namespace plumora {

namespace {

// The file's first line never belongs to a block.
constexpr std::size_t kHighestBlockLine = 1;

bool TakeField(std::string_view trimmed, std::string_view label, std::string& field) {
    if (trimmed.substr(0, label.size()) != label) return false;
    field.assign(TrimView(trimmed.substr(label.size())));
    return true;
}

}  // namespace

TCommentBlock CommentBlockAt(const std::vector<std::string>& lines, std::size_t routine) {
    TCommentBlock block{routine, routine};
    while (block.First > kHighestBlockLine && IsBlockCommentLine(lines[block.First - 1])) {
        --block.First;
    }
    while (block.Last + 1 < lines.size() && IsBlockCommentLine(lines[block.Last + 1])) {
        ++block.Last;
    }
    return block;
}

THeaderFields ReadHeaderFields(const std::vector<std::string>& blockLines) {
    THeaderFields fields;
    for (const std::string& line : blockLines) {
        std::string_view trimmed = TrimView(line);
        if (!TakeField(trimmed, "'  Author :", fields.Author)) {
            TakeField(trimmed, "'  Params :", fields.Parameters);
        }
    }
    return fields;
}

std::optional<std::size_t> MergeCommentBlock(std::vector<std::string>& lines,
                                             const TCommentBlock& block,
                                             const std::vector<std::string>& editor) {
    // A block that no longer fits the lines is cut to them rather than
    // reaching past the end.
    std::size_t from = std::min(block.First, lines.size());
    std::size_t to = std::max(from, std::min(block.Last + 1, lines.size()));
    auto first = lines.begin() + static_cast<std::ptrdiff_t>(from);
    auto last = lines.begin() + static_cast<std::ptrdiff_t>(to);
    first = lines.erase(first, last);
    lines.insert(first, editor.begin(), editor.end());
    for (std::size_t i = 0; i < editor.size(); ++i) {
        if (IsRoutineLine(editor[i])) return from + i;
    }
    return std::nullopt;
}

}  // namespace plumora

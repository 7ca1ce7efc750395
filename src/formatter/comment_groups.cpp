// Comment groups and their frames.
#include "formatter/comment_groups.h"

#include "formatter/comment_rules.h"
#include "formatter/line_ops.h"
#include "settings/option_set.h"

namespace plumora {

void AddToCommentGroup(TCommentGroup& group, std::size_t at, int prevIndent, int level) {
    if (group.Count++ == 0) {
        group.Start = at;
        group.PrevIndent = prevIndent;
        group.Level = level;
    }
    group.End = at + 1;
}

bool MatchesTemplateLine(std::string_view line, std::string_view templateLine) {
    line = TrimView(line);
    std::string_view t = TrimView(templateLine);
    // Each piece of literal template text must follow in order; a
    // placeholder between two pieces takes whatever stands there.
    std::size_t at = 0;
    bool first = true;
    while (true) {
        std::size_t ph = kNone;
        for (std::size_t i = 0; i + 1 < t.size(); ++i) {
            const char c = UpperChar(t[i + 1]);
            if (t[i] == '%' && (c == 'N' || c == 'A' || c == 'D' || c == 'P' || c == 'R')) {
                ph = i;
                break;
            }
        }
        const std::string_view piece = t.substr(0, ph);
        if (ph == kNone) {
            // The last piece ends the line.
            if (first) return line == piece;
            return line.size() >= at + piece.size() &&
                   line.substr(line.size() - piece.size()) == piece;
        }
        if (first) {
            if (line.substr(0, piece.size()) != piece) return false;
            at = piece.size();
        } else {
            const std::size_t found = line.find(piece, at);
            if (found == kNone) return false;
            at = found + piece.size();
        }
        first = false;
        t.remove_prefix(ph + 2);
    }
}

namespace {

bool IsHeaderGroup(const TCommentGroup& group, const TStyledLines& output,
                   const TOptionSet& options) {
    const std::string& first = output[group.Start].Text;
    const std::string& last = output[group.End - 1].Text;
    for (const auto* lines : {&options.SubHeaderTemplate, &options.FunctionHeaderTemplate}) {
        if (lines->empty()) continue;
        if (MatchesTemplateLine(first, lines->front()) || MatchesTemplateLine(last, lines->back()))
            return true;
    }
    return false;
}

}  // namespace

std::string CommentGroupFrame(const TCommentGroup& group, const TStyledLines& output,
                              const TOptionSet& options) {
    if (!options.Bool(Opt::SingleLineCommentBlocks) || group.Count == 0 ||
        group.Count < options.Int(Opt::SingleLineCommentGroupQty) || group.End > output.size() ||
        group.Start >= group.End)
        return {};
    const std::string& last = output[group.End - 1].Text;
    const int indent = LeadingBlanks(last);
    std::string block =
        CommentBlockLine(indent, options.Text(Opt::SingleLineCommentBlockCharacters),
                         options.Int(Opt::SingleLineCommentBlockCharacterTotal));
    if (TrimView(block) == TrimView(last)) return {};  // already framed
    // A generated header is framed by its own template lines; a block line
    // between it and its procedure would also hide it from the guard against
    // a second header.
    if (IsHeaderGroup(group, output, options)) return {};
    // A block line that the comment rules would take away again is never
    // written: the next styling would remove it.
    std::string probe = block;
    if (!SpecialRemove(probe, ScanLine(probe), options)) return {};
    PlaceSingleLineComment(probe, options, indent, indent);
    if (TrimView(probe).empty()) return {};
    return block;
}

}  // namespace plumora

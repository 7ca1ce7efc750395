// Removal and placement of comments.
#include "formatter/comment_rules.h"

#include "formatter/line_ops.h"
#include "settings/option_set.h"

namespace plumora {

bool StartsWithSpecialCharacters(std::string_view commentText, std::string_view characters) {
    return commentText.substr(0, characters.size()) == characters;
}

std::string CommentBlockLine(int indent, std::string_view characters, int total) {
    std::string block = Blanks(indent);
    block.push_back('\'');
    block.append(RepeatToLength(characters, total));
    return block;
}

namespace {

// Replaces the leading blanks of a line by `width` blanks.
void Reindent(std::string& line, int width) {
    const std::size_t lead = std::size_t(LeadingBlanks(line));
    const std::size_t want = width > 0 ? std::size_t(width) : 0;
    if (lead > want)
        line.erase(0, lead - want);
    else if (lead < want)
        line.insert(0, want - lead, ' ');
}

void TrimRight(std::string& s) { s.resize(TrimRightView(s).size()); }

}  // namespace

bool SpecialRemove(std::string& line, const TLineScan& scan, const TOptionSet& options) {
    if (!options.Bool(Opt::SpecialRemoveComments) || scan.Comment == kNone ||
        scan.CommentContinued)
        return true;
    const std::string_view text = std::string_view(line).substr(scan.Comment + 1);
    if (!StartsWithSpecialCharacters(text, options.Text(Opt::SpecialRemoveCommentCharacters)))
        return true;
    line.resize(scan.CodeEnd);
    return !TrimView(line).empty();
}

void PlaceSingleLineComment(std::string& line, const TOptionSet& options, int prevIndent,
                            int nextIndent, bool continued) {
    switch (options.Int(Opt::GrpSingleLineComments)) {
        case slFixedColumn: Reindent(line, options.Int(Opt::SingleLineCommentColumn)); break;
        case slPriorLineIndent: Reindent(line, prevIndent); break;
        case slNextLineIndent: Reindent(line, nextIndent); break;
        case slRemove:
            if (!continued) line.clear();
            break;
        default: break;  // leave as is: the indentation the line already has
    }
}

TCommentMove PlaceInLineComment(std::string& line, const TLineScan& scan,
                                const TOptionSet& options, TInLineRoom room, int prevIndent,
                                std::string& moved) {
    const int mode = options.Int(Opt::GrpInLineComments);
    if (mode == ilLeaveAsIs || scan.Comment == kNone || scan.CodeEnd == 0) return TCommentMove::Stays;
    const std::size_t p = scan.Comment;  // 0-based index of the apostrophe
    const std::string_view comment = std::string_view(line).substr(p + 1);
    const std::size_t codeLength = scan.CodeEnd;
    // A comment continued with " _" carries the next line with it: it may
    // move along its line but never leave it.
    const bool continued = scan.CommentContinued;

    auto rightBy = [&](int blanks) {
        std::string placed = line.substr(0, codeLength);
        placed.append(std::size_t(blanks > 0 ? blanks : 0), ' ');
        placed.push_back('\'');
        placed.append(comment);
        TrimRight(placed);
        line.swap(placed);
    };

    if (mode == ilRemove) {
        if (continued) return TCommentMove::Stays;
        line.resize(codeLength);
        return TCommentMove::Stays;
    }
    if (mode == ilRightBy) {
        rightBy(options.Int(Opt::InLineCommentsIndent));
        return TCommentMove::Stays;
    }
    const int column = options.Int(Opt::InLineCommentsFixedColumn);
    if (int(codeLength) <= column) {
        // The fit trims the comment text, unless that would change whether
        // it goes on below (" _" trimmed to "_" does not).
        const std::string_view text = continued ? comment : TrimView(comment);
        // Already in its column (every line of a second pass): nothing to build.
        if (p == std::size_t(column) && line.find_first_not_of(' ', codeLength) == p &&
            text.size() == comment.size())
            return TCommentMove::Stays;
        std::string placed = line.substr(0, codeLength);
        placed.append(std::size_t(column) - codeLength, ' ');
        placed.push_back('\'');
        placed.append(text);
        line.swap(placed);
        return TCommentMove::Stays;
    }

    int fallback = options.Int(Opt::GrpInLineCommentsFixedColUnavail);
    if (continued || (fallback == fcPreviousLine && !room.Above) ||
        (fallback == fcNextLine && !room.Below))
        fallback = fcRightBy;
    switch (fallback) {
        case fcPreviousLine:
        case fcNextLine: {
            moved = Blanks(prevIndent);
            moved.push_back('\'');
            moved.append(comment);
            TrimRight(moved);
            line.resize(codeLength);
            return fallback == fcPreviousLine ? TCommentMove::Above : TCommentMove::Below;
        }
        case fcRemove: line.resize(codeLength); return TCommentMove::Stays;
        default: rightBy(options.Int(Opt::InLineCommentsUnavailColIndent)); return TCommentMove::Stays;
    }
}

}  // namespace plumora

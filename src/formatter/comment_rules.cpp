// Comment handling of the pass: special removal, placement of whole-line and
// in-line comments, and the block lines that frame groups of comment lines.
#include "formatter/comment_rules.h"

#include <algorithm>
#include <cstring>

#include "formatter/classifier.h"
#include "formatter/formatter.h"
#include "formatter/line_ops.h"
#include "settings/option_set.h"

namespace plumora {

std::string CommentBlockLine(int indent, std::string_view characters, int total) {
    std::string block = Blanks(indent);
    block.push_back('\'');
    block.append(RepeatToLength(characters, total));
    return block;
}

bool StartsWithSpecialCharacters(std::string_view commentText, std::string_view characters) {
    return commentText.substr(0, characters.size()) == characters;
}

bool HasComment(std::string_view line) {
    if (std::memchr(line.data(), '\'', line.size()) == nullptr) return false;
    return CommentStart(line) > 0;
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
}  // namespace

void TVBSrcFormatter::SpecialRemove(std::string& line, bool& append) {
    if (!options_.Bool(Opt::SpecialRemoveComments)) return;
    const int p = CommentStart(line);
    if (p <= 0) return;
    std::string_view text = std::string_view(line).substr(std::size_t(p));
    if (!StartsWithSpecialCharacters(text, options_.Text(Opt::SpecialRemoveCommentCharacters)))
        return;
    StripComment(line);
    if (TrimView(line).empty()) append = false;
}

void TVBSrcFormatter::PlaceSingleLineComment(std::string& line) {
    if (!IsCommentLine(line)) return;
    switch (options_.Int(Opt::GrpSingleLineComments)) {
        case 1: Reindent(line, options_.Int(Opt::SingleLineCommentColumn)); break;
        case 2: Reindent(line, PrevIndent); break;
        case 3: Reindent(line, CurrentIndent); break;
        case 4: line.clear(); break;
        default: break;  // leave as is: the indentation the line already has
    }
}

void TVBSrcFormatter::PlaceInLineComment(std::string& line) {
    const int mode = options_.Int(Opt::GrpInLineComments);
    if (mode < 1 || mode > 3 || IsCommentLine(line)) return;
    const int p = CommentStart(line);
    if (p <= 0) return;
    const std::string_view comment = std::string_view(line).substr(std::size_t(p));
    const std::size_t codeLength =
        TrimRightView(std::string_view(line).substr(0, std::size_t(p - 1))).size();
    // Already in its column (every line of a second pass): nothing to build.
    if (mode == 1 && p - 1 == options_.Int(Opt::InLineCommentsFixedColumn) &&
        line.find_first_not_of(' ', codeLength) == std::size_t(p - 1) &&
        TrimView(comment).size() == comment.size())
        return;
    std::string code = line.substr(0, codeLength);

    auto rightBy = [&](int blanks) {
        std::string placed = code;
        placed.append(std::size_t(blanks > 0 ? blanks : 0), ' ');
        placed.push_back('\'');
        placed.append(comment);
        return placed;
    };

    if (mode == 3) {
        line = code;
        return;
    }
    if (mode == 2) {
        line = rightBy(options_.Int(Opt::InLineCommentsIndent));
        return;
    }
    const int column = options_.Int(Opt::InLineCommentsFixedColumn);
    if (int(code.size()) <= column) {
        std::string placed = code;
        placed.append(std::size_t(column) - code.size(), ' ');
        placed.push_back('\'');
        placed.append(TrimView(comment));
        line = std::move(placed);
        return;
    }

    int fallback = options_.Int(Opt::GrpInLineCommentsFixedColUnavail);
    // A comment line of its own must not land inside a statement continued
    // with " _" or between a procedure line and its Attribute lines (Visual
    // Basic rejects both), and a line whose pieces a split rule already
    // emitted carries its comment in those pieces.
    if ((fallback == 1 && (InContinuation || LineWasSplit || IsAttributeLine(line))) ||
        (fallback == 2 &&
         (EndsWithContinuation(code) || LineWasSplit || IsAttributeLine(NextLine))))
        fallback = 0;
    switch (fallback) {
        case 1: {
            Modified = true;
            comment_moved_ = 1;
            std::string moved = Blanks(PrevIndent);
            moved.push_back('\'');
            moved.append(comment);
            // Above a header inserted for this line, so that the header stays
            // next to its procedure, where the guard finds it again.
            moved_at_ = header_inserted_ ? header_start_ : Output.size();
            Output.insert(Output.begin() + std::ptrdiff_t(moved_at_),
                          TStyledLine{std::move(moved), TColorObject::Changed()});
            line = std::move(code);
            break;
        }
        case 2: {
            Modified = true;
            comment_moved_ = 2;
            AppendOutput(code, TColorObject::Changed());
            std::string moved = Blanks(PrevIndent);
            moved.push_back('\'');
            moved.append(comment);
            line = std::move(moved);
            break;
        }
        case 3: line = std::move(code); break;
        default: line = rightBy(options_.Int(Opt::InLineCommentsUnavailColIndent)); break;
    }
}

std::string_view TVBSrcFormatter::GroupLastLine() const {
    if (group_ends_moved_ && CommentGroupEnd > 0 && CommentGroupEnd <= Output.size())
        return Output[CommentGroupEnd - 1].Text;
    return PrevLine;
}

bool TVBSrcFormatter::IsHeaderGroup() const {
    std::string_view first;
    if (CommentGroupStart < Output.size()) first = TrimLeftView(Output[CommentGroupStart].Text);
    std::string_view last = TrimLeftView(GroupLastLine());
    for (const auto* lines : {&options_.SubHeaderTemplate, &options_.FunctionHeaderTemplate}) {
        if (lines->empty()) continue;
        if (first == TrimLeftView(lines->front()) || last == TrimLeftView(lines->back()))
            return true;
    }
    return false;
}

void TVBSrcFormatter::CloseCommentGroup(int groupSize) {
    if (!options_.Bool(Opt::SingleLineCommentBlocks) ||
        groupSize < options_.Int(Opt::SingleLineCommentGroupQty))
        return;
    std::string block =
        CommentBlockLine(PrevIndent, options_.Text(Opt::SingleLineCommentBlockCharacters),
                         options_.Int(Opt::SingleLineCommentBlockCharacterTotal));
    if (TrimView(block) == TrimView(GroupLastLine())) return;  // already framed
    // A generated header is framed by its own template lines; a block line
    // between it and its procedure would also hide it from the guard against
    // a second header.
    if (IsHeaderGroup()) return;
    PlaceSingleLineComment(block);
    const std::size_t end = std::min(CommentGroupEnd, Output.size());
    const std::size_t start = std::min(CommentGroupStart, end);
    Output.insert(Output.begin() + std::ptrdiff_t(end), TStyledLine{block, TColorObject::Changed()});
    Output.insert(Output.begin() + std::ptrdiff_t(start), TStyledLine{block, TColorObject::Changed()});
}

void TVBSrcFormatter::CommentStep(std::string& line, bool& append, bool commentBlocks) {
    bool commentOnly = false;
    comment_moved_ = 0;
    if (HasComment(line)) {
        SpecialRemove(line, append);
        // A removed line is gone: it neither belongs to a group nor ends one.
        if (!append) {
            header_inserted_ = false;
            return;
        }
        if (IsCommentLine(line)) {
            commentOnly = true;
            if (++CommentGroupCount == 1) {
                CommentGroupStart = Output.size();
                group_ends_moved_ = false;
            }
            if (options_.Int(Opt::GrpSingleLineComments) != 0) PlaceSingleLineComment(line);
        } else if (CommentStart(line) > 0) {
            PlaceInLineComment(line);
            // A comment moved onto a line of its own is a comment line from
            // now on: it belongs to the group next to it as it will when the
            // styled file is styled again, or the frames would not be stable.
            if (comment_moved_ == 1) {
                // Lines put between the group and the moved comment (blank
                // lines before the statement) end the group where it is.
                if (CommentGroupCount > 0 && CommentGroupEnd != moved_at_) {
                    const std::size_t before = Output.size();
                    if (commentBlocks) CloseCommentGroup(CommentGroupCount);
                    moved_at_ += Output.size() - before;  // frames went in above it
                    CommentGroupCount = 0;
                }
                if (CommentGroupCount++ == 0) CommentGroupStart = moved_at_;
                CommentGroupEnd = moved_at_ + 1;
                group_ends_moved_ = true;
            }
        }
    }
    if (!commentOnly && CommentGroupCount > 0) {
        if (commentBlocks) CloseCommentGroup(CommentGroupCount);
        CommentGroupCount = 0;
        group_ends_moved_ = false;
    }
    if (comment_moved_ == 2) {  // the line itself is now the moved comment
        CommentGroupCount = 1;
        CommentGroupStart = Output.size();
    }
    header_inserted_ = false;
}

}  // namespace plumora

// The formatter pass: preamble (description block, Option Explicit, gauge)
// and the rules applied to every line in their fixed order.
#include "formatter/formatter.h"

#include <algorithm>

#include "formatter/blank_lines.h"
#include "formatter/code_scan.h"
#include "formatter/comment_rules.h"
#include "formatter/for_next.h"
#include "formatter/header_comments.h"
#include "formatter/line_ops.h"
#include "formatter/splitting.h"
#include "host/run_host.h"
#include "settings/option_set.h"

namespace plumora {

// The first pass decides the structure, so the As alignment runs there too:
// the in-line comment rules must see the aligned width before they decide
// whether a comment still fits on its line.
//                          Spell Headr Blank Split Indnt DimAs ForNx Cmmnt Block Remov
const TPassRules kPassRules[3] = {
    {true, true, true, true, true, true, true, true, true, true},        // Pass 1
    {false, false, false, true, true, true, true, true, false, false},   // Pass 2
    {false, false, false, true, true, false, true, true, false, false},  // Pass 3
};

TVBSrcFormatter::TVBSrcFormatter(const TOptionSet& options, IRunHost* runHost,
                                 ISpellingHost* spelling)
    : options_(options), run_host_(runHost), spelling_(spelling) {}

namespace {

bool IsDescriptionEnd(std::string_view line) {
    std::string_view t = TrimRightView(line);
    return t.size() == 3 && StartsWithNoCase(t, "END");
}

bool IsDescriptionBegin(std::string_view line) {
    std::string_view t = TrimView(line);
    return StartsWithNoCase(t, "BEGIN") && (t.size() == 5 || t[5] == ' ');
}

// The Attribute lines right below the description block, written by Visual
// Basic in column 1.
bool IsAttribute(std::string_view line) { return line.substr(0, 9) == "Attribute"; }

// An If statement continued over several lines is a single-line If when its
// joined text is one; only then does the whole statement open no block.
template <class TextAt>
bool IsContinuedSingleLineIf(std::size_t count, TextAt textAt, std::size_t i,
                             std::string_view first, int tabStops, std::string& buf) {
    std::string joined(CodePart(first));
    joined.pop_back();  // the "_"
    // Visual Basic allows at most 24 continuations; stop there.
    for (std::size_t j = i + 1, n = 0; j < count && n < 25; ++j, ++n) {
        ExpandTabs(textAt(j), tabStops, buf);
        joined.append(CodePart(buf));
        if (!EndsWithContinuation(buf)) break;
        joined.pop_back();
    }
    return IsSingleLineIf(joined);
}

// For a file without any procedure: the description block is the VERSION
// line and the Begin ... End nesting that follows it (forms, user controls
// and classes all start that way). Returns the index of the closing End, or
// -1 when the file does not start with such a block.
template <class TextAt>
long FindLeadingDescriptionEnd(std::size_t count, TextAt textAt, int tabStops, std::string& buf) {
    if (count == 0) return -1;
    ExpandTabs(textAt(0), tabStops, buf);
    if (!StartsWithNoCase(TrimLeftView(buf), "VERSION ")) return -1;
    int depth = 0;
    for (std::size_t i = 1; i < count; ++i) {
        ExpandTabs(textAt(i), tabStops, buf);
        if (IsDescriptionBegin(buf)) {
            ++depth;
        } else if (IsDescriptionEnd(TrimLeftView(buf)) && depth > 0) {
            if (--depth == 0) return long(i);
        }
    }
    return -1;
}

// Grows a vector's capacity geometrically, never by exactly what is needed,
// so that alternating passes do not reallocate (and re-fault) big arrays.
template <class V>
void ReserveAtLeast(V& v, std::size_t needed) {
    if (needed > v.capacity()) v.reserve(std::max(needed, v.capacity() * 2));
}

void TrimRight(std::string& s) { s.resize(TrimRightView(s).size()); }

bool IsCommentOnly(std::string_view line) {
    const std::size_t p = line.find_first_not_of(' ');
    return p != std::string_view::npos && line[p] == '\'';
}

}  // namespace

void TVBSrcFormatter::AppendOutput(std::string_view text, bool changed) {
    const TColorObject mark = changed ? TColorObject::Changed() : TColorObject::Unchanged();
    if (spare_.empty()) {
        Output.push_back({std::string(text), mark});
        return;
    }
    std::string buffer = std::move(spare_.back());
    spare_.pop_back();
    buffer.assign(text);
    Output.push_back({std::move(buffer), mark});
}

void TVBSrcFormatter::InsertOutput(std::size_t at, std::string text) {
    at = std::min(at, Output.size());
    Output.insert(Output.begin() + std::ptrdiff_t(at),
                  TStyledLine{std::move(text), TColorObject::Changed()});
    // Every position the pass keeps into Output moves with the lines.
    TCommentGroup& group = state_.Comments;
    if (group.Count > 0) {
        if (group.Start >= at) ++group.Start;
        if (group.End >= at) ++group.End;
    }
    if (state_.HeaderStart != kNone && state_.HeaderStart >= at) ++state_.HeaderStart;
}

void TVBSrcFormatter::RecycleLines(TStyledLines& lines) {
    ReserveAtLeast(spare_, spare_.size() + lines.size());
    // Buffers taken over by the pass are left empty; only real ones are kept.
    const std::size_t inlineCapacity = std::string().capacity();
    for (auto& line : lines)
        if (line.Text.capacity() > inlineCapacity) spare_.push_back(std::move(line.Text));
    lines.clear();
}

void TVBSrcFormatter::ReadPassOptions(int pass) {
    pass_ = pass;
    rules_ = kPassRules[pass < 0 ? 0 : pass > 2 ? 2 : pass];
    opt_.Indent = options_.Bool(Opt::CodeIndentPerform);
    opt_.SplitVars = options_.Bool(Opt::MultiVarSplit);
    opt_.SplitConsts = options_.Bool(Opt::MultiConstSplit);
    opt_.SplitIfs = options_.Bool(Opt::IfThenSplit);
    opt_.SplitColons = options_.Bool(Opt::MultiStatementSplit);
    opt_.CorrectAs = options_.Bool(Opt::CorrectAsProblem);
    opt_.AlignAs = options_.Bool(Opt::AlignMultiDimAs);
    opt_.AlignQty = options_.Int(Opt::AlignDimAsGroupQty);
    opt_.ForNextMode = options_.Int(Opt::GrpForNextProcessing);
    opt_.BlankLineMode = options_.Int(Opt::GrpBlankLines);
    opt_.SpecialRemove = options_.Bool(Opt::SpecialRemoveComments);
    opt_.SingleLineMode = options_.Int(Opt::GrpSingleLineComments);
    opt_.InLineMode = options_.Int(Opt::GrpInLineComments);
    opt_.Frames = options_.Bool(Opt::SingleLineCommentBlocks);
}

template <class TextAt>
bool TVBSrcFormatter::RunPreamble(std::size_t count, TextAt textAt, std::size_t& firstCode) {
    std::string& buf = scratch_;
    // The first procedure start.
    std::size_t procedure = count;
    for (std::size_t i = 0; i < count; ++i) {
        if (run_host_ && run_host_->PumpMessages()) return false;
        ExpandTabs(textAt(i), VBTabStops, buf);
        if (IsProcedureStart(Classify(TrimView(buf)))) {
            procedure = i;
            break;
        }
    }

    bool hasOptionExplicit = false;
    long descriptionEnd = -1;
    // Forms, classes and user controls open with VERSION and their block;
    // a module has none, whatever lines of its code look like.
    bool described = false;
    if (count > 0) {
        ExpandTabs(textAt(0), VBTabStops, buf);
        described = StartsWithNoCase(TrimLeftView(buf), "VERSION ");
    }
    if (procedure < count && described) {
        for (std::size_t i = procedure + 1; i-- > 0;) {
            ExpandTabs(textAt(i), VBTabStops, buf);
            if (IsDescriptionEnd(buf)) {
                descriptionEnd = long(i);
                break;
            }
        }
    } else if (described) {
        // Without a procedure the block cannot be found by walking back from
        // one; it must still pass through untouched, or Visual Basic will not
        // load the form again.
        descriptionEnd = FindLeadingDescriptionEnd(count, textAt, VBTabStops, buf);
    }

    // Option Explicit anywhere counts (Visual Basic would refuse a second
    // one, and the safety net does).
    for (std::size_t i = 0; i < count && !hasOptionExplicit; ++i)
        hasOptionExplicit = HasOptionExplicitStatement(textAt(i));

    firstCode = 0;
    if (descriptionEnd >= 0) {
        for (std::size_t i = 0; i <= std::size_t(descriptionEnd); ++i) {
            ExpandTabs(textAt(i), VBTabStops, buf);
            AppendOutput(buf, false);
        }
        firstCode = std::size_t(descriptionEnd) + 1;
    }

    // Option Explicit goes after the Attribute lines that follow the block;
    // those lines take the way of every line (one may hold more statements).
    option_explicit_at_ = kNone;
    if (!hasOptionExplicit && options_.Bool(Opt::OptionExplicitInsert)) {
        Modified = true;
        std::size_t at = firstCode;
        bool continued = false;  // never between a line and its continuation
        while (at < count) {
            ExpandTabs(textAt(at), VBTabStops, buf);
            if (!IsAttribute(buf) && !continued) break;
            const TLineScan scan = ScanLine(buf);
            continued = scan.Continued || scan.CommentContinued;
            ++at;
        }
        // A file that ends inside a continued statement has no place for it.
        if (!(at == count && continued)) option_explicit_at_ = at;
    }

    if (run_host_) {
        run_host_->SetRange(int(firstCode), int(count));
        run_host_->SetPosition(int(firstCode));
    }
    return true;
}

template <class TextAt, class ChangedAt>
bool TVBSrcFormatter::RunPassOver(std::size_t count, TextAt textAt, ChangedAt changedAt,
                                  int pass) {
    ReadPassOptions(pass);
    state_ = TPassState{};
    // Most lines come out as one line; reserving up front keeps a large file
    // from reallocating (and page-faulting) Output again and again.
    ReserveAtLeast(Output, Output.size() + count + count / 8 + 16);

    std::size_t firstCode = 0;
    if (!RunPreamble(count, textAt, firstCode)) return false;

    for (std::size_t i = firstCode; i < count; ++i) {
        if (run_host_) {
            run_host_->SetPosition(int(i));
            if (run_host_->PumpMessages()) return false;
        }
        if (i == option_explicit_at_) InsertOptionExplicit(textAt(i));
        TWorkLine line;
        if (!spare_.empty()) {
            line.Original = std::move(spare_.back());
            spare_.pop_back();
        }
        const bool commentText = state_.InCommentText;
        // NextLine of the line before already holds this line, tabs expanded.
        if (i > firstCode)
            line.Original.swap(state_.NextLine);
        else
            ExpandTabs(textAt(i), VBTabStops, line.Original, commentText);
        if (i + 1 < count)
            ExpandTabs(textAt(i + 1), VBTabStops, state_.NextLine);
        else
            state_.NextLine.clear();
        line.ChangedBefore = pass > 0 && changedAt(i);
        if (!spare_.empty()) {
            line.Text = std::move(spare_.back());
            spare_.pop_back();
        }
        line.Text.assign(line.Original);

        // The continuation of a comment ending with " _" is comment text:
        // no rule may touch it, or Visual Basic would read it as code.
        if (commentText) {
            line.CommentText = true;
            state_.InCommentText = EndsWithContinuationMark(line.Text);
            FlushDeclarationGroup(true);  // written in order, after its comment's line
            Emit(std::move(line));
            HeaderAfter(state_.InCommentText, state_.NextLine);
            continue;
        }

        // Before-line hooks.
        if (rules_.SpellCheck) SpellCheckLine(line.Text);
        const TLineFacts facts = AnalyseLine(line.Text);
        const bool continuedBefore = state_.Indent.InContinuation;
        // The whole declaration, continuation lines joined, for the header.
        declaration_.clear();
        if (rules_.HeaderComments && IsProcedureStart(facts.Kind) && !continuedBefore)
            declaration_ = DeclarationStatement(
                JoinContinuedLine(count, textAt, i, line.Text, VBTabStops, scratch_));
        continued_single_line_if_ = !continuedBefore && facts.Kind == skIf && facts.Continued &&
                                    !facts.SingleLineIf &&
                                    IsContinuedSingleLineIf(count, textAt, i, line.Text,
                                                            VBTabStops, scratch_);
        StyleLine(std::move(line), continuedBefore, state_.NextLine, facts);
        state_.HeaderStart = kNone;
    }
    if (option_explicit_at_ == count) InsertOptionExplicit({});
    FlushDeclarationGroup(false);  // a group at the very end is not aligned
    return true;
}

void TVBSrcFormatter::InsertOptionExplicit(std::string_view next) {
    // The inserted line takes the way of every line, so that its comment is
    // placed as the next styling will place it.
    TWorkLine line;
    line.Text = kOptionExplicitLine;
    line.Made = true;
    ExpandTabs(next, VBTabStops, scratch_);
    const std::string following = scratch_;
    LayOutLine(std::move(line), following);
    // Where blank lines are removed, an inserted one would be removed by the
    // next styling, so the result would not be stable.
    if (opt_.BlankLineMode == blNoChange) {
        TWorkLine blank;
        blank.Made = true;
        Emit(std::move(blank));
    }
}

void TVBSrcFormatter::StyleLine(TWorkLine line, bool continuedBefore, std::string_view next,
                                const TLineFacts& facts) {
    line.ContinuedBefore = continuedBefore;
    TSplitRules split;
    if (rules_.Splitting && !continuedBefore) {
        split.Variables = opt_.SplitVars;
        split.CorrectAsProblem = opt_.CorrectAs;
        split.Constants = opt_.SplitConsts;
        split.SingleLineIfs = opt_.SplitIfs;
        split.Statements = opt_.SplitColons;
    }
    pieces_.clear();
    if (!split.Any() || !SplitCompletely(line.Text, facts, split, pieces_)) {
        LayOutLine(std::move(line), next, &facts);
        return;
    }
    Modified = true;
    // Without indentation the pieces keep the indentation of their line.
    const std::string lead = opt_.Indent ? std::string()
                                         : std::string(std::size_t(LeadingBlanks(line.Text)), ' ');
    spare_.push_back(std::move(line.Original));
    const TPieces pieces = std::move(pieces_);
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        TWorkLine piece;
        piece.Text = lead + pieces[k];
        piece.Made = true;
        LayOutLine(std::move(piece), k + 1 < pieces.size() ? std::string_view(pieces[k + 1]) : next);
    }
}

void TVBSrcFormatter::LayOutLine(TWorkLine line, std::string_view next, const TLineFacts* known) {
    const TLineFacts facts = known ? *known : AnalyseLine(line.Text);
    const bool continuedBefore = line.ContinuedBefore;
    // Also for a procedure that a split put on a line of its own
    // (`#If A Then: Sub B()`), as the next styling will find it.
    if (rules_.HeaderComments && IsProcedureStart(facts.Kind) && !continuedBefore)
        HeaderBefore(line.Made ? DeclarationStatement(line.Text) : declaration_);
    // A line the rules take away is gone at once: it must not part a group
    // of declarations or comments that the next styling finds joined.
    if (IsDropped(line, facts)) {
        spare_.push_back(std::move(line.Original));
        return;
    }
    line.LevelBefore = state_.Indent.Current;
    if (opt_.Indent && rules_.Indentation) {
        if (!facts.Label)
            IndentLine(line.Text, facts, continued_single_line_if_ && !line.Made, state_.Indent,
                       options_, scratch_);
        else
            IndentFollowingStatements(line.Text, facts, state_.Indent, options_);
    } else {
        state_.Indent.DeclarationDirective = false;
    }
    line.LevelAfter = state_.Indent.Current;
    // A line that continues a statement starts none.
    if (rules_.ForNextVariable && opt_.ForNextMode != fnIgnore && !continuedBefore)
        ForNextStep(line.Text, state_.ForNextStack, opt_.ForNextMode);

    // Blank lines by the kind of statement; a statement continued with " _"
    // gets its "after" lines below its last line.
    if (rules_.BlankLinesAround && opt_.BlankLineMode == blUseRules &&
        !state_.Indent.DeclarationDirective) {
        if (!continuedBefore) {
            line.BlankLinesBefore = BlankLinesBeforeCount(options_, facts.Kind);
            state_.StatementBlankLinesAfter = BlankLinesAfterCount(options_, facts.Kind);
        }
        if (!facts.Continued) {
            line.BlankLinesAfter = state_.StatementBlankLinesAfter;
            state_.StatementBlankLinesAfter = 0;
        }
    }

    state_.Indent.InContinuation = facts.Continued;
    if (!facts.Continued) state_.Indent.InSingleLineIf = false;
    state_.InCommentText = facts.Scan.CommentContinued;

    // Where a comment moved off the line may go: never into a statement
    // continued with " _", never next to an Attribute line, and not below a
    // procedure whose header goes there (the comment would hide the header
    // from the guard against a second one).
    if (!continuedBefore) state_.StatementKind = facts.Kind;
    line.RoomAbove = !continuedBefore && !IsAttributeLine(line.Text);
    line.RoomBelow = !facts.Continued && !IsAttributeLine(next) && !IsAttributeLine(line.Text) &&
                     !(IsProcedureStart(state_.StatementKind) &&
                       WantsHeader(state_.StatementKind, false, FileKind, options_));

    const int asColumn = rules_.DimAsAlignment && opt_.AlignAs && !facts.Continued &&
                                 !continuedBefore
                             ? DeclarationAsColumn(line.Text)
                             : 0;
    if (asColumn > 0) {
        state_.Declarations.MaxAs = std::max(state_.Declarations.MaxAs, asColumn);
        state_.Declarations.Lines.push_back(std::move(line));
    } else {
        FlushDeclarationGroup(true);
        FinishLine(std::move(line));
    }

    HeaderAfter(facts.Continued || facts.Scan.CommentContinued, next);
}

// The header "after" a procedure goes below its whole declaration, below a
// comment the declaration line continues with " _", and below the Attribute
// lines Visual Basic keeps directly under it.
void TVBSrcFormatter::HeaderAfter(bool continued, std::string_view next) {
    if (!state_.HeaderPending || continued || IsAttributeLine(next)) return;
    state_.HeaderPending = false;
    EmitHeader(state_.HeaderDeclaration, false, next);
}

bool TVBSrcFormatter::IsDropped(const TWorkLine& line, const TLineFacts& facts) const {
    if (line.ContinuedBefore) return false;
    const bool blankRemoval = rules_.BlankLineRemoval && opt_.BlankLineMode != blNoChange;
    if (facts.Blank) return blankRemoval;
    if (!facts.CommentLine || !rules_.CommentPlacement || facts.Scan.CommentContinued) return false;
    std::string probe = line.Text;
    if (!SpecialRemove(probe, facts.Scan, options_)) return true;
    return blankRemoval && opt_.SingleLineMode == slRemove;
}

void TVBSrcFormatter::FlushDeclarationGroup(bool align) {
    TDeclarationGroup& group = state_.Declarations;
    if (group.Lines.empty()) return;
    if (align && int(group.Lines.size()) >= opt_.AlignQty) {
        for (TWorkLine& line : group.Lines)
            if (AlignDeclaration(line.Text, group.MaxAs) && pass_ > 0) Modified = true;
    }
    std::vector<TWorkLine> lines = std::move(group.Lines);
    group = TDeclarationGroup{};
    for (TWorkLine& line : lines) FinishLine(std::move(line));
}

void TVBSrcFormatter::FinishLine(TWorkLine line) {
    TLineScan scan;
    if (rules_.CommentPlacement && line.Text.find('\'') != std::string::npos &&
        (scan = ScanLine(line.Text)).Comment != kNone) {
        // A line that continues a statement stays, whatever it holds: taking
        // it away would join the statement to the line after it.
        const bool keepLine = line.ContinuedBefore && IsCommentOnly(line.Text);
        if (!keepLine && opt_.SpecialRemove) {
            const std::size_t before = line.Text.size();
            if (!SpecialRemove(line.Text, scan, options_)) {
                spare_.push_back(std::move(line.Original));
                return;  // nothing is left of the line
            }
            if (line.Text.size() != before) scan = ScanLine(line.Text);
        }
        if (scan.Comment != kNone && IsCommentOnly(line.Text)) {
            PlaceSingleLineComment(line.Text, options_, state_.PrevIndent, line.LevelAfter,
                                   scan.CommentContinued || line.ContinuedBefore);
        } else if (scan.Comment != kNone) {
            std::string moved;
            const TCommentMove move =
                PlaceInLineComment(line.Text, scan, options_, {line.RoomAbove, line.RoomBelow},
                                   state_.PrevIndent, moved);
            if (move != TCommentMove::Stays) {
                Modified = true;
                TWorkLine comment;
                comment.Text = std::move(moved);
                comment.Made = true;
                // A comment line stands at the level of the code around it.
                comment.LevelBefore = comment.LevelAfter =
                    move == TCommentMove::Above ? line.LevelBefore : line.LevelAfter;
                // A comment line the single-line rules empty is removed:
                // the next styling would drop the empty line.
                const bool keep = [&] {
                    std::string probe = comment.Text;
                    PlaceSingleLineComment(probe, options_, 0, 0);
                    return !TrimView(probe).empty();
                }();
                if (!keep) {
                    const int after = line.BlankLinesAfter;
                    line.BlankLinesAfter = 0;
                    Emit(std::move(line));
                    state_.BlankLinesAfter += after;
                    return;
                }
                if (move == TCommentMove::Above) {
                    // Above the header written for this procedure, which must
                    // stay next to it for the guard against a second header.
                    if (state_.HeaderStart != kNone) {
                        LayOutComment(comment.Text, state_.HeaderPrevIndent, line.LevelBefore);
                        const std::size_t at = state_.HeaderStart;
                        InsertOutput(at, std::move(comment.Text));
                        state_.HeaderStart = kNone;
                    } else {
                        LayOutComment(comment.Text, state_.PrevIndent, line.LevelBefore);
                        Emit(std::move(comment));
                    }
                    Emit(std::move(line));
                } else {
                    // The line's own "after" lines go between it and its
                    // comment, as they will when the comment is a line of its own.
                    const int after = line.BlankLinesAfter;
                    line.BlankLinesAfter = 0;
                    const int level = line.LevelAfter;
                    Emit(std::move(line));
                    state_.BlankLinesAfter += after;
                    LayOutComment(comment.Text, state_.PrevIndent, level);
                    Emit(std::move(comment));
                }
                return;
            }
        }
    }
    // Removal of blank lines, also of lines the comment rules emptied; never
    // inside a statement continued with " _".
    if (rules_.BlankLineRemoval && opt_.BlankLineMode != blNoChange && !line.ContinuedBefore &&
        TrimView(line.Text).empty()) {
        spare_.push_back(std::move(line.Original));
        return;
    }
    Emit(std::move(line));
}

void TVBSrcFormatter::EmitBlankLines(int count) {
    for (; count > 0; --count) AppendOutput(std::string_view(), true);
}

void TVBSrcFormatter::Emit(TWorkLine line) {
    const bool changed = line.Made || line.ChangedBefore ||
                         TrimRightView(line.Text) != TrimRightView(line.Original);
    // A line a rule changed carries no trailing blanks; those of an open
    // string literal are its text.
    if (changed && !line.CommentText && !line.Text.empty() && IsBlankChar(line.Text.back()) &&
        !ScanLine(line.Text).OpenLiteral)
        TrimRight(line.Text);

    if (!line.CommentText) {
        EmitBlankLines(state_.BlankLinesAfter + line.BlankLinesBefore);
        state_.BlankLinesAfter = 0;
        if (rules_.CommentBlocks && opt_.Frames) {
            TCommentGroup& group = state_.Comments;
            // A comment that continues a statement, or goes on below with
            // " _", belongs to no group: a frame beside it would become
            // part of that statement or comment.
            const bool commentOnly = IsCommentOnly(line.Text) && !line.ContinuedBefore &&
                                     !ScanLine(line.Text).CommentContinued;
            if (commentOnly) {
                AddToCommentGroup(group, Output.size(), state_.PrevIndent, line.LevelAfter);
            } else if (group.Count > 0) {
                const std::string frame = CommentGroupFrame(group, Output, options_);
                if (!frame.empty()) {
                    // Each block line laid out where it stands: the top one
                    // after the line before the group, the bottom one after
                    // the group's last line.
                    std::string top = frame, bottom = frame;
                    LayOutComment(top, group.PrevIndent, group.Level);
                    LayOutComment(bottom, LeadingBlanks(Output[group.End - 1].Text), group.Level);
                    const std::size_t start = group.Start, end = group.End;
                    InsertOutput(end, std::move(bottom));
                    InsertOutput(start, std::move(top));
                }
                group = TCommentGroup{};
            }
        }
    }
    if (!line.CommentText && !TrimView(line.Text).empty()) {
        state_.PrevIndent = LeadingBlanks(line.Text);
        state_.PrevLine = line.Text;
    }
    Output.push_back({std::move(line.Text),
                      changed ? TColorObject::Changed() : TColorObject::Unchanged()});
    if (line.Original.capacity() > std::string().capacity())
        spare_.push_back(std::move(line.Original));
    state_.BlankLinesAfter += line.BlankLinesAfter;
}

// A comment line's layout as a pass over the styled file gives it: the
// indentation of code at `level`, then the single-line comment rules.
void TVBSrcFormatter::LayOutComment(std::string& text, int prevIndent, int level) {
    if (opt_.Indent) {
        const std::size_t lead = text.find_first_not_of(' ');
        text.replace(0, lead == std::string::npos ? text.size() : lead,
                     std::size_t(std::max(level, 0)), ' ');
    }
    PlaceSingleLineComment(text, options_, prevIndent, level);
}

void TVBSrcFormatter::HeaderBefore(const std::string& declaration) {
    state_.HeaderPrevIndent = state_.PrevIndent;
    const std::size_t before = Output.size();
    EmitHeader(declaration, true, state_.PrevLine);
    // The header's first line follows the empty lines owed before it.
    state_.HeaderStart = kNone;
    for (std::size_t k = before; k < Output.size(); ++k)
        if (!Output[k].Text.empty()) {
            state_.HeaderStart = k;
            break;
        }
    state_.HeaderDeclaration = declaration;
    state_.HeaderPending = true;
}

void TVBSrcFormatter::EmitHeader(const std::string& declaration, bool before,
                                 std::string_view neighbour) {
    const std::vector<std::string> lines =
        HeaderLines(declaration, before, neighbour, FileKind, options_, HeaderDate);
    for (const std::string& text : lines) {
        TWorkLine line;
        line.Text = text;
        line.Made = true;
        // A header line ending in " _" would take the next line into the
        // comment (a value copied from an odd declaration).
        while (EndsWithContinuationMark(line.Text)) {
            TrimRight(line.Text);
            line.Text.pop_back();
            TrimRight(line.Text);
        }
        const TLineScan scan = ScanLine(line.Text);
        // A header line the comment rules would take away is not written.
        if (!SpecialRemove(line.Text, scan, options_)) continue;
        if (IsCommentOnly(line.Text)) {
            LayOutComment(line.Text, state_.PrevIndent, state_.Indent.Current);
            if (TrimView(line.Text).empty()) continue;
        }
        line.LevelBefore = line.LevelAfter = state_.Indent.Current;
        Emit(std::move(line));
    }
}

bool TVBSrcFormatter::RunPass(const std::vector<std::string>& lines, int pass) {
    return RunPassOver(
        lines.size(), [&](std::size_t i) -> const std::string& { return lines[i]; },
        [](std::size_t) { return false; }, pass);
}

bool TVBSrcFormatter::RunPass(const TStyledLines& lines, int pass) {
    return RunPassOver(
        lines.size(), [&](std::size_t i) -> const std::string& { return lines[i].Text; },
        [&](std::size_t i) { return lines[i].Mark.IsChanged(); }, pass);
}

bool TVBSrcFormatter::StyleLines(const std::vector<std::string>& lines) {
    auto label = [&](int pass) {
        if (run_host_) run_host_->SetLabel(FileName + " (Pass " + std::to_string(pass) + ")");
    };
    RecycleLines(Output);
    RecycleLines(pass_input_);
    Modified = false;
    label(1);
    if (!RunPass(lines, 0)) return false;
    // The first pass lays out every line it writes as a pass over its own
    // result would: the later passes would change nothing.
    if (!AllPasses) return true;
    for (int pass = 1; pass <= 2; ++pass) {
        if (pass == 2 && !Modified) break;
        Modified = false;
        RecycleLines(pass_input_);
        std::swap(pass_input_, Output);
        label(pass + 1);
        const bool completed = RunPass(pass_input_, pass);
        RecycleLines(pass_input_);
        if (!completed) return false;
    }
    return true;
}

}  // namespace plumora

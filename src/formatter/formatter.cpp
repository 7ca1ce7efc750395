// The formatter pass: preamble (description block, Option Explicit, gauge)
// and the rules applied to every line in their fixed order.
#include "formatter/formatter.h"

#include <algorithm>
#include <type_traits>

#include "formatter/blank_lines.h"
#include "formatter/classifier.h"
#include "formatter/for_next.h"
#include "formatter/header_comments.h"
#include "formatter/line_ops.h"
#include "host/run_host.h"
#include "settings/option_set.h"

namespace plumora {

//                          Spell Headr Blank Split Indnt DimAs ForNx Cmmnt Block Remov
const TPassRules kPassRules[3] = {
    {true, true, true, true, true, false, true, true, true, true},            // Pass 1
    {false, false, false, true, true, true, true, true, false, false},        // Pass 2
    {false, false, false, true, true, false, true, true, false, false},       // Pass 3
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

// An If statement continued over several lines is a single-line If when its
// joined text is one; only then does the whole statement open no block.
template <class TextAt>
bool IsContinuedSingleLineIf(std::size_t count, TextAt textAt, std::size_t i,
                             std::string_view first, int tabStops, std::string& buf) {
    if (Classify(first) != skIf || !EndsWithContinuation(first)) return false;
    std::string joined(CodePart(first));
    joined.pop_back();  // the "_"
    // Visual Basic allows at most 24 continuations; stop there.
    for (std::size_t j = i + 1, n = 0; j < count && n < 25; ++j, ++n) {
        TabsToSpacesInto(textAt(j), tabStops, buf);
        joined.append(CodePart(buf));
        if (!EndsWithContinuation(buf)) break;
        joined.pop_back();
    }
    return IsSingleLineIf(joined);
}

bool HasOptionExplicit(std::string_view line) {
    return line.substr(0, 15) == "Option Explicit";
}

// For a file without any procedure: the description block is the VERSION
// line and the Begin ... End nesting that follows it (forms, user controls
// and classes all start that way). Returns the index of the closing End, or
// -1 when the file does not start with such a block.
template <class TextAt>
long FindLeadingDescriptionEnd(std::size_t count, TextAt textAt, int tabStops, std::string& buf) {
    if (count == 0) return -1;
    TabsToSpacesInto(textAt(0), tabStops, buf);
    if (!StartsWithNoCase(TrimLeftView(buf), "VERSION ")) return -1;
    int depth = 0;
    for (std::size_t i = 1; i < count; ++i) {
        TabsToSpacesInto(textAt(i), tabStops, buf);
        if (IsDescriptionBegin(buf)) {
            ++depth;
        } else if (IsDescriptionEnd(TrimLeftView(buf)) && depth > 0) {
            if (--depth == 0) return long(i);
        }
    }
    return -1;
}

}  // namespace

// Reads the formatter's own PassInput; the pass may take over its buffers.
struct TOwnedInput {
    TStyledLines& Lines;
    const std::string& operator()(std::size_t i) const { return Lines[i].Text; }
};
template <class TextAt>
constexpr bool kOwnsInput = std::is_same_v<TextAt, TOwnedInput>;

void TVBSrcFormatter::AppendOutput(const std::string& text, TColorObject mark) {
    if (spare_.empty()) {
        Output.push_back({text, mark});
        return;
    }
    std::string buffer = std::move(spare_.back());
    spare_.pop_back();
    buffer.assign(text);
    Output.push_back({std::move(buffer), mark});
}

namespace {
// Grows a vector's capacity geometrically, never by exactly what is needed,
// so that alternating passes do not reallocate (and re-fault) big arrays.
template <class V>
void ReserveAtLeast(V& v, std::size_t needed) {
    if (needed > v.capacity()) v.reserve(std::max(needed, v.capacity() * 2));
}
}  // namespace

void TVBSrcFormatter::RecycleLines(TStyledLines& lines) {
    ReserveAtLeast(spare_, spare_.size() + lines.size());
    // Buffers taken over by the pass are left empty; only real ones are kept.
    const std::size_t inlineCapacity = std::string().capacity();
    for (auto& line : lines)
        if (line.Text.capacity() > inlineCapacity) spare_.push_back(std::move(line.Text));
    lines.clear();
}

template <class TextAt>
bool TVBSrcFormatter::RunPreamble(std::size_t count, TextAt textAt, std::size_t& firstCode) {
    std::string& buf = scratch_;
    // The first procedure start.
    std::size_t procedure = count;
    for (std::size_t i = 0; i < count; ++i) {
        if (run_host_ && run_host_->PumpMessages()) return false;
        TabsToSpacesInto(textAt(i), VBTabStops, buf);
        if (IsProcedureStart(Classify(TrimView(buf)))) {
            procedure = i;
            break;
        }
    }

    bool hasOptionExplicit = false;
    long descriptionEnd = -1;
    if (procedure < count) {
        for (std::size_t i = procedure + 1; i-- > 0;) {
            TabsToSpacesInto(textAt(i), VBTabStops, buf);
            if (HasOptionExplicit(buf)) hasOptionExplicit = true;
            if (IsDescriptionEnd(buf)) {
                descriptionEnd = long(i);
                break;
            }
        }
    } else {
        for (std::size_t i = count; i-- > 0;) {
            TabsToSpacesInto(textAt(i), VBTabStops, buf);
            if (HasOptionExplicit(buf)) hasOptionExplicit = true;
        }
        // Without a procedure the block cannot be found by walking back from
        // one; it must still pass through untouched, or Visual Basic will not
        // load the form again.
        descriptionEnd = FindLeadingDescriptionEnd(count, textAt, VBTabStops, buf);
    }

    firstCode = 0;
    if (descriptionEnd >= 0) {
        for (std::size_t i = 0; i <= std::size_t(descriptionEnd); ++i) {
            TabsToSpacesInto(textAt(i), VBTabStops, buf);
            AppendOutput(buf, TColorObject::Unchanged());
        }
        firstCode = std::size_t(descriptionEnd) + 1;
    }

    if (!hasOptionExplicit && options_.Bool(Opt::OptionExplicitInsert)) {
        Modified = true;
        while (firstCode < count) {
            TabsToSpacesInto(textAt(firstCode), VBTabStops, buf);
            if (buf.substr(0, 9) != "Attribute") break;
            AppendOutput(buf, TColorObject::Unchanged());
            ++firstCode;
        }
        AppendOutput(kOptionExplicitLine, TColorObject::Changed());
        // Where blank lines are removed, an inserted one would be removed by
        // the next styling, so the result would not be stable.
        if (options_.Int(Opt::GrpBlankLines) == blNoChange)
            AppendOutput(std::string(), TColorObject::Changed());
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
    const TPassRules& rules = kPassRules[pass < 0 ? 0 : pass > 2 ? 2 : pass];
    // Most lines come out as one line; reserving up front keeps a large file
    // from reallocating (and page-faulting) Output again and again.
    ReserveAtLeast(Output, Output.size() + count + count / 8 + 16);

    ForNextStack.clear();
    DimGroupCount = 0;
    DimGroupMaxAs = 0;
    CurrentIndent = 0;
    PrevIndent = 0;
    InContinuation = false;
    PrevLine.clear();
    CommentGroupCount = 0;
    header_pending_ = false;
    PendingBlankLinesAfter = 0;
    DimGroupStart = 0;
    ReadRuleOptions();

    ReserveAtLeast(Output, Output.size() + count + 2);
    std::size_t firstCode = 0;
    if (!RunPreamble(count, textAt, firstCode)) return false;

    for (std::size_t i = firstCode; i < count; ++i) {
        if (run_host_) {
            run_host_->SetPosition(int(i));
            if (run_host_->PumpMessages()) return false;
        }
        // NextLine of the line before already holds this line, tabs expanded.
        if (i > firstCode)
            original_.swap(NextLine);
        else
            TabsToSpacesInto(textAt(i), VBTabStops, original_);
        line_ = original_;
        if (i + 1 < count)
            TabsToSpacesInto(textAt(i + 1), VBTabStops, NextLine);
        else
            NextLine.clear();
        const bool changedBefore = pass > 0 && changedAt(i);

        // Before-line hooks.
        if (rules.SpellCheck) SpellCheckLine(line_);

        // Worked out once; the rules below change at most the leading blanks.
        const TLineFacts facts = AnalyseLine(line_);

        if (rules.HeaderComments && IsProcedureStart(facts.Kind) && !InContinuation)
            HeaderBeforeLine(JoinContinuedLine(count, textAt, i, line_, VBTabStops, scratch_));

        // Blank lines before and splitting; never inside a continued statement.
        const bool continues = InContinuation;
        const bool blankLineRules =
            rules.BlankLinesAround && rule_options_.BlankLineMode == blUseRules;
        if (blankLineRules && !continues)
            InsertBlankLines(BlankLinesBeforeCount(options_, facts.Kind));
        LineWasSplit = rules.Splitting && SplitLine(line_, facts, continues, blankLineRules);

        if (rules.Indentation && options_.Bool(Opt::CodeIndentPerform) && !facts.Label) {
            ContinuedSingleLineIf = !InContinuation && facts.Kind == skIf && facts.Continued &&
                                    IsContinuedSingleLineIf(count, textAt, i, line_, VBTabStops,
                                                            scratch_);
            IndentLine(line_, facts);
        }

        if (rules.DimAsAlignment && rule_options_.AlignAs) TrackDeclarationGroup(line_);
        // With "Ignore" no Next changes, so the loop stack is not needed.
        if (rules.ForNextVariable && rule_options_.ForNextMode != fnIgnore)
            ForNextStep(line_, ForNextStack, rule_options_.ForNextMode);

        bool append = true;
        if (rules.CommentPlacement) CommentStep(line_, append, rules.CommentBlocks);
        if (LineWasSplit) append = false;  // its pieces are in Output already
        if (rules.BlankLineRemoval && rule_options_.BlankLineMode != blNoChange &&
            !KeepLine(options_, line_))
            append = false;

        const bool changed =
            changedBefore || TrimRightView(line_) != TrimRightView(original_);
        // Our own pass input is read only up to line i + 1 from here on, so
        // line i's buffer can carry the output line.
        if constexpr (kOwnsInput<TextAt>) spare_.push_back(std::move(textAt.Lines[i].Text));
        if (append)
            AppendOutput(line_, changed ? TColorObject::Changed() : TColorObject::Unchanged());
        if (CommentGroupCount > 0) CommentGroupEnd = Output.size();

        InContinuation = facts.Continued;

        if (rules.HeaderComments) HeaderAfterLine(facts.Continued);
        if (blankLineRules) {
            // A continued statement's own kind is that of its first line; its
            // "after" lines wait for its last line.
            if (!continues)
                PendingBlankLinesAfter +=
                    BlankLinesAfterCount(options_, LineWasSplit ? split_last_kind_ : facts.Kind);
            if (!facts.Continued) {
                InsertBlankLines(PendingBlankLinesAfter);
                PendingBlankLinesAfter = 0;
            }
        }

        PrevIndent = LeadingBlanks(line_);
        PrevLine.swap(line_);  // line_ is rebuilt from the next input line
    }
    return true;
}

bool TVBSrcFormatter::RunPass(const std::vector<std::string>& lines, int pass) {
    return RunPassOver(
        lines.size(), [&](std::size_t i) -> const std::string& { return lines[i]; },
        [](std::size_t) { return false; }, pass);
}

bool TVBSrcFormatter::RunPass(const TStyledLines& lines, int pass) {
    if (&lines == &PassInput) {
        return RunPassOver(
            lines.size(), TOwnedInput{PassInput},
            [&](std::size_t i) { return PassInput[i].Mark.IsChanged(); }, pass);
    }
    return RunPassOver(
        lines.size(), [&](std::size_t i) -> const std::string& { return lines[i].Text; },
        [&](std::size_t i) { return lines[i].Mark.IsChanged(); }, pass);
}

bool TVBSrcFormatter::StyleLines(const std::vector<std::string>& lines) {
    auto label = [&](int pass) {
        if (run_host_) run_host_->SetLabel(FileName + " (Pass " + std::to_string(pass) + ")");
    };
    RecycleLines(Output);
    RecycleLines(PassInput);
    Modified = false;
    label(1);
    if (!RunPass(lines, 0)) return false;
    for (int pass = 1; pass <= 2; ++pass) {
        if (pass == 2 && !Modified) break;
        Modified = false;
        RecycleLines(PassInput);
        std::swap(PassInput, Output);
        label(pass + 1);
        bool completed = RunPass(PassInput, pass);
        RecycleLines(PassInput);
        if (!completed) return false;
    }
    return true;
}

}  // namespace plumora

// The sample of each option and the values it is styled with. The samples
// are small on purpose: each shows its own option at work and little else,
// so the base options leave comments where they are and insert no
// Option Explicit unless that is what the example is about.
#include "help/option_examples.h"

#include <utility>

#include "formatter/formatter.h"
#include "settings/option_set.h"

namespace plumora {

namespace {

// One example: the sample, the values shown (empty: the natural ones of the
// option's kind, see Values), and what else must be set.
struct TExampleRow {
    Opt Id;
    const char* Sample;
    std::vector<int> Values = {};      // numbers and choices to show
    const char* OtherText = nullptr;   // text options: the value beside the default
    std::vector<std::pair<Opt, int>> Needs = {};
    std::uint8_t FileKind = fkModule;
};

constexpr const char* kSub = "Private Sub ShowTotal()\nMsgBox \"Total\"\nEnd Sub";
constexpr const char* kFunction =
    "Public Function Twice(ByVal n As Long) As Long\nTwice = n * 2\nEnd Function";

// A sub whose body shows one kind of block for the blank-line rules.
std::string BlankLinesSample(Opt id) {
    switch (id) {
        case Opt::BlankLinesIfThenBefore:
        case Opt::BlankLinesIfThenAfter:
        case Opt::BlankLinesElseBefore:
        case Opt::BlankLinesElseAfter:
        case Opt::BlankLinesEndIfBefore:
        case Opt::BlankLinesEndIfAfter:
            return "Sub Check()\nn = n + 1\nIf n > 9 Then\nn = 0\nElse\nn = n * 2\nEnd If\n"
                   "Beep\nEnd Sub";
        case Opt::BlankLinesSelectBefore:
        case Opt::BlankLinesSelectAfter:
        case Opt::BlankLinesCaseBefore:
        case Opt::BlankLinesCaseAfter:
        case Opt::BlankLinesEndSelectBefore:
        case Opt::BlankLinesEndSelectAfter:
            return "Sub Pick()\nn = n + 1\nSelect Case n\nCase 1\nBeep\nCase Else\nn = 0\n"
                   "End Select\nBeep\nEnd Sub";
        case Opt::BlankLinesForBefore:
        case Opt::BlankLinesForAfter:
        case Opt::BlankLinesNextBefore:
        case Opt::BlankLinesNextAfter:
            return "Sub Sum()\nt = 0\nFor i = 1 To 9\nt = t + i\nNext i\nBeep\nEnd Sub";
        case Opt::BlankLinesDoBefore:
        case Opt::BlankLinesDoAfter:
        case Opt::BlankLinesLoopBefore:
        case Opt::BlankLinesLoopAfter:
            return "Sub Wait()\nn = 0\nDo\nn = n + 1\nLoop Until n > 9\nBeep\nEnd Sub";
        default:
            return "Sub Wait()\nn = 0\nWhile n < 9\nn = n + 1\nWend\nBeep\nEnd Sub";
    }
}

const std::vector<TExampleRow>& Rows() {
    using O = Opt;
    static const std::vector<TExampleRow> rows = [] {
        std::vector<TExampleRow> r = {
            {O::OptionExplicitInsert, "Dim mCount As Integer"},
            {O::MultiConstSplit, "Const LOW = 1, HIGH = 9"},
            {O::MultiVarSplit, "Dim i As Integer, sName As String"},
            {O::CorrectAsProblem, "Dim x, y As Integer", {}, nullptr, {{O::MultiVarSplit, 1}}},
            {O::IfThenSplit, "Sub Check()\nIf n > 9 Then n = 0\nEnd Sub"},
            {O::MultiStatementSplit, "Sub Reset()\nx = 0: y = 0\nEnd Sub"},
            {O::AlignMultiDimAs,
             "Sub Sum()\nDim i As Integer\nDim sName As String\nDim lTotal As Long\ni = 0\nEnd Sub"},
            {O::AlignDimAsGroupQty, "Sub Sum()\nDim i As Integer\nDim sName As String\ni = 0\nEnd Sub",
             {2, 3}},
            {O::GrpForNextProcessing,
             "Sub Sum()\nFor i = 1 To 9\nt = t + i\nNext\nFor j = 1 To 9\nt = t - j\nNext j\nEnd Sub"},
            {O::CodeIndentPerform, "Sub Sum()\n      t = 0\nFor i = 1 To 9\n t = t + i\n   Next i\nEnd Sub"},
            {O::DefaultLineIndent, "Sub Reset()\nx = 0\nEnd Sub", {4, 2}},
            {O::LineContinueIndent, "Sub Greet()\nMsgBox \"Hello \" & _\n\"world\"\nEnd Sub", {4, 8}},
            {O::IfThenElseIndent, "Sub Check()\nIf n > 9 Then\nn = 0\nElse\nn = n + 1\nEnd If\nEnd Sub", {4, 2}},
            {O::SelectCaseIndent, "Sub Pick()\nSelect Case n\nCase 1\nBeep\nEnd Select\nEnd Sub", {4, 0}},
            {O::CaseCodeIndent, "Sub Pick()\nSelect Case n\nCase 1\nBeep\nEnd Select\nEnd Sub", {4, 2}},
            {O::DoLoopIndent, "Sub Wait()\nDo\nn = n + 1\nLoop Until n > 9\nEnd Sub", {4, 2}},
            {O::WhileWendIndent, "Sub Wait()\nWhile n < 9\nn = n + 1\nWend\nEnd Sub", {4, 2}},
            {O::ForNextIndent, "Sub Sum()\nFor i = 1 To 9\nt = t + i\nNext i\nEnd Sub", {4, 2}},
            {O::TypeEndIndent, "Type TPoint\nX As Long\nY As Long\nEnd Type", {4, 2}},
            {O::WithEndIndent, "Sub Paint()\nWith Picture1\n.Cls\nEnd With\nEnd Sub", {4, 2}},
            {O::GrpSingleLineComments,
             "Sub Sum()\nFor i = 1 To 9\n  ' count up\nt = t + i\nNext i\nEnd Sub",
             {slLeaveAsIs, slPriorLineIndent, slRemove}},
            {O::SingleLineCommentColumn, "Sub Reset()\n' start again\nx = 0\nEnd Sub", {4, 10},
             nullptr, {{O::GrpSingleLineComments, slFixedColumn}}},
            {O::SingleLineCommentBlocks,
             "' Inventory\n' Keeps the stock list.\n' Written for the shop.\n' Uses no API.\n"
             "' No globals.\nDim mCount As Integer"},
            {O::SingleLineCommentGroupQty,
             "' Inventory\n' Keeps the stock list.\n' Uses no API.\nDim mCount As Integer", {5, 3}},
            {O::SingleLineCommentBlockCharacters,
             "' Inventory\n' Keeps the stock list.\n' Uses no API.\nDim mCount As Integer", {},
             "*=", {{O::SingleLineCommentGroupQty, 3}}},
            {O::SingleLineCommentBlockCharacterTotal,
             "' Inventory\n' Keeps the stock list.\n' Uses no API.\nDim mCount As Integer", {50, 30},
             nullptr, {{O::SingleLineCommentGroupQty, 3}}},
            {O::GrpInLineComments, "Sub Reset()\nx = 0 ' start again\nEnd Sub"},
            {O::InLineCommentsFixedColumn, "Sub Reset()\nx = 0 ' start again\nEnd Sub", {40, 24},
             nullptr, {{O::GrpInLineComments, ilFixedColumn}}},
            {O::InLineCommentsIndent, "Sub Reset()\nx = 0 ' start again\nEnd Sub", {4, 1}, nullptr,
             {{O::GrpInLineComments, ilRightBy}}},
            {O::GrpInLineCommentsFixedColUnavail,
             "Sub Reset()\nlTotalOfEverything = lFirstValue + lSecondValue ' sum\nEnd Sub", {}, nullptr,
             {{O::GrpInLineComments, ilFixedColumn}}},
            {O::InLineCommentsUnavailColIndent,
             "Sub Reset()\nlTotalOfEverything = lFirstValue + lSecondValue ' sum\nEnd Sub", {4, 1},
             nullptr, {{O::GrpInLineComments, ilFixedColumn}}},
            {O::SubLevelCommentsPerform, kSub},
            {O::GrpSubLevelComments, kSub, {hsForms, hsModules}, nullptr,
             {{O::SubLevelCommentsPerform, 1}}},
            {O::SubLevelCommentsBeforeProcedure, kSub, {}, nullptr, {{O::SubLevelCommentsPerform, 1}}},
            {O::SubLevelCommentsAfterProcedure, kSub, {}, nullptr, {{O::SubLevelCommentsPerform, 1}}},
            {O::FunctionLevelCommentsPerform, kFunction},
            {O::GrpFunctionLevelComments, kFunction, {hsForms, hsModules}, nullptr,
             {{O::FunctionLevelCommentsPerform, 1}}},
            {O::FunctionLevelCommentsBeforeProcedure, kFunction, {}, nullptr,
             {{O::FunctionLevelCommentsPerform, 1}}},
            {O::FunctionLevelCommentsAfterProcedure, kFunction, {}, nullptr,
             {{O::FunctionLevelCommentsPerform, 1}}},
            {O::SpecialRemoveComments, "Sub Reset()\n'! check this again\n' y follows x\nx = 0\nEnd Sub"},
            {O::SpecialRemoveCommentCharacters,
             "Sub Reset()\n'! check this again\n'# old code\nx = 0\nEnd Sub", {}, "#",
             {{O::SpecialRemoveComments, 1}}},
            {O::GrpBlankLines, "Sub Sum()\nt = 0\n\n\nFor i = 1 To 9\nt = t + i\nNext i\nBeep\nEnd Sub"},
            {O::UserName, kSub, {}, "Jane Smith", {{O::SubLevelCommentsPerform, 1}}},
        };
        // Each cell of the blank-lines grid: its default against one line
        // more (or none, where the default is one).
        for (const OptionDef& d : OptionCatalogue()) {
            if (d.Page != std::string_view("Blank Lines") || d.Kind != OptionKind::Number) continue;
            TExampleRow row{d.Id, ""};
            row.Values = {d.Default, d.Default > 0 ? 0 : 1};
            row.Needs = {{O::GrpBlankLines, blUseRules}};
            r.push_back(std::move(row));
        }
        return r;
    }();
    return rows;
}

const TExampleRow* RowOf(Opt id) {
    for (const TExampleRow& row : Rows())
        if (row.Id == id) return &row;
    return nullptr;
}

// The options every example starts from: the defaults with comments left
// where they are and no Option Explicit inserted, and a fixed date for the
// header templates.
TOptionSet BaseOptions() {
    TOptionSet o;
    o.SetBool(Opt::OptionExplicitInsert, false);
    o.SetInt(Opt::GrpSingleLineComments, slLeaveAsIs);
    o.SetInt(Opt::GrpInLineComments, ilLeaveAsIs);
    return o;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t nl; (nl = text.find('\n', start)) != std::string::npos; start = nl + 1)
        lines.push_back(text.substr(start, nl - start));
    lines.push_back(text.substr(start));
    return lines;
}

std::string Styled(const std::string& sample, const TOptionSet& options, std::uint8_t fileKind) {
    TVBSrcFormatter formatter(options);
    formatter.FileKind = fileKind;
    formatter.FileName = fileKind == fkForm ? "frmMain.frm" : "modMain.bas";
    formatter.HeaderDate = "10/31/1997";
    formatter.StyleLines(SplitLines(sample));
    std::string text;
    for (std::size_t i = 0; i < formatter.Output.size(); ++i) {
        if (i) text.push_back('\n');
        text += formatter.Output[i].Text;
    }
    return text;
}

std::string ValueCaption(const OptionDef& d, int value) {
    switch (d.Kind) {
        case OptionKind::Check:
        case OptionKind::Radio: return value ? "On" : "Off";
        case OptionKind::Choice:
            return value >= 0 && value < static_cast<int>(d.Choices.size()) ? d.Choices[value] : "";
        default: return std::to_string(value);
    }
}

void SetValue(TOptionSet& o, Opt id, int value) {
    if (OptionInfo(id).Kind == OptionKind::Check || OptionInfo(id).Kind == OptionKind::Radio)
        o.SetBool(id, value != 0);
    else
        o.SetInt(id, value);
}

std::string NeedText(Opt id, int value) {
    const OptionDef& d = OptionInfo(id);
    std::string name = *d.Caption ? d.Caption : d.Label;
    if (!name.empty() && name.back() == ':') name.pop_back();
    return name + ": " + ValueCaption(d, value);
}

}  // namespace

std::optional<TOptionExample> OptionExample(Opt id) {
    const TExampleRow* row = RowOf(id);
    if (!row) return std::nullopt;
    const OptionDef& d = OptionInfo(id);
    TOptionExample example;
    example.Sample = *row->Sample ? std::string(row->Sample) : BlankLinesSample(id);
    TOptionSet options = BaseOptions();
    for (const auto& [other, value] : row->Needs) {
        SetValue(options, other, value);
        example.Needs.push_back(NeedText(other, value));
    }
    if (d.Kind == OptionKind::Text) {
        for (const char* text : {d.DefaultText ? d.DefaultText : "", row->OtherText}) {
            options.SetText(id, text);
            example.Columns.push_back({std::string("\"") + text + "\"", Styled(example.Sample, options, row->FileKind)});
        }
        return example;
    }
    std::vector<int> values = row->Values;
    if (values.empty()) {
        if (d.Kind == OptionKind::Choice)
            for (int i = 0; i < static_cast<int>(d.Choices.size()); ++i) values.push_back(i);
        else
            values = {0, 1};
    }
    for (int value : values) {
        SetValue(options, id, value);
        // A radio button switched off hands its group to another button.
        if (d.Kind == OptionKind::Radio && value == 0) {
            for (const OptionDef& other : OptionCatalogue())
                if (other.Group == d.Group && other.Id != id) {
                    options.SetBool(other.Id, true);
                    break;
                }
        }
        example.Columns.push_back({ValueCaption(d, value), Styled(example.Sample, options, row->FileKind)});
    }
    return example;
}

}  // namespace plumora

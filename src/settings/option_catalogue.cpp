// The one table of stored options. Everything that names an option (the INI
// load and save, the dialog, the CLI) is driven from here, so a key, default
// or caption is written in exactly one place.
#include "settings/option_catalogue.h"

namespace plumora {

namespace {

constexpr const char* kForm = "Add in form level code";
constexpr const char* kModule = "Add in module level code";
constexpr const char* kBoth = "Add in both form and module level code";

struct TRow {
    const char* Page;
    const char* Section;
    const char* Box;
};

OptionDef Base(Opt id, const TRow& row, const char* key, OptionKind kind, const char* caption,
               const char* help) {
    OptionDef d{};
    d.Id = id;
    d.Page = row.Page;
    d.Section = row.Section;
    d.Key = key;
    d.Kind = kind;
    d.DefaultText = nullptr;
    d.Group = RadioGroup::None;
    d.Caption = caption;
    d.Box = row.Box;
    d.Label = "";
    d.Help = help;
    return d;
}

OptionDef Check(Opt id, const TRow& row, const char* key, bool def, const char* caption,
                const char* help) {
    OptionDef d = Base(id, row, key, OptionKind::Check, caption, help);
    d.Default = def ? 1 : 0;
    d.Max = 1;
    return d;
}

OptionDef Radio(Opt id, const TRow& row, const char* key, RadioGroup group, bool def,
                const char* caption, const char* help) {
    OptionDef d = Base(id, row, key, OptionKind::Radio, caption, help);
    d.Default = def ? 1 : 0;
    d.Max = 1;
    d.Group = group;
    return d;
}

OptionDef Number(Opt id, const TRow& row, const char* key, int def, int min, const char* caption,
                 const char* help, const char* label = "") {
    OptionDef d = Base(id, row, key, OptionKind::Number, caption, help);
    d.Default = def;
    d.Min = min;
    d.Max = 80;
    d.MaxLength = 2;
    d.Label = label;
    return d;
}

OptionDef Choice(Opt id, const TRow& row, const char* key, int def,
                 std::vector<const char*> choices, const char* caption, const char* help) {
    OptionDef d = Base(id, row, key, OptionKind::Choice, caption, help);
    d.Default = def;
    d.Min = -1;
    d.Max = static_cast<int>(choices.size()) - 1;
    d.Choices = std::move(choices);
    return d;
}

OptionDef Text(Opt id, const TRow& row, const char* key, const char* def, int maxLength,
               const char* caption, const char* help) {
    OptionDef d = Base(id, row, key, OptionKind::Text, caption, help);
    d.DefaultText = def;
    d.MaxLength = maxLength;
    return d;
}

// One cell of the blank-lines grid: the row caption and the column.
OptionDef BlankLines(Opt id, const char* key, int def, const char* row, bool before) {
    static const TRow kGrid{"Blank Lines", "BlankLines", "Blank lines"};
    OptionDef d = Number(id, kGrid, key, def, 0, row,
                         before ? "Blank lines wanted before this kind of line."
                                : "Blank lines wanted after this kind of line.",
                         before ? "Lines before" : "Lines after");
    return d;
}

std::vector<OptionDef> Build() {
    using O = Opt;
    const TRow general{"General", "General", ""};
    const TRow generalOptions{"General", "General", "General Options"};
    const TRow declareAs{"General", "General", "Declare As Options"};
    const TRow indents{"Indents", "Indents", ""};
    const TRow indentOptions{"Indents", "Indents", "Indent options"};
    const TRow single{"Comments / Single Line", "SingleLineComments", ""};
    const TRow singleColumn{"Comments / Single Line", "SingleLineComments", "Single line comments"};
    const TRow blocking{"Comments / Single Line", "SingleLineComments", "Blocking options"};
    const TRow inLine{"Comments / In-line", "InLineComments", ""};
    const TRow inLineFields{"Comments / In-line", "InLineComments", "In-Line comments"};
    const TRow unavail{"Comments / In-line", "InLineComments", "If fixed column is unavailable..."};
    const TRow sub{"Comments / Subroutines", "SubComments", ""};
    const TRow subPos{"Comments / Subroutines", "SubComments", "Comment positioning"};
    const TRow func{"Comments / Functions", "FunctionComments", ""};
    const TRow funcPos{"Comments / Functions", "FunctionComments", "Comment positioning"};
    const TRow special{"Comments / Special", "SpecialComments", ""};
    const TRow blank{"Blank Lines", "BlankLines", ""};
    const TRow spell{"Spell Check", "SpellCheck", ""};
    const TRow spellBox{"Spell Check", "SpellCheck", "Spell check"};
    const TRow save{"Save", "BackupInformation", "Save styled code"};
    const TRow user{"User", "UserInformation", ""};

    std::vector<OptionDef> c;
    c.reserve(kOptionCount);

    c.push_back(Check(O::PreviewBeforeSaving, general, "PreviewBeforeSaving", true,
                      "Preview before saving",
                      "Show each styled file beside its old text for review before it is saved."));
    c.push_back(Check(O::OptionExplicitInsert, generalOptions, "OptionExplicitInsert", true,
                      "Insert 'Option Explicit'", "Insert an Option Explicit statement."));
    c.push_back(Check(O::MultiConstSplit, generalOptions, "MultiConstSplit", false,
                      "Split multiple Const declarations on a single line",
                      "Put one constant per line."));
    c.push_back(Check(O::MultiVarSplit, generalOptions, "MultiVarSplit", false,
                      "Split multiple variable declarations on a single line",
                      "Put one variable per line."));
    c.push_back(Check(O::CorrectAsProblem, generalOptions, "CorrectAsProblem", true,
                      "Correct multiple variable",
                      "When splitting declarations, give each variable without a type of its "
                      "own the As clause that follows it. This changes its declared type: "
                      "Dim x, y As Integer makes x an Integer instead of a Variant. Names with "
                      "a type character (x%, s$) keep their type."));
    c.back().Label = "'As' problem";
    c.push_back(Check(O::IfThenSplit, generalOptions, "IfThenSplit", false,
                      "Split single line 'If - Then' statements",
                      "Turn single-line If statements into block form."));
    c.push_back(Check(O::MultiStatementSplit, generalOptions, "MultiStatementSplit", false,
                      "Split multiple statements separated by a :",
                      "Put one statement per line."));
    c.push_back(Check(O::AlignMultiDimAs, declareAs, "AlignMultiDimAs", true,
                      "Align multiple Dim xxx As statements",
                      "Align the As clauses of consecutive declarations."));
    c.push_back(Number(O::AlignDimAsGroupQty, declareAs, "AlignDimAsGroupQty", 2, 1,
                       "Quantity before grouping:",
                       "Consecutive declarations needed before they are aligned as a group."));
    c.push_back(Choice(O::GrpForNextProcessing, general, "GrpForNextProcessing", 0,
                       {"Ignore", "Add variable name to the Next",
                        "Remove variable name from the Next"},
                       "For - Next Processing",
                       "Leave Next lines alone, add the loop variable to Next, or remove it."));

    c.push_back(Check(O::CodeIndentPerform, indents, "CodeIndentPerform", true,
                      "Perform code indentation", "Master switch of re-indentation."));
    c.push_back(Number(O::DefaultLineIndent, indentOptions, "DefaultLineIndent", 4, 0,
                       "Base line indent", "Indentation of code at the base level."));
    c.push_back(Number(O::LineContinueIndent, indentOptions, "LineContinueIndent", 4, 0,
                       "Line continuation '_'", "Extra indentation of continuation lines."));
    c.push_back(Number(O::IfThenElseIndent, indentOptions, "IfThenElseIndent", 4, 0,
                       "If - Then - Else", "Indentation step of If blocks."));
    c.push_back(Number(O::SelectCaseIndent, indentOptions, "SelectCaseIndent", 4, 0,
                       "Select - Case", "Indentation step of Case lines within Select Case."));
    c.push_back(Number(O::CaseCodeIndent, indentOptions, "CaseCodeIndent", 4, 0, "Case - Code",
                       "Further indentation of the code under a Case line."));
    c.push_back(Number(O::DoLoopIndent, indentOptions, "DoLoopIndent", 4, 0, "Do - Loop",
                       "Indentation step of Do loops."));
    c.push_back(Number(O::WhileWendIndent, indentOptions, "WhileWendIndent", 4, 0,
                       "While - Wend", "Indentation step of While loops."));
    c.push_back(Number(O::ForNextIndent, indentOptions, "ForNextIndent", 4, 0, "For - Next",
                       "Indentation step of For loops."));
    c.push_back(Number(O::TypeEndIndent, indentOptions, "TypeEndIndent", 4, 0, "Type - End",
                       "Indentation step of Type blocks."));
    c.push_back(Number(O::WithEndIndent, indentOptions, "WithEndIndent", 4, 0, "With - End",
                       "Indentation step of With blocks."));

    c.push_back(Choice(O::GrpSingleLineComments, single, "GrpSingleLineComments", 2,
                       {"Leave as is", "Use fixed column", "Start at indent level of prior line",
                        "Start at indent level of next line", "Remove"},
                       "Single line comments", "Placement of whole-line comments."));
    c.push_back(Number(O::SingleLineCommentColumn, singleColumn, "SingleLineCommentColumn", 4, 1,
                       "", "Blanks before a whole-line comment placed at a fixed column.",
                       "Use fixed column"));
    c.push_back(Check(O::SingleLineCommentBlocks, blocking, "SingleLineCommentBlocks", true,
                      "Block Comments",
                      "Frame groups of whole-line comments with lines of blocking characters."));
    c.push_back(Number(O::SingleLineCommentGroupQty, blocking, "SingleLineCommentGroupQty", 5, 1,
                       "Quantity before grouping:",
                       "Smallest number of consecutive comment lines that is framed."));
    c.push_back(Text(O::SingleLineCommentBlockCharacters, blocking,
                     "SingleLineCommentBlockCharacters", "-", 5, "Blocking character(s):",
                     "The characters repeated in a framing line."));
    c.push_back(Number(O::SingleLineCommentBlockCharacterTotal, blocking,
                       "SingleLineCommentBlockCharacterTotal", 50, 0,
                       "Total blocking characters:", "Length of a framing line."));

    c.push_back(Choice(O::GrpInLineComments, inLine, "GrpInLineComments", 1,
                       {"Leave as is", "Use fixed column:", "Position to the right by:", "Remove"},
                       "In-Line comments",
                       "Placement of comments that follow code on the same line."));
    c.push_back(Number(O::InLineCommentsFixedColumn, inLineFields, "InLineCommentsFixedColumn",
                       40, 1, "", "Column after which an in-line comment starts.",
                       "Use fixed column:"));
    c.push_back(Number(O::InLineCommentsIndent, inLineFields, "InLineCommentsIndent", 4, 1, "",
                       "Blanks between code and its comment.", "Position to the right by:"));
    c.push_back(Choice(O::GrpInLineCommentsFixedColUnavail, inLine,
                       "GrpInLineCommentsFixedColUnavail", 0,
                       {"Position to the right by:", "Place on previous line",
                        "Place on next line", "Remove"},
                       "If fixed column is unavailable...",
                       "What to do when the code already reaches the fixed column."));
    c.push_back(Number(O::InLineCommentsUnavailColIndent, unavail,
                       "InLineCommentsUnavailColIndent", 4, 1, "",
                       "Blanks between code and comment when the fixed column is unavailable.",
                       "Position to the right by:"));

    c.push_back(Check(O::SubLevelCommentsPerform, sub, "SubLevelCommentsPerform", false,
                      "Insert sub level comments",
                      "Insert the sub header template at each Sub."));
    c.push_back(Choice(O::GrpSubLevelComments, sub, "GrpSubLevelComments", 2,
                       {kForm, kModule, kBoth}, "Sub level comments",
                       "In which files sub headers are inserted."));
    c.push_back(Radio(O::SubLevelCommentsBeforeProcedure, subPos,
                      "SubLevelCommentsBeforeProcedure", RadioGroup::SubPlacement, false,
                      "Before start of procedure", "The header goes above the Sub line."));
    c.push_back(Radio(O::SubLevelCommentsAfterProcedure, subPos, "SubLevelCommentsAfterProcedure",
                      RadioGroup::SubPlacement, true, "After start of procedure",
                      "The header goes below the Sub line."));
    c.push_back(Text(O::SubLevelCommentsFile, sub, "SubLevelCommentsFile", "", 0,
                     "Load from file:",
                     "File from which the sub header template is loaded; empty keeps the "
                     "template in the dialog."));

    c.push_back(Check(O::FunctionLevelCommentsPerform, func, "FunctionLevelCommentsPerform", false,
                      "Insert function level comments",
                      "Insert the function header template at each function and property."));
    c.push_back(Choice(O::GrpFunctionLevelComments, func, "GrpFunctionLevelComments", 2,
                       {kForm, kModule, kBoth}, "Function level comments",
                       "In which files function headers are inserted."));
    c.push_back(Radio(O::FunctionLevelCommentsBeforeProcedure, funcPos,
                      "FunctionLevelCommentsBeforeProcedure", RadioGroup::FunctionPlacement, false,
                      "Before start of function",
                      "The header goes above the routine's first line."));
    c.push_back(Radio(O::FunctionLevelCommentsAfterProcedure, funcPos,
                      "FunctionLevelCommentsAfterProcedure", RadioGroup::FunctionPlacement, true,
                      "After start of function",
                      "The header goes below the routine's first line."));
    c.push_back(Text(O::FunctionLevelCommentsFile, func, "FunctionLevelCommentsFile", "", 0,
                     "Load from file:",
                     "File from which the function header template is loaded; empty keeps the "
                     "template in the dialog."));

    c.push_back(Check(O::SpecialRemoveComments, special, "SpecialRemoveComments", false,
                      "Remove any comment lines that start with:",
                      "Remove comment lines that start with the characters beside."));
    c.push_back(Text(O::SpecialRemoveCommentCharacters, special, "SpecialRemoveCommentCharacters",
                     "!", 5, "", "The starting characters of comment lines to remove."));
    c.back().Label = "Remove any comment lines that start with:";

    c.push_back(Choice(O::GrpBlankLines, blank, "GrpBlankLines", 0,
                       {"No change", "Use below rules", "Remove all blank lines"},
                       "Blank line options",
                       "Leave blank lines, apply the counts below, or remove all blank lines."));
    c.push_back(BlankLines(O::BlankLinesIfThenBefore, "BlankLinesIfThenBefore", 1, "If - Then", true));
    c.push_back(BlankLines(O::BlankLinesIfThenAfter, "BlankLinesIfThenAfter", 0, "If - Then", false));
    c.push_back(BlankLines(O::BlankLinesElseBefore, "BlankLinesElseBefore", 0, "Else - ElseIf", true));
    c.push_back(BlankLines(O::BlankLinesElseAfter, "BlankLinesElseAfter", 0, "Else - ElseIf", false));
    c.push_back(BlankLines(O::BlankLinesEndIfBefore, "BlankLinesEndIfBefore", 0, "End If", true));
    c.push_back(BlankLines(O::BlankLinesEndIfAfter, "BlankLinesEndIfAfter", 1, "End If", false));
    c.push_back(BlankLines(O::BlankLinesSelectBefore, "BlankLinesSelectBefore", 1, "Select", true));
    c.push_back(BlankLines(O::BlankLinesSelectAfter, "BlankLinesSelectAfter", 0, "Select", false));
    c.push_back(BlankLines(O::BlankLinesCaseBefore, "BlankLinesCaseBefore", 0, "Case", true));
    c.push_back(BlankLines(O::BlankLinesCaseAfter, "BlankLinesCaseAfter", 0, "Case", false));
    c.push_back(BlankLines(O::BlankLinesEndSelectBefore, "BlankLinesEndSelectBefore", 0, "End Select", true));
    c.push_back(BlankLines(O::BlankLinesEndSelectAfter, "BlankLinesEndSelectAfter", 1, "End Select", false));
    c.push_back(BlankLines(O::BlankLinesForBefore, "BlankLinesForBefore", 1, "For", true));
    c.push_back(BlankLines(O::BlankLinesForAfter, "BlankLinesForAfter", 0, "For", false));
    c.push_back(BlankLines(O::BlankLinesNextBefore, "BlankLinesNextBefore", 0, "Next", true));
    c.push_back(BlankLines(O::BlankLinesNextAfter, "BlankLinesNextAfter", 1, "Next", false));
    c.push_back(BlankLines(O::BlankLinesDoBefore, "BlankLinesDoBefore", 1, "Do", true));
    c.push_back(BlankLines(O::BlankLinesDoAfter, "BlankLinesDoAfter", 0, "Do", false));
    c.push_back(BlankLines(O::BlankLinesLoopBefore, "BlankLinesLoopBefore", 0, "Loop", true));
    c.push_back(BlankLines(O::BlankLinesLoopAfter, "BlankLinesLoopAfter", 1, "Loop", false));
    c.push_back(BlankLines(O::BlankLinesWhileBefore, "BlankLinesWhileBefore", 1, "While", true));
    c.push_back(BlankLines(O::BlankLinesWhileAfter, "BlankLinesWhileAfter", 0, "While", false));
    c.push_back(BlankLines(O::BlankLinesWendBefore, "BlankLinesWendBefore", 0, "Wend", true));
    c.push_back(BlankLines(O::BlankLinesWendAfter, "BlankLinesWendAfter", 1, "Wend", false));

    c.push_back(Check(O::SpellingPerform, spell, "SpellingPerform", false,
                      "Perform spell checking", "Spell check the styled code."));
    c.push_back(Check(O::SpellingComments, spellBox, "SpellingComments", false, "Comments",
                      "Check the words of comments."));
    c.push_back(Check(O::SpellingLiterals, spellBox, "SpellingLiterals", false, "String literals",
                      "Check the words of string literals."));

    c.push_back(Text(O::BackupNewCodeDirectory, save, "BackupNewCodeDirectory", ".\\STYLED\\", 0,
                     "Create new code in:",
                     "Directory for the styled code, the copies and the log; without a colon "
                     "it is relative to the project's directory."));
    c.push_back(Radio(O::BackupOnlyNewFiles, save, "BackupOnlyNewFiles", RadioGroup::BackupMode,
                      false, "Only create new files", "Write only the styled files."));
    c.push_back(Radio(O::BackupMAKFiles, save, "BackupMAKFiles", RadioGroup::BackupMode, true,
                      "Copy all files in the .Mak file (including .FRX's)",
                      "Also copy every other file that the project file names."));
    c.push_back(Radio(O::BackupAllFiles, save, "BackupAllFiles", RadioGroup::BackupMode, false,
                      "Copy all files in the original directory",
                      "Also copy every file of the project's directory."));
    c.push_back(Check(O::CreateLog, save, "CreateLog", false, "Create a log file",
                      "Write the log file VBPLUMO3.LOG into the directory above."));

    c.push_back(Text(O::UserName, user, "UserName", "Unknown", 0, "User name:",
                     "Substituted for %a in the header templates."));
    c.push_back(Text(O::UserCompany, user, "UserCompany", "Unknown", 0, "Company:",
                     "Stored only."));
    return c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

}  // namespace

const std::vector<OptionDef>& OptionCatalogue() {
    static const std::vector<OptionDef> catalogue = Build();
    return catalogue;
}

const OptionDef& OptionInfo(Opt id) { return OptionCatalogue().at(static_cast<std::size_t>(id)); }

const OptionDef* FindOption(std::string_view section, std::string_view key) {
    for (const OptionDef& d : OptionCatalogue()) {
        if (SameName(d.Section, section) && SameName(d.Key, key)) return &d;
    }
    return nullptr;
}

}  // namespace plumora

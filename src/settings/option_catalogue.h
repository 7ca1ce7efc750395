// The catalogue of every stored formatter option: one table, in the order of
// the options dialog's pages. The INI load and save, the options dialog, the
// CLI and the docs are all generated from it.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace plumora {

enum class OptionKind { Check, Number, Choice, Radio, Text };

// Identifies one stored option; the order is the catalogue's order, which is
// also the order of loading (so the later of two radio buttons stored as "1"
// wins).
enum class Opt : int {
    PreviewBeforeSaving,  // General
    OptionExplicitInsert,  // General
    MultiConstSplit,  // General
    MultiVarSplit,  // General
    CorrectAsProblem,  // General
    IfThenSplit,  // General
    MultiStatementSplit,  // General
    AlignMultiDimAs,  // General
    AlignDimAsGroupQty,  // General
    GrpForNextProcessing,  // General
    CodeIndentPerform,  // Indents
    DefaultLineIndent,  // Indents
    LineContinueIndent,  // Indents
    IfThenElseIndent,  // Indents
    SelectCaseIndent,  // Indents
    CaseCodeIndent,  // Indents
    DoLoopIndent,  // Indents
    WhileWendIndent,  // Indents
    ForNextIndent,  // Indents
    TypeEndIndent,  // Indents
    WithEndIndent,  // Indents
    GrpSingleLineComments,  // SingleLineComments
    SingleLineCommentColumn,  // SingleLineComments
    SingleLineCommentBlocks,  // SingleLineComments
    SingleLineCommentGroupQty,  // SingleLineComments
    SingleLineCommentBlockCharacters,  // SingleLineComments
    SingleLineCommentBlockCharacterTotal,  // SingleLineComments
    GrpInLineComments,  // InLineComments
    InLineCommentsFixedColumn,  // InLineComments
    InLineCommentsIndent,  // InLineComments
    GrpInLineCommentsFixedColUnavail,  // InLineComments
    InLineCommentsUnavailColIndent,  // InLineComments
    SubLevelCommentsPerform,  // SubComments
    GrpSubLevelComments,  // SubComments
    SubLevelCommentsBeforeProcedure,  // SubComments
    SubLevelCommentsAfterProcedure,  // SubComments
    SubLevelCommentsFile,  // SubComments
    FunctionLevelCommentsPerform,  // FunctionComments
    GrpFunctionLevelComments,  // FunctionComments
    FunctionLevelCommentsBeforeProcedure,  // FunctionComments
    FunctionLevelCommentsAfterProcedure,  // FunctionComments
    FunctionLevelCommentsFile,  // FunctionComments
    SpecialRemoveComments,  // SpecialComments
    SpecialRemoveCommentCharacters,  // SpecialComments
    GrpBlankLines,  // BlankLines
    BlankLinesIfThenBefore,  // BlankLines
    BlankLinesIfThenAfter,  // BlankLines
    BlankLinesElseBefore,  // BlankLines
    BlankLinesElseAfter,  // BlankLines
    BlankLinesEndIfBefore,  // BlankLines
    BlankLinesEndIfAfter,  // BlankLines
    BlankLinesSelectBefore,  // BlankLines
    BlankLinesSelectAfter,  // BlankLines
    BlankLinesCaseBefore,  // BlankLines
    BlankLinesCaseAfter,  // BlankLines
    BlankLinesEndSelectBefore,  // BlankLines
    BlankLinesEndSelectAfter,  // BlankLines
    BlankLinesForBefore,  // BlankLines
    BlankLinesForAfter,  // BlankLines
    BlankLinesNextBefore,  // BlankLines
    BlankLinesNextAfter,  // BlankLines
    BlankLinesDoBefore,  // BlankLines
    BlankLinesDoAfter,  // BlankLines
    BlankLinesLoopBefore,  // BlankLines
    BlankLinesLoopAfter,  // BlankLines
    BlankLinesWhileBefore,  // BlankLines
    BlankLinesWhileAfter,  // BlankLines
    BlankLinesWendBefore,  // BlankLines
    BlankLinesWendAfter,  // BlankLines
    SpellingPerform,  // SpellCheck
    SpellingComments,  // SpellCheck
    SpellingLiterals,  // SpellCheck
    BackupNewCodeDirectory,  // BackupInformation
    BackupOnlyNewFiles,  // BackupInformation
    BackupMAKFiles,  // BackupInformation
    BackupAllFiles,  // BackupInformation
    CreateLog,  // BackupInformation
    UserName,  // UserInformation
    UserCompany,  // UserInformation
    Count_
};

constexpr std::size_t kOptionCount = static_cast<std::size_t>(Opt::Count_);

// The values of the choice options: the index of each caption, by name. The
// catalogue test checks that each name sits beside the caption it stands for.
enum TForNextMode : int { fnIgnore = 0, fnAddVariable = 1, fnRemoveVariable = 2 };
enum TSingleLineCommentMode : int {
    slLeaveAsIs = 0,
    slFixedColumn = 1,
    slPriorLineIndent = 2,
    slNextLineIndent = 3,
    slRemove = 4,
};
enum TInLineCommentMode : int { ilLeaveAsIs = 0, ilFixedColumn = 1, ilRightBy = 2, ilRemove = 3 };
// Where an in-line comment goes when its code reaches past the fixed column.
enum TFixedColumnFallback : int {
    fcRightBy = 0,
    fcPreviousLine = 1,
    fcNextLine = 2,
    fcRemove = 3,
};
// Which files get sub or function header comments.
enum THeaderScope : int { hsForms = 0, hsModules = 1, hsBoth = 2 };
enum TBlankLineMode : int { blNoChange = 0, blUseRules = 1, blRemoveAll = 2 };

// Radio groups: the buttons of one group exclude each other.
enum class RadioGroup { None, SubPlacement, FunctionPlacement, BackupMode };

struct OptionDef {
    Opt Id;
    const char* Page;     // dialog page (and tab of the Comments page), e.g. "Comments / In-line"
    const char* Section;  // INI section
    const char* Key;      // INI key
    OptionKind Kind;
    int Default;              // Check/Radio: 0 or 1; Number: value; Choice: index
    const char* DefaultText;  // Text options only; nullptr otherwise
    int Min;                  // Number options: range; Choice: -1 .. captions-1
    int Max;
    std::vector<const char*> Choices;  // Choice options: captions in index order
    RadioGroup Group;                  // Radio options only
    int MaxLength;        // characters that can be typed (Number: 2; Text: 0 = no limit)
    const char* Caption;  // the control's own caption in the dialog; "" when it has none
    const char* Box;      // caption of the group box the control sits in; "" when none
    // Text beside the control that is not its caption: the second line of a
    // two-line caption ("'As' problem"), the column of a blank-line cell
    // ("Lines before"), or the caption of the choice or check box that a
    // field without a caption of its own sits beside.
    const char* Label;
    const char* Help;  // one sentence for hints, the CLI and the docs
};

// The whole catalogue in order; OptionCatalogue()[i].Id == Opt(i).
const std::vector<OptionDef>& OptionCatalogue();
const OptionDef& OptionInfo(Opt id);

// Finds an option by section and key, without regard to case; nullptr if none.
const OptionDef* FindOption(std::string_view section, std::string_view key);

}  // namespace plumora

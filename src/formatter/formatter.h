// TVBSrcFormatter: styles one Visual Basic source file, keeping the form
// description block, making sure of `Option Explicit`, and sending every
// other line through the rules in a fixed order.
//
// The first pass decides the structure of the styled file: splits, moved
// comments, header comments, comment frames and blank lines. The later passes
// only lay the lines out again (indentation, comment columns, As alignment),
// so that styling a styled file changes nothing.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "formatter/classifier.h"
#include "formatter/color_object.h"
#include "formatter/comment_groups.h"
#include "formatter/declarations.h"
#include "formatter/indentation.h"
#include "formatter/statement_kind.h"
#include "formatter/styled_line.h"
#include "project/file_kind.h"

namespace plumora {

class IRunHost;
class ISpellingHost;
class TOptionSet;
class TSourceMgt;

// Which rules run in which pass (index 0, 1, 2 = Pass 1, 2, 3).
struct TPassRules {
    bool SpellCheck;
    bool HeaderComments;
    bool BlankLinesAround;
    bool Splitting;
    bool Indentation;
    bool DimAsAlignment;
    bool ForNextVariable;
    bool CommentPlacement;
    bool CommentBlocks;
    bool BlankLineRemoval;
};
extern const TPassRules kPassRules[3];

// The line inserted when a file lacks `Option Explicit`.
inline constexpr const char* kOptionExplicitLine =
    "Option Explicit     'Force all variables to be declared before their use";

class TVBSrcFormatter {
public:
    // `runHost` (progress and cancellation) and `spelling` may be null: then
    // nothing is shown, nothing cancels, and spell checking is skipped.
    explicit TVBSrcFormatter(const TOptionSet& options, IRunHost* runHost = nullptr,
                             ISpellingHost* spelling = nullptr);
    // The options are read at the moment of use, so they must outlive the
    // formatter.
    TVBSrcFormatter(TOptionSet&&, IRunHost* = nullptr, ISpellingHost* = nullptr) = delete;

    // The styled lines of the current file.
    TStyledLines Output;
    // The file being styled: its name (captions, the log) and its kind (the
    // header comment rules tell forms from modules).
    std::string FileName;
    std::uint8_t FileKind = fkModule;
    // Output directory of the run, for the log file.
    std::string OutputDir;
    TSourceMgt* Project = nullptr;  // not owned
    // Tab width of the Visual Basic editor: each tab becomes this many blanks.
    int VBTabStops = 4;
    // The date that %D of a header template gives; empty: today, MM/DD/YYYY.
    std::string HeaderDate;

    bool SpellCancelled = false;  // the user cancelled spell checking (for the whole run)
    bool SpellChanged = false;    // the last spelling check replaced a word
    // A rule changed the line structure or the text beyond layout; after
    // pass 2 it decides whether pass 3 runs.
    bool Modified = false;

    // One pass over `lines`; `pass` is 0, 1 or 2. Appends to Output. Returns
    // false when the run was cancelled (Output is then partial).
    bool RunPass(const std::vector<std::string>& lines, int pass);
    bool RunPass(const TStyledLines& lines, int pass);

    // The passes of one file: Output is cleared and pass 1 runs over
    // `lines`. Pass 1 decides the structure and lays out every line it
    // writes in its final place, so passes 2 and 3 would change nothing; they
    // run only with AllPasses (tests check that they change nothing).
    // Returns false when cancelled. StyleFile (style_file.h) adds the safety
    // net and the change test.
    bool StyleLines(const std::vector<std::string>& lines);
    bool AllPasses = false;

    // Writes VBPLUMO3.LOG into OutputDir: the over-long lines (224 characters
    // or more) of every selected file of `project`. On failure shows "Error
    // while creating log file." through the run host and returns false.
    bool WriteLog(const TSourceMgt& project);

    const TOptionSet& Options() const { return options_; }
    // True when styling asks a person about words (the spelling host is set
    // and spell checking is on): then files are styled one after another.
    bool SpellsInteractively() const;

private:
    // The options every line asks for, read once per pass (they cannot
    // change while a pass runs).
    struct TPassOptions {
        bool Indent = false;
        bool SplitVars = false, SplitConsts = false, SplitIfs = false, SplitColons = false;
        bool CorrectAs = false;
        bool AlignAs = false;
        int AlignQty = 2;
        int ForNextMode = 0;
        int BlankLineMode = 0;
        bool SpecialRemove = false;
        int SingleLineMode = 0;
        int InLineMode = 0;
        bool Frames = false;
    };

    // Everything a pass keeps from line to line, grouped by rule family and
    // reset by one assignment at the start of every pass.
    struct TPassState {
        TIndentState Indent;
        TCommentGroup Comments;
        TDeclarationGroup Declarations;
        std::vector<std::string> ForNextStack;
        // Header comments: the declaration of the procedure whose "after"
        // header waits for the end of its declaration and Attribute lines.
        bool HeaderPending = false;
        std::string HeaderDeclaration;
        // Output index of the header just written above the procedure line
        // being worked on; a comment moved off that line goes above it.
        std::size_t HeaderStart = std::string::npos;
        int HeaderPrevIndent = 0;  // leading blanks of the line above that header
        // Empty lines owed after the last statement, emitted before the next line.
        int BlankLinesAfter = 0;
        // The "after" lines of a statement continued with " _", owed once its
        // last line is written.
        int StatementBlankLinesAfter = 0;
        // The line before is a comment ending with " _": this one is comment text.
        bool InCommentText = false;
        // The kind of the statement the current line belongs to (that of its
        // first line when it is continued with " _").
        TStatementKind StatementKind = skOther;
        // The last line written that is not empty, and its leading blanks.
        std::string PrevLine;
        int PrevIndent = 0;
        // The input line after the one being worked on, tabs expanded.
        std::string NextLine;
    };

    template <class TextAt, class ChangedAt>
    bool RunPassOver(std::size_t count, TextAt textAt, ChangedAt changedAt, int pass);
    template <class TextAt>
    bool RunPreamble(std::size_t count, TextAt textAt, std::size_t& firstCode);
    void ReadPassOptions(int pass);
    void InsertOptionExplicit(std::string_view next);

    // The rules of one line after the before-line hooks: splitting, then
    // each piece through LayOutLine.
    void StyleLine(TWorkLine line, bool continuedBefore, std::string_view next,
                   const TLineFacts& facts);
    // Indentation, For/Next, alignment, comment rules and writing; `next` is
    // the text that follows the line (the next piece or input line).
    // `known`: the line's facts when the caller has them already.
    void LayOutLine(TWorkLine line, std::string_view next, const TLineFacts* known = nullptr);
    // Comment removal and placement of a line whose layout is final, then
    // Emit for it and for a comment moved off it.
    void FinishLine(TWorkLine line);
    // Writes one line: the owed empty lines, the comment group bookkeeping,
    // then the line with its mark.
    void Emit(TWorkLine line);
    void EmitBlankLines(int count);
    void LayOutComment(std::string& text, int prevIndent, int level);
    // Inserts into Output at `at`, moving every stored Output position at or
    // after it.
    void InsertOutput(std::size_t at, std::string text);
    void AppendOutput(std::string_view text, bool changed);
    void FlushDeclarationGroup(bool align);
    // True when the comment or blank-line rules remove the line entirely.
    bool IsDropped(const TWorkLine& line, const TLineFacts& facts) const;

    // Header comments: those before a procedure are written at once, those
    // after it once its declaration and Attribute lines are written.
    void HeaderBefore(const std::string& declaration);
    void HeaderAfter(bool continued, std::string_view next);
    void EmitHeader(const std::string& declaration, bool before, std::string_view neighbour);

    // Spell checking of pass 1.
    void SpellCheckLine(std::string& line);
    void CheckLiteralSpelling(std::string& line);
    void CheckCommentSpelling(std::string& line);
    void CheckSpelling(const std::string& context, std::string& text);

    void RecycleLines(TStyledLines& lines);

    const TOptionSet& options_;
    IRunHost* run_host_;
    ISpellingHost* spelling_;

    int pass_ = 0;
    TPassRules rules_{};
    TPassOptions opt_{};
    TPassState state_;
    // The input line is an If continued with " _" whose whole statement is a
    // single-line If (worked out by looking ahead).
    bool continued_single_line_if_ = false;
    // The input line before which this pass inserts Option Explicit; npos
    // when it does not.
    std::size_t option_explicit_at_ = std::string::npos;
    // The declaration the input line starts, continuation lines joined.
    std::string declaration_;
    TStyledLines pass_input_;  // the previous pass's Output, input of passes 2 and 3

    // Buffers reused from line to line so a pass does not allocate per line.
    std::string original_;
    std::string line_;
    std::string scratch_;
    std::vector<std::string> spare_;
    std::vector<std::string> pieces_;
};

}  // namespace plumora

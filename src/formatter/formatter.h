// TVBSrcFormatter: styles one Visual Basic source file in up to three passes,
// keeping the form description block, making sure of `Option Explicit`, and
// sending every other line through the rules in a fixed order.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "formatter/classifier.h"
#include "formatter/color_object.h"
#include "formatter/safety_net.h"
#include "formatter/statement_kind.h"
#include "project/file_kind.h"

namespace plumora {

class IRunHost;
class ISpellingHost;
class TOptionSet;
class TSourceMgt;

// One styled line with its mark.
struct TStyledLine {
    std::string Text;
    TColorObject Mark;
};
using TStyledLines = std::vector<TStyledLine>;

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

    // Per-pass state, in the order the formatter has always kept it.
    std::vector<std::string> ForNextStack;
    std::int32_t DimGroupCount = 0;
    std::int32_t DimGroupMaxAs = 0;
    std::int32_t CurrentIndent = 0;
    std::int32_t PrevIndent = 0;
    TStyledLines Output;
    TStyledLines PassInput;
    std::string PrevLine;
    std::string NextLine;
    std::string FileName;
    std::string OutputDir;
    std::uint8_t FileKind = fkModule;
    bool SpellCancelled = false;
    bool SpellChanged = false;
    bool Modified = false;
    bool InContinuation = false;
    TSourceMgt* Project = nullptr;  // not owned

    // Tab width of the Visual Basic editor: each tab becomes this many blanks.
    int VBTabStops = 4;

    // Set by the pass before IndentLine: the line is an `If` continued with
    // "_" whose last physical line has a statement after `Then`, so it opens
    // no block although its first line alone looks like a block If.
    bool ContinuedSingleLineIf = false;

    // Set when a split rule emitted the pieces of the current line.
    bool LineWasSplit = false;

    // ---- Blank lines, splitting, alignment, For/Next and the safety net
    // (blank_lines, splitting, declarations, for_next, safety_net) ----
    // "After" empty lines that a block statement continued with " _" owes
    // until the last line of the statement.
    int PendingBlankLinesAfter = 0;
    // Output index of the first line of the current declaration group.
    std::size_t DimGroupStart = 0;

private:
    // The pass's steps for these rules, called from the main loop.
    void InsertBlankLines(int count);
    bool SplitLine(const std::string& line, const TLineFacts& facts, bool inContinuation,
                   bool blankLines);
    void TrackDeclarationGroup(const std::string& line);
    std::vector<std::string> split_pieces_;
    TStatementKind split_last_kind_ = skOther;  // kind of the last piece
    // The options these rules ask for every line, read once per pass (the
    // options cannot change while a pass runs).
    struct {
        bool SplitVars, SplitConsts, SplitIfs, SplitColons, AlignAs;
        int ForNextMode, BlankLineMode;
    } rule_options_{};
    void ReadRuleOptions();

public:
    // ---- end of blank lines, splitting, alignment, For/Next ----

    // ---- Comment handling and header comments (comment_rules.cpp,
    // header_comments.cpp) ----
    int CommentGroupCount = 0;          // consecutive comment-only lines
    std::size_t CommentGroupStart = 0;  // Output index of the group's first line
    std::size_t CommentGroupEnd = 0;    // Output index just after its last line
    // The date that %D of a header template gives; empty: today, MM/DD/YYYY.
    std::string HeaderDate;

    void SpecialRemove(std::string& line, bool& append);
    void PlaceSingleLineComment(std::string& line);
    void PlaceInLineComment(std::string& line);
    void CloseCommentGroup(int groupSize);
    void InsertHeader(const std::string& line, bool before);
    // Step of the pass for every line: removal, placement, group counting,
    // and (when `commentBlocks`) the framing of a group that ends here.
    void CommentStep(std::string& line, bool& append, bool commentBlocks);
    // Header hooks: before a procedure start (its whole declaration joined),
    // and after each line, where a pending "after" header finds its place.
    void HeaderBeforeLine(std::string declaration);
    void HeaderAfterLine(bool continued);

private:
    bool WantsHeader(TStatementKind kind, bool before) const;
    bool IsHeaderGroup() const;
    std::string_view GroupLastLine() const;
    std::string pending_header_;
    bool header_pending_ = false;
    int comment_moved_ = 0;          // fallback (1 or 2) that moved this line's comment
    bool group_ends_moved_ = false;  // the group's last line is a comment moved up
    std::size_t moved_at_ = 0;       // Output index of the comment moved up
    bool header_inserted_ = false;   // a header went in before the current line
    std::size_t header_start_ = 0;   // ... from this Output index on

public:
    // ---- end of comment handling ----

    // One pass over `lines`; `pass` is 0, 1 or 2. Appends to Output. Returns
    // false when the run was cancelled (Output is then partial). A pass over
    // the formatter's own PassInput takes over the buffers of the lines it has
    // read, so PassInput is spent afterwards (the run frees it anyway).
    bool RunPass(const std::vector<std::string>& lines, int pass);
    bool RunPass(const TStyledLines& lines, int pass);

    // The passes of one file: Output is cleared, pass 1 runs over `lines`,
    // pass 2 over its result, and pass 3 when pass 2 changed the line
    // structure. Returns false when cancelled. StyleFile (style_file.h) adds
    // the safety net and the change test.
    bool StyleLines(const std::vector<std::string>& lines);

    const TOptionSet& Options() const { return options_; }

    // Re-computes the leading blanks of one line from the block structure.
    void IndentLine(std::string& line);
    // The same with the line's facts already worked out (the pass has them).
    void IndentLine(std::string& line, const TLineFacts& facts);
    void UpdateIndent(TStatementKind kind);

    // Writes VBPLUMO3.LOG into OutputDir: the over-long lines (224 characters
    // or more) of every selected file of `project`. On failure shows "Error
    // while creating log file." through the run host and returns false.
    bool WriteLog(const TSourceMgt& project);

private:
    template <class TextAt, class ChangedAt>
    bool RunPassOver(std::size_t count, TextAt textAt, ChangedAt changedAt, int pass);
    template <class TextAt>
    bool RunPreamble(std::size_t count, TextAt textAt, std::size_t& firstCode);

    // Appends to Output, reusing the buffer of a line that is no longer
    // needed, so a pass over a large file does not allocate per line.
    void AppendOutput(const std::string& text, TColorObject mark);
    void RecycleLines(TStyledLines& lines);

    void SpellCheckLine(std::string& line);
    void CheckLiteralSpelling(std::string& line);
    void CheckCommentSpelling(std::string& line);
    void CheckSpelling(const std::string& context, std::string& text);

    const TOptionSet& options_;
    IRunHost* run_host_;
    ISpellingHost* spelling_;

    // Buffers reused from line to line so a pass does not allocate per line.
    std::string original_;
    std::string line_;
    std::string scratch_;
    std::vector<std::string> spare_;
};

}  // namespace plumora

// TVBSrcFormatter: styles one Visual Basic source file in up to three passes,
// keeping the form description block, making sure of `Option Explicit`, and
// sending every other line through the rules in a fixed order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "formatter/classifier.h"
#include "formatter/color_object.h"
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

    // One pass over `lines`; `pass` is 0, 1 or 2. Appends to Output. Returns
    // false when the run was cancelled (Output is then partial). A pass over
    // the formatter's own PassInput takes over the buffers of the lines it has
    // read, so PassInput is spent afterwards (the run frees it anyway).
    bool RunPass(const std::vector<std::string>& lines, int pass);
    bool RunPass(const TStyledLines& lines, int pass);

    // The passes of one file as the processing run drives them: Output is
    // cleared, pass 1 runs over `lines`, pass 2 over its result, and pass 3
    // when pass 2 changed the line structure. Returns false when cancelled.
    bool StyleLines(const std::vector<std::string>& lines);

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

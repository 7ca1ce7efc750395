// The procedure commentor without its window: one module's lines, the
// routine on show with its comment block, the information fields, the line
// colours of the source view, and Prior, Next, Save and Close with their
// questions. The window draws what this holds and passes the user's edits in.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "commentor/comment_block.h"
#include "host/line_sink.h"

namespace plumora {

class ICommandHost;
class TOptionSet;
struct RFile;

// Colours of the source view: the routine on show in navy, the rest grey, on
// the window's background; a module without a routine on show is plain black.
inline constexpr TColor kRoutineFontColor = TColor::FromRgb(0, 0, 128);
inline constexpr TColor kOtherFontColor = TColor::FromRgb(128, 128, 128);
inline constexpr TColor kPlainFontColor = TColor::FromRgb(0, 0, 0);

struct TLineColours {
    TColor Font;
    TColor Back;
    friend bool operator==(const TLineColours&, const TLineColours&) = default;
};

class TCommentor {
public:
    // `view`, when given, is repainted whenever the lines or their colours
    // change, after everything else of the routine on show is set; it must
    // outlive the commentor.
    explicit TCommentor(ICommandHost& host, ILineSink* view = nullptr);

    // Opens the entry's file (its Name and FullPath) with the output
    // directory from BackupInformation/BackupNewCodeDirectory.
    bool Open(const RFile& entry, const TOptionSet& options);
    // The same with the file name, its path and the setting's text. Returns
    // false when the file could not be read (after an error message); a
    // module without routines opens (true) after its message.
    bool Open(std::string_view fileName, std::string_view fullPath, std::string_view outputSetting);

    // Prior Routine and Next Routine: ask to save, then move or say why not.
    void PriorRoutine();
    void NextRoutine();
    // Save changes: merges the editor into the lines, shows the routine
    // again and writes the module into the output directory. False when
    // nothing was written: no routine on show, an editor that lost the
    // routine's own line (nothing is merged then either), or a failed write.
    bool SaveChanges();
    // Before moving on: true to go on. Asks only when the editor of a shown
    // routine was changed; Yes saves and goes on only if the file was written.
    bool AskToSave();
    // Before the window closes: true when it may close. Also asks when the
    // last save could not write merged edits, so that they are never dropped
    // without a question.
    bool CanClose();

    // The comment editor. The window hands in what the user typed; that sets
    // the modified flag. Text is split at CR, LF and CR LF.
    const std::vector<std::string>& EditorLines() const { return editor_; }
    void SetEditorLines(const std::vector<std::string>& lines);
    void SetEditorText(std::string_view text);
    bool Modified() const { return modified_; }

    const std::string& Caption() const { return caption_; }
    const std::vector<std::string>& SourceLines() const { return lines_; }
    std::optional<std::size_t> CurrentRoutine() const { return current_; }
    std::optional<TCommentBlock> Block() const { return block_; }
    const std::string& FileName() const { return fileName_; }
    const std::string& ModuleDirectory() const { return moduleDir_; }
    const std::string& OutputDirectory() const { return outputDir_; }
    std::string OutputFile() const;

    // The information panel.
    const std::string& ModuleName() const { return moduleName_; }
    const std::string& Parameters() const { return parameters_; }
    const std::string& Author() const { return author_; }
    const std::string& Returns() const { return returns_; }

    // The source view: one entry per source line, and the line to bring to
    // the top of the view.
    const std::vector<TLineColours>& LineColours() const { return colours_; }
    std::size_t TopLine() const { return topLine_; }
    void PaintView(ILineSink& view) const;

private:
    void ShowRoutine(std::size_t routine);
    void ShowNoRoutine();
    void Repaint();
    bool AskAndSave();
    bool WriteModule(std::string& written);

    ICommandHost& host_;
    ILineSink* view_;
    std::string caption_;
    std::vector<std::string> lines_;
    std::string fileName_, sourcePath_, moduleDir_, outputDir_;
    std::optional<std::size_t> current_;
    std::optional<TCommentBlock> block_;
    std::vector<std::string> editor_;
    bool modified_ = false;
    bool unwritten_ = false;  // merged edits that the last save could not write
    std::string moduleName_, parameters_, author_, returns_;
    std::vector<TLineColours> colours_;
    std::size_t topLine_ = 0;
};

}  // namespace plumora

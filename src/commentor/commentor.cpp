// Opening a module, walking its routines and saving edited header comments.
#include "commentor/commentor.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "commentor/commentor_texts.h"
#include "commentor/output_path.h"
#include "commentor/routine_lines.h"
#include "host/command_host.h"
#include "io/atomic_write.h"
#include "io/paths.h"
#include "io/text_lines.h"
#include "project/source_mgt.h"
#include "settings/option_set.h"

namespace plumora {

namespace fs = std::filesystem;

namespace {

// Opening looks for the first routine from line 2; Prior never looks above
// line 3 (0-based indexes).
constexpr std::size_t kFirstOpeningLine = 1;
constexpr std::size_t kLowestPriorLine = 2;

// The same file on disk, whichever name reaches it (hard and symbolic links
// included).
bool SameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec) && !ec;
}

}  // namespace

TCommentor::TCommentor(ICommandHost& host, ILineSink* view)
    : host_(host), view_(view), caption_(kCommentorCaption) {}

bool TCommentor::Open(const RFile& entry, const TOptionSet& options) {
    return Open(entry.Name, entry.FullPath, options.Text(Opt::BackupNewCodeDirectory));
}

bool TCommentor::Open(std::string_view fileName, std::string_view fullPath,
                      std::string_view outputSetting) {
    caption_ = kCommentorCaption;
    fileName_ = std::string(fileName);
    moduleDir_ = DirectoryPart(fullPath);
    outputDir_ = CommentorOutputDirectory(moduleDir_, outputSetting);
    sourcePath_ = LocatePath(fullPath).value_or(std::string(fullPath));
    modified_ = false;
    unwritten_ = false;

    std::vector<std::string> lines;
    TIoResult read = ReadTextLines(sourcePath_, lines);
    if (read.Ok && std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
            return line.find('\0') != std::string::npos;
        })) {
        read = TIoResult::Failure(std::string(fullPath) +
                                  " is not a text file; the commentor cannot edit it.");
        lines.clear();
    }
    lines_ = std::move(lines);
    if (!read.Ok) {
        ShowNoRoutine();
        ShowError(host_, read.Error);
        return false;
    }
    caption_ = kCommentorModuleCaption + std::string(fullPath);
    if (auto first = FindRoutineDown(lines_, kFirstOpeningLine)) {
        ShowRoutine(*first);
    } else {
        ShowNoRoutine();
        ShowInformation(host_, kNoRoutinesText);
    }
    return true;
}

void TCommentor::ShowRoutine(std::size_t routine) {
    current_ = routine;
    moduleName_ = lines_[routine];

    colours_.assign(lines_.size(), {kOtherFontColor, TColor::SystemWindow()});
    for (std::size_t i = routine; i < lines_.size(); ++i) {
        colours_[i].Font = kRoutineFontColor;
        if (IsRoutineEndLine(lines_[i])) break;
    }
    topLine_ = routine;

    TCommentBlock block = CommentBlockAt(lines_, routine);
    block_ = block;
    editor_.assign(lines_.begin() + static_cast<std::ptrdiff_t>(block.First),
                   lines_.begin() + static_cast<std::ptrdiff_t>(block.Last) + 1);
    THeaderFields fields = ReadHeaderFields(editor_);
    author_ = fields.Author;
    parameters_ = fields.Parameters;
    modified_ = false;
    // Last, so that a view repainted now finds the whole routine on show.
    Repaint();
}

void TCommentor::ShowNoRoutine() {
    current_.reset();
    block_.reset();
    moduleName_.clear();
    author_.clear();
    parameters_.clear();
    editor_.clear();
    modified_ = false;
    colours_.assign(lines_.size(), {kPlainFontColor, TColor::SystemWindow()});
    topLine_ = 0;
    Repaint();
}

void TCommentor::Repaint() {
    if (view_) PaintView(*view_);
}

void TCommentor::PaintView(ILineSink& view) const {
    view.Clear();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        view.AppendLine(lines_[i], colours_[i].Font, colours_[i].Back);
    }
    view.Refresh();
}

void TCommentor::SetEditorLines(const std::vector<std::string>& lines) {
    editor_.clear();
    for (const std::string& line : lines) {
        if (line.find_first_of("\r\n") == std::string::npos) editor_.push_back(line);
        else SplitTextLines(line, editor_);
    }
    modified_ = true;
}

void TCommentor::SetEditorText(std::string_view text) {
    editor_.clear();
    SplitTextLines(text, editor_);
    modified_ = true;
}

// Text typed while no routine is on show has no block to go into, so there
// is nothing to ask about.
bool TCommentor::AskToSave() {
    if (!modified_ || !block_) return true;
    return AskAndSave();
}

bool TCommentor::CanClose() {
    if (!unwritten_) return AskToSave();
    return AskAndSave();
}

bool TCommentor::AskAndSave() {
    switch (host_.ShowMessage(MsgKind::Question, kCommentsChangedText, MsgButtons::YesNoCancel)) {
        case MsgResult::Yes: return SaveChanges();
        case MsgResult::No: return true;
        default: return false;
    }
}

void TCommentor::PriorRoutine() {
    if (!AskToSave()) return;
    std::optional<std::size_t> prior;
    if (current_ && *current_ > 0) prior = FindRoutineUp(lines_, *current_ - 1, kLowestPriorLine);
    if (prior) ShowRoutine(*prior);
    else ShowInformation(host_, kNoPriorRoutinesText);
}

void TCommentor::NextRoutine() {
    if (!AskToSave()) return;
    std::optional<std::size_t> next;
    if (current_) next = FindRoutineDown(lines_, *current_ + 1);
    if (next) ShowRoutine(*next);
    else ShowInformation(host_, kNoFurtherRoutinesText);
}

std::string TCommentor::OutputFile() const { return CommentorOutputFile(outputDir_, fileName_); }

bool TCommentor::SaveChanges() {
    if (current_ && block_) {
        // The block holds the routine's own first line; an editor without a
        // routine line would drop it from the module, so nothing is merged.
        if (std::none_of(editor_.begin(), editor_.end(),
                         [](const std::string& line) { return IsRoutineLine(line); })) {
            ShowInformation(host_, kRoutineLineRemovedText);
            return false;
        }
        std::optional<std::size_t> routine = MergeCommentBlock(lines_, *block_, editor_);
        ShowRoutine(*routine);
    } else if (!unwritten_) {
        // Nothing was merged, so the module would be written unchanged.
        ShowInformation(host_, kNothingToSaveText);
        return false;
    }

    unwritten_ = true;
    std::string written;
    if (!WriteModule(written)) return false;
    unwritten_ = false;
    modified_ = false;
    ShowInformation(host_, kFileSavedAsText + written + ".");
    return true;
}

bool TCommentor::WriteModule(std::string& written) {
    std::string target = OutputFile();
    if (IsDrivePath(outputDir_)) {
        ShowError(host_, "Cannot save " + target + ": the output directory " + outputDir_ +
                             " is a Windows drive path, which does not exist on this system.");
        return false;
    }
    // A directory of that name in another letter case is the same directory
    // to a Visual Basic user.
    std::string dir = LocatePath(outputDir_).value_or(outputDir_);
    std::string local = CommentorOutputFile(dir, fileName_);
    if (SameFile(local, sourcePath_)) {
        ShowError(host_, "Cannot save " + target +
                             ": it is the module itself.  The edited module is only ever "
                             "written into the output directory; choose one other than the "
                             "module's own directory.");
        return false;
    }
    std::error_code ec;
    if (!dir.empty()) fs::create_directories(dir, ec);  // a failure shows in the write

    std::string bytes;
    std::size_t size = 0;
    for (const std::string& line : lines_) size += line.size() + 2;
    bytes.reserve(size);
    for (const std::string& line : lines_) {
        bytes += line;
        bytes += "\r\n";
    }
    std::string reason;
    if (!AtomicWriteFile(local, bytes, &reason)) {
        ShowError(host_, "Cannot save " + target + ": " + reason);
        return false;
    }
    written = local;
    return true;
}

}  // namespace plumora

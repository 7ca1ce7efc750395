// The processing run: style every selected file of the open project into the
// output directory, after the backup step and the log, with the progress,
// preview and cancellation of the run host.
#pragma once

#include <string>
#include <vector>

namespace plumora {

class IRunHost;
class TOptionSet;
class TSourceMgt;
class TVBSrcFormatter;

enum class TRunOutcome {
    NoProject,     // nothing to run on
    Declined,      // the user answered No to the confirmation
    Refused,       // the output directory would write over the project; nothing written
    BackupFailed,  // the output directory or the project file copy could not be made
    WriteFailed,   // a styled file could not be written; the run stopped there
    Cancelled,     // the user cancelled; the deletion question was asked
    Completed,
};

// What one run needs besides the formatter.
struct TRunContext {
    TSourceMgt* Project = nullptr;
    int ProjectVBVersion = 3;
    const TOptionSet* Options = nullptr;
    IRunHost* Host = nullptr;
    bool* ProcessingCancelled = nullptr;  // the process-wide cancel flag
    // Used instead of the BackupNewCodeDirectory setting when not empty
    // (a path of this system, or one written the project's way).
    std::string OutputDirOverride;
    // Cores to style on where nobody answers between files (no preview shown,
    // no spelling dialog): 0 for every core of the machine, 1 for one.
    unsigned Workers = 0;
};

struct TRunReport {
    TRunOutcome Outcome = TRunOutcome::NoProject;
    std::string OutputDir;                // path of this system, ending in '/'
    std::vector<std::string> Styled;      // names of the styled files written
    std::vector<std::string> Unavailable; // selected files that could not be read
    std::vector<std::string> Rejected;    // refused or failed the safety net; not written
    bool LogFailed = false;               // the log could not be written (the run went on)
    bool Deleted = false;  // cancelled, and the user had the files it wrote deleted
};

// One line for the status bar after a run: how many files were styled and
// where they went ("3 files styled into /work/Inventory/STYLED/"); empty
// when there was no run.
std::string RunStatusText(const TRunReport& report);

// The run proper (without the confirmation and the closing message). The
// formatter's OutputDir, Project, FileName, FileKind, Output and PassInput
// are set by the run.
TRunReport ProcessProject(TVBSrcFormatter& formatter, TRunContext& context);

}  // namespace plumora

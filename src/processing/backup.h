// The backup step: before any file is styled, make the output directory a
// copy of the project according to the copy mode, with the copied project
// file rewritten so that the output directory opens as a project.
#pragma once

#include <string>
#include <vector>

#include "io/text_lines.h"

namespace plumora {

class IRunHost;
class TOptionSet;
class TSourceMgt;

enum class TCopyMode { OnlyNewFiles, ProjectFiles, AllFiles };

// The mode the three radio options select; "Copy all files in the .Mak file"
// when none is on.
TCopyMode CopyModeOf(const TOptionSet& options);

// One copy into the output directory.
struct TCopyJob {
    std::string Source;      // path of this system
    std::string TargetName;  // bare file name inside the output directory
    std::string Label;       // the name shown while copying
    std::size_t Step = 0;    // gauge position (index of the listed file)
};

// The copies that the files named by the project need: each found project
// file flat under its own name with its companion, and bare-named outside
// files found in the project directory. `projectDir` is the model's
// ProjectDir. Files that cannot be found are left out.
std::vector<TCopyJob> ListedFileCopies(const std::vector<std::string>& projectLines,
                                       int vbVersion, const std::string& projectDir);

// Copy routines of the three modes. Each reports progress through the copy
// window of `host` and returns false only when one of the two directories
// does not exist (then nothing is copied). A failed copy ends the series.
// `targetDir` is a path of this system. CopyDirectoryFiles skips the names
// in `taken` (upper case), which the project's own files already hold.
bool CopyListedFiles(const std::vector<std::string>& lines, const std::string& sourceDir,
                     const std::string& targetDir, IRunHost& host);
bool CopyReferencedFiles(const std::vector<std::string>& lines, const std::string& sourceDir,
                         const std::string& targetDir, IRunHost& host);
bool CopyDirectoryFiles(const std::vector<std::string>& names, const std::string& sourceDir,
                        const std::string& targetDir, IRunHost& host,
                        const std::vector<std::string>& taken = {});

// What the backup step wrote, for the clean-up after a cancelled run.
struct TBackupResult {
    bool Ok = false;
    bool Cancelled = false;             // the host's pump asked to stop between copies
    std::string Error;                  // why a copy or the project file's rewrite failed
    std::vector<std::string> Written;   // names inside the output directory
};

// The backup step proper. `outputDir` is a path of this system. Fails when
// the directory cannot be made, when a copy fails while reading or writing
// (a read-only file in the way included), or when the project file copy
// cannot be made or rewritten; then Error says why and the copies after it
// are not made. A source that does not exist is skipped silently, one that
// is not a file (a FIFO) with a warning. Stops with Cancelled when the host
// reports a cancel between two copies. Clears every entry's Processed flag
// in the two copy modes when it succeeds.
TBackupResult BackupProjectFiles(TSourceMgt& project, int vbVersion, const TOptionSet& options,
                                 const std::string& outputDir, IRunHost& host);

}  // namespace plumora

// The small file routines of the backup step: making the output directory,
// copying one file in fixed blocks, deleting and listing files. All paths
// are paths of this system.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace plumora {

// True when `dir` is a directory afterwards; creates it and its missing
// parents when needed. A path through an ordinary file fails.
bool EnsureDirectory(const std::string& dir);

// True when `path` names a directory (symbolic links followed).
bool DirectoryExists(const std::string& path);

// Makes the output directory of a run ready: creates it (EnsureDirectory)
// and checks that files can be made in it. `written` is the directory as the
// setting writes it, `local` the path of this system (empty for a drive
// path, which cannot exist here). Returns what stands in the way, in words
// for the user that name the directory and the system's reason; empty when
// the directory is ready.
std::string PrepareOutputDirectory(const std::string& written, const std::string& local);

// Copies `source` to `target` in 2048-byte blocks, never holding the whole
// file. The copy is written under a temporary name beside the target and
// renamed into place only when every block arrived, so a failed read or
// write leaves the old target (or none) and no partial file. False when the
// two name the same file, the source cannot be read or the target cannot be
// made. The copy gets ordinary permissions.
bool CopyFileData(const std::string& source, const std::string& target);

// As CopyFileData, but the copy keeps the source's modification time and
// permission bits (and stays writable for its owner).
bool CopyFileKeepDate(const std::string& source, const std::string& target);

// How one copy went, for the backup step, which must tell a source that is
// simply not there (silent, as the project may name files that do not
// exist) from a copy that failed (reported; the run fails).
enum class TCopyStatus {
    Copied,
    NoSource,  // the source does not exist, or source and target are one file
    NotAFile,  // the source is a FIFO, device or directory: nothing to copy
    Failed,    // reading, creating or writing failed, or the target is read-only
};
struct TCopyOutcome {
    TCopyStatus Status = TCopyStatus::Copied;
    std::string Reason;  // for NotAFile and Failed: a message naming the file and why
};

// CopyFileData (or, with `keepDate`, CopyFileKeepDate) with the outcome.
// A read-only file at `target` is never replaced.
TCopyOutcome CopyFileReporting(const std::string& source, const std::string& target, bool keepDate);

// Replaces `target` with `bytes` through a temporary file beside it, so a
// failed write leaves the old file (or none) and no partial one. An existing
// target keeps its permission bits. Unlike the settings file, styled output
// can always be made again, so the data is not forced to the disk first;
// that keeps a run over hundreds of files fast. False with `reason` set on
// failure.
bool ReplaceFileContent(const std::string& target, std::string_view bytes, std::string& reason);

// Deletes `dir`/name for every name; false when any deletion failed.
bool DeleteListedFiles(const std::vector<std::string>& names, const std::string& dir);

// Names of the ordinary files of `dir` (no directories, no links to
// directories), sorted.
std::vector<std::string> ListOrdinaryFiles(const std::string& dir);

}  // namespace plumora

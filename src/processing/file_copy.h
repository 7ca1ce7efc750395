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

// Copies `source` to `target` in 2048-byte blocks, never holding the whole
// file. The copy is written under a temporary name beside the target and
// renamed into place only when every block arrived, so a failed read or
// write leaves the old target (or none) and no partial file. False when the
// two name the same file, the source cannot be read or the target cannot be
// made. The copy gets ordinary permissions.
bool CopyFileData(const std::string& source, const std::string& target);

// As CopyFileData, but the copy keeps the source's modification time and
// permission bits.
bool CopyFileKeepDate(const std::string& source, const std::string& target);

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

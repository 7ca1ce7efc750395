// Paths as Visual Basic project files write them (Windows style, often in a
// letter case that differs from the disk) and the way to reach them here.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace plumora {

// True when a written path needs no project directory: it contains ":\"
// (a drive path) or starts with "/" (a path of this system).
bool IsAbsoluteProjectPath(std::string_view path);

// True when `path` is an absolute path of this system: one that starts with
// "/", or on Windows a drive path ("C:\...", "C:/...") or a network path.
bool IsLocalAbsolutePath(std::string_view path);

// The written path as is when absolute, else appended to `projectDir` as
// written, without normalisation ("C:\PROJ\" + "..\LIB\A.BAS").
std::string ResolveProjectPath(std::string_view projectDir, std::string_view written);

// Everything up to and including the last ':', '\' or '/'; empty without one.
std::string DirectoryPart(std::string_view path);

// The text after the last ':', '\' or '/' (the whole path without one).
std::string FileNamePart(std::string_view path);

// Extension of the file-name part from its last dot, upper-cased (".FRM");
// empty when the name has no dot.
std::string UpperExtension(std::string_view path);

// ASCII upper case; other bytes (Windows-1252 letters too) are left alone.
std::string AsciiUpper(std::string_view text);
bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b);

// The path of this system that a project-style path names, when the file or
// directory exists: '\' becomes '/', and when the exact spelling does not
// exist each component is matched without regard to case and ".." steps are
// taken lexically, as Windows does. A drive path ("C:\...") never exists
// here. nullopt when nothing matches.
std::optional<std::string> LocatePath(std::string_view path);

// The path of this system for a project-style path that need not exist yet:
// '\' becomes '/', the longest existing leading part is matched without
// regard to letter case (as LocatePath does), "." and ".." steps are taken
// lexically, and the result ends with '/'. Empty for a drive path ("D:\OUT",
// "D:OUT"), which no directory here can be. On Windows, where drive paths
// are at home, the path normalised with '\' and ending with '\'.
std::string LocalDirectoryPath(std::string_view path);

// Size in bytes of whatever LocatePath finds; -1 when nothing is found.
double FileSize(std::string_view path);

// While one of these lives (the open of a project, a run), LocatePath reads
// each directory at most once for its case-insensitive matches, so a
// project of thousands of files named in another letter case than on disk
// opens and styles in time linear in its size rather than quadratic. A
// directory that changes is read again, and a spelling once corrected keeps
// leading to the file found while that file exists. Scopes may nest; the
// last one to end forgets what they kept.
class TDirectoryCacheScope {
public:
    TDirectoryCacheScope();
    ~TDirectoryCacheScope();
    TDirectoryCacheScope(const TDirectoryCacheScope&) = delete;
    TDirectoryCacheScope& operator=(const TDirectoryCacheScope&) = delete;
};

}  // namespace plumora

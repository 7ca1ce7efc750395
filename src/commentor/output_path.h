// Where the commentor saves a module: the output directory from the backup
// setting, taken relative to the module's directory unless it is absolute.
#pragma once

#include <string>
#include <string_view>

namespace plumora {

// The setting is written the Windows way (".\STYLED\"). A value containing
// ":\" or starting with "/" is absolute and used alone; any other value is
// appended to `moduleDir`. Backslashes become "/" and "." steps are dropped,
// except in a drive path ("D:\OUT\"), which is kept as written because it
// names nothing on this system.
std::string CommentorOutputDirectory(std::string_view moduleDir, std::string_view setting);

// The directory, one "/" unless it already ends in one, and the file name.
std::string CommentorOutputFile(std::string_view outputDir, std::string_view fileName);

// True for a directory that only Windows can reach ("D:\OUT\").
bool IsDrivePath(std::string_view path);

}  // namespace plumora

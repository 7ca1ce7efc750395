// Where the styled code goes: the output directory from its setting, the
// path of this system that reaches it, and JoinPath for names inside it.
#pragma once

#include <string>
#include <string_view>

#include "io/paths.h"  // LocalDirectoryPath

namespace plumora {

// `Dir` + `Name` with exactly one separator between them. The separator
// added is "\" when `Dir` is written the Windows way (has "\" but no "/"),
// "/" otherwise.
std::string JoinPath(std::string_view dir, std::string_view name);

// The output directory as the setting names it: a text that contains ':' or
// starts with '/' is used as written, any other is appended to `projectDir`
// (so the default ".\STYLED\" gives "<projectDir>.\STYLED\").
std::string OutputDirSetting(std::string_view projectDir, std::string_view setting);


}  // namespace plumora

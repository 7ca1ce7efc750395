// Rewriting the copied project file in the output directory so that it
// names its files by their bare names.
#pragma once

#include <string>

#include "io/text_lines.h"

namespace plumora {

// Read the file at `path` (a path of this system), rewrite each line with
// RewriteMakLine / RewriteVbpLine, and replace the file atomically with CR LF
// line ends. On failure the file is as it was and the result says why.
TIoResult RewriteMakProject(const std::string& path);
TIoResult RewriteVbpProject(const std::string& path);

}  // namespace plumora

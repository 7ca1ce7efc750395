// Writing a whole file so that a reader sees either the old content or the
// new one, never a mixture: temporary file beside it, flush, then rename.
#pragma once

#include <string>
#include <string_view>

namespace plumora {

// Replaces the file at `localPath` with `bytes`. Creates missing parent
// directories. A symbolic link is followed, so the link stays and its target
// gets the new content; an existing file keeps its permission bits. On failure
// the old file is untouched, no temporary file is left behind, `reason` (when
// given) receives the system's explanation and false is returned.
bool AtomicWriteFile(const std::string& localPath, std::string_view bytes,
                     std::string* reason = nullptr);

}  // namespace plumora

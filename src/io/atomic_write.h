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

// As AtomicWriteFile, but a symbolic link at `localPath` is itself replaced
// by the new file, never written through: for files that the program puts
// into an output directory, where a planted link must not lead the write to
// a file elsewhere.
bool AtomicReplaceFile(const std::string& localPath, std::string_view bytes,
                       std::string* reason = nullptr);

}  // namespace plumora

// The in-place rewrite of a copied project file.
#include "processing/project_rewrite.h"

#include <vector>

#include "io/atomic_write.h"
#include "processing/project_files.h"

namespace plumora {

namespace {

template <class Rewrite>
TIoResult RewriteProject(const std::string& path, Rewrite rewrite) {
    std::vector<std::string> lines;
    TIoResult read = ReadTextLines(path, lines);
    if (!read.Ok) return read;
    std::string text;
    for (const std::string& line : lines) {
        text += rewrite(line);
        text += "\r\n";
    }
    std::string reason;
    if (!AtomicWriteFile(path, text, &reason))
        return TIoResult::Failure("Unable to write " + path + ": " + reason);
    return TIoResult::Success();
}

}  // namespace

TIoResult RewriteMakProject(const std::string& path) {
    return RewriteProject(path, [](const std::string& line) { return RewriteMakLine(line); });
}

TIoResult RewriteVbpProject(const std::string& path) {
    return RewriteProject(path, [](const std::string& line) { return RewriteVbpLine(line); });
}

}  // namespace plumora

// Output directory and file of the commentor's save.
#include "commentor/output_path.h"

#include <algorithm>

#include "io/paths.h"

namespace plumora {

bool IsDrivePath(std::string_view path) { return path.find(":\\") != std::string_view::npos; }

std::string CommentorOutputDirectory(std::string_view moduleDir, std::string_view setting) {
    std::string dir(setting);
    if (!IsAbsoluteProjectPath(setting)) dir.insert(0, moduleDir);
    if (IsDrivePath(dir)) return dir;
    for (char& c : dir) {
        if (c == '\\') c = '/';
    }
    if (dir.empty()) return dir;
    // "/proj/./STYLED/" reads better as "/proj/STYLED/". ".." steps stay, so
    // that a step out of a linked directory goes where the system takes it.
    std::string clean = dir[0] == '/' ? "/" : "";
    bool first = true;
    for (std::size_t i = 0; i <= dir.size();) {
        std::size_t slash = std::min(dir.find('/', i), dir.size());
        std::string_view part(dir.data() + i, slash - i);
        i = slash + 1;
        if (part.empty() || part == ".") continue;
        if (!first) clean += '/';
        clean.append(part);
        first = false;
    }
    if (first) return clean.empty() ? "./" : clean;
    if (dir.back() == '/') clean += '/';
    return clean;
}

std::string CommentorOutputFile(std::string_view outputDir, std::string_view fileName) {
    std::string path(outputDir);
    char separator = IsDrivePath(outputDir) ? '\\' : '/';
    if (!path.empty() && path.back() != separator) path += separator;
    return path + std::string(fileName);
}

}  // namespace plumora

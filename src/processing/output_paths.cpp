// Output directory paths: from the Windows-style setting to a directory here.
#include "processing/output_paths.h"

#include <filesystem>
#include <optional>
#include <vector>

#include "io/paths.h"

namespace plumora {

namespace fs = std::filesystem;

std::string JoinPath(std::string_view dir, std::string_view name) {
    std::string out(dir);
    if (!out.empty() && out.back() != '\\' && out.back() != '/') {
        bool windowsStyle = out.find('\\') != std::string::npos && out.find('/') == std::string::npos;
        out += windowsStyle ? '\\' : '/';
    }
    out.append(name);
    return out;
}

std::string OutputDirSetting(std::string_view projectDir, std::string_view setting) {
    if (setting.find(':') != std::string_view::npos || (!setting.empty() && setting[0] == '/'))
        return std::string(setting);
    return std::string(projectDir) + std::string(setting);
}

std::string LocalDirectoryPath(std::string_view path) {
    // A drive path ("D:\OUT", "D:OUT") names no directory of this system.
    if (path.find(":\\") != std::string_view::npos) return {};
    if (path.size() >= 2 && path[1] == ':' &&
        ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z')))
        return {};
    std::string local(path);
    for (char& c : local)
        if (c == '\\') c = '/';
    if (local.empty()) local.assign(1, '.');
    fs::path normal = fs::path(local).lexically_normal();
    std::string text = normal.string();
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    if (text.empty()) text.assign(1, '.');

    // Correct the letter case of the longest part that exists; the rest is
    // created as written.
    const bool absolute = text[0] == '/';
    std::vector<std::string> comps;
    for (const auto& part : fs::path(text)) {
        std::string p = part.string();
        if (!p.empty() && p != "/") comps.push_back(p);
    }
    std::string out;
    for (std::size_t k = comps.size() + 1; k-- > 0;) {
        std::string prefix(absolute ? 1 : 0, '/');
        for (std::size_t i = 0; i < k; ++i) {
            if (i > 0) prefix += '/';
            prefix += comps[i];
        }
        if (prefix.empty()) prefix.assign(1, '.');
        std::optional<std::string> found = LocatePath(prefix);
        if (!found && k > 0) continue;
        fs::path result(found ? *found : prefix);
        for (std::size_t i = k; i < comps.size(); ++i) result /= comps[i];
        out = result.lexically_normal().string();
        break;
    }
    if (out.empty()) out.assign(1, '.');
    if (out.back() != '/') out += '/';
    return out;
}

}  // namespace plumora

// Finding the files that a project names on Windows, where they were
// written: drive letters and '\' are native, and the file system itself
// matches names without regard to case, so a path is used as written.
#include <windows.h>

#include <filesystem>

#include "io/paths.h"

namespace plumora {

namespace {

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

// Nothing to keep: Windows finds a name in any letter case by itself.
TDirectoryCacheScope::TDirectoryCacheScope() = default;
TDirectoryCacheScope::~TDirectoryCacheScope() = default;

bool IsLocalAbsolutePath(std::string_view path) {
    if (path.size() >= 3 && IsDriveLetter(path[0]) && path[1] == ':' && (path[2] == '\\' || path[2] == '/'))
        return true;
    return path.size() >= 2 && (path[0] == '\\' || path[0] == '/') && (path[1] == '\\' || path[1] == '/');
}

std::optional<std::string> LocatePath(std::string_view path) {
    if (path.empty()) return std::nullopt;
    std::string local(path);
    // A written trailing separator names a folder; the system asks without it.
    std::string asked = local;
    while (asked.size() > 1 && (asked.back() == '\\' || asked.back() == '/') &&
           !(asked.size() == 3 && asked[1] == ':'))
        asked.pop_back();
    if (!Exists(asked)) return std::nullopt;
    return local;
}

double FileSize(std::string_view path) {
    std::optional<std::string> local = LocatePath(path);
    if (!local) return -1;
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(local->c_str(), GetFileExInfoStandard, &data)) return -1;
    return static_cast<double>((static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow);
}

std::string LocalDirectoryPath(std::string_view path) {
    std::string local(path);
    if (local.empty()) local.assign(1, '.');
    std::string text = std::filesystem::path(local).lexically_normal().make_preferred().string();
    if (text.empty()) text.assign(1, '.');
    if (text.back() != '\\') text += '\\';
    return text;
}

}  // namespace plumora

// Project-style path handling; finding the files (src/io/posix, src/io/windows)
// is the part that differs between systems.
#include "io/paths.h"

#include "io/native.h"

namespace plumora {

namespace {

bool IsSeparator(char c) { return c == ':' || c == '\\' || c == '/'; }

char AsciiUpperChar(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

bool IsAbsoluteProjectPath(std::string_view path) {
    return path.find(":\\") != std::string_view::npos || (!path.empty() && path[0] == '/');
}

std::string ResolveProjectPath(std::string_view projectDir, std::string_view written) {
    if (IsAbsoluteProjectPath(written)) return std::string(written);
    return std::string(projectDir) + std::string(written);
}

std::string WithoutTrailingSeparators(std::string path) {
    auto isSeparator = [](char c) { return c == '/' || c == kPathSeparator; };
    while (path.size() > 1 && isSeparator(path.back()) && !(path.size() == 3 && path[1] == ':'))
        path.pop_back();
    return path;
}

std::string DirectoryPart(std::string_view path) {
    for (std::size_t i = path.size(); i > 0; --i) {
        if (IsSeparator(path[i - 1])) return std::string(path.substr(0, i));
    }
    return {};
}

std::string FileNamePart(std::string_view path) {
    for (std::size_t i = path.size(); i > 0; --i) {
        if (IsSeparator(path[i - 1])) return std::string(path.substr(i));
    }
    return std::string(path);
}

std::string UpperExtension(std::string_view path) {
    std::string name = FileNamePart(path);
    std::size_t dot = name.rfind('.');
    if (dot == std::string::npos) return {};
    return AsciiUpper(std::string_view(name).substr(dot));
}

std::string AsciiUpper(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = AsciiUpperChar(c);
    return out;
}

bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiUpperChar(a[i]) != AsciiUpperChar(b[i])) return false;
    }
    return true;
}

}  // namespace plumora

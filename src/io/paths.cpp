// Project-style path handling and the case-insensitive look-up that lets
// projects copied from Windows open here.
#include "io/paths.h"

#include <sys/stat.h>

#include <filesystem>
#include <system_error>
#include <vector>

namespace plumora {

namespace {

bool IsSeparator(char c) { return c == ':' || c == '\\' || c == '/'; }

char AsciiUpperChar(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool Exists(const std::string& localPath) {
    struct stat st {};
    return ::stat(localPath.empty() ? "." : localPath.c_str(), &st) == 0;
}

std::string Join(const std::string& dir, std::string_view name) {
    if (dir.empty()) return std::string(name);
    if (dir.back() == '/') return dir + std::string(name);
    return dir + "/" + std::string(name);
}

// The entry of `dir` whose name equals `name` without regard to ASCII case;
// the smallest such name when several do, so the choice never varies.
std::optional<std::string> FindIgnoringCase(const std::string& dir, std::string_view name) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::directory_iterator it(dir.empty() ? fs::path(".") : fs::path(dir), ec);
    std::optional<std::string> best;
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::string entry = it->path().filename().string();
        if (EqualsIgnoreAsciiCase(entry, name) && (!best || entry < *best)) best = entry;
    }
    return best;
}

// Follows `localPath` component by component from the root (or the current
// directory), correcting the letter case of components that do not exist as
// written. ".." steps are taken on the text first, as Windows does, so a
// step out of a directory that does not exist here still leads somewhere.
std::optional<std::string> WalkIgnoringCase(const std::string& localPath) {
    bool absolute = !localPath.empty() && localPath[0] == '/';
    std::vector<std::string_view> comps;
    for (std::size_t i = 0; i <= localPath.size();) {
        std::size_t slash = localPath.find('/', i);
        if (slash == std::string::npos) slash = localPath.size();
        std::string_view comp(localPath.data() + i, slash - i);
        i = slash + 1;
        if (comp.empty() || comp == ".") continue;
        if (comp == ".." && !comps.empty() && comps.back() != "..") {
            comps.pop_back();
        } else if (comp != ".." || !absolute) {
            comps.push_back(comp);
        }
    }
    std::string current = absolute ? "/" : "";
    for (std::string_view comp : comps) {
        std::string candidate = Join(current, comp);
        if (comp != ".." && !Exists(candidate)) {
            std::optional<std::string> found = FindIgnoringCase(current, comp);
            if (!found) return std::nullopt;
            candidate = Join(current, *found);
        }
        current = std::move(candidate);
    }
    if (current.empty()) current = ".";
    if (!Exists(current)) return std::nullopt;
    // A written trailing separator names a directory; keep it.
    if (localPath.size() > 1 && localPath.back() == '/' && current.back() != '/') current += '/';
    return current;
}

}  // namespace

bool IsAbsoluteProjectPath(std::string_view path) {
    return path.find(":\\") != std::string_view::npos || (!path.empty() && path[0] == '/');
}

std::string ResolveProjectPath(std::string_view projectDir, std::string_view written) {
    if (IsAbsoluteProjectPath(written)) return std::string(written);
    return std::string(projectDir) + std::string(written);
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

std::optional<std::string> LocatePath(std::string_view path) {
    if (path.empty() || path.find(":\\") != std::string_view::npos) return std::nullopt;
    std::string local(path);
    for (char& c : local) {
        if (c == '\\') c = '/';
    }
    if (Exists(local)) return local;
    return WalkIgnoringCase(local);
}

double FileSize(std::string_view path) {
    std::optional<std::string> local = LocatePath(path);
    if (!local) return -1;
    struct stat st {};
    if (::stat(local->c_str(), &st) != 0) return -1;
    return static_cast<double>(st.st_size);
}

}  // namespace plumora

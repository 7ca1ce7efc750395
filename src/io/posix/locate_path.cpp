// Finding the files that a project names on a POSIX system: '\\' becomes
// '/', and where the exact spelling does not exist the case-insensitive
// look-up lets projects copied from Windows open here.
#include <dirent.h>
#include <sys/stat.h>
#include <time.h>

#include <filesystem>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "io/paths.h"

namespace plumora {

namespace fs = std::filesystem;

namespace {

bool Exists(const std::string& localPath) {
    struct stat st {};
    return ::stat(localPath.empty() ? "." : localPath.c_str(), &st) == 0;
}

std::string Join(const std::string& dir, std::string_view name) {
    if (dir.empty()) return std::string(name);
    if (dir.back() == '/') return dir + std::string(name);
    return dir + "/" + std::string(name);
}

// Reads `dir` and calls `visit(name)` for each entry.
template <typename Visit>
void ListDirectory(const std::string& dir, Visit&& visit) {
    DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
    if (!d) return;
    while (const dirent* e = ::readdir(d)) {
        const std::string_view name(e->d_name);
        if (name != "." && name != "..") visit(name);
    }
    ::closedir(d);
}

// Directory listings kept while a TDirectoryCacheScope lives: for each
// directory its entries by upper-cased name. A listing is used again only
// while the directory's identity and modification time are unchanged, and
// only once that time lies clearly before the reading (a change in the same
// clock tick could otherwise go unseen).
struct TListing {
    dev_t Device = 0;
    ino_t Inode = 0;
    struct timespec Modified {};
    bool Settled = false;
    std::unordered_map<std::string, std::string> ByUpperName;  // the smallest name of each
};

std::mutex gCacheMutex;
int gCacheScopes = 0;
std::unordered_map<std::string, TListing> gListings;
// Paths whose spelling had to be corrected, with the path found: the same
// file is looked up several times while a project opens and runs, and a
// path that does not exist can cost more to test than one that does.
std::unordered_map<std::string, std::string> gCorrected;

std::optional<std::string> CorrectedBefore(const std::string& local) {
    std::string found;
    {
        std::lock_guard<std::mutex> lock(gCacheMutex);
        if (gCacheScopes == 0) return std::nullopt;
        auto it = gCorrected.find(local);
        if (it == gCorrected.end()) return std::nullopt;
        found = it->second;
    }
    if (!Exists(found)) return std::nullopt;
    return found;
}

void RememberCorrected(const std::string& local, const std::string& found) {
    std::lock_guard<std::mutex> lock(gCacheMutex);
    if (gCacheScopes > 0) gCorrected[local] = found;
}

bool SameTime(const struct timespec& a, const struct timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

// True when `modified` is more than a few clock ticks before now.
bool LongAgo(const struct timespec& modified) {
    struct timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const long long ns = (now.tv_sec - modified.tv_sec) * 1000000000LL + (now.tv_nsec - modified.tv_nsec);
    return ns > 50 * 1000000LL;
}

// The entry of `dir` whose name equals `name` without regard to ASCII case;
// the smallest such name when several do, so the choice never varies.
std::optional<std::string> FindIgnoringCase(const std::string& dir, std::string_view name) {
    {
        std::lock_guard<std::mutex> lock(gCacheMutex);
        if (gCacheScopes > 0) {
            struct stat st {};
            if (::stat(dir.empty() ? "." : dir.c_str(), &st) != 0) return std::nullopt;
            TListing& listing = gListings[dir];
            if (!listing.Settled || listing.Device != st.st_dev || listing.Inode != st.st_ino ||
                !SameTime(listing.Modified, st.st_mtim)) {
                listing = TListing{st.st_dev, st.st_ino, st.st_mtim, LongAgo(st.st_mtim), {}};
                ListDirectory(dir, [&](std::string_view entry) {
                    auto [it, added] = listing.ByUpperName.try_emplace(AsciiUpper(entry), entry);
                    if (!added && entry < it->second) it->second = std::string(entry);
                });
            }
            auto found = listing.ByUpperName.find(AsciiUpper(name));
            if (found == listing.ByUpperName.end()) return std::nullopt;
            return found->second;
        }
    }
    std::optional<std::string> best;
    ListDirectory(dir, [&](std::string_view entry) {
        if (EqualsIgnoreAsciiCase(entry, name) && (!best || entry < *best)) best = std::string(entry);
    });
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

bool IsLocalAbsolutePath(std::string_view path) { return !path.empty() && path[0] == '/'; }

TDirectoryCacheScope::TDirectoryCacheScope() {
    std::lock_guard<std::mutex> lock(gCacheMutex);
    ++gCacheScopes;
}

TDirectoryCacheScope::~TDirectoryCacheScope() {
    std::lock_guard<std::mutex> lock(gCacheMutex);
    if (--gCacheScopes == 0) {
        gListings.clear();
        gCorrected.clear();
    }
}

std::optional<std::string> LocatePath(std::string_view path) {
    if (path.empty() || path.find(":\\") != std::string_view::npos) return std::nullopt;
    std::string local(path);
    for (char& c : local) {
        if (c == '\\') c = '/';
    }
    // Within a run a spelling corrected once stays corrected while the file
    // found is there, so every part of the run sees the same file.
    if (std::optional<std::string> before = CorrectedBefore(local)) return before;
    if (Exists(local)) return local;
    std::optional<std::string> found = WalkIgnoringCase(local);
    if (found) RememberCorrected(local, *found);
    return found;
}

double FileSize(std::string_view path) {
    std::optional<std::string> local = LocatePath(path);
    if (!local) return -1;
    struct stat st {};
    if (::stat(local->c_str(), &st) != 0) return -1;
    return static_cast<double>(st.st_size);
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

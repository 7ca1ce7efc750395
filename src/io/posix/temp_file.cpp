// The temporary file beside a target: unnamed (O_TMPFILE) where the file
// system allows it, else hidden under a name that says whose it is.
#include "io/temp_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <random>

namespace plumora {

namespace {

std::atomic<bool> gNamedOnly{false};

constexpr std::string_view kMarker = ".plumora-";

std::string ProcFdPath(int fd) { return "/proc/self/fd/" + std::to_string(fd); }

// ".<name>.plumora-<pid>-XXXXXX"; the pid lets a later run tell a leftover
// of a killed writer from a file that a running one is still writing.
std::string HiddenPattern(const std::string& dir, const std::string& name) {
    return dir + "/." + name + std::string(kMarker) + std::to_string(::getpid()) + "-XXXXXX";
}

// A fresh name of that shape that does not exist yet.
std::string HiddenName(const std::string& dir, const std::string& name) {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    static constexpr char kChars[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::string path = HiddenPattern(dir, name);
    for (std::size_t i = path.size() - 6; i < path.size(); ++i)
        path[i] = kChars[random() % (sizeof kChars - 1)];
    return path;
}

}  // namespace

void TTempFile::UseNamedFilesOnly(bool namedOnly) { gNamedOnly = namedOnly; }

TTempFile::TTempFile(const std::string& target) {
    const std::filesystem::path targetPath(target);
    const std::filesystem::path dir = targetPath.parent_path();
    dir_ = dir.empty() ? std::string(".") : dir.string();
    name_ = targetPath.filename().string();
    // Linking an unnamed file into place goes through /proc; without it the
    // file could never get its name.
    static const bool procFds = ::access("/proc/self/fd", X_OK) == 0;
    if (!gNamedOnly && procFds) {
        fd_ = ::open(dir_.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
        if (fd_ >= 0) {
            unnamed_ = created_ = true;
            return;
        }
    }
    path_ = HiddenPattern(dir_, name_);
    fd_ = ::mkostemp(path_.data(), O_CLOEXEC);
    created_ = fd_ >= 0;
}

TTempFile::~TTempFile() {
    if (fd_ >= 0) ::close(fd_);
    if (created_ && !placed_ && !unnamed_) ::unlink(path_.c_str());
}

bool TTempFile::Write(std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t put = ::write(fd_, bytes.data(), bytes.size());
        if (put < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

bool TTempFile::SetMode(mode_t mode) { return ::fchmod(fd_, mode) == 0; }

bool TTempFile::Sync() { return ::fsync(fd_) == 0; }

bool TTempFile::CloseFd() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
}

bool TTempFile::Close() { return unnamed_ ? true : CloseFd(); }

bool TTempFile::LinkUnder(const std::string& name) {
    return ::linkat(AT_FDCWD, ProcFdPath(fd_).c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
}

bool TTempFile::PutInPlace(const std::string& target, bool removeOldFirst) {
    if (!unnamed_) {
        if (removeOldFirst) ::unlink(target.c_str());
        placed_ = ::rename(path_.c_str(), target.c_str()) == 0;
        return placed_;
    }
    if (removeOldFirst) ::unlink(target.c_str());
    // Straight under the target's name when that is free: nothing else ever
    // has a name.
    if (LinkUnder(target)) {
        placed_ = true;
        return CloseFd();
    }
    if (errno != EEXIST) return false;
    // The target exists (or came back meanwhile): a hidden name for an
    // instant, then an atomic rename over it.
    std::string hidden;
    for (int attempt = 0; attempt < 100; ++attempt) {
        hidden = HiddenName(dir_, name_);
        if (LinkUnder(hidden)) break;
        if (errno != EEXIST) return false;
        hidden.clear();
    }
    if (hidden.empty()) return false;
    if (::rename(hidden.c_str(), target.c_str()) != 0) {
        const int err = errno;
        ::unlink(hidden.c_str());
        errno = err;
        return false;
    }
    placed_ = true;
    return CloseFd();
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

std::size_t RemoveStaleTempFiles(const std::string& dir) {
    DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
    if (!d) return 0;
    std::size_t removed = 0;
    while (const dirent* e = ::readdir(d)) {
        const std::string_view name(e->d_name);
        if (name.size() < 2 || name[0] != '.') continue;
        // ".<name>.plumora-<pid>-XXXXXX"
        const std::size_t marker = name.rfind(kMarker);
        if (marker == std::string_view::npos || marker < 2) continue;
        const std::string_view tail = name.substr(marker + kMarker.size());
        const std::size_t dash = tail.find('-');
        if (dash == 0 || dash == std::string_view::npos || tail.size() - dash - 1 != 6) continue;
        const std::string_view pidText = tail.substr(0, dash);
        if (pidText.find_first_not_of("0123456789") != std::string_view::npos || pidText.size() > 9)
            continue;
        const pid_t pid = static_cast<pid_t>(std::atol(std::string(pidText).c_str()));
        if (pid <= 0 || ::kill(pid, 0) == 0 || errno != ESRCH) continue;  // its writer still runs
        const std::string path = (dir.empty() ? std::string(".") : dir) + "/" + std::string(name);
        struct stat st {};
        if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::unlink(path.c_str()) == 0)
            ++removed;
    }
    ::closedir(d);
    return removed;
}

}  // namespace plumora

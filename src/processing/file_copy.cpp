// Block copies through a temporary file, directory creation and listing.
#include "processing/file_copy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "processing/output_paths.h"

namespace plumora {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kBlockSize = 2048;

// Closes a descriptor when it goes out of scope.
class TFd {
public:
    explicit TFd(int fd) : fd_(fd) {}
    ~TFd() {
        if (fd_ >= 0) ::close(fd_);
    }
    TFd(const TFd&) = delete;
    TFd& operator=(const TFd&) = delete;
    int Get() const { return fd_; }
    bool Close() {
        int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool WriteBlock(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        ssize_t put = ::write(fd, data, size);
        if (put < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += put;
        size -= static_cast<std::size_t>(put);
    }
    return true;
}

// Puts the finished temporary file in place of `target`. Renaming over an
// existing file makes the file system flush the new data at once, which
// turns a re-run over hundreds of files into seconds of waiting; the old
// output is removed first instead. Either way the target is never partial.
bool MoveIntoPlace(const std::string& temp, const std::string& target, bool targetExisted) {
    if (targetExisted) ::unlink(target.c_str());
    return ::rename(temp.c_str(), target.c_str()) == 0;
}

bool CopyFile(const std::string& source, const std::string& target, bool keepDate) {
    if (source == target) return false;
    TFd in(::open(source.c_str(), O_RDONLY | O_CLOEXEC));
    if (in.Get() < 0) return false;
    struct stat src {};
    if (::fstat(in.Get(), &src) != 0 || !S_ISREG(src.st_mode)) return false;
    // The same file under another name: copying would only risk it.
    struct stat dst {};
    const bool targetExisted = ::lstat(target.c_str(), &dst) == 0;
    if (targetExisted) {
        struct stat followed {};
        if (::stat(target.c_str(), &followed) == 0 &&
            ((followed.st_dev == src.st_dev && followed.st_ino == src.st_ino) || S_ISDIR(followed.st_mode)))
            return false;
    }

    fs::path targetPath(target);
    fs::path dir = targetPath.parent_path();
    std::string temp = (dir.empty() ? fs::path(".") : dir).string() + "/." +
                       targetPath.filename().string() + ".XXXXXX";
    TFd out(::mkostemp(temp.data(), O_CLOEXEC));
    if (out.Get() < 0) return false;
    auto abandon = [&] {
        ::unlink(temp.c_str());
        return false;
    };

    char buffer[kBlockSize];
    while (true) {
        ssize_t got = ::read(in.Get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            return abandon();
        }
        if (got == 0) break;
        if (!WriteBlock(out.Get(), buffer, static_cast<std::size_t>(got))) return abandon();
    }

    mode_t mode;
    if (keepDate) {
        mode = src.st_mode & 07777;
        struct timespec times[2] = {src.st_atim, src.st_mtim};
        if (::futimens(out.Get(), times) != 0) return abandon();
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (::fchmod(out.Get(), mode) != 0) return abandon();
    if (!out.Close()) return abandon();
    if (!MoveIntoPlace(temp, target, targetExisted)) return abandon();
    return true;
}

std::string ErrnoText(int err) { return std::strerror(err); }

}  // namespace

bool ReplaceFileContent(const std::string& target, std::string_view bytes, std::string& reason) {
    struct stat old {};
    bool hadOld = ::stat(target.c_str(), &old) == 0;
    struct stat link {};
    const bool targetExisted = ::lstat(target.c_str(), &link) == 0;
    if (hadOld && S_ISDIR(old.st_mode)) {
        reason = "it is a directory";
        return false;
    }
    fs::path targetPath(target);
    fs::path dir = targetPath.parent_path();
    std::string temp = (dir.empty() ? fs::path(".") : dir).string() + "/." +
                       targetPath.filename().string() + ".XXXXXX";
    TFd out(::mkostemp(temp.data(), O_CLOEXEC));
    if (out.Get() < 0) {
        reason = "cannot create a temporary file: " + ErrnoText(errno);
        return false;
    }
    auto abandon = [&](const char* what) {
        reason = std::string(what) + ": " + ErrnoText(errno);
        ::unlink(temp.c_str());
        return false;
    };
    mode_t mode;
    if (hadOld) {
        mode = old.st_mode & 07777;
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (::fchmod(out.Get(), mode) != 0) return abandon("cannot set permissions");
    if (!WriteBlock(out.Get(), bytes.data(), bytes.size())) return abandon("cannot write");
    if (!out.Close()) return abandon("cannot close");
    if (!MoveIntoPlace(temp, target, targetExisted)) return abandon("cannot replace the file");
    return true;
}

bool DirectoryExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.empty() ? "." : path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool EnsureDirectory(const std::string& dir) {
    if (DirectoryExists(dir)) return true;
    std::error_code ec;
    fs::create_directories(fs::path(dir), ec);
    return DirectoryExists(dir);
}

bool CopyFileData(const std::string& source, const std::string& target) {
    return CopyFile(source, target, false);
}

bool CopyFileKeepDate(const std::string& source, const std::string& target) {
    return CopyFile(source, target, true);
}

bool DeleteListedFiles(const std::vector<std::string>& names, const std::string& dir) {
    bool ok = true;
    for (const std::string& name : names) {
        if (::unlink(JoinPath(dir, name).c_str()) != 0) ok = false;
    }
    return ok;
}

std::vector<std::string> ListOrdinaryFiles(const std::string& dir) {
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(dir.empty() ? fs::path(".") : fs::path(dir), ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code sec;
        if (it->is_regular_file(sec)) names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace plumora

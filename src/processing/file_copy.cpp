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

#include "io/temp_file.h"
#include "processing/output_paths.h"

namespace plumora {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kBlockSize = 2048;

// Closes the source descriptor when it goes out of scope.
class TFd {
public:
    explicit TFd(int fd) : fd_(fd) {}
    ~TFd() {
        if (fd_ >= 0) ::close(fd_);
    }
    TFd(const TFd&) = delete;
    TFd& operator=(const TFd&) = delete;
    int Get() const { return fd_; }

private:
    int fd_;
};

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

    TTempFile out(target);
    if (!out.Created()) return false;
    char buffer[kBlockSize];
    while (true) {
        ssize_t got = ::read(in.Get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (got == 0) break;
        if (!out.Write(std::string_view(buffer, static_cast<std::size_t>(got)))) return false;
    }
    if (keepDate) {
        struct timespec times[2] = {src.st_atim, src.st_mtim};
        if (::futimens(out.Fd(), times) != 0) return false;
    }
    return out.SetMode(keepDate ? src.st_mode & 07777 : NewFileMode()) && out.Close() &&
           out.PutInPlace(target, targetExisted);
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
    TTempFile out(target);
    if (!out.Created()) {
        reason = "cannot create a temporary file: " + ErrnoText(errno);
        return false;
    }
    auto failed = [&](const char* what) {
        reason = std::string(what) + ": " + ErrnoText(errno);
        return false;
    };
    if (!out.SetMode(hadOld ? old.st_mode & 07777 : NewFileMode())) return failed("cannot set permissions");
    if (!out.Write(bytes)) return failed("cannot write");
    if (!out.Close()) return failed("cannot close");
    if (!out.PutInPlace(target, targetExisted)) return failed("cannot replace the file");
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

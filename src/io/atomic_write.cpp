// Atomic replacement of a file through a temporary file in the same directory
// (rename is only atomic within one file system).
#include "io/atomic_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace plumora {

namespace fs = std::filesystem;

namespace {

bool Fail(std::string* reason, const std::string& what) {
    if (reason) *reason = what;
    return false;
}

std::string ErrnoText(const std::string& what, int err) {
    return what + ": " + std::strerror(err);
}

// Where the bytes really go: the target of a symbolic link (so that a linked
// settings file stays linked), otherwise the path itself.
fs::path FinalTarget(const fs::path& path) {
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(path, ec))) {
        fs::path resolved = fs::weakly_canonical(path, ec);
        if (!ec) return resolved;
    }
    return path;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t put = ::write(fd, bytes.data(), bytes.size());
        if (put < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

}  // namespace

bool AtomicWriteFile(const std::string& localPath, std::string_view bytes, std::string* reason) {
    if (localPath.empty()) return Fail(reason, "no file name");
    fs::path target = FinalTarget(fs::path(localPath));
    fs::path dir = target.parent_path();
    if (dir.empty()) dir = ".";

    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec) return Fail(reason, "cannot create directory " + dir.string() + ": " + ec.message());

    struct stat old {};
    bool hadOld = ::stat(target.c_str(), &old) == 0;
    if (hadOld && S_ISDIR(old.st_mode)) return Fail(reason, "it is a directory");

    std::string temp = (dir / ("." + target.filename().string() + ".XXXXXX")).string();
    int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return Fail(reason, ErrnoText("cannot create a temporary file in " + dir.string(), errno));

    auto abandon = [&](const std::string& what, int err) {
        ::close(fd);
        ::unlink(temp.c_str());
        return Fail(reason, ErrnoText(what, err));
    };

    // mkostemp creates 0600; an existing file keeps its own bits, a new one
    // gets what the user's umask allows for an ordinary file.
    mode_t mode;
    if (hadOld) {
        mode = old.st_mode & 07777;
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (::fchmod(fd, mode) != 0) return abandon("cannot set permissions", errno);
    if (!WriteAll(fd, bytes)) return abandon("cannot write", errno);
    if (::fsync(fd) != 0) return abandon("cannot flush", errno);
    if (::close(fd) != 0) {
        int err = errno;
        ::unlink(temp.c_str());
        return Fail(reason, ErrnoText("cannot close", err));
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        int err = errno;
        ::unlink(temp.c_str());
        return Fail(reason, ErrnoText("cannot replace " + target.string(), err));
    }
    // Make the rename itself durable; a failure here no longer risks the data.
    int dirFd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}

}  // namespace plumora

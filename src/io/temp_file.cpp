// The temporary file beside a target.
#include "io/temp_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace plumora {

TTempFile::TTempFile(const std::string& target) {
    const std::filesystem::path targetPath(target);
    const std::filesystem::path dir = targetPath.parent_path();
    path_ = (dir.empty() ? std::filesystem::path(".") : dir).string() + "/." +
            targetPath.filename().string() + ".XXXXXX";
    fd_ = ::mkostemp(path_.data(), O_CLOEXEC);
    created_ = fd_ >= 0;
}

TTempFile::~TTempFile() {
    if (fd_ >= 0) ::close(fd_);
    if (created_ && !placed_) ::unlink(path_.c_str());
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

bool TTempFile::Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
}

bool TTempFile::PutInPlace(const std::string& target, bool removeOldFirst) {
    if (removeOldFirst) ::unlink(target.c_str());
    placed_ = ::rename(path_.c_str(), target.c_str()) == 0;
    return placed_;
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace plumora

#include "io/read_open.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace plumora {

std::string NotAFileText(mode_t mode) {
    if (S_ISREG(mode)) return {};
    if (S_ISDIR(mode)) return "a directory";
    if (S_ISFIFO(mode)) return "a FIFO (named pipe)";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
    if (S_ISSOCK(mode)) return "a socket";
    return "not an ordinary file";
}

int OpenRegularForReading(const std::string& localPath, std::string& error, int* errnoOut) {
    if (errnoOut) *errnoOut = 0;
    if (localPath.empty()) {
        error = "Cannot open a file without a name.";
        if (errnoOut) *errnoOut = ENOENT;
        return -1;
    }
    // O_NONBLOCK: opening a FIFO without a writer would otherwise wait for
    // one forever. It is cleared again once the file is known to be regular.
    const int fd = ::open(localPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        const int err = errno;
        if (errnoOut) *errnoOut = err;
        error = "Cannot open " + localPath + ": " + std::strerror(err);
        return -1;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int err = errno;
        ::close(fd);
        if (errnoOut) *errnoOut = err;
        error = "Cannot read " + localPath + ": " + std::strerror(err);
        return -1;
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        error = "Cannot read " + localPath + ": it is " + NotAFileText(st.st_mode) + ", not a file.";
        return -1;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return fd;
}

}  // namespace plumora

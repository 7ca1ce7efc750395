// Files and folders on POSIX systems.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "io/native.h"
#include "io/read_open.h"

namespace plumora {

namespace {

void Fill(const struct stat& st, TPathFacts& facts) {
    facts.Directory = S_ISDIR(st.st_mode);
    facts.Regular = S_ISREG(st.st_mode);
    facts.Link = S_ISLNK(st.st_mode);
    facts.OwnerWritable = (st.st_mode & S_IWUSR) != 0;
    facts.Mode = st.st_mode & 07777;
    facts.Kind = facts.Link ? std::string("a symbolic link") : NotAFileText(st.st_mode);
    facts.Identity = {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
}

}  // namespace

bool StatPath(const std::string& path, TPathFacts& facts, bool followLink) {
    struct stat st {};
    const char* name = path.empty() ? "." : path.c_str();
    if ((followLink ? ::stat(name, &st) : ::lstat(name, &st)) != 0) return false;
    Fill(st, facts);
    return true;
}

bool StatOpenFile(int fd, TPathFacts& facts) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) return false;
    Fill(st, facts);
    return true;
}

bool CopyFileTimes(int from, int to) {
    struct stat st {};
    if (::fstat(from, &st) != 0) return false;
    struct timespec times[2] = {st.st_atim, st.st_mtim};
    return ::futimens(to, times) == 0;
}

bool CanWriteInDirectory(const std::string& dir) { return ::access(dir.c_str(), W_OK | X_OK) == 0; }

void SyncDirectory(const std::string& dir) {
    const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

std::tm LocalTime(std::time_t when) {
    std::tm local{};
    ::localtime_r(&when, &local);
    return local;
}

}  // namespace plumora

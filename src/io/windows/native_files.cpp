// Files and folders on Windows. Names are in the ANSI code page (Windows-1252
// on western systems), as Visual Basic wrote them into its project files, so
// the program's narrow strings go to the system's ...A functions unchanged.
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <cerrno>
#include <cstring>

#include "io/native.h"
#include "io/read_open.h"

namespace plumora {

namespace {

// errno for the last Windows error, for the messages built from strerror.
void SetErrnoFromWindows() {
    switch (GetLastError()) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
            errno = ENOENT;
            break;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            errno = EACCES;
            break;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            errno = ENOSPC;
            break;
        case ERROR_ALREADY_EXISTS:
        case ERROR_FILE_EXISTS:
            errno = EEXIST;
            break;
        default:
            errno = EIO;
    }
}

void FillFromInfo(const BY_HANDLE_FILE_INFORMATION& info, TPathFacts& facts) {
    facts.Directory = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    facts.Regular = !facts.Directory;
    facts.OwnerWritable = (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) == 0;
    facts.Mode = facts.Directory ? 0777 : facts.OwnerWritable ? 0666 : 0444;
    facts.Kind = facts.Directory ? "a directory" : "";
    facts.Identity = {info.dwVolumeSerialNumber,
                      (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

bool FillFromHandle(HANDLE handle, TPathFacts& facts) {
    if (GetFileType(handle) != FILE_TYPE_DISK) {
        facts = TPathFacts{};
        facts.Kind = "a device";
        return true;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(handle, &info)) {
        SetErrnoFromWindows();
        return false;
    }
    FillFromInfo(info, facts);
    return true;
}

}  // namespace

bool StatPath(const std::string& path, TPathFacts& facts, bool followLink) {
    const std::string name = path.empty() ? std::string(".") : path;
    const DWORD attributes = GetFileAttributesA(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        SetErrnoFromWindows();
        return false;
    }
    DWORD flags = FILE_FLAG_BACKUP_SEMANTICS;  // folders open too
    const bool link = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    if (!followLink && link) flags |= FILE_FLAG_OPEN_REPARSE_POINT;
    HANDLE handle = CreateFileA(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, flags, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        // A name that cannot be opened (a device such as NUL) still exists.
        facts = TPathFacts{};
        facts.Directory = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        facts.Regular = !facts.Directory;
        facts.OwnerWritable = (attributes & FILE_ATTRIBUTE_READONLY) == 0;
        facts.Mode = facts.OwnerWritable ? 0666 : 0444;
        facts.Kind = facts.Directory ? "a directory" : "";
        return true;
    }
    const bool ok = FillFromHandle(handle, facts);
    CloseHandle(handle);
    if (ok && !followLink && link) facts.Link = true;
    return ok;
}

bool StatOpenFile(int fd, TPathFacts& facts) {
    const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
    if (handle == INVALID_HANDLE_VALUE) {
        errno = EBADF;
        return false;
    }
    return FillFromHandle(handle, facts);
}

bool CopyFileTimes(int from, int to) {
    const HANDLE in = reinterpret_cast<HANDLE>(_get_osfhandle(from));
    const HANDLE out = reinterpret_cast<HANDLE>(_get_osfhandle(to));
    FILETIME created{}, accessed{}, written{};
    if (!GetFileTime(in, &created, &accessed, &written) || !SetFileTime(out, nullptr, &accessed, &written)) {
        SetErrnoFromWindows();
        return false;
    }
    return true;
}

bool CanWriteInDirectory(const std::string& dir) {
    // The read-only attribute of a folder does not stop writing into it;
    // what does is seen when the file is made.
    const DWORD attributes = GetFileAttributesA(dir.empty() ? "." : dir.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        SetErrnoFromWindows();
        return false;
    }
    return true;
}

void SyncDirectory(const std::string&) {}

std::tm LocalTime(std::time_t when) {
    std::tm local{};
    localtime_s(&local, &when);
    return local;
}

std::string NotAFileText(mode_t mode) {
    if ((mode & S_IFMT) == S_IFREG) return {};
    if ((mode & S_IFMT) == S_IFDIR) return "a directory";
    if ((mode & S_IFMT) == S_IFCHR) return "a device";
    return "not an ordinary file";
}

int OpenRegularForReading(const std::string& localPath, std::string& error, int* errnoOut) {
    if (errnoOut) *errnoOut = 0;
    if (localPath.empty()) {
        error = "Cannot open a file without a name.";
        if (errnoOut) *errnoOut = ENOENT;
        return -1;
    }
    TPathFacts facts;
    if (StatPath(localPath, facts) && !facts.Regular) {
        // Opening a folder fails with "Permission denied", which says less.
        error = "Cannot read " + localPath + ": it is " + facts.Kind + ", not a file.";
        return -1;
    }
    const int fd = _open(localPath.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
    if (fd < 0) {
        const int err = errno;
        if (errnoOut) *errnoOut = err;
        error = "Cannot open " + localPath + ": " + std::strerror(err);
        return -1;
    }
    if (!StatOpenFile(fd, facts) || !facts.Regular) {
        _close(fd);
        error = "Cannot read " + localPath + ": it is " + (facts.Kind.empty() ? "a device" : facts.Kind) +
                ", not a file.";
        return -1;
    }
    return fd;
}

}  // namespace plumora

// The temporary file beside a target on Windows: a hidden name that says
// whose it is, written completely, then moved over the target in one step.
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>
#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <random>

#include "io/temp_file.h"

namespace plumora {

namespace {

constexpr std::string_view kMarker = ".plumora-";

// "<dir>\.<name>.plumora-<pid>-XXXXXX" with six random characters.
std::string HiddenName(const std::string& dir, const std::string& name) {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    static constexpr char kChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::string path = dir + "\\." + name + std::string(kMarker) + std::to_string(_getpid()) + "-";
    for (int i = 0; i < 6; ++i) path += kChars[random() % (sizeof kChars - 1)];
    return path;
}

bool ProcessRuns(unsigned long pid) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (!process) return GetLastError() == ERROR_ACCESS_DENIED;  // runs, but is not ours to ask
    DWORD code = 0;
    const bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    CloseHandle(process);
    return running;
}

void SetErrnoFromLastError() {
    switch (GetLastError()) {
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
            errno = EACCES;
            break;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            errno = ENOSPC;
            break;
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            errno = ENOENT;
            break;
        default:
            errno = EIO;
    }
}

}  // namespace

void TTempFile::UseNamedFilesOnly(bool) {}

TTempFile::TTempFile(const std::string& target) {
    const std::filesystem::path targetPath(target);
    const std::filesystem::path dir = targetPath.parent_path();
    dir_ = dir.empty() ? std::string(".") : dir.string();
    name_ = targetPath.filename().string();
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        path_ = HiddenName(dir_, name_);
        fd_ = _open(path_.c_str(), _O_CREAT | _O_EXCL | _O_RDWR | _O_BINARY | _O_NOINHERIT,
                    _S_IREAD | _S_IWRITE);
        if (fd_ < 0 && errno != EEXIST) break;
    }
    created_ = fd_ >= 0;
    if (created_) SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_HIDDEN);
}

TTempFile::~TTempFile() {
    if (fd_ >= 0) _close(fd_);
    if (created_ && !placed_) {
        SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
        _unlink(path_.c_str());
    }
}

bool TTempFile::Write(std::string_view bytes) {
    while (!bytes.empty()) {
        const unsigned chunk = static_cast<unsigned>(std::min<std::size_t>(bytes.size(), 1u << 30));
        const int put = _write(fd_, bytes.data(), chunk);
        if (put <= 0) {
            if (put == 0) errno = ENOSPC;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

// Windows keeps only "read-only" of the permission bits; it is set once the
// file is in place (a read-only file could not be moved over the target).
bool TTempFile::SetMode(mode_t mode) {
    readOnly_ = (mode & 0200) == 0;
    return true;
}

bool TTempFile::Sync() { return _commit(fd_) == 0; }

bool TTempFile::CloseFd() {
    const int fd = fd_;
    fd_ = -1;
    return _close(fd) == 0;
}

bool TTempFile::Close() { return fd_ < 0 || CloseFd(); }

bool TTempFile::LinkUnder(const std::string&) { return false; }

bool TTempFile::PutInPlace(const std::string& target, bool removeOldFirst) {
    if (fd_ >= 0 && !CloseFd()) return false;
    if (removeOldFirst) DeleteFileA(target.c_str());
    SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!MoveFileExA(path_.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        SetErrnoFromLastError();
        SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_HIDDEN);
        return false;
    }
    placed_ = true;
    if (readOnly_) SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY);
    return true;
}

mode_t NewFileMode() { return 0666; }

std::size_t RemoveStaleTempFiles(const std::string& dir) {
    WIN32_FIND_DATAA entry{};
    const std::string base = dir.empty() ? std::string(".") : dir;
    HANDLE find = FindFirstFileA((base + "\\.*" + std::string(kMarker) + "*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return 0;
    std::size_t removed = 0;
    do {
        const std::string_view name(entry.cFileName);
        const std::size_t marker = name.rfind(kMarker);
        if (marker == std::string_view::npos || marker < 2) continue;
        const std::string_view tail = name.substr(marker + kMarker.size());
        const std::size_t dash = tail.find('-');
        if (dash == 0 || dash == std::string_view::npos || tail.size() - dash - 1 != 6) continue;
        const std::string_view pidText = tail.substr(0, dash);
        if (pidText.find_first_not_of("0123456789") != std::string_view::npos || pidText.size() > 9) continue;
        const unsigned long pid = std::strtoul(std::string(pidText).c_str(), nullptr, 10);
        if (pid == 0 || ProcessRuns(pid)) continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        const std::string path = base + "\\" + std::string(name);
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (DeleteFileA(path.c_str())) ++removed;
    } while (FindNextFileA(find, &entry));
    FindClose(find);
    return removed;
}

}  // namespace plumora

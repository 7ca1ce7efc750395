// Block copies through a temporary file, directory creation and listing.
#include "processing/file_copy.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "io/native.h"
#include "io/read_open.h"
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

std::string ErrnoText(int err) { return std::strerror(err); }

TCopyOutcome Outcome(TCopyStatus status, std::string reason = {}) {
    return {status, std::move(reason)};
}

TCopyOutcome CopyFile(const std::string& source, const std::string& target, bool keepDate) {
    if (source == target) return Outcome(TCopyStatus::NoSource);
    std::string openError;
    int openErrno = 0;
    TFd in(OpenRegularForReading(source, openError, &openErrno));
    if (in.Get() < 0) {
        if (openErrno == ENOENT || openErrno == ENOTDIR) return Outcome(TCopyStatus::NoSource);
        // A FIFO, device or directory has nothing to copy; an unreadable
        // file does, and missing it would break the copied project.
        return Outcome(openErrno ? TCopyStatus::Failed : TCopyStatus::NotAFile,
                       "Unable to copy " + source + " to " + target + ": " +
                           openError.substr(openError.rfind(": ") + 2));
    }
    TPathFacts src;
    if (!StatOpenFile(in.Get(), src))
        return Outcome(TCopyStatus::Failed, "Unable to copy " + source + ": " + ErrnoText(errno));
    // The same file under another name: copying would only risk it.
    TPathFacts dst;
    const bool targetExisted = StatPath(target, dst, false);
    if (targetExisted) {
        TPathFacts followed;
        if (StatPath(target, followed)) {
            if (followed.Identity == src.Identity) return Outcome(TCopyStatus::NoSource);
            if (followed.Directory)
                return Outcome(TCopyStatus::Failed,
                               "Unable to write " + target + ": it is a directory");
            // The user's statement that this file must not change, in every
            // copy mode as for the styled files.
            if (followed.Regular && !followed.OwnerWritable)
                return Outcome(TCopyStatus::Failed,
                               "Unable to write " + target + ": the file is read-only");
        }
    }

    auto failed = [&](const std::string& what) {
        const int err = errno;
        return Outcome(TCopyStatus::Failed,
                       "Unable to copy " + source + " to " + target + ": " + what + ErrnoText(err));
    };
    TTempFile out(target);
    if (!out.Created()) return failed("");
    char buffer[kBlockSize];
    while (true) {
        ssize_t got = ::read(in.Get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            return failed("reading failed: ");
        }
        if (got == 0) break;
        if (!out.Write(std::string_view(buffer, static_cast<std::size_t>(got))))
            return failed("");
    }
    if (keepDate && !CopyFileTimes(in.Get(), out.Fd())) return failed("");
    // A kept mode stays writable for its owner: a read-only project file
    // (as source control leaves it) would otherwise make its own copy refuse
    // the rewrite and the next run.
    if (!out.SetMode(keepDate ? static_cast<mode_t>(src.Mode | 0200) : NewFileMode()) || !out.Close() ||
        !out.PutInPlace(target, targetExisted))
        return failed("");
    return Outcome(TCopyStatus::Copied);
}

}  // namespace

bool ReplaceFileContent(const std::string& target, std::string_view bytes, std::string& reason) {
    TPathFacts old;
    bool hadOld = StatPath(target, old);
    TPathFacts link;
    const bool targetExisted = StatPath(target, link, false);
    if (hadOld && old.Directory) {
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
    if (!out.SetMode(hadOld ? static_cast<mode_t>(old.Mode) : NewFileMode())) return failed("cannot set permissions");
    if (!out.Write(bytes)) return failed("cannot write");
    if (!out.Close()) return failed("cannot close");
    if (!out.PutInPlace(target, targetExisted)) return failed("cannot replace the file");
    return true;
}

bool DirectoryExists(const std::string& path) {
    TPathFacts facts;
    return StatPath(path, facts) && facts.Directory;
}

bool EnsureDirectory(const std::string& dir) {
    if (DirectoryExists(dir)) return true;
    std::error_code ec;
    fs::create_directories(fs::path(dir), ec);
    return DirectoryExists(dir);
}

TCopyOutcome CopyFileReporting(const std::string& source, const std::string& target, bool keepDate) {
    return CopyFile(source, target, keepDate);
}

std::string PrepareOutputDirectory(const std::string& written, const std::string& local) {
    if (local.empty()) {
        return "The output directory " + written +
               " is a Windows drive path; drive letters do not exist on this system. Set the "
               "output directory to a directory of this system, or to one relative to the "
               "project such as .\\STYLED\\.";
    }
    const std::string dir = WithoutTrailingSeparators(local);
    TPathFacts facts;
    if (StatPath(dir, facts) && !facts.Directory)
        return "The output directory " + dir + " is a file, not a directory.";
    if (!DirectoryExists(dir)) {
        std::error_code created;
        fs::create_directories(fs::path(dir), created);
        if (!DirectoryExists(dir)) {
            std::string why = created ? created.message() : std::string("it could not be made");
            // A file where a parent directory should be says more than
            // "Not a directory".
            std::error_code ec;
            fs::path existing = fs::path(dir).parent_path();
            while (!existing.empty() && !fs::exists(existing, ec)) existing = existing.parent_path();
            if (!existing.empty() && StatPath(existing.string(), facts) && !facts.Directory)
                why = existing.string() + " is a file, not a directory";
            return "The output directory " + dir + " cannot be created: " + why + ".";
        }
    }
    if (!CanWriteInDirectory(dir))
        return "The output directory " + dir + " is read-only: " + ErrnoText(errno) + ".";
    return {};
}

bool CopyFileData(const std::string& source, const std::string& target) {
    return CopyFile(source, target, false).Status == TCopyStatus::Copied;
}

bool CopyFileKeepDate(const std::string& source, const std::string& target) {
    return CopyFile(source, target, true).Status == TCopyStatus::Copied;
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

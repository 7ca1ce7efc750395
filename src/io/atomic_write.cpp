// Atomic replacement of a file through a temporary file in the same directory
// (a link or rename is only atomic within one file system).
#include "io/atomic_write.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "io/native.h"
#include "io/temp_file.h"

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

bool WriteAtomically(const std::string& localPath, std::string_view bytes, std::string* reason,
                     bool followLink) {
    if (localPath.empty()) return Fail(reason, "no file name");
    fs::path target = followLink ? FinalTarget(fs::path(localPath)) : fs::path(localPath);
    fs::path dir = target.parent_path();
    if (dir.empty()) dir = ".";

    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec) return Fail(reason, "cannot create directory " + dir.string() + ": " + ec.message());

    // A writer killed on a file system without unnamed files left its
    // hidden file here; this is the next write into the directory.
    RemoveStaleTempFiles(dir.string());

    TPathFacts old;
    bool hadOld = StatPath(target.string(), old, followLink);
    if (hadOld && old.Directory) return Fail(reason, "it is a directory");
    // A link that is replaced passes nothing on; the new file is an ordinary one.
    if (hadOld && old.Link) hadOld = false;

    TTempFile out(target.string());
    if (!out.Created())
        return Fail(reason, ErrnoText("cannot create a temporary file in " + dir.string(), errno));
    auto failed = [&](const std::string& what) { return Fail(reason, ErrnoText(what, errno)); };

    // The temporary file starts as 0600; an existing file keeps its own bits, a new one
    // gets what the user's umask allows for an ordinary file.
    if (!out.SetMode(hadOld ? static_cast<mode_t>(old.Mode) : NewFileMode())) return failed("cannot set permissions");
    if (!out.Write(bytes)) return failed("cannot write");
    if (!out.Sync()) return failed("cannot flush");
    if (!out.Close()) return failed("cannot close");
    if (!out.PutInPlace(target.string(), false)) {
        const int err = errno;
        return Fail(reason, ErrnoText("cannot replace " + target.string(), err));
    }
    // Make the rename itself durable; a failure here no longer risks the data.
    SyncDirectory(dir.string());
    return true;
}

}  // namespace

bool AtomicWriteFile(const std::string& localPath, std::string_view bytes, std::string* reason) {
    return WriteAtomically(localPath, bytes, reason, true);
}

bool AtomicReplaceFile(const std::string& localPath, std::string_view bytes, std::string* reason) {
    return WriteAtomically(localPath, bytes, reason, false);
}

}  // namespace plumora

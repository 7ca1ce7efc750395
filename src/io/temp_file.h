// A file written without a name beside its target and linked into place
// only when complete, so the target is never seen half written and a killed
// process leaves nothing behind. The settings writer, the styled output and
// the backup copies all go this way.
//
// Where the file system cannot make unnamed files (O_TMPFILE; always on
// Windows), the file gets a hidden name that carries the writer's process
// id; RemoveStaleTempFiles removes such files whose writer is gone.
// src/io/posix and src/io/windows implement it.
#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>

namespace plumora {

class TTempFile {
public:
    // Creates the file in the directory of `target` (a path of this system).
    // Created() is false when that failed, with errno set.
    explicit TTempFile(const std::string& target);
    // A file that was never put in place is removed.
    ~TTempFile();
    TTempFile(const TTempFile&) = delete;
    TTempFile& operator=(const TTempFile&) = delete;

    bool Created() const { return created_; }
    int Fd() const { return fd_; }
    // True when the file has no name until PutInPlace.
    bool Unnamed() const { return unnamed_; }

    // Each returns false with errno set.
    bool Write(std::string_view bytes);
    bool SetMode(mode_t mode);
    bool Sync();
    // Ends writing. An unnamed file stays open until it is put in place
    // (closing it would delete it).
    bool Close();
    // Makes the complete file `target`. With `removeOldFirst` an existing
    // target is deleted first and the file linked under its name: replacing
    // a file by rename makes the file system flush the new data at once,
    // which turns a run over hundreds of output files into seconds of
    // waiting. Without it the old target is replaced atomically.
    bool PutInPlace(const std::string& target, bool removeOldFirst);

    // For tests: make every temporary file a named one, as on a file system
    // without unnamed files.
    static void UseNamedFilesOnly(bool namedOnly);

private:
    bool LinkUnder(const std::string& name);
    bool CloseFd();

    std::string dir_;
    std::string name_;  // file name of the target, for the hidden name
    std::string path_;  // the hidden name, when the file has one
    int fd_ = -1;
    bool created_ = false;
    bool unnamed_ = false;
    bool placed_ = false;
    bool readOnly_ = false;  // Windows: made read-only once in place
};

// Permission bits of a new ordinary file under the user's umask.
mode_t NewFileMode();

// Removes from `dir` the hidden temporary files that TTempFile made there
// under a name and whose writing process no longer runs (it was killed
// before it could put them in place). Returns how many were removed.
std::size_t RemoveStaleTempFiles(const std::string& dir);

}  // namespace plumora

// A file written under a temporary name beside its target and renamed over
// it only when complete, so the target is never seen half written. The
// settings writer, the styled output and the backup copies all go this way.
#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>

namespace plumora {

class TTempFile {
public:
    // Creates ".<name>.XXXXXX" in the directory of `target` (a path of this
    // system). Created() is false when that failed, with errno set.
    explicit TTempFile(const std::string& target);
    // A file that was never put in place is removed.
    ~TTempFile();
    TTempFile(const TTempFile&) = delete;
    TTempFile& operator=(const TTempFile&) = delete;

    bool Created() const { return created_; }
    int Fd() const { return fd_; }

    // Each returns false with errno set.
    bool Write(std::string_view bytes);
    bool SetMode(mode_t mode);
    bool Sync();
    bool Close();
    // Renames the closed file over `target`. With `removeOldFirst` an existing
    // target is deleted first: renaming over a file makes the file system
    // flush the new data at once, which turns a run over hundreds of output
    // files into seconds of waiting.
    bool PutInPlace(const std::string& target, bool removeOldFirst);

private:
    std::string path_;
    int fd_ = -1;
    bool created_ = false;
    bool placed_ = false;
};

// Permission bits of a new ordinary file under the user's umask.
mode_t NewFileMode();

}  // namespace plumora

// A small file system of its own for a test: a tmpfs mounted in a mount
// namespace private to the test process (and the programs it starts), so a
// full disk or a read-only file system is real and vanishes with the
// process. Needs the right to mount (root in a container, say); tests skip
// with the reason where it is missing.
#pragma once

#include <string>

namespace plumora::testing {

class TSmallFileSystem {
public:
    // Creates `dir` and mounts a tmpfs of `kilobytes` on it, read-only when
    // asked (then it is empty).
    TSmallFileSystem(const std::string& dir, int kilobytes, bool readOnly = false);
    ~TSmallFileSystem();
    TSmallFileSystem(const TSmallFileSystem&) = delete;
    TSmallFileSystem& operator=(const TSmallFileSystem&) = delete;

    bool Mounted() const { return mounted_; }
    // Why it could not be mounted.
    const std::string& Error() const { return error_; }

private:
    std::string dir_;
    bool mounted_ = false;
    std::string error_;
};

}  // namespace plumora::testing

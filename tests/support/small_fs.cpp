#include "support/small_fs.h"

#include <sched.h>
#include <sys/mount.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace plumora::testing {

namespace {

// Once per process: a mount namespace of its own whose mounts never reach
// the rest of the system.
bool PrivateMounts(std::string& error) {
    static int state = 0;  // 0 untried, 1 done, -1 failed
    static std::string failure;
    if (state == 0) {
        if (::unshare(CLONE_NEWNS) != 0) {
            failure = std::string("cannot make a private mount namespace: ") + std::strerror(errno);
            state = -1;
        } else if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
            failure = std::string("cannot make the mounts private: ") + std::strerror(errno);
            state = -1;
        } else {
            state = 1;
        }
    }
    error = failure;
    return state == 1;
}

}  // namespace

TSmallFileSystem::TSmallFileSystem(const std::string& dir, int kilobytes, bool readOnly)
    : dir_(dir) {
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (!PrivateMounts(error_)) return;
    const std::string options = "size=" + std::to_string(kilobytes) + "k";
    if (::mount("tmpfs", dir.c_str(), "tmpfs", readOnly ? MS_RDONLY : 0, options.c_str()) != 0) {
        error_ = "cannot mount a small file system: " + std::string(std::strerror(errno));
        return;
    }
    mounted_ = true;
}

TSmallFileSystem::~TSmallFileSystem() {
    if (mounted_) ::umount2(dir_.c_str(), MNT_DETACH);
}

}  // namespace plumora::testing

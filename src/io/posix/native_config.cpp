// The user's settings folder on POSIX systems: the XDG rules.
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "io/native.h"

namespace plumora {

namespace {

std::string Env(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

// HOME, else the account's home directory from the user database.
std::string HomeDir() {
    std::string home = Env("HOME");
    if (!home.empty()) return home;
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    struct passwd pw {};
    struct passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &pw, buffer.data(), buffer.size(), &found) == 0 && found &&
        found->pw_dir && found->pw_dir[0] != '\0') {
        return found->pw_dir;
    }
    return {};
}

}  // namespace

std::string DefaultConfigDir() {
    // The XDG rules ignore a relative XDG_CONFIG_HOME.
    std::string xdg = Env("XDG_CONFIG_HOME");
    if (!xdg.empty() && xdg.front() == '/') return xdg + "/plumora";
    std::string home = HomeDir();
    if (!home.empty()) return home + "/.config/plumora";
    return {};
}

const char* ConfigDirRule() {
    return "$PLUMORA_CONFIG_DIR, else $XDG_CONFIG_HOME/plumora, else ~/.config/plumora";
}

}  // namespace plumora

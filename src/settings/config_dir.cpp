// Locating the configuration directory and reading the Visual Basic editor's
// tab width from VB.INI there.
#include "settings/config_dir.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "settings/ini_file.h"

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

std::string ConfigDir() {
    std::string dir = Env("PLUMORA_CONFIG_DIR");
    if (!dir.empty()) return dir;
    // The XDG rules ignore a relative XDG_CONFIG_HOME.
    std::string xdg = Env("XDG_CONFIG_HOME");
    if (!xdg.empty() && xdg.front() == '/') return xdg + "/plumora";
    std::string home = HomeDir();
    if (!home.empty()) return home + "/.config/plumora";
    return ".plumora";  // no home at all: beside wherever the program was started
}

std::string SettingsFilePath() { return ConfigDir() + "/VBPLUMO3.INI"; }

std::string VBIniPath() { return ConfigDir() + "/VB.INI"; }

int ReadVBTabStops() {
    constexpr int kDefault = 4;
    constexpr int kLargest = 80;  // wider than any editor line would be nonsense
    TIniFile ini(VBIniPath());
    if (!ini.Load()) return kDefault;
    int tabs = ini.ReadInteger("Visual Basic", "TabStops", kDefault);
    return (tabs < 1 || tabs > kLargest) ? kDefault : tabs;
}

}  // namespace plumora

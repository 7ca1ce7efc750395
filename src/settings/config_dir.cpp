// Locating the configuration directory and reading the Visual Basic editor's
// tab width from VB.INI there.
#include "settings/config_dir.h"

#include <cstdlib>

#include "io/native.h"
#include "settings/ini_file.h"

namespace plumora {

std::string ConfigDir() {
    const char* dir = std::getenv("PLUMORA_CONFIG_DIR");
    if (dir && *dir) return dir;
    std::string found = DefaultConfigDir();
    if (!found.empty()) return found;
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

// Where the settings live: $PLUMORA_CONFIG_DIR, else $XDG_CONFIG_HOME/plumora
// (when absolute), else ~/.config/plumora (HOME, or the account's home
// directory when HOME is unset), else ".plumora" in the current directory.
// On Windows %APPDATA%\plumora takes the place of the XDG folders.
// VBPLUMO3.INI, VB.INI and relative header template file names are there.
#pragma once

#include <string>

namespace plumora {

std::string ConfigDir();
std::string SettingsFilePath();  // <ConfigDir>/VBPLUMO3.INI
std::string VBIniPath();         // <ConfigDir>/VB.INI

// Tab width of the Visual Basic editor: VB.INI, section "Visual Basic", key
// "TabStops", default 4. A missing or unreadable VB.INI, and values below 1
// or above 80, give 4.
int ReadVBTabStops();

}  // namespace plumora

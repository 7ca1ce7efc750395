// The user's settings folder on Windows: %APPDATA%\plumora.
#include <cstdlib>

#include "io/native.h"

namespace plumora {

std::string DefaultConfigDir() {
    if (const char* appData = std::getenv("APPDATA"); appData && *appData)
        return std::string(appData) + "\\plumora";
    if (const char* profile = std::getenv("USERPROFILE"); profile && *profile)
        return std::string(profile) + "\\AppData\\Roaming\\plumora";
    return {};
}

const char* ConfigDirRule() { return "%PLUMORA_CONFIG_DIR%, else %APPDATA%\\plumora"; }

}  // namespace plumora

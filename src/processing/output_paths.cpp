// Output directory paths: from the Windows-style setting to a directory here.
#include "processing/output_paths.h"

#include "io/paths.h"

namespace plumora {

std::string JoinPath(std::string_view dir, std::string_view name) {
    std::string out(dir);
    if (!out.empty() && out.back() != '\\' && out.back() != '/') {
        bool windowsStyle = out.find('\\') != std::string::npos && out.find('/') == std::string::npos;
        out += windowsStyle ? '\\' : '/';
    }
    out.append(name);
    return out;
}

std::string OutputDirSetting(std::string_view projectDir, std::string_view setting) {
    if (setting.find(':') != std::string_view::npos || (!setting.empty() && setting[0] == '/'))
        return std::string(setting);
    return std::string(projectDir) + std::string(setting);
}

}  // namespace plumora

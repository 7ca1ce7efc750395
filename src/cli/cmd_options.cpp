// plumora-cli options --dump: the options that format and style would use
// for sources in a folder, with where each came from. The output is itself
// an INI file: saved as .plumora.ini it fixes every option for a team.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/std_out.h"
#include "cli/terminal_host.h"
#include "settings/option_set.h"
#include "settings/project_style.h"

namespace plumora::cli {

int RunOptions(const std::vector<std::string>& args) {
    namespace fs = std::filesystem;
    bool dump = false;
    bool optionsEnded = false;
    std::string ini;
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool option = !optionsEnded && a.size() > 1 && a[0] == '-';
        if (!optionsEnded && a == "--") {
            optionsEnded = true;
        } else if (option && a == "--dump") {
            dump = true;
        } else if (option && a == "--ini") {
            if (i + 1 >= args.size()) return UsageError("options: --ini needs a value");
            ini = args[++i];
        } else if (option) {
            return UsageError("options: unknown option '" + a + "'");
        } else {
            paths.push_back(a);
        }
    }
    if (!dump) return UsageError("options: say what to do (--dump)");
    if (paths.size() > 1) return UsageError("options: give at most one PATH");
    if (!ini.empty()) {
        if (const std::string problem = IniArgumentProblem(ini); !problem.empty())
            return UsageError("options: " + problem);
    }

    // A folder is where sources would be; a file (a source or a project)
    // stands for its folder.
    std::string dir = ".";
    if (!paths.empty()) {
        std::error_code ec;
        if (!fs::exists(paths[0], ec)) return UsageError("options: no such file or folder: " + paths[0]);
        dir = fs::is_directory(paths[0], ec) ? paths[0] : SourceDirectory(paths[0]);
    }
    const TOptionLayers layers = OptionLayersFor(dir, ini);
    TOptionSet options;
    TOptionSources sources{};
    std::string error, warning;
    const bool loaded = LoadOptionLayers(layers, options, &sources, error, &warning);
    if (!warning.empty()) std::cerr << "plumora-cli: " << PrintableMessage(warning) << "\n";
    if (!loaded) {
        std::cerr << "plumora-cli: " << PrintableMessage(error) << "\n";
        return kExitFailed;
    }
    WriteOut(ForTerminal(DumpOptions(options, sources, layers)));
    return kExitOk;
}

}  // namespace plumora::cli

#include "support/cli_run.h"

#include <sys/wait.h>

#include <cstdlib>

#include "support/temp_dir.h"

namespace plumora::testing {

std::string ShellQuote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

CliRun RunCli(const std::vector<std::string>& args, const std::string& scratchDir,
              const std::string& configDir) {
    std::string command;
    if (!configDir.empty()) command = "PLUMORA_CONFIG_DIR=" + ShellQuote(configDir) + " ";
    command += ShellQuote(PLUMORA_CLI_PATH);
    for (const auto& a : args) command += " " + ShellQuote(a);
    const std::string out = scratchDir + "/stdout.txt", err = scratchDir + "/stderr.txt";
    command += " >" + ShellQuote(out) + " 2>" + ShellQuote(err) + " </dev/null";
    const int status = std::system(command.c_str());
    CliRun run;
    run.Exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.Out = ReadAll(out);
    run.Err = ReadAll(err);
    return run;
}

}  // namespace plumora::testing

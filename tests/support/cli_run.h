// Runs plumora-cli as a user would from a shell, for end-to-end tests.
#pragma once

#include <string>
#include <vector>

namespace plumora::testing {

struct CliRun {
    int Exit = -1;
    std::string Out;
    std::string Err;
};

// `s` quoted for the shell.
std::string ShellQuote(const std::string& s);

// Runs plumora-cli with `args` and no standard input; stdout and stderr are
// captured through files in `scratchDir`. A non-empty `configDir` becomes
// PLUMORA_CONFIG_DIR for the run.
CliRun RunCli(const std::vector<std::string>& args, const std::string& scratchDir,
              const std::string& configDir = "");

}  // namespace plumora::testing

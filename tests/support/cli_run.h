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

// Runs plumora-cli with `args` and no standard input, ended after two
// minutes (exit 124) should it ever block; stdout and stderr are
// captured through files in `scratchDir`. A non-empty `configDir` becomes
// PLUMORA_CONFIG_DIR for the run. A non-empty `stdoutTo` receives stdout
// instead (such as /dev/full); Out stays empty then.
CliRun RunCli(const std::vector<std::string>& args, const std::string& scratchDir,
              const std::string& configDir = "", const std::string& stdoutTo = "");

// RunCli with `input` as its standard input.
CliRun RunCliWithInput(const std::vector<std::string>& args, const std::string& input,
                       const std::string& scratchDir, const std::string& configDir = "");

// RunCli started in the directory `cwd`, as a user who changed into it.
CliRun RunCliIn(const std::string& cwd, const std::vector<std::string>& args,
                const std::string& scratchDir, const std::string& configDir = "");

// Runs plumora-cli with its standard output on a pseudo-terminal, as a user
// at a terminal would; Out holds what the terminal received (its CR LF line
// ends turned back into LF). Exit is -1 when no terminal could be made.
CliRun RunCliOnTerminal(const std::vector<std::string>& args, const std::string& scratchDir,
                        const std::string& configDir = "");

}  // namespace plumora::testing

// The subcommands of plumora-cli. main.cpp holds the table and generates the
// usage text from it; each command lives in a file of its own.
#pragma once

#include <string>
#include <vector>

namespace plumora::cli {

// Exit codes shared by every subcommand.
constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;  // the work failed, or (for --check) something would change
constexpr int kExitUsage = 2;

struct CliCommand {
    const char* Name;
    const char* Arguments;  // shown after the name in the usage text
    const char* Summary;
    const char* Options;    // one option per line, already indented; may be empty
    int (*Run)(const std::vector<std::string>& args);
};

const std::vector<CliCommand>& Commands();

// Prints "plumora-cli: <message>" and a hint to stderr; returns kExitUsage.
int UsageError(const std::string& message);

// Why the file given to --ini cannot be a settings file ("settings file not
// found: X", "settings file X is a FIFO (named pipe), not a file"); empty
// when it is an ordinary file.
std::string IniArgumentProblem(const std::string& path);

int RunList(const std::vector<std::string>& args);
int RunFormat(const std::vector<std::string>& args);
int RunDiff(const std::vector<std::string>& args);
int RunFormTree(const std::vector<std::string>& args);
int RunStyle(const std::vector<std::string>& args);
int RunStats(const std::vector<std::string>& args);
int RunSpell(const std::vector<std::string>& args);
int RunOptions(const std::vector<std::string>& args);

}  // namespace plumora::cli

// The hooks that .pre-commit-hooks.yaml offers, run the way pre-commit runs
// them: the entry's words, then the names of the staged files that match the
// hook's `files` pattern.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace plumora::testing {
namespace {

struct THook {
    std::string Id;
    std::vector<std::string> Entry;
    std::string Files;
    std::string Language;
};

std::string Unquoted(std::string value) {
    if (value.size() >= 2 && (value.front() == '\'' || value.front() == '"') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value;
}

// Enough YAML for the file's flat list of hooks.
std::vector<THook> ReadHooks() {
    std::ifstream in(std::string(PLUMORA_SOURCE_DIR) + "/.pre-commit-hooks.yaml");
    std::vector<THook> hooks;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        if (line.rfind("- ", 0) == 0) {
            hooks.emplace_back();
            line = "  " + line.substr(2);
        }
        if (hooks.empty()) continue;
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos) continue;
        const std::string key = line.substr(line.find_first_not_of(' '), colon - line.find_first_not_of(' '));
        const std::string value = Unquoted(line.substr(line.find_first_not_of(' ', colon + 1)));
        if (key == "id") hooks.back().Id = value;
        if (key == "files") hooks.back().Files = value;
        if (key == "language") hooks.back().Language = value;
        if (key == "entry") {
            std::istringstream words(value);
            for (std::string w; words >> w;) hooks.back().Entry.push_back(w);
        }
    }
    return hooks;
}

// The hook's pattern as pre-commit reads it (Python's leading (?i)).
bool Matches(const THook& hook, const std::string& name) {
    std::string pattern = hook.Files;
    auto flags = std::regex::ECMAScript;
    if (pattern.rfind("(?i)", 0) == 0) {
        pattern = pattern.substr(4);
        flags |= std::regex::icase;
    }
    return std::regex_search(name, std::regex(pattern, flags));
}

CliRun RunHook(const THook& hook, const std::vector<std::string>& staged, const TempDir& repo,
               const TempDir& scratch) {
    EXPECT_GE(hook.Entry.size(), 2u);
    EXPECT_EQ(hook.Entry[0], "plumora-cli");
    std::vector<std::string> args(hook.Entry.begin() + 1, hook.Entry.end());
    for (const std::string& name : staged)
        if (Matches(hook, name)) args.push_back(repo.Str() + "/" + name);
    return RunCli(args, scratch.Str(), repo.Str() + "/config");
}

const std::string kModule = "Attribute VB_Name = \"M\"\r\nSub S()\r\nx = 1\r\nEnd Sub\r\n";

TEST(PreCommitHooks, FormatCheckFailsOnUnstyledFilesAndPassesOnStyledOnes) {
    const std::vector<THook> hooks = ReadHooks();
    ASSERT_EQ(hooks.size(), 2u);
    const THook& check = hooks[0];
    EXPECT_EQ(check.Id, "plumora-format");
    EXPECT_EQ(check.Language, "system");
    for (const char* name : {"a.bas", "B.BAS", "f.Frm", "c.cls", "u.ctl"}) EXPECT_TRUE(Matches(check, name)) << name;
    for (const char* name : {"p.vbp", "P.MAK", "f.frx", "README.md", "bas"}) EXPECT_FALSE(Matches(check, name)) << name;

    TempDir repo;
    TempDir scratch;
    repo.Write(".plumora.ini", "[General]\r\nOptionExplicitInsert=0\r\n");
    repo.Write("src/M.bas", kModule);
    repo.Write("src/P.vbp", "Module=M; M.bas\r\n");
    CliRun unstyled = RunHook(check, {"src/M.bas", "src/P.vbp"}, repo, scratch);
    EXPECT_EQ(unstyled.Exit, 1) << unstyled.Err;
    EXPECT_EQ(unstyled.Out, "would change: " + repo.Str() + "/src/M.bas\n");
    EXPECT_EQ(ReadAll(repo.Path() / "src/M.bas"), kModule);

    // The in-place hook styles the file with the repository's style file;
    // the check then passes.
    const THook& fix = hooks[1];
    EXPECT_EQ(fix.Id, "plumora-format-in-place");
    CliRun fixed = RunHook(fix, {"src/M.bas", "src/P.vbp"}, repo, scratch);
    EXPECT_EQ(fixed.Exit, 0) << fixed.Err;
    EXPECT_EQ(ReadAll(repo.Path() / "src/M.bas"), "Attribute VB_Name = \"M\"\r\nSub S()\r\n    x = 1\r\nEnd Sub\r\n");
    EXPECT_EQ(RunHook(check, {"src/M.bas"}, repo, scratch).Exit, 0);
}

}  // namespace
}  // namespace plumora::testing

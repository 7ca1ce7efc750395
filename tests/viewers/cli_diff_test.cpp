// plumora-cli diff as a user runs it: exit codes, output, and bad input.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace plumora {
namespace {

using testing::ReadAll;
using testing::TempDir;

using CliResult = testing::CliRun;
using testing::ShellQuote;

CliResult RunDiff(const TempDir& dir, std::vector<std::string> args) {
    args.insert(args.begin(), "diff");
    return testing::RunCli(args, dir.Str());
}

TEST(CliDiff, EqualFilesExitZeroWithMatchedRows) {
    TempDir dir;
    const auto a = dir.Write("a.bas", "Sub A()\r\nEnd Sub\r\n");
    const auto r = RunDiff(dir, {a, a});
    EXPECT_EQ(r.Exit, 0) << r.Err;
    EXPECT_EQ(r.Out, "Matched  1 Sub A() | 1 Sub A()\nMatched  2 End Sub | 2 End Sub\n");
}

TEST(CliDiff, DifferentFilesExitOneWithEveryRowKind) {
    TempDir dir;
    const auto a = dir.Write("a.bas", "keep\nold\ngone\n");
    const auto b = dir.Write("b.bas", "new\nkeep\nnew2\n");
    const auto r = RunDiff(dir, {a, b});
    EXPECT_EQ(r.Exit, 1) << r.Err;
    EXPECT_EQ(r.Out,
              "Inserted        | 1 new\n"
              "Matched  1 keep | 2 keep\n"
              "Changed  2 old  | 3 new2\n"
              "Deleted  3 gone |\n");
}

TEST(CliDiff, UnifiedOutputNamesBothFiles) {
    TempDir dir;
    const auto a = dir.Write("a.bas", "x\ny\n");
    const auto b = dir.Write("b.bas", "x\nz\n");
    for (const char* flag : {"--unified", "-u"}) {
        const auto r = RunDiff(dir, {flag, a, b});
        EXPECT_EQ(r.Exit, 1);
        EXPECT_EQ(r.Out, "--- " + a + "\n+++ " + b + "\n@@ -1,2 +1,2 @@\n x\n-y\n+z\n");
    }
    const auto same = RunDiff(dir, {a, a, "--unified"});
    EXPECT_EQ(same.Exit, 0);
    EXPECT_EQ(same.Out, "");
}

// Line ends are not part of the lines: CR, LF, CR LF and a missing final
// line end all read the same.
TEST(CliDiff, LineEndStylesCompareEqual) {
    TempDir dir;
    const auto crlf = dir.Write("crlf.bas", "a\r\nb\r\n");
    const auto cr = dir.Write("cr.bas", "a\rb\r");
    const auto lf = dir.Write("lf.bas", "a\nb");
    EXPECT_EQ(RunDiff(dir, {crlf, cr}).Exit, 0);
    EXPECT_EQ(RunDiff(dir, {crlf, lf}).Exit, 0);
    const auto blankLine = dir.Write("blank.bas", "a\r\n\r\nb\r\n");
    EXPECT_EQ(RunDiff(dir, {crlf, blankLine}).Exit, 1);
}

TEST(CliDiff, EmptyFiles) {
    TempDir dir;
    const auto empty = dir.Write("empty.bas", "");
    const auto one = dir.Write("one.bas", "x\n");
    EXPECT_EQ(RunDiff(dir, {empty, empty}).Exit, 0);
    const auto r = RunDiff(dir, {empty, one, "--unified"});
    EXPECT_EQ(r.Exit, 1);
    EXPECT_EQ(r.Out, "--- " + empty + "\n+++ " + one + "\n@@ -0,0 +1 @@\n+x\n");
}

TEST(CliDiff, BinaryFilesAreReportedNotPrinted) {
    TempDir dir;
    const auto a = dir.Write("a.frx", std::string("\x01\x00\xff\n", 4));
    const auto b = dir.Write("b.frx", std::string("\x02\x00\xff\n", 4));
    const auto r = RunDiff(dir, {a, b});
    EXPECT_EQ(r.Exit, 1);
    EXPECT_EQ(r.Out, "Binary files " + a + " and " + b + " differ\n");
    const auto same = RunDiff(dir, {a, a});
    EXPECT_EQ(same.Exit, 0);
    EXPECT_EQ(same.Out, "");
}

// Windows-1252 bytes and a huge line pass through unchanged.
TEST(CliDiff, BytesAndHugeLinesPassThrough) {
    TempDir dir;
    const std::string huge(200000, 'x');
    const auto a = dir.Write("a.bas", "caf\xe9\n" + huge + "\n");
    const auto b = dir.Write("b.bas", "caf\xe9\n" + huge + "y\n");
    const auto r = RunDiff(dir, {"--unified", a, b});
    EXPECT_EQ(r.Exit, 1);
    EXPECT_EQ(r.Out, "--- " + a + "\n+++ " + b + "\n@@ -1,2 +1,2 @@\n caf\xe9\n-" + huge +
                         "\n+" + huge + "y\n");
}

struct UsageCase {
    const char* Name;
    std::vector<std::string> Args;
    const char* Message;
    int Exit;
};

// Usage errors exit 2; a file that cannot be read is a failure (1).
TEST(CliDiff, UsageErrorsExitTwoAndUnreadableFilesOne) {
    TempDir dir;
    const auto a = dir.Write("a.bas", "x\n");
    const std::vector<UsageCase> cases = {
        {"no files", {}, "diff needs two files", 2},
        {"one file", {a}, "diff needs two files", 2},
        {"three files", {a, a, a}, "diff needs two files", 2},
        {"unknown option", {"--side", a, a}, "unknown option '--side'", 2},
        {"missing old", {dir.Str() + "/missing.bas", a}, "missing.bas: No such file or directory", 1},
        {"missing new", {a, dir.Str() + "/missing.bas"}, "missing.bas: No such file or directory", 1},
        {"directory", {a, dir.Str()}, "it is a directory", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const auto r = RunDiff(dir, c.Args);
        EXPECT_EQ(r.Exit, c.Exit);
        EXPECT_NE(r.Err.find(c.Message), std::string::npos) << r.Err;
        EXPECT_EQ(r.Out, "");
    }
}

TEST(CliDiff, AFailedWriteIsNotReportedAsSuccess) {
    TempDir dir;
    const auto a = dir.Write("a.bas", "x\n");
    const std::string err = dir.Str() + "/stderr.txt";
    const std::string command = ShellQuote(PLUMORA_CLI_PATH) + " diff " + ShellQuote(a) + " " + ShellQuote(a) +
                                " >/dev/full 2>" + ShellQuote(err);
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_NE(ReadAll(err).find("cannot write to standard output: No space left on device"),
              std::string::npos);
}

TEST(CliDiff, DoubleDashAllowsFileNamesStartingWithADash) {
    TempDir dir;
    dir.Write("-old.bas", "x\n");
    const std::string command = "cd " + ShellQuote(dir.Str()) + " && " + ShellQuote(PLUMORA_CLI_PATH) +
                                " diff -- -old.bas -old.bas >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace plumora

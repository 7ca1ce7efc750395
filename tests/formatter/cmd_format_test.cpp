// plumora-cli format run as a user would: stdout, --check, --output, and the
// refusals (bad input, writing over an input, usage errors).
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>

#include "support/temp_dir.h"

namespace plumora::testing {
namespace {

struct CliResult {
    int Status;
    std::string Out;
};

CliResult RunCli(const std::string& arguments, const std::string& configDir) {
    std::string command = "PLUMORA_CONFIG_DIR='" + configDir + "' '" PLUMORA_CLI_PATH "' " +
                          arguments + " 2>/dev/null";
    CliResult r{-1, {}};
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return r;
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) r.Out.append(buffer, n);
    int status = pclose(pipe);
    r.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

const char* const kModule = "Attribute VB_Name = \"M\"\r\nSub S()\r\nx = 1\r\nEnd Sub\r\n";
const char* const kStyled =
    // The inserted line's comment is placed like any in-line comment: column 41.
    "Attribute VB_Name = \"M\"\r\nOption Explicit                         'Force all variables to be declared "
    "before their use\r\n\r\nSub S()\r\n    x = 1\r\nEnd Sub\r\n";

TEST(CliFormat, PrintsTheStyledTextWithCrLf) {
    TempDir dir;
    std::string file = dir.Write("src/M.bas", kModule);
    CliResult r = RunCli("format '" + file + "'", dir.Str());
    EXPECT_EQ(r.Status, 0);
    EXPECT_EQ(r.Out, kStyled);
    EXPECT_EQ(ReadAll(file), kModule);  // the source is never touched
}

TEST(CliFormat, CheckReportsFilesThatWouldChangeAndWritesNothing) {
    TempDir dir;
    std::string raw = dir.Write("a/M.bas", kModule);
    std::string styled = dir.Write("b/M.bas", kStyled);
    EXPECT_EQ(RunCli("format --check '" + styled + "'", dir.Str()).Status, 0);
    CliResult r = RunCli("format --check '" + styled + "' '" + raw + "'", dir.Str());
    EXPECT_EQ(r.Status, 1);
    EXPECT_NE(r.Out.find(raw), std::string::npos);
    EXPECT_EQ(r.Out.find("b/M.bas"), std::string::npos);
    EXPECT_EQ(ReadAll(raw), kModule);
}

TEST(CliFormat, DiffPrintsOnlyTheFilesThatWouldChange) {
    TempDir dir;
    std::string raw = dir.Write("a/M.bas", kModule);
    std::string styled = dir.Write("b/M.bas", kStyled);
    CliResult r = RunCli("format --diff '" + styled + "' '" + raw + "'", dir.Str());
    EXPECT_EQ(r.Status, 1);
    EXPECT_EQ(r.Out,
              "--- " + raw + "\n+++ " + raw + " (styled)\n@@ -1,4 +1,6 @@\n"
              " Attribute VB_Name = \"M\"\n"
              "+Option Explicit                         'Force all variables to be declared "
              "before their use\n+\n Sub S()\n-x = 1\n+    x = 1\n End Sub\n");
    EXPECT_EQ(ReadAll(raw), kModule);
    EXPECT_EQ(RunCli("format --diff '" + styled + "'", dir.Str()).Out, "");
}

TEST(CliFormat, OutputWritesIntoTheDirectoryButNeverOverAnInput) {
    TempDir dir;
    std::string file = dir.Write("src/M.bas", kModule);
    EXPECT_EQ(RunCli("format --output '" + dir.Str() + "/out' '" + file + "'", dir.Str()).Status, 0);
    EXPECT_EQ(ReadAll(dir.Path() / "out/M.bas"), kStyled);
    // The output directory is the source directory: refused, file untouched.
    EXPECT_EQ(RunCli("format --output '" + dir.Str() + "/src' '" + file + "'", dir.Str()).Status, 1);
    EXPECT_EQ(ReadAll(file), kModule);
}

TEST(CliFormat, BadInputIsReportedAndTheOtherFilesAreStillStyled) {
    TempDir dir;
    std::string good = dir.Write("M.bas", kModule);
    std::string binary = dir.Write("OLD.FRM", std::string("\xfc\x01\x00\x02", 4));
    CliResult r = RunCli("format '" + binary + "' '" + dir.Str() + "/missing.bas' '" + good + "'",
                         dir.Str());
    EXPECT_EQ(r.Status, 1);
    EXPECT_EQ(r.Out, kStyled);
}

TEST(CliFormat, FormsAreRecognisedByTheirExtension) {
    TempDir dir;
    const std::string form = "VERSION 5.00\r\nBegin VB.Form F\r\n   Caption = \"x\"\r\nEnd\r\n";
    std::string file = dir.Write("F.FRM", form);
    CliResult r = RunCli("format '" + file + "'", dir.Str());
    EXPECT_EQ(r.Status, 0);
    EXPECT_EQ(r.Out.substr(0, 44), "VERSION 5.00\r\nBegin VB.Form F\r\n   Caption = ");
}

TEST(CliFormat, OptionsComeFromTheIniFile) {
    TempDir dir;
    std::string file = dir.Write("M.bas", kModule);
    std::string ini = dir.Write("my.ini", "[General]\nOptionExplicitInsert=0\n[Indents]\nDefaultLineIndent=2\n");
    CliResult r = RunCli("format --ini '" + ini + "' '" + file + "'", dir.Str());
    EXPECT_EQ(r.Out, "Attribute VB_Name = \"M\"\r\nSub S()\r\n  x = 1\r\nEnd Sub\r\n");
    // The default settings file is read when no --ini is given.
    dir.Write("VBPLUMO3.INI", "[Indents]\nDefaultLineIndent=3\n[General]\nOptionExplicitInsert=0\n");
    r = RunCli("format '" + file + "'", dir.Str());
    EXPECT_EQ(r.Out, "Attribute VB_Name = \"M\"\r\nSub S()\r\n   x = 1\r\nEnd Sub\r\n");
}

TEST(CliFormat, UsageErrors) {
    TempDir dir;
    std::string file = dir.Write("M.bas", kModule);
    EXPECT_EQ(RunCli("format", dir.Str()).Status, 2);
    EXPECT_EQ(RunCli("format --bogus '" + file + "'", dir.Str()).Status, 2);
    EXPECT_EQ(RunCli("format '" + file + "' --output", dir.Str()).Status, 2);
    EXPECT_EQ(RunCli("format --check --output x '" + file + "'", dir.Str()).Status, 2);
    EXPECT_EQ(RunCli("format --ini '" + dir.Str() + "/none.ini' '" + file + "'", dir.Str()).Status, 2);
}

}  // namespace
}  // namespace plumora::testing

// The built-in header templates and loading templates from the files that
// the options name.
#include "settings/header_templates.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "settings/option_set.h"
#include "support/scripted_hosts.h"
#include "support/temp_dir.h"

namespace plumora {
namespace {

using testing::ReadAll;
using testing::ScopedConfigDir;
using testing::ScriptedCommandHost;
using testing::TempDir;

TEST(HeaderTemplates, BuiltInSubHeader) {
    const std::vector<std::string> expected = {
        "'! " + std::string(59, '-'),
        "'!  Name   :  %n",
        "'!  Author :  %a",
        "'!  Date   :  %d",
        "'!  Params :  %p",
        "'!  Purpose:  ",
        "'!",
        "'! DATE      WHO         WHAT",
        "'! " + std::string(8, '-') + "  " + std::string(10, '-') + " " + std::string(38, '-'),
        "'!",
        "'! " + std::string(59, '-'),
    };
    std::vector<std::string> sub = TOptionSet::BuiltInSubHeader();
    EXPECT_EQ(sub, expected);
    EXPECT_EQ(sub[0].size(), 62u);
    EXPECT_EQ(sub[8].size(), 62u);
}

TEST(HeaderTemplates, BuiltInFunctionHeaderAddsTheReturnsLine) {
    std::vector<std::string> expected = TOptionSet::BuiltInSubHeader();
    expected.insert(expected.begin() + 5, "'!  Returns:  %r");
    std::vector<std::string> function = TOptionSet::BuiltInFunctionHeader();
    EXPECT_EQ(function, expected);
    EXPECT_EQ(function.size(), 12u);
    EXPECT_EQ(function[4], "'!  Params :  %p");
    EXPECT_EQ(function[6], "'!  Purpose:  ");
}

TEST(HeaderTemplates, FilesReplaceTheTemplatesLineEndsAndBytesKept) {
    TempDir dir;
    ScopedConfigDir scoped(dir.Str());
    std::string sub = dir.Write("sub.txt", "'a\r\n'b\rc\xe9\n\n'last");
    std::string function = dir.Write("headers/fn.txt", "'f1\r\n'f2\r\n");
    TOptionSet o;
    o.SetText(Opt::SubLevelCommentsFile, sub);
    o.SetText(Opt::FunctionLevelCommentsFile, "headers\\fn.txt");  // relative, Windows style
    ScriptedCommandHost host;
    o.LoadCommentHeaders(host);
    EXPECT_TRUE(host.Messages.empty());
    EXPECT_EQ(o.SubHeaderTemplate, (std::vector<std::string>{"'a", "'b", "c\xe9", "", "'last"}));
    EXPECT_EQ(o.FunctionHeaderTemplate, (std::vector<std::string>{"'f1", "'f2"}));
}

TEST(HeaderTemplates, EmptyFileNameKeepsEditedTemplate) {
    TOptionSet o;
    o.SubHeaderTemplate = {"'edited"};
    ScriptedCommandHost host;
    o.LoadCommentHeaders(host);
    EXPECT_TRUE(host.Messages.empty());
    EXPECT_EQ(o.SubHeaderTemplate, std::vector<std::string>{"'edited"});
    EXPECT_EQ(o.FunctionHeaderTemplate, TOptionSet::BuiltInFunctionHeader());
}

TEST(HeaderTemplates, UnreadableFilesWarnAndKeepTheTemplates) {
    TempDir dir;
    ScopedConfigDir scoped(dir.Str());
    std::string binary = dir.Write("binary.txt", std::string("'x\0y", 4));
    std::string huge = dir.Write("huge.txt", std::string(kMaxTemplateFileSize + 1, '\''));
    std::filesystem::create_directory(dir.Path() / "adir");
    const std::string fifo = dir.Str() + "/fifo.txt";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::pair<std::string, std::string> cases[] = {
        {"missing.txt", "missing.txt: No such file or directory"},
        {binary, "not a text file"},
        {huge, "too large for a header template"},
        {"adir", "it is a directory, not a file"},
        {fifo, "it is a FIFO (named pipe), not a file"},
        {"C:\\VB\\SUB.TXT", "No such file or directory"}};
    for (const auto& [name, reason] : cases) {
        SCOPED_TRACE(name);
        TOptionSet o;
        o.SubHeaderTemplate = {"'kept sub"};
        o.SetText(Opt::SubLevelCommentsFile, name);
        o.SetText(Opt::FunctionLevelCommentsFile, name);
        ScriptedCommandHost host;
        o.LoadCommentHeaders(host);
        ASSERT_EQ(host.Messages.size(), 2u);
        EXPECT_EQ(host.Messages[0].Kind, MsgKind::Warning);
        EXPECT_EQ(host.Messages[0].Buttons, MsgButtons::Ok);
        EXPECT_EQ(host.Messages[0].Text.rfind("Unable to load sub comment header file: " + name + "\n", 0), 0u)
            << host.Messages[0].Text;
        EXPECT_NE(host.Messages[0].Text.find(reason), std::string::npos) << host.Messages[0].Text;
        EXPECT_EQ(host.Messages[1].Text.rfind("Unable to load function comment header file: " + name + "\n", 0), 0u);
        EXPECT_EQ(o.SubHeaderTemplate, std::vector<std::string>{"'kept sub"});
        EXPECT_EQ(o.FunctionHeaderTemplate, TOptionSet::BuiltInFunctionHeader());
        EXPECT_EQ(o.Text(Opt::SubLevelCommentsFile), name);
    }
}

TEST(HeaderTemplates, ReloadWarnsEachTimeForAMissingFile) {
    TempDir dir;
    ScopedConfigDir scoped(dir.Str());
    dir.Write("VBPLUMO3.INI", "[SubComments]\r\nSubLevelCommentsFile=gone.txt\r\n");
    TOptionSet o;
    ScriptedCommandHost host;
    o.Reload(host);
    o.Reload(host);
    ASSERT_EQ(host.Texts().size(), 2u);
    for (const std::string& text : host.Texts())
        EXPECT_EQ(text.rfind("Unable to load sub comment header file: gone.txt\nCannot open ", 0), 0u);
    EXPECT_EQ(o.SubHeaderTemplate, TOptionSet::BuiltInSubHeader());
}

TEST(HeaderTemplates, WriteThenReadGivesTheSameLines) {
    TempDir dir;
    std::string path = (dir.Path() / "out" / "sub.txt").string();
    std::vector<std::string> lines = TOptionSet::BuiltInFunctionHeader();
    ASSERT_TRUE(WriteTemplateFile(path, lines).Ok);
    EXPECT_EQ(ReadAll(path).substr(0, 64), lines[0] + "\r\n");
    std::vector<std::string> back;
    ASSERT_TRUE(ReadTemplateFile(path, back).Ok);
    EXPECT_EQ(back, lines);

    std::string blocker = dir.Write("file", "x");
    TIoResult failed = WriteTemplateFile(blocker + "/sub.txt", lines);
    EXPECT_FALSE(failed.Ok);
    EXPECT_NE(failed.Error.find(blocker), std::string::npos);
}

}  // namespace
}  // namespace plumora

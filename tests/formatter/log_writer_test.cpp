// WriteLog: the over-long lines of the selected files, and its one error.
#include <gtest/gtest.h>

#include <filesystem>

#include "formatter/formatter.h"
#include "project/source_mgt.h"
#include "settings/option_set.h"
#include "support/scripted_run_host.h"
#include "support/temp_dir.h"

namespace plumora::testing {
namespace {

struct LogFixture {
    TempDir Dir;
    TSourceMgt Project;
    TOptionSet Options;
    ScriptedRunHost Host;
    TVBSrcFormatter Formatter{Options, &Host};

    LogFixture() {
        Project.ProjectDir = Dir.Str() + "/";
        std::filesystem::create_directories(Dir.Path() / "out");
        Formatter.OutputDir = Dir.Str() + "/out/";
    }
    void Add(const std::string& name, const std::string& bytes) {
        Dir.Write(name, bytes);
        Project.AddFile(name, ".BAS");
    }
    std::string Log() { return ReadAll(Dir.Path() / "out/VBPLUMO3.LOG"); }
};

// The log without its two time-stamped lines.
std::string Body(const std::string& log) {
    std::size_t start = log.find("\r\n") + 2;
    std::size_t end = log.rfind("*** Project processing completed at: ");
    return log.substr(start, end - start);
}

TEST(WriteLog, ListsLinesOf224CharactersOrMoreOfSelectedFiles) {
    LogFixture f;
    const std::string l223(223, 'a'), l224(224, 'b'), l3000(3000, 'c');
    f.Add("A.bas", "x\r\n" + l223 + "\r\n" + l224 + "\r\n");
    f.Add("B.bas", l3000 + "\n" + "y\n" + l224);  // LF line ends, no final one
    f.Add("C.bas", l224 + "\r\n");
    f.Project.Head->Next->Next->Selected = false;  // C.bas
    ASSERT_TRUE(f.Formatter.WriteLog(f.Project));
    const std::string log = f.Log();
    EXPECT_EQ(log.rfind("*** Project processing started at: ", 0), 0u);
    EXPECT_EQ(Body(log),
              "+++ Processing file: A.bas\r\n"
              "Check Line #3-->" + l224 + "\r\n"
              "--- End of file: A.bas\r\n"
              "+++ Processing file: B.bas\r\n"
              "Check Line #1-->" + l3000 + "\r\n"
              "Check Line #3-->" + l224 + "\r\n"
              "--- End of file: B.bas\r\n");
    EXPECT_EQ(log.substr(log.size() - 2), "\r\n");
    EXPECT_TRUE(f.Host.Command.Messages.empty());
}

TEST(WriteLog, ReplacesAnOldLog) {
    LogFixture f;
    f.Add("A.bas", "x\r\n");
    f.Dir.Write("out/VBPLUMO3.LOG", "old content that is longer than the new log will be ...");
    ASSERT_TRUE(f.Formatter.WriteLog(f.Project));
    EXPECT_EQ(f.Log().find("old content"), std::string::npos);
}

// The one fixed message, with the reason on a line of its own.
TEST(WriteLog, FailuresShowTheOneMessageWithTheReason) {
    auto expectMessage = [](const LogFixture& f, const std::string& reason) {
        ASSERT_EQ(f.Host.Command.Texts().size(), 1u);
        const std::string text = f.Host.Command.Texts()[0];
        EXPECT_EQ(text.rfind("Error while creating log file.\n", 0), 0u) << text;
        EXPECT_NE(text.find(reason), std::string::npos) << text;
    };
    {
        LogFixture f;
        f.Add("A.bas", "x\r\n");
        f.Formatter.OutputDir = f.Dir.Str() + "/missing/";
        EXPECT_FALSE(f.Formatter.WriteLog(f.Project));
        expectMessage(f, "/missing/ does not exist");
    }
    {
        LogFixture f;
        f.Add("A.bas", "x\r\n");
        std::filesystem::remove(f.Dir.Path() / "A.bas");  // gone after the open
        EXPECT_FALSE(f.Formatter.WriteLog(f.Project));
        expectMessage(f, "A.bas: No such file or directory");
        EXPECT_FALSE(std::filesystem::exists(f.Dir.Path() / "out/VBPLUMO3.LOG"));
    }
}

TEST(WriteLog, ALinkInTheOutputDirectoryIsReplacedNotWrittenThrough) {
    LogFixture f;
    f.Add("A.bas", "x\r\n");
    const std::string outside = f.Dir.Write("elsewhere.txt", "keep me");
    std::filesystem::create_symlink(outside, f.Dir.Path() / "out/VBPLUMO3.LOG");
    ASSERT_TRUE(f.Formatter.WriteLog(f.Project));
    EXPECT_EQ(ReadAll(outside), "keep me");
    EXPECT_FALSE(std::filesystem::is_symlink(f.Dir.Path() / "out/VBPLUMO3.LOG"));
    EXPECT_NE(f.Log().find("+++ Processing file: A.bas"), std::string::npos);
}

}  // namespace
}  // namespace plumora::testing

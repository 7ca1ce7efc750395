// The pieces of a project line (.VBP keys, path extraction and stripping) and
// the first-byte text test.
#include <gtest/gtest.h>

#include <string>

#include "project/project_reader.h"
#include "support/temp_dir.h"

namespace plumora {
namespace {

using namespace std::string_literals;

TEST(ProjectLine, WhichVbpLinesNameSourceFiles) {
    struct Case {
        const char* Line;
        bool Source;
    };
    const Case cases[] = {
        {"Form=Main.frm", true},
        {"Module=Utils; Utils.bas", true},
        {"Class=CItem; CItem.cls", true},
        {"UserControl=Ctl.ctl", true},
        {"form=Main.frm", false},
        {"MODULE=Utils; Utils.bas", false},
        {"Object={831FDD16-0C5C-11D2-A9FC-0000F8754DA1}#2.0#0; MSCOMCTL.OCX", false},
        {"Reference=*\\G{00020430-0000-0000-C000-000000000046}#2.0#0#stdole2.tlb#OLE", false},
        {"PropertyPage=Page.pag", false},
        {"Designer=Report.dsr", false},
        {" Form=Main.frm", false},
        {"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsVbpSourceLine(c.Line), c.Source) << c.Line;
}

TEST(ProjectLine, ExtractProjectLinePath) {
    struct Case {
        const char* Line;
        const char* Path;
    };
    const Case cases[] = {
        {"Form=Forms\\Main.frm", "Forms\\Main.frm"},
        {"Form= Main.frm \t", "Main.frm"},
        {"FORM=Main.frm", "Main.frm"},
        {"UserControl=Ctl\\Grid.ctl", "Ctl\\Grid.ctl"},
        {"Module=Utils; Utils.bas", "Utils.bas"},
        {"Class=CItem; ..\\Cls\\CItem.cls", "..\\Cls\\CItem.cls"},
        {"Module=Utils", ""},
        {"Form", ""},
        {"Module=A; B; C.bas", "B; C.bas"},
        {"Form=a=b.frm", "a=b.frm"},
        {"Class=C;\x01 C.cls\x1a", "C.cls"},
    };
    for (const auto& c : cases) EXPECT_EQ(ExtractProjectLinePath(c.Line), c.Path) << c.Line;
}

TEST(ProjectLine, StripProjectLinePath) {
    struct Case {
        const char* Line;
        const char* Stripped;
    };
    const Case cases[] = {
        {"Form=..\\F\\Main.frm", "Form=Main.frm"},
        {"Form=Main.frm", "Form=Main.frm"},
        {"Form = C:\\VB\\Main.frm ", "Form =Main.frm"},
        {" Form=..\\Main.frm", " Form=..\\Main.frm"},
        {"Form", "Form"},
        {"Module=Utils; ..\\B\\Utils.bas", "Module=Utils; Utils.bas"},
        {"Class=CItem;CItem.cls", "Class=CItem; CItem.cls"},
        // Unlike the extraction, a UserControl line is split at ';'.
        {"UserControl=..\\C\\Ctl.ctl", "UserControl=..\\C\\Ctl.ctl"},
        {"UserControl=x; ..\\C\\Ctl.ctl", "UserControl=x; Ctl.ctl"},
        {"Module=Utils", "Module=Utils"},
    };
    for (const auto& c : cases) EXPECT_EQ(StripProjectLinePath(c.Line), c.Stripped) << c.Line;
}

TEST(IsTextFile, DecidedByTheFirstByte) {
    testing::TempDir dir;
    const std::string accepted = "\n\r !#'*./\\09AZaz";
    for (char c : accepted) {
        std::string path = dir.Write("ok.bas", std::string(1, c) + "rest");
        EXPECT_TRUE(IsTextFile(path)) << "first byte " << int(static_cast<unsigned char>(c));
    }
    for (std::string first : {"\t"s, "\""s, "\x80"s, "\xff"s, "\x1a"s, "\0"s, "-"s, "("s, "\xef"s}) {
        std::string path = dir.Write("bad.bas", first + "Attribute VB_Name = \"X\"");
        EXPECT_FALSE(IsTextFile(path)) << "first byte " << int(static_cast<unsigned char>(first[0]));
    }
}

TEST(IsTextFile, NothingToReadIsNotText) {
    testing::TempDir dir;
    EXPECT_FALSE(IsTextFile(dir.Write("empty.bas", "")));
    EXPECT_FALSE(IsTextFile(dir.Str() + "/missing.bas"));
    EXPECT_FALSE(IsTextFile(dir.Str()));
    EXPECT_FALSE(IsTextFile(dir.Str() + "/"));
    EXPECT_FALSE(IsTextFile("C:\\VB\\GRID.BAS"));
    EXPECT_FALSE(IsTextFile(""));
}

TEST(IsTextFile, FollowsTheProjectSpelling) {
    testing::TempDir dir;
    dir.Write("Forms/Main.frm", "VERSION 5.00\r\n");
    EXPECT_TRUE(IsTextFile(dir.Str() + "/FORMS\\MAIN.FRM"));
}

TEST(NotTextFileMessage, IsOneMessageWithTheName) {
    EXPECT_EQ(NotTextFileMessage("GRID.BAS"),
              "GRID.BAS is not an ASCII file.  It will not be added to the project.  Select "
              "Cancel to quit loading the project or OK to continue.");
    EXPECT_EQ(NotTextFileMessage("GRID.BAS", "cannot be found"),
              "GRID.BAS cannot be found.  It will not be added to the project.  Select "
              "Cancel to quit loading the project or OK to continue.");
}

}  // namespace
}  // namespace plumora

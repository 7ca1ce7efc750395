// Opening a project end to end through the command host: both grammars, the
// non-text prompt with either answer, and every way an open can fail.
#include "project/open_project.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>

#include "project/app_state.h"
#include "project/project_reader.h"
#include "settings/option_set.h"
#include "support/scripted_hosts.h"
#include "support/temp_dir.h"

namespace plumora {
namespace {

using testing::ScriptedCommandHost;
using namespace std::string_literals;

constexpr const char* kInvalid = "Invalid VB project file.  Unable to proceed.";
constexpr const char* kEmpty = "Project file is empty.";

class OpenProjectTest : public ::testing::Test {
protected:
    testing::TempDir config_;
    testing::ScopedConfigDir scoped_{config_.Str()};
    testing::TempDir dir_;
    TAppState state_;
    TOptionSet options_;
    ScriptedCommandHost host_;

    std::string Write(const std::string& name, const std::string& text) {
        return dir_.Write(name, text);
    }
    bool Open(const std::string& path) { return OpenProject(state_, options_, host_, path); }

    std::vector<const RFile*> Files() const {
        std::vector<const RFile*> files;
        for (const RFile* f = state_.Project->Head.get(); f->Next; f = f->Next.get())
            files.push_back(f);
        return files;
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const RFile* f : Files()) names.push_back(f->Name);
        return names;
    }
    void ExpectNoProject() const {
        EXPECT_FALSE(state_.Project);
        EXPECT_FALSE(state_.ProjectOpen);
        EXPECT_TRUE(state_.ProjectName.empty());
        EXPECT_TRUE(state_.ProjectFileName.empty());
    }
};

TEST_F(OpenProjectTest, MakProjectSkipsSettingsAndCustomControls) {
    Write("FORM1.FRM", "VERSION 2.00\r\nBegin Form Form1\r\nEnd\r\n");
    Write("GLOBAL.BAS", "Global X As Integer\r\n");
    std::string mak = Write("PROJ.MAK",
                            "FORM1.FRM\r\nC:\\VB\\GRID.VBX\r\nGLOBAL.BAS\r\n"
                            "ProjWinSize=152,402,248,215\r\nC:\\WINDOWS\\SYSTEM\\X.DLL\r\n");
    config_.Write("VB.INI", "[Visual Basic]\r\nTabStops=8\r\n");

    ASSERT_TRUE(Open(mak)) << ::testing::PrintToString(host_.Texts());
    EXPECT_TRUE(host_.Messages.empty());
    EXPECT_EQ(Names(), (std::vector<std::string>{"FORM1.FRM", "GLOBAL.BAS"}));
    EXPECT_EQ(Files()[0]->Kind, fkForm);
    EXPECT_EQ(Files()[1]->Kind, fkModule);
    EXPECT_EQ(Files()[0]->LineCount, 3);
    EXPECT_EQ(state_.ProjectVBVersion, 3);
    EXPECT_TRUE(state_.ProjectOpen);
    EXPECT_EQ(state_.ProjectName, "PROJ.MAK");
    EXPECT_EQ(state_.ProjectFileName, mak);
    EXPECT_EQ(state_.Project->ProjectName, "PROJ.MAK");
    EXPECT_EQ(state_.Project->ProjectDir, dir_.Str() + "/");
    EXPECT_EQ(state_.Project->ProjectLines.size(), 5u);
    EXPECT_EQ(state_.VBTabStops, 8);
    EXPECT_EQ(state_.RecentFiles.Entries(), (std::vector<std::string>{mak}));

    EXPECT_EQ(host_.GaugeMax, 5);
    EXPECT_EQ(host_.GaugePositions, (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_FALSE(host_.GaugeVisible);
    EXPECT_EQ(host_.HourglassChanges, (std::vector<bool>{true, false}));
}

TEST_F(OpenProjectTest, VbpProjectTakesTheFourSourceKeys) {
    Write("Main.frm", "VERSION 5.00\r\n");
    Write("Utils.bas", "Attribute VB_Name = \"Utils\"\r\n");
    Write("CItem.cls", "VERSION 1.0 CLASS\r\n");
    Write("Ctl.ctl", "VERSION 5.00\r\n");
    Write("Other.frm", "VERSION 5.00\r\n");
    std::string vbp = Write("Demo.vbp",
                            "Type=Exe\r\nForm=Main.frm\r\n"
                            "Object={831FDD16-0C5C-11D2-A9FC-0000F8754DA1}#2.0#0; MSCOMCTL.OCX\r\n"
                            "Module=Utils; Utils.bas\r\nClass=CItem; CItem.cls\r\n"
                            "UserControl=Ctl.ctl\r\nform=Other.frm\r\nName=\"Demo\"\r\n");
    ASSERT_TRUE(Open(vbp));
    EXPECT_TRUE(host_.Messages.empty());
    EXPECT_EQ(Names(), (std::vector<std::string>{"Main.frm", "Utils.bas", "CItem.cls", "Ctl.ctl"}));
    std::vector<std::uint8_t> kinds;
    for (const RFile* f : Files()) kinds.push_back(f->Kind);
    EXPECT_EQ(kinds, (std::vector<std::uint8_t>{fkForm, fkModule, fkClass, fkUserControl}));
    EXPECT_EQ(state_.ProjectVBVersion, 4);
    EXPECT_EQ(state_.VBTabStops, 4) << "no VB.INI: the default";
}

TEST_F(OpenProjectTest, GrammarFollowsTheProjectExtension) {
    Write("A.bas", "x\r\n");
    // A .VBP with another letter case is still a .VBP; anything else is .MAK.
    std::string upper = Write("UPPER.VBP", "Module=A; A.bas\r\n");
    ASSERT_TRUE(Open(upper));
    EXPECT_EQ(state_.ProjectVBVersion, 4);
    std::string txt = Write("list.txt", "A.bas\r\n");
    ASSERT_TRUE(Open(txt));
    EXPECT_EQ(state_.ProjectVBVersion, 3);
    EXPECT_EQ(Names(), (std::vector<std::string>{"A.bas"}));
}

TEST_F(OpenProjectTest, PathsResolveAgainstTheProjectDirectoryInAnyCase) {
    Write("proj/forms/Main.frm", "VERSION 5.00\r\n");
    Write("shared/Lib.bas", "x\r\n");
    std::string vbp = Write("proj/P.vbp",
                            "Form=FORMS\\MAIN.FRM\r\nModule=Lib; ..\\SHARED\\LIB.BAS\r\n"
                            "Module=Lib; ..\\shared\\Lib.bas\r\n");
    ASSERT_TRUE(Open(vbp)) << ::testing::PrintToString(host_.Texts());
    EXPECT_EQ(Names(), (std::vector<std::string>{"MAIN.FRM", "LIB.BAS", "Lib.bas"}));
    auto files = Files();
    EXPECT_TRUE(std::filesystem::equivalent(files[0]->FullPath, dir_.Path() / "proj/forms/Main.frm"));
    EXPECT_TRUE(std::filesystem::equivalent(files[1]->FullPath, files[2]->FullPath))
        << "the same file twice gives two entries";
    EXPECT_EQ(files[0]->Extension, ".FRM");
}

TEST_F(OpenProjectTest, NonTextFileWithOkIsLeftOut) {
    Write("Good.bas", "x\r\n");
    Write("Tab.bas", "\tx\r\n");
    std::string vbp = Write("P.vbp", "Module=T; Tab.bas\r\nModule=G; Good.bas\r\n");
    host_.Answers = {MsgResult::Ok};
    ASSERT_TRUE(Open(vbp));
    ASSERT_EQ(host_.Messages.size(), 1u);
    EXPECT_EQ(host_.Messages[0].Kind, MsgKind::Warning);
    EXPECT_EQ(host_.Messages[0].Buttons, MsgButtons::OkCancel);
    EXPECT_EQ(host_.Messages[0].Text,
              "Tab.bas is not an ASCII file.  It will not be added to the project.  Select Cancel "
              "to quit loading the project or OK to continue.");
    EXPECT_EQ(Names(), (std::vector<std::string>{"Good.bas"}));
    // Normal cursor while the question is shown, the hourglass again after.
    EXPECT_EQ(host_.HourglassChanges, (std::vector<bool>{true, false, true, false}));
    EXPECT_EQ(host_.GaugePositions, (std::vector<int>{1, 2}));
}

TEST_F(OpenProjectTest, NonTextFileWithCancelClosesTheProject) {
    Write("Good.bas", "x\r\n");
    Write("Quote.bas", "\"x\r\n");
    std::string vbp = Write("P.vbp", "Module=G; Good.bas\r\nModule=Q; Quote.bas\r\nModule=G; Good.bas\r\n");
    host_.Answers = {MsgResult::Cancel};
    EXPECT_FALSE(Open(vbp));
    ExpectNoProject();
    EXPECT_EQ(host_.Texts(), (std::vector<std::string>{NotTextFileMessage("Quote.bas")}));
    EXPECT_FALSE(host_.GaugeVisible);
    EXPECT_FALSE(host_.HourglassOn);
    EXPECT_EQ(host_.GaugePositions, (std::vector<int>{1})) << "reading stopped at the prompt";
    EXPECT_TRUE(state_.RecentFiles.Entries().empty());
}

TEST_F(OpenProjectTest, EveryKindOfNonTextFilePrompts) {
    struct Case {
        const char* Name;
        std::string Line;         // the .VBP line
        std::string PromptName;   // the name the prompt shows
        std::string Reason = kNotAsciiReason;
    };
    Write("Tab.bas", "\tx");
    Write("Quote.bas", "\"x");
    Write("High.bas", "\xe9x");
    Write("Empty.bas", "");
    Write("Binary.frm", "\xfc\x02\x01\0\0"s);
    Write("Utf8.bas", "\xEF\xBB\xBFSub A()\r\nEnd Sub\r\n");
    Write("Utf16.bas", "S\0u\0b\0 \0A\0(\0)\0\r\0\n\0"s);
    std::filesystem::create_directory(dir_.Path() / "Dir.bas");
    ASSERT_EQ(::mkfifo((dir_.Str() + "/Fifo.bas").c_str(), 0600), 0);
    Write("Utf16Bom.bas", "\xFF\xFES\0u\0b\0"s);
    const std::string utf16 =
        "holds NUL bytes, so it is no Visual Basic source (text saved as UTF-16 (Unicode) looks "
        "like this; open it in an editor and save it again with the encoding ANSI (Windows-1252))";
    const Case cases[] = {
        {"tab", "Module=T; Tab.bas", "Tab.bas"},
        {"double quote", "Module=Q; Quote.bas", "Quote.bas"},
        {"byte above 127", "Module=H; High.bas", "High.bas"},
        {"empty file", "Module=E; Empty.bas", "Empty.bas", "is empty"},
        {"binary form", "Form=Binary.frm", "Binary.frm"},
        {"UTF-8 with a byte-order mark", "Module=U; Utf8.bas", "Utf8.bas",
         "is saved as UTF-8 (it begins with a byte-order mark); Visual Basic reads ANSI text, so "
         "open it in an editor and save it again with the encoding ANSI (Windows-1252)"},
        {"UTF-16 without a byte-order mark", "Module=W; Utf16.bas", "Utf16.bas", utf16},
        {"UTF-16 with a byte-order mark", "Module=W; Utf16Bom.bas", "Utf16Bom.bas",
         "is saved as UTF-16 (Unicode; it begins with a byte-order mark); Visual Basic reads ANSI "
         "text, so open it in an editor and save it again with the encoding ANSI (Windows-1252)"},
        {"missing file", "Module=M; Missing.bas", "Missing.bas", "cannot be found"},
        {"directory", "Module=D; Dir.bas", "Dir.bas", "is a directory, not a file"},
        {"FIFO", "Module=F; Fifo.bas", "Fifo.bas", "is a FIFO (named pipe), not a file"},
        {"no ';'", "Module=Utils", "", "is a directory, not a file"},
        {"drive path", "Module=G; C:\\VB\\GRID.BAS", "C:\\VB\\GRID.BAS",
         "cannot be found (a drive path names no file on this system)"},
        {"UNC path", "Module=G; \\\\server\\share\\G.bas", "\\\\server\\share\\G.bas", "cannot be found"},
    };
    Write("Good.bas", "x");
    for (const auto& c : cases) {
        ScriptedCommandHost host;
        std::string vbp = Write("P.vbp", c.Line + "\r\nModule=G; Good.bas\r\n");
        ASSERT_TRUE(OpenProject(state_, options_, host, vbp)) << c.Name;
        EXPECT_EQ(host.Texts(), (std::vector<std::string>{NotTextFileMessage(c.PromptName, c.Reason)}))
            << c.Name;
        EXPECT_EQ(Names(), (std::vector<std::string>{"Good.bas"})) << c.Name;
    }
}

TEST_F(OpenProjectTest, MakLinesThatNameNothingAreSkipped) {
    Write("A.BAS", "x\r\n");
    std::string mak = Write("P.MAK", "A.BAS\r\n\r\n   \r\nIconForm=\"Form1\"\r\n\x1a");
    ASSERT_TRUE(Open(mak));
    EXPECT_TRUE(host_.Messages.empty()) << ::testing::PrintToString(host_.Texts());
    EXPECT_EQ(Names(), (std::vector<std::string>{"A.BAS"}));
    EXPECT_EQ(host_.GaugePositions, (std::vector<int>{1, 2, 3, 4, 5}));
}

TEST_F(OpenProjectTest, MakListsOtherExtensionsAsModules) {
    Write("CONSTANT.TXT", "Global Const A = 1\r\n");
    std::string mak = Write("P.MAK", "CONSTANT.TXT\r\n");
    ASSERT_TRUE(Open(mak));
    ASSERT_EQ(Files().size(), 1u);
    EXPECT_EQ(Files()[0]->Kind, fkModule);
    EXPECT_EQ(Files()[0]->Extension, ".TXT");
}

TEST_F(OpenProjectTest, NoAdmittedFileIsAnEmptyProject) {
    struct Case {
        const char* Name;
        std::string Text;
        std::string File;  // name of the project file
    };
    const Case cases[] = {
        {"only settings", "Type=Exe\r\nName=\"X\"\r\n", "P.vbp"},
        {"every file refused with OK", "Module=A; A.bas\r\nForm=B.frm\r\n", "P.vbp"},
        {"one line end", "\r\n", "P.MAK"},
        {"a C makefile", "CC=gcc\nall: x.o\n\tcc -o x x.o\n", "Makefile.mak"},
    };
    for (const auto& c : cases) {
        ScriptedCommandHost host;
        std::string path = Write(c.File, c.Text);
        EXPECT_FALSE(OpenProject(state_, options_, host, path)) << c.Name;
        ExpectNoProject();
        ASSERT_FALSE(host.Messages.empty()) << c.Name;
        EXPECT_EQ(host.Messages.back().Text, kEmpty) << c.Name;
        EXPECT_EQ(host.Messages.back().Kind, MsgKind::Warning) << c.Name;
        EXPECT_FALSE(host.GaugeVisible) << c.Name;
        EXPECT_FALSE(host.HourglassOn) << c.Name;
    }
}

TEST_F(OpenProjectTest, ProjectFilesThatAreNotTextAreInvalid) {
    std::filesystem::create_directory(dir_.Path() / "Dir.vbp");
    // The fixed text; below it the path and the reason, when there is more
    // to say than "not text".
    const std::pair<std::string, std::string> cases[] = {
        {Write("Empty.vbp", ""), " is empty."},
        {Write("Binary.vbp", "\xd0\xcf\x11\xe0\0\0"s), ""},
        {Write("Tab.mak", "\tFORM1.FRM\r\n"), ""},
        {dir_.Str() + "/Missing.vbp", " cannot be found."},
        {dir_.Str() + "/Dir.vbp", " is a directory, not a file."},
        {"C:\\VB\\PROJ.MAK", " cannot be found (a drive path names no file on this system)."},
        {"", " cannot be found."},
    };
    for (const auto& [path, reason] : cases) {
        ScriptedCommandHost host;
        EXPECT_FALSE(OpenProject(state_, options_, host, path)) << path;
        ExpectNoProject();
        ASSERT_EQ(host.Messages.size(), 1u) << path;
        EXPECT_EQ(host.Messages[0].Text, reason.empty() ? std::string(kInvalid)
                                                        : kInvalid + ("\n" + path + reason))
            << path;
        EXPECT_EQ(host.Messages[0].Kind, MsgKind::Error) << path;
        EXPECT_TRUE(host.GaugePositions.empty()) << path;
    }
}

TEST_F(OpenProjectTest, OpeningAnotherProjectClosesTheFirst) {
    Write("A.bas", "x\r\n");
    std::string good = Write("Good.vbp", "Module=A; A.bas\r\n");
    ASSERT_TRUE(Open(good));
    ASSERT_TRUE(Open(good)) << "reopening the same project";
    EXPECT_EQ(Names(), (std::vector<std::string>{"A.bas"}));
    EXPECT_EQ(state_.RecentFiles.Entries().size(), 1u);

    EXPECT_FALSE(Open(dir_.Str() + "/Missing.vbp"));
    ExpectNoProject();
    EXPECT_EQ(state_.RecentFiles.Entries(), (std::vector<std::string>{good}));
}

TEST_F(OpenProjectTest, CloseProjectClearsTheState) {
    Write("A.bas", "x\r\n");
    ASSERT_TRUE(Open(Write("Good.vbp", "Module=A; A.bas\r\n")));
    CloseProject(state_);
    ExpectNoProject();
    CloseProject(state_);
    ExpectNoProject();
}

TEST_F(OpenProjectTest, OddProjectLineEndsAndBytes) {
    Write("A.bas", "x");
    Write("B\xe9.bas", "x");
    // CR-only line ends, no final line end, a NUL in a setting.
    std::string vbp = Write("P.vbp", "Name=\"a\0b\"\rModule=A; A.bas\rModule=B; B\xe9.bas"s);
    ASSERT_TRUE(Open(vbp)) << ::testing::PrintToString(host_.Texts());
    EXPECT_EQ(Names(), (std::vector<std::string>{"A.bas", "B\xe9.bas"}));
    EXPECT_EQ(state_.Project->ProjectLines[0], "Name=\"a\0b\""s);
}

}  // namespace
}  // namespace plumora

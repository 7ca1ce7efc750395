// Which project lines name files, their companions, and how the rewritten
// copy of each grammar writes them.
#include <gtest/gtest.h>

#include "processing/project_files.h"
#include "processing/project_rewrite.h"
#include "support/temp_dir.h"

namespace plumora {
namespace {

using testing::ReadAll;
using testing::TempDir;

TEST(ListedProjectFiles, VbpNamesProjectFilesAndOutsideControls) {
    std::vector<std::string> lines = {
        "Type=Exe",
        "Reference=*\\G{00020430-0000-0000-C000-000000000046}#2.0#0#C:\\W\\stdole2.tlb#OLE",
        "Object={F9043C88-F6F2-101A-A3C9-08002B2F49FB}#1.2#0; COMDLG32.OCX",
        "Form=Forms\\Main.frm",
        "Module=Utils; ..\\Shared\\Utils.bas",
        "Class=CItem; CItem.cls",
        "UserControl=Ctl\\Gauge.ctl",
        "PropertyPage=Pages\\PPGeneral.pag",
        "Designer=Designers\\Report.Dsr",
        "ResFile32=\"Res\\App.res\"",
        "Module=NoPath",
        "HelpFile=\"C:\\HELP\\APP.HLP\"",
        "form=lower.frm",
    };
    std::vector<TListedFile> files = ListedProjectFiles(lines, 4);
    std::vector<std::string> written;
    std::vector<bool> own;
    for (const auto& f : files) {
        written.push_back(f.Written);
        own.push_back(f.ProjectFile);
    }
    EXPECT_EQ(written, (std::vector<std::string>{"COMDLG32.OCX", "Forms\\Main.frm", "..\\Shared\\Utils.bas",
                                                 "CItem.cls", "Ctl\\Gauge.ctl", "Pages\\PPGeneral.pag",
                                                 "Designers\\Report.Dsr", "Res\\App.res"}));
    EXPECT_EQ(own, (std::vector<bool>{false, true, true, true, true, true, true, true}));
    EXPECT_EQ(files[1].Line, 3u);
}

TEST(ListedProjectFiles, MakSkipsSettingsAndBlankLines) {
    std::vector<std::string> lines = {"FORM1.FRM", "C:\\VB\\GRID.VBX", "", "SUB\\GLOBAL.BAS",
                                      "ProjWinSize=152,402,248,215", "HelpFile=C:\\HELP\\APP.HLP"};
    std::vector<TListedFile> files = ListedProjectFiles(lines, 3);
    ASSERT_EQ(files.size(), 3u);
    EXPECT_EQ(files[0].Written, "FORM1.FRM");
    EXPECT_FALSE(files[1].ProjectFile);
    EXPECT_EQ(files[2].Written, "SUB\\GLOBAL.BAS");
}

TEST(CompanionName, FollowsKindAndLetterCase) {
    const std::pair<const char*, const char*> cases[] = {
        {"Main.frm", "Main.frx"},   {"MAIN.FRM", "MAIN.FRX"},     {"F\\A.Frm", "F\\A.frx"},
        {"Gauge.ctl", "Gauge.ctx"}, {"Page.pag", "Page.pgx"},     {"Rep.dsr", "Rep.dsx"},
        {"Doc.dob", "Doc.dox"},     {"Utils.bas", ""},            {"NoExtension", ""},
    };
    for (const auto& [name, companion] : cases) EXPECT_EQ(CompanionName(name), companion) << name;
}

TEST(RewriteLines, MakKeepsSettingsAndOutsideFiles) {
    const std::pair<const char*, const char*> cases[] = {
        {"FORMS\\MAIN.FRM", "MAIN.FRM"},
        {"C:\\VB\\GRID.VBX", "C:\\VB\\GRID.VBX"},
        {"C:\\WIN\\SYS\\X.DLL", "C:\\WIN\\SYS\\X.DLL"},
        {"..\\LIB\\X.OCX", "..\\LIB\\X.OCX"},
        {"HelpFile=C:\\HELP\\APP.HLP", "HelpFile=C:\\HELP\\APP.HLP"},
        {"ExeName=C:\\APP\\APP.EXE", "ExeName=C:\\APP\\APP.EXE"},
        {"D:\\SHARED\\A.BAS", "A.BAS"},
        {"GLOBAL.BAS", "GLOBAL.BAS"},
        {"", ""},
    };
    for (const auto& [line, expected] : cases) EXPECT_EQ(RewriteMakLine(line), expected) << line;
}

TEST(RewriteLines, VbpNamesEveryProjectFileByItsBareName) {
    const std::pair<const char*, const char*> cases[] = {
        {"Form=..\\F\\Main.frm", "Form=Main.frm"},
        {"Module=Utils; ..\\B\\Utils.bas", "Module=Utils; Utils.bas"},
        {"Class=CItem;Cls\\CItem.cls", "Class=CItem; CItem.cls"},
        {"UserControl=Ctl\\X.ctl", "UserControl=X.ctl"},
        {"PropertyPage=Builds\\PP.pag", "PropertyPage=PP.pag"},
        {"Designer=D\\R.Dsr", "Designer=R.Dsr"},
        {"ResFile32=\"Resources\\PD.RES\"", "ResFile32=\"PD.RES\""},
        {"Object={F9043C88}#1.2#0; ..\\X\\COMDLG32.OCX", "Object={F9043C88}#1.2#0; ..\\X\\COMDLG32.OCX"},
        {"Reference=*\\G{0002}#2.0#0#..\\stdole2.tlb#OLE", "Reference=*\\G{0002}#2.0#0#..\\stdole2.tlb#OLE"},
        {"HelpFile=\"C:\\HELP\\APP.HLP\"", "HelpFile=\"C:\\HELP\\APP.HLP\""},
        {"Module=NoPath", "Module=NoPath"},
        {"Title=\"A=B; C\\D\"", "Title=\"A=B; C\\D\""},
    };
    for (const auto& [line, expected] : cases) EXPECT_EQ(RewriteVbpLine(line), expected) << line;
}

TEST(RewriteProjectFile, WritesCrLfAndKeepsTheFileOnFailure) {
    TempDir dir;
    std::string path = dir.Write("P.vbp", "Type=Exe\nForm=F\\A.frm\r\nModule=M; L\\M.bas");
    ASSERT_TRUE(RewriteVbpProject(path).Ok);
    EXPECT_EQ(ReadAll(path), "Type=Exe\r\nForm=A.frm\r\nModule=M; M.bas\r\n");

    std::string mak = dir.Write("P.MAK", "SUB\\A.FRM\nC:\\VB\\GRID.VBX\nIconForm=\"A\"\n");
    ASSERT_TRUE(RewriteMakProject(mak).Ok);
    EXPECT_EQ(ReadAll(mak), "A.FRM\r\nC:\\VB\\GRID.VBX\r\nIconForm=\"A\"\r\n");

    TIoResult missing = RewriteVbpProject((dir.Path() / "none.vbp").string());
    EXPECT_FALSE(missing.Ok);
    EXPECT_FALSE(missing.Error.empty());
}

}  // namespace
}  // namespace plumora

// The project model: admitting files, the chain invariant and the loading
// and releasing of source text.
#include "project/source_mgt.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace plumora {
namespace {

// Every walker's loop; also checks the links on the way.
std::vector<RFile*> Walk(TSourceMgt& project) {
    std::vector<RFile*> files;
    RFile* prev = nullptr;
    RFile* f = project.Head.get();
    for (; f->Next; f = f->Next.get()) {
        EXPECT_EQ(f->Prev, prev);
        files.push_back(f);
        prev = f;
    }
    EXPECT_EQ(f->Prev, prev) << "blank entry links back";
    EXPECT_TRUE(f->Name.empty() && f->FullPath.empty() && f->Lines.empty()) << "blank entry";
    return files;
}

TEST(SourceMgt, StartsWithTheBlankEntryAlone) {
    TSourceMgt project;
    ASSERT_TRUE(project.Head);
    EXPECT_EQ(project.Current, project.Head.get());
    EXPECT_TRUE(project.Head->IsBlank());
    EXPECT_EQ(project.Head->Prev, nullptr);
    EXPECT_TRUE(Walk(project).empty());
    EXPECT_EQ(project.FileCount(), 0u);
}

TEST(SourceMgt, AddFileFillsTheBlankEntryAndAppendsANewOne) {
    testing::TempDir dir;
    const std::string formText = "VERSION 5.00\r\nBegin VB.Form Main\r\nEnd\r\n";
    dir.Write("proj/forms/Main.frm", formText);
    dir.Write("proj/Utils.bas", "Attribute VB_Name = \"Utils\"\nSub A()\nEnd Sub");
    dir.Write("proj/CItem.cls", "x");
    dir.Write("proj/Grid.ctl", "x\r\n");
    dir.Write("proj/Old.vbx", "x\r\n");
    dir.Write("proj/Const.txt", "x\r\n");

    TSourceMgt project;
    project.ProjectDir = dir.Str() + "/proj/";
    project.AddFile("Forms\\MAIN.FRM", ".FRM");
    project.AddFile("Utils.bas", ".BAS");
    project.AddFile("CItem.cls", ".CLS");
    project.AddFile("Grid.ctl", ".CTL");
    project.AddFile("Old.vbx", ".VBX");
    project.AddFile("CONST.TXT", ".TXT");

    std::vector<RFile*> files = Walk(project);
    ASSERT_EQ(files.size(), 6u);
    EXPECT_EQ(project.Current, files.back()->Next.get());

    const RFile& form = *files[0];
    EXPECT_EQ(form.Name, "MAIN.FRM") << "the project's spelling";
    EXPECT_EQ(form.Caption, "MAIN.FRM");
    EXPECT_EQ(std::filesystem::path(form.FullPath).filename(), "Main.frm") << "the disk's spelling";
    EXPECT_TRUE(std::filesystem::exists(form.FullPath));
    EXPECT_EQ(form.Extension, ".FRM");
    EXPECT_EQ(form.Size, static_cast<double>(formText.size()));
    EXPECT_EQ(form.LineCount, 3);
    EXPECT_TRUE(form.Selected);
    EXPECT_FALSE(form.Processed);
    EXPECT_FALSE(form.Loaded);
    EXPECT_TRUE(form.Lines.empty()) << "the text is only counted";
    EXPECT_EQ(files[1]->LineCount, 3);

    const std::uint8_t kinds[] = {fkForm, fkModule, fkClass, fkUserControl, fkCustomControl,
                                  fkModule};
    for (std::size_t i = 0; i < files.size(); ++i) EXPECT_EQ(files[i]->Kind, kinds[i]) << i;
}

TEST(SourceMgt, AddFileNeverOverwritesAnEntryLeftAsCurrent) {
    testing::TempDir dir;
    dir.Write("A.bas", "a");
    dir.Write("B.bas", "b");
    TSourceMgt project;
    project.ProjectDir = dir.Str() + "/";
    project.AddFile("A.bas", ".BAS");
    project.Current = project.Head.get();
    project.AddFile("B.bas", ".BAS");
    std::vector<RFile*> files = Walk(project);
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0]->Name, "A.bas");
    EXPECT_EQ(files[1]->Name, "B.bas");
}

TEST(SourceMgt, LoadAndReleaseLines) {
    testing::TempDir dir;
    dir.Write("A.bas", "one\r\ntwo\r\n");
    dir.Write("B.bas", "x");
    TSourceMgt project;
    project.ProjectDir = dir.Str() + "/";
    project.AddFile("a.BAS", ".BAS");
    project.AddFile("B.bas", ".BAS");
    RFile* a = project.Head.get();
    RFile* b = a->Next.get();

    project.Current = a;
    project.LoadCurrentLines();
    EXPECT_TRUE(a->Loaded);
    EXPECT_EQ(a->Lines, (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(a->LineCount, 2);

    // Loaded text stays as it is until released, even if the file changes.
    dir.Write("A.bas", "changed");
    project.LoadLines(a);
    EXPECT_EQ(a->Lines.size(), 2u);

    project.ReleaseCurrentLines();
    EXPECT_FALSE(a->Loaded);
    EXPECT_TRUE(a->Lines.empty());
    project.Current = a;
    project.LoadCurrentLines();
    EXPECT_EQ(a->Lines, (std::vector<std::string>{"changed"}));
    EXPECT_EQ(a->LineCount, 1);

    // A file gone since admission reads as one placeholder line.
    std::filesystem::remove(dir.Path() / "B.bas");
    project.LoadLines(b);
    EXPECT_TRUE(b->Loaded);
    EXPECT_EQ(b->Lines, (std::vector<std::string>{"NOT AVAILABLE"}));
    EXPECT_EQ(b->LineCount, 1);

    project.ReleaseAllLines();
    EXPECT_FALSE(a->Loaded);
    EXPECT_FALSE(b->Loaded);
    EXPECT_TRUE(b->Lines.empty());

    project.LoadLines(nullptr);
    project.ReleaseLines(nullptr);
    project.Current = nullptr;
    project.LoadCurrentLines();
    project.ReleaseCurrentLines();
}

// A recursive destructor would overflow the stack on a chain this long.
TEST(SourceMgt, AVeryLongChainIsDestroyedWithoutRecursion) {
    auto project = std::make_unique<TSourceMgt>();
    RFile* tail = project->Head.get();
    for (int i = 0; i < 300000; ++i) {
        tail->Name = "F" + std::to_string(i) + ".bas";
        tail->Next = std::make_unique<RFile>();
        tail->Next->Prev = tail;
        tail = tail->Next.get();
    }
    project->Current = tail;
    EXPECT_EQ(project->FileCount(), 300000u);
    project->ReleaseAllLines();
    project.reset();
    SUCCEED();
}

}  // namespace
}  // namespace plumora

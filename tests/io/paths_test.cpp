// Project-style paths: the name parts, resolution against the project
// directory and the look-up that tolerates another letter case.
#include "io/paths.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <optional>

#include "support/temp_dir.h"

namespace plumora {
namespace {

TEST(PathParts, DirectoryNameAndExtension) {
    struct Case {
        const char* Path;
        const char* Dir;
        const char* Name;
        const char* Ext;
    };
    const Case cases[] = {
        {"C:\\PROJ\\MAIN.MAK", "C:\\PROJ\\", "MAIN.MAK", ".MAK"},
        {"C:MAIN.FRM", "C:", "MAIN.FRM", ".FRM"},
        {"/home/u/proj/Main.frm", "/home/u/proj/", "Main.frm", ".FRM"},
        {"Forms\\Main.frm", "Forms\\", "Main.frm", ".FRM"},
        {"Utils.bas", "", "Utils.bas", ".BAS"},
        {"README", "", "README", ""},
        {"..\\LIB\\A", "..\\LIB\\", "A", ""},
        {"dir.v2\\NAME", "dir.v2\\", "NAME", ""},
        {"a.b.cls", "", "a.b.cls", ".CLS"},
        {"proj\\", "proj\\", "", ""},
        {"", "", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DirectoryPart(c.Path), c.Dir) << c.Path;
        EXPECT_EQ(FileNamePart(c.Path), c.Name) << c.Path;
        EXPECT_EQ(UpperExtension(c.Path), c.Ext) << c.Path;
    }
}

TEST(ResolveProjectPath, AppendsRelativePathsAsWritten) {
    struct Case {
        const char* Dir;
        const char* Written;
        const char* Expected;
    };
    const Case cases[] = {
        {"C:\\PROJ\\", "..\\LIB\\A.BAS", "C:\\PROJ\\..\\LIB\\A.BAS"},
        {"C:\\PROJ\\", "D:\\SHARED\\A.BAS", "D:\\SHARED\\A.BAS"},
        {"C:\\PROJ\\", "\\LIB\\A.BAS", "C:\\PROJ\\\\LIB\\A.BAS"},
        {"C:\\PROJ\\", "\\\\server\\share\\A.BAS", "C:\\PROJ\\\\\\server\\share\\A.BAS"},
        {"/home/u/proj/", "Forms\\Main.frm", "/home/u/proj/Forms\\Main.frm"},
        {"/home/u/proj/", "/opt/lib/A.BAS", "/opt/lib/A.BAS"},
        {"", "Main.frm", "Main.frm"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ResolveProjectPath(c.Dir, c.Written), c.Expected) << c.Written;
    }
}

// The first and last letters of both cases fold; the characters just
// outside the letter ranges ('@' '[' '`' '{') and bytes above 127 do not.
TEST(AsciiCase, FoldsExactlyTheLettersAToZ) {
    EXPECT_EQ(AsciiUpper("az AZ @[`{ \xe9\xc9"), "AZ AZ @[`{ \xe9\xc9");
    EXPECT_TRUE(EqualsIgnoreAsciiCase("fizz.bas", "FIZZ.BAS"));
    EXPECT_TRUE(EqualsIgnoreAsciiCase("AZ", "az"));
    EXPECT_FALSE(EqualsIgnoreAsciiCase("`", "@"));
    EXPECT_FALSE(EqualsIgnoreAsciiCase("{", "["));
    EXPECT_FALSE(EqualsIgnoreAsciiCase("\xe9", "\xc9"));
    EXPECT_FALSE(EqualsIgnoreAsciiCase("fizz", "fizzy"));
}

TEST(LocatePath, FindsFilesWhateverTheLetterCase) {
    testing::TempDir dir;
    dir.Write("proj/Forms/Main.frm", "x");
    dir.Write("proj/Utils.bas", "x");
    dir.Write("proj/fizz.bas", "x");
    dir.Write("Shared/Lib/Grid.bas", "x");
    const std::string root = dir.Str() + "/";
    struct Case {
        std::string Path;
        std::string Expected;  // relative to the temp dir; empty: not found
    };
    const Case cases[] = {
        {"proj/Utils.bas", "proj/Utils.bas"},
        {"proj\\Utils.bas", "proj/Utils.bas"},
        {"proj\\UTILS.BAS", "proj/Utils.bas"},
        {"PROJ\\FORMS\\MAIN.FRM", "proj/Forms/Main.frm"},
        {"proj\\forms\\main.FRM", "proj/Forms/Main.frm"},
        {"proj\\..\\SHARED\\LIB\\GRID.BAS", "Shared/Lib/Grid.bas"},
        {"proj\\NoSuchDir\\..\\Utils.bas", "proj/Utils.bas"},
        {"proj\\.\\Utils.bas", "proj/Utils.bas"},
        {"proj\\FIZZ.BAS", "proj/fizz.bas"},
        {"proj\\Missing.bas", ""},
        {"proj\\Utils.bas\\x", ""},
    };
    // Without and with the directory listings of a run.
    for (int cached = 0; cached < 2; ++cached)
    for (const auto& c : cases) {
        std::optional<TDirectoryCacheScope> scope;
        if (cached) scope.emplace();
        std::optional<std::string> found = LocatePath(root + c.Path);
        if (c.Expected.empty()) {
            EXPECT_FALSE(found) << c.Path << " gave " << found.value_or("");
            continue;
        }
        ASSERT_TRUE(found) << c.Path;
        EXPECT_TRUE(std::filesystem::equivalent(*found, dir.Path() / c.Expected)) << c.Path;
        EXPECT_EQ(FileNamePart(*found), FileNamePart(c.Expected)) << "disk spelling for " << c.Path;
    }
}

TEST(LocatePath, DrivePathsNeverExistHere) {
    testing::TempDir dir;
    // Even a file literally named like the drive path must not be taken.
    dir.Write("C:\\VB\\GRID.BAS", "x");
    std::filesystem::path old = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    EXPECT_FALSE(LocatePath("C:\\VB\\GRID.BAS"));
    EXPECT_EQ(FileSize("C:\\VB\\GRID.BAS"), -1);
    std::filesystem::current_path(old);
    EXPECT_FALSE(LocatePath(""));
}

TEST(LocatePath, PicksOneSpellingWhenSeveralMatch) {
    testing::TempDir dir;
    dir.Write("b.BAS", "x");
    dir.Write("B.bas", "x");
    std::optional<std::string> found = LocatePath(dir.Str() + "/b.bas");
    ASSERT_TRUE(found);
    EXPECT_EQ(FileNamePart(*found), "B.bas");
}

// Within a run the listings are kept, but a directory that changes is read
// again: a file added, renamed or removed meanwhile is seen as it is now.
TEST(LocatePath, ListingsKeptForARunFollowChangesOfTheDirectory) {
    testing::TempDir dir;
    dir.Write("p/Old.bas", "x");
    const std::string root = dir.Str() + "/p/";
    // Long unchanged, so its listing is kept rather than read again.
    std::filesystem::last_write_time(dir.Path() / "p", std::filesystem::file_time_type::clock::now() -
                                                           std::chrono::hours(1));
    TDirectoryCacheScope run;
    ASSERT_TRUE(LocatePath(root + "OLD.BAS"));
    EXPECT_FALSE(LocatePath(root + "NEW.BAS"));
    dir.Write("p/New.bas", "x");
    std::optional<std::string> added = LocatePath(root + "NEW.BAS");
    ASSERT_TRUE(added);
    EXPECT_EQ(FileNamePart(*added), "New.bas");
    std::filesystem::rename(dir.Path() / "p/Old.bas", dir.Path() / "p/Renamed.bas");
    EXPECT_FALSE(LocatePath(root + "OLD.BAS"));
    EXPECT_TRUE(LocatePath(root + "RENAMED.BAS"));
    {
        TDirectoryCacheScope nested;
        EXPECT_TRUE(LocatePath(root + "new.bas"));
    }
    std::filesystem::remove(dir.Path() / "p/New.bas");
    EXPECT_FALSE(LocatePath(root + "new.bas"));
}

TEST(FileSize, SizeOfTheFileFoundOrMinusOne) {
    testing::TempDir dir;
    dir.Write("Main.frm", std::string(1234, 'x'));
    EXPECT_EQ(FileSize(dir.Str() + "/MAIN.FRM"), 1234.0);
    EXPECT_EQ(FileSize(dir.Str() + "/Other.frm"), -1.0);
}

}  // namespace
}  // namespace plumora

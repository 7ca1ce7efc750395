// Loading and saving the INI file on disk: atomic replacement, failures that
// leave the old file alone, and files that are not settings files at all.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "settings/ini_file.h"
#include "support/temp_dir.h"

namespace plumora {
namespace {

namespace fs = std::filesystem;
using testing::ReadAll;
using testing::TempDir;

bool RunningAsRoot() { return ::geteuid() == 0; }

std::size_t EntriesIn(const fs::path& dir) {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir)) ++n;
    return n;
}

TEST(IniSave, MissingFileLoadsEmptyAndSaveCreatesDirectories) {
    TempDir dir;
    std::string path = (dir.Path() / "a" / "b" / "VBPLUMO3.INI").string();
    TIniFile ini(path);
    ASSERT_TRUE(ini.Load());
    EXPECT_EQ(ini.Text(), "");
    ini.WriteInteger("Indents", "ForNextIndent", 8);
    std::string error;
    ASSERT_TRUE(ini.Save(&error)) << error;
    EXPECT_EQ(ReadAll(path), "[Indents]\r\nForNextIndent=8\r\n");
}

TEST(IniSave, RoundTripThroughDiskKeepsUnknownLines) {
    TempDir dir;
    std::string original = "; mine\r\n[Mine]\r\nWhatever\r\n[Indents]\r\nForNextIndent=4\r\n";
    std::string path = dir.Write("VBPLUMO3.INI", original);
    TIniFile ini(path);
    ASSERT_TRUE(ini.Load());
    ini.WriteInteger("Indents", "ForNextIndent", 6);
    ASSERT_TRUE(ini.Save());
    EXPECT_EQ(ReadAll(path), "; mine\r\n[Mine]\r\nWhatever\r\n[Indents]\r\nForNextIndent=6\r\n");
    EXPECT_EQ(EntriesIn(dir.Path()), 1u) << "a temporary file was left behind";
}

TEST(IniSave, KeepsPermissionBitsAndFollowsSymlinks) {
    TempDir dir;
    std::string real = dir.Write("real.ini", "[S]\r\nK=1\r\n");
    ::chmod(real.c_str(), 0600);
    fs::path link = dir.Path() / "VBPLUMO3.INI";
    fs::create_symlink(real, link);
    TIniFile ini(link.string());
    ASSERT_TRUE(ini.Load());
    ini.WriteString("S", "K", "2");
    ASSERT_TRUE(ini.Save());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadAll(real), "[S]\r\nK=2\r\n");
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST(IniSave, ParentThatIsAFileFailsWithTheFixedMessage) {
    TempDir dir;
    std::string blocker = dir.Write("config", "not a directory");
    std::string path = blocker + "/VBPLUMO3.INI";
    TIniFile ini(path);
    ASSERT_TRUE(ini.Load());  // missing, since the parent is no directory
    ini.WriteBool("S", "K", true);
    std::string error;
    EXPECT_FALSE(ini.Save(&error));
    EXPECT_EQ(error, "Unable to write to " + path);
    EXPECT_EQ(ReadAll(blocker), "not a directory");
}

TEST(IniSave, ReadOnlyDirectoryFailsAndKeepsOldFile) {
    if (RunningAsRoot()) GTEST_SKIP() << "permission bits do not stop root";
    TempDir dir;
    fs::path sub = dir.Path() / "ro";
    fs::create_directory(sub);
    std::string path = dir.Write("ro/VBPLUMO3.INI", "[S]\r\nK=old\r\n");
    ::chmod(sub.c_str(), 0500);
    TIniFile ini(path);
    ASSERT_TRUE(ini.Load());
    ini.WriteString("S", "K", "new");
    std::string error;
    EXPECT_FALSE(ini.Save(&error));
    EXPECT_EQ(error, "Unable to write to " + path);
    ::chmod(sub.c_str(), 0700);
    EXPECT_EQ(ReadAll(path), "[S]\r\nK=old\r\n");
}

// A write that fails half way (here: the file size limit, which stops root
// too) must leave the old file whole and no temporary file behind.
TEST(IniSave, FailureHalfWayLeavesOldFileIntact) {
    TempDir dir;
    std::string old = "[S]\r\nK=old\r\n";
    std::string path = dir.Write("VBPLUMO3.INI", old);
    TIniFile ini(path);
    ASSERT_TRUE(ini.Load());
    ini.WriteString("S", "K", std::string(10000, 'n'));

    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string error;
    bool saved_ok = ini.Save(&error);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved_ok);
    EXPECT_EQ(error, "Unable to write to " + path);
    EXPECT_EQ(ReadAll(path), old);
    EXPECT_EQ(EntriesIn(dir.Path()), 1u) << "a temporary file was left behind";
}

struct BadFileCase {
    const char* Name;
    std::string Bytes;
};

TEST(IniSave, UnusableFilesAreReportedAndNeverOverwritten) {
    const BadFileCase cases[] = {
        {"binary", std::string("[S]\r\nK=1\r\n\0\x01\x02\xff", 14)},
        {"too large", std::string(TIniFile::kMaxFileSize + 1, 'x')},
    };
    for (const BadFileCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TempDir dir;
        std::string path = dir.Write("VBPLUMO3.INI", c.Bytes);
        TIniFile ini(path);
        EXPECT_FALSE(ini.Load());
        EXPECT_NE(ini.LoadError().find(path), std::string::npos);
        EXPECT_EQ(ini.Value("S", "K"), std::nullopt);
        ini.WriteString("S", "K", "2");
        std::string error;
        EXPECT_FALSE(ini.Save(&error));
        EXPECT_EQ(error, "Unable to write to " + path);
        EXPECT_EQ(ReadAll(path), c.Bytes);
    }
}

TEST(IniSave, DirectoryInPlaceOfTheFile) {
    TempDir dir;
    fs::create_directory(dir.Path() / "VBPLUMO3.INI");
    TIniFile ini((dir.Path() / "VBPLUMO3.INI").string());
    EXPECT_FALSE(ini.Load());
    EXPECT_FALSE(ini.Save());
    EXPECT_TRUE(fs::is_directory(dir.Path() / "VBPLUMO3.INI"));
}

TEST(IniSave, EmptyFileIsAnEmptyIni) {
    TempDir dir;
    TIniFile ini(dir.Write("VBPLUMO3.INI", ""));
    ASSERT_TRUE(ini.Load());
    EXPECT_EQ(ini.Value("S", "K"), std::nullopt);
}

}  // namespace
}  // namespace plumora

// The file routines of the backup step: block copies, directories, paths.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "processing/file_copy.h"
#include "processing/output_paths.h"
#include "support/temp_dir.h"

namespace plumora {
namespace {

namespace fs = std::filesystem;
using testing::ReadAll;
using testing::TempDir;

std::size_t EntriesIn(const fs::path& dir) {
    std::size_t n = 0;
    for (auto it = fs::directory_iterator(dir); it != fs::directory_iterator(); ++it) ++n;
    return n;
}

TEST(CopyFileData, CopiesEveryByteAcrossBlockBoundaries) {
    TempDir dir;
    for (std::size_t size : {0u, 1u, 2047u, 2048u, 2049u, 100000u}) {
        std::string bytes(size, '\0');
        for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 7 + 3);
        std::string src = dir.Write("src.bin", bytes);
        std::string dst = (dir.Path() / "out" ).string();
        fs::create_directories(dst);
        ASSERT_TRUE(CopyFileData(src, dst + "/copy.bin")) << size;
        EXPECT_EQ(ReadAll(dst + "/copy.bin"), bytes) << size;
    }
}

TEST(CopyFileData, RefusesSameFileAndMissingSource) {
    TempDir dir;
    std::string src = dir.Write("a.bas", "Sub A()\r\nEnd Sub\r\n");
    EXPECT_FALSE(CopyFileData(src, src));
    // The same file under another spelling must not be truncated either.
    EXPECT_FALSE(CopyFileData(src, dir.Str() + "/./a.bas"));
    EXPECT_EQ(ReadAll(src), "Sub A()\r\nEnd Sub\r\n");
    EXPECT_FALSE(CopyFileData(dir.Str() + "/missing.bas", dir.Str() + "/x.bas"));
    EXPECT_FALSE(fs::exists(dir.Path() / "x.bas"));
    // A target whose directory does not exist.
    EXPECT_FALSE(CopyFileData(src, dir.Str() + "/no/such/dir/a.bas"));
}

TEST(CopyFileData, FailedReadLeavesOldTargetAndNoTemporaryFile) {
    TempDir dir;
    std::string target = dir.Write("out/a.bin", "old content");
    // Reading this file fails at its first block.
    ASSERT_FALSE(CopyFileData("/proc/self/mem", target));
    EXPECT_EQ(ReadAll(target), "old content");
    EXPECT_EQ(EntriesIn(dir.Path() / "out"), 1u);
}

TEST(CopyFileKeepDate, KeepsModificationTimeAndPermissions) {
    TempDir dir;
    std::string src = dir.Write("P.vbp", "Type=Exe\r\n");
    ASSERT_EQ(::chmod(src.c_str(), 0640), 0);
    auto old = fs::file_time_type::clock::now() - std::chrono::hours(24 * 400);
    fs::last_write_time(src, old);
    std::string kept = dir.Str() + "/kept.vbp";
    std::string plain = dir.Str() + "/plain.vbp";
    ASSERT_TRUE(CopyFileKeepDate(src, kept));
    ASSERT_TRUE(CopyFileData(src, plain));
    EXPECT_EQ(fs::last_write_time(kept), old);
    EXPECT_NE(fs::last_write_time(plain), old);
    struct stat st {};
    ASSERT_EQ(::stat(kept.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST(EnsureDirectory, CreatesParentsAndFailsThroughAFile) {
    TempDir dir;
    EXPECT_TRUE(EnsureDirectory(dir.Str() + "/a/b/c/"));
    EXPECT_TRUE(fs::is_directory(dir.Path() / "a/b/c"));
    EXPECT_TRUE(EnsureDirectory(dir.Str() + "/a/b/c"));
    std::string file = dir.Write("plain.txt", "x");
    EXPECT_FALSE(EnsureDirectory(file + "/sub/"));
    EXPECT_FALSE(EnsureDirectory(file));
    EXPECT_FALSE(EnsureDirectory("/proc/plumora-cannot-create/"));
}

TEST(DeleteListedFiles, ReportsAnyFailureAndDeletesTheRest) {
    TempDir dir;
    dir.Write("a.bas", "a");
    dir.Write("b.bas", "b");
    EXPECT_TRUE(DeleteListedFiles({"a.bas"}, dir.Str()));
    EXPECT_FALSE(DeleteListedFiles({"missing.bas", "b.bas"}, dir.Str() + "/"));
    EXPECT_EQ(EntriesIn(dir.Path()), 0u);
}

TEST(ListOrdinaryFiles, SkipsDirectories) {
    TempDir dir;
    dir.Write("b.bas", "b");
    dir.Write("a.frm", "a");
    dir.Write("STYLED/c.bas", "c");
    EXPECT_EQ(ListOrdinaryFiles(dir.Str()), (std::vector<std::string>{"a.frm", "b.bas"}));
}

TEST(OutputPaths, JoinPathPutsExactlyOneSeparator) {
    EXPECT_EQ(JoinPath("C:\\OUT", "A.BAS"), "C:\\OUT\\A.BAS");
    EXPECT_EQ(JoinPath("C:\\OUT\\", "A.BAS"), "C:\\OUT\\A.BAS");
    EXPECT_EQ(JoinPath("/tmp/out", "A.BAS"), "/tmp/out/A.BAS");
    EXPECT_EQ(JoinPath("/tmp/out/", "A.BAS"), "/tmp/out/A.BAS");
    EXPECT_EQ(JoinPath("/p/.\\STYLED\\", "A.BAS"), "/p/.\\STYLED\\A.BAS");
}

TEST(OutputPaths, SettingIsRelativeToTheProjectUnlessAbsolute) {
    EXPECT_EQ(OutputDirSetting("/p/", ".\\STYLED\\"), "/p/.\\STYLED\\");
    EXPECT_EQ(OutputDirSetting("/p/", "D:\\OUT\\"), "D:\\OUT\\");
    EXPECT_EQ(OutputDirSetting("/p/", "/srv/out"), "/srv/out");
    EXPECT_EQ(OutputDirSetting("/p/", ""), "/p/");
}

TEST(OutputPaths, LocalDirectoryMatchesExistingCaseAndNormalises) {
    TempDir dir;
    fs::create_directories(dir.Path() / "Proj" / "Styled");
    std::string base = dir.Str();
    EXPECT_EQ(LocalDirectoryPath(base + "/Proj/.\\STYLED\\"), base + "/Proj/Styled/");
    EXPECT_EQ(LocalDirectoryPath(base + "/Proj/.\\NEW\\DIR"), base + "/Proj/NEW/DIR/");
    EXPECT_EQ(LocalDirectoryPath(base + "/Proj/..\\Out"), base + "/Out/");
    EXPECT_EQ(LocalDirectoryPath("D:\\OUT\\"), "");
    EXPECT_EQ(LocalDirectoryPath("d:OUT"), "");
}

}  // namespace
}  // namespace plumora

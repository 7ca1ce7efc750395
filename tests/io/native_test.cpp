// The system layer under the file code: line-end style of a text, trailing
// separators, and the facts of a path (kind, link, identity, writability).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "io/native.h"
#include "io/text_lines.h"
#include "support/temp_dir.h"

namespace plumora {
namespace {

namespace fs = std::filesystem;

TEST(LineEndOf, LfOnlyWhenEveryLineEndIsABareLf) {
    struct Row {
        const char* Name;
        std::string_view Text;
        std::string_view Expected;
    };
    const Row rows[] = {
        {"lf", "a\nb\n", "\n"},
        {"crlf", "a\r\nb\r\n", "\r\n"},
        {"mixed", "a\r\nb\n", "\r\n"},
        {"cr only", "a\rb\r", "\r\n"},
        {"no line end", "a", "\r\n"},
        {"empty", "", "\r\n"},
        {"lf without the last", "a\nb", "\n"},
    };
    for (const Row& row : rows) EXPECT_EQ(LineEndOf(row.Text), row.Expected) << row.Name;
}

TEST(WithoutTrailingSeparators, KeepsTheRoot) {
    EXPECT_EQ(WithoutTrailingSeparators("/a/b//"), "/a/b");
    EXPECT_EQ(WithoutTrailingSeparators("/a"), "/a");
    EXPECT_EQ(WithoutTrailingSeparators("/"), "/");
    EXPECT_EQ(WithoutTrailingSeparators("//"), "/");
    EXPECT_EQ(WithoutTrailingSeparators("rel/"), "rel");
}

TEST(StatPath, KindLinkIdentityAndWritability) {
    testing::TempDir dir;
    const std::string file = dir.Write("a.bas", "x");
    const std::string other = dir.Write("b.bas", "x");
    fs::create_hard_link(file, dir.Path() / "hard.bas");
    fs::create_symlink(file, dir.Path() / "soft.bas");

    TPathFacts a, b, hard, soft, softItself, folder;
    ASSERT_TRUE(StatPath(file, a));
    ASSERT_TRUE(StatPath(other, b));
    ASSERT_TRUE(StatPath(dir.Str() + "/hard.bas", hard));
    ASSERT_TRUE(StatPath(dir.Str() + "/soft.bas", soft));
    ASSERT_TRUE(StatPath(dir.Str() + "/soft.bas", softItself, false));
    ASSERT_TRUE(StatPath(dir.Str(), folder));
    EXPECT_TRUE(a.Regular && a.Kind.empty() && a.OwnerWritable);
    EXPECT_TRUE(folder.Directory && !folder.Regular);
    EXPECT_EQ(folder.Kind, "a directory");
    EXPECT_NE(a.Identity, b.Identity);
    EXPECT_EQ(a.Identity, hard.Identity);
    EXPECT_EQ(a.Identity, soft.Identity);
    EXPECT_FALSE(soft.Link);
    EXPECT_TRUE(softItself.Link);

    fs::permissions(other, fs::perms::owner_read);
    ASSERT_TRUE(StatPath(other, b));
    EXPECT_FALSE(b.OwnerWritable);
    EXPECT_EQ(b.Mode, 0400u);
    EXPECT_FALSE(StatPath(dir.Str() + "/missing", b));
}

}  // namespace
}  // namespace plumora

// Where the commentor writes: the backup directory setting against the
// module's directory.
#include <gtest/gtest.h>

#include "commentor/output_path.h"

namespace plumora {
namespace {

TEST(CommentorOutputPathTest, SettingAgainstTheModuleDirectory) {
    struct Case {
        const char* ModuleDir;
        const char* Setting;
        const char* Directory;
    } cases[] = {
        {"/home/u/proj/", ".\\STYLED\\", "/home/u/proj/STYLED/"},
        {"/home/u/proj/", "STYLED", "/home/u/proj/STYLED"},
        {"/home/u/proj/", "..\\out\\", "/home/u/proj/../out/"},  // ".." stays as written
        {"/home/u/proj/", "/tmp/styled/", "/tmp/styled/"},
        {"/home/u/proj/", "/tmp/./a\\b", "/tmp/a/b"},
        {"/home/u/proj/", "D:\\OUT\\", "D:\\OUT\\"},
        {"/home/u/proj/", "", "/home/u/proj/"},
        {"/home/u/proj/", ".\\", "/home/u/proj/"},
        {"", ".\\STYLED\\", "STYLED/"},
        {"", "", ""},
        {"", ".", "./"},
        {"/", ".\\", "/"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CommentorOutputDirectory(c.ModuleDir, c.Setting), c.Directory)
            << c.ModuleDir << " + " << c.Setting;
    }
}

TEST(CommentorOutputPathTest, OutputFile) {
    EXPECT_EQ(CommentorOutputFile("/p/STYLED/", "Mod.bas"), "/p/STYLED/Mod.bas");
    EXPECT_EQ(CommentorOutputFile("/p/STYLED", "Mod.bas"), "/p/STYLED/Mod.bas");
    EXPECT_EQ(CommentorOutputFile("D:\\OUT", "Mod.bas"), "D:\\OUT\\Mod.bas");
    EXPECT_EQ(CommentorOutputFile("", "Mod.bas"), "Mod.bas");
}

}  // namespace
}  // namespace plumora

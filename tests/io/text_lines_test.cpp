// Line reading: every kind of line end, exact bytes, block boundaries and
// failures, both from memory and from disk.
#include "io/text_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace plumora {
namespace {

using Lines = std::vector<std::string>;
using namespace std::string_literals;

struct SplitCase {
    const char* Name;
    std::string Text;
    Lines Expected;
};

const std::vector<SplitCase>& SplitCases() {
    static const std::vector<SplitCase> cases = {
        {"empty", "", {}},
        {"one line without end", "abc", {"abc"}},
        {"LF", "a\nb\n", {"a", "b"}},
        {"CR LF", "a\r\nb\r\n", {"a", "b"}},
        {"CR only", "a\rb\r", {"a", "b"}},
        {"mixed", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"blank lines", "a\n\n\nb", {"a", "", "", "b"}},
        {"only a line end", "\r\n", {""}},
        {"LF then CR is two ends", "\n\r", {"", ""}},
        {"CR CR LF is two ends", "a\r\r\nb", {"a", "", "b"}},
        {"NUL bytes kept", "a\0b\nc\0"s, {"a\0b"s, "c\0"s}},
        {"Windows-1252 kept", "caf\xe9\r\n\x80\xff", {"caf\xe9", "\x80\xff"}},
        {"Ctrl-Z kept", "End Sub\r\n\x1a", {"End Sub", "\x1a"}},
        {"Ctrl-Z inside a line", "a\x1a" "b", {"a\x1a" "b"}},
    };
    return cases;
}

TEST(SplitTextLines, SplitsEveryKindOfLineEnd) {
    for (const auto& c : SplitCases()) {
        Lines lines;
        SplitTextLines(c.Text, lines);
        EXPECT_EQ(lines, c.Expected) << c.Name;
    }
}

TEST(ReadTextLines, ReadsFilesLikeTheSplitter) {
    testing::TempDir dir;
    int n = 0;
    for (const auto& c : SplitCases()) {
        std::string path = dir.Write("f" + std::to_string(n++), c.Text);
        Lines lines{"stale"};
        TIoResult result = ReadTextLines(path, lines);
        ASSERT_TRUE(result.Ok) << c.Name << ": " << result.Error;
        EXPECT_EQ(lines, c.Expected) << c.Name;
        std::size_t count = 99;
        ASSERT_TRUE(CountTextLines(path, count).Ok) << c.Name;
        EXPECT_EQ(count, c.Expected.size()) << c.Name;
    }
}

// The file is read in blocks of 64 KiB; a CR LF pair split by a block boundary
// must still be one line end, and a CR at a boundary followed by text must not
// swallow the text.
TEST(ReadTextLines, LineEndsAcrossBlockBoundaries) {
    testing::TempDir dir;
    const std::size_t block = 64 * 1024;
    for (std::size_t fill : {block - 1, block - 2, block, 2 * block - 1}) {
        std::string head(fill, 'x');
        for (const std::string& tail : {"\r\ny"s, "\ry"s, "\r\n"s, "\r"s, "\n\ry"s}) {
            std::string path = dir.Write("b", head + tail);
            Lines expected;
            SplitTextLines(head + tail, expected);
            Lines lines;
            ASSERT_TRUE(ReadTextLines(path, lines).Ok);
            EXPECT_EQ(lines, expected) << "fill " << fill;
            std::size_t count = 0;
            ASSERT_TRUE(CountTextLines(path, count).Ok);
            EXPECT_EQ(count, expected.size()) << "fill " << fill;
        }
    }
}

TEST(ReadTextLines, OneMegabyteOnASingleLine) {
    testing::TempDir dir;
    std::string big(1 << 20, 'A');
    big[12345] = '\0';
    big[500000] = '\xe9';
    std::string path = dir.Write("big.bas", big);
    Lines lines;
    ASSERT_TRUE(ReadTextLines(path, lines).Ok);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], big);
}

TEST(ReadTextLines, FailuresAreReportedWithThePath) {
    testing::TempDir dir;
    std::string missing = (dir.Path() / "missing.bas").string();
    Lines lines{"stale"};
    TIoResult result = ReadTextLines(missing, lines);
    EXPECT_FALSE(result.Ok);
    EXPECT_NE(result.Error.find(missing), std::string::npos) << result.Error;
    EXPECT_TRUE(lines.empty());

    lines = {"stale"};
    result = ReadTextLines(dir.Str(), lines);
    EXPECT_FALSE(result.Ok) << "a directory is not a file";
    EXPECT_NE(result.Error.find("directory"), std::string::npos) << result.Error;
    EXPECT_TRUE(lines.empty());

    std::size_t count = 7;
    EXPECT_FALSE(CountTextLines(missing, count).Ok);
    EXPECT_EQ(count, 0u);
    EXPECT_FALSE(ReadTextLines("", lines).Ok);
}

}  // namespace
}  // namespace plumora

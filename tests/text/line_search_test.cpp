// The search of the line views, the shared scroll bar figures and the
// Windows-1252 table behind both the display and the search.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/code_page.h"
#include "text/line_search.h"
#include "viewers/scroll_both.h"
#include "text/windows_1252.h"

namespace plumora {
namespace {

int Find(const std::vector<std::string>& lines, int top, const std::string& text, bool down,
         bool matchCase = false) {
    return FindLine(
        static_cast<int>(lines.size()), [&](int n) { return std::string_view(lines[n]); }, top,
        text, down, matchCase);
}

TEST(LineSearch, StartsBesideTheTopLineAndNeverWraps) {
    const std::vector<std::string> lines = {"Dim a", "x = 1", "Dim b", "y = 2", "Dim c"};
    struct TCase {
        const char* Name;
        int Top;
        const char* Text;
        bool Down;
        int Expected;
    };
    const TCase cases[] = {
        {"down from the top skips the top line", 0, "Dim", true, 2},
        {"down continues from a found line", 2, "Dim", true, 4},
        {"down from the last line", 4, "Dim", true, -1},
        {"up from line 0", 0, "Dim", false, -1},
        {"up skips the top line", 4, "Dim", false, 2},
        {"up reaches line 0", 1, "Dim", false, 0},
        {"only on the top line, down", 1, "x =", true, -1},
        {"only on the top line, up", 1, "x =", false, -1},
        {"no wrap after a miss below", 3, "x =", true, -1},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(Find(lines, c.Top, c.Text, c.Down), c.Expected) << c.Name;
}

TEST(LineSearch, CaseIsIgnoredUnlessAsked) {
    const std::vector<std::string> lines = {"top", "If bDone Then", "IF BDONE THEN"};
    EXPECT_EQ(Find(lines, 0, "bdone", true), 1);
    EXPECT_EQ(Find(lines, 0, "BDONE", true, true), 2);
    EXPECT_EQ(Find(lines, 0, "bdone", true, true), -1);
    // Accented letters of the code page fold too: "é" finds "É".
    EXPECT_TRUE(LineContains("Caf\xC9", "caf\xE9", false));
    EXPECT_FALSE(LineContains("Caf\xC9", "caf\xE9", true));
    // Upper-casing never invents a match between different letters.
    EXPECT_FALSE(LineContains("\xF7", "\xD7", false));  // ÷ is not ×
}

TEST(LineSearch, EmptyAndOutOfRangeTopLines) {
    EXPECT_EQ(Find({}, 0, "a", true), -1);
    EXPECT_EQ(Find({}, 0, "a", false), -1);
    const std::vector<std::string> lines = {"a", "b"};
    EXPECT_EQ(Find(lines, 7, "a", false), 0);  // a top beyond the end searches every line
    EXPECT_EQ(Find(lines, -1, "a", true), 0);
}

TEST(ScrollBoth, RangeFollowsTheLongerView) {
    struct TCase {
        const char* Name;
        int LeftCount, LeftFit, RightCount, RightFit;
        TScrollBothRange Expected;
    };
    const TCase cases[] = {
        {"right longer", 100, 30, 120, 30, {0, 90, 1, 29}},
        {"left longer", 120, 30, 100, 30, {0, 90, 1, 29}},
        {"tie takes the right view's fit", 50, 10, 50, 20, {0, 30, 1, 19}},
        {"both fit", 10, 30, 12, 30, {0, 1, 1, 29}},
        {"nothing fits", 10, 0, 10, 0, {0, 10, 1, 1}},
        {"one line fits", 10, 1, 10, 1, {0, 9, 1, 1}},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(ScrollBothRange(c.LeftCount, c.LeftFit, c.RightCount, c.RightFit), c.Expected)
            << c.Name;
}

TEST(ScrollBoth, PositionIsLimitedToTheViewsLineCount) {
    EXPECT_EQ(ScrollBothTopLine(40, 100), 40);
    EXPECT_EQ(ScrollBothTopLine(110, 100), 100);
    EXPECT_EQ(ScrollBothTopLine(5, 0), 0);
    EXPECT_EQ(ScrollBothTopLine(-3, 10), 0);
}

TEST(Windows1252, HighBytesMapToTheirUnicodeCharacters) {
    EXPECT_EQ(Windows1252ToUnicode(0x80), u'\u20AC');  // €
    EXPECT_EQ(Windows1252ToUnicode(0x92), u'\u2019');  // ’
    EXPECT_EQ(Windows1252ToUnicode(0x9F), u'\u0178');  // Ÿ
    EXPECT_EQ(Windows1252ToUnicode(0x81), u'\u0081');  // undefined: kept as is
    EXPECT_EQ(Windows1252ToUnicode(0xE9), u'\u00E9');  // é
    EXPECT_EQ(Windows1252ToUnicode('A'), u'A');
}

TEST(Windows1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    std::u16string utf16;
    Windows1252ToUtf16(all, utf16);
    std::string back;
    ASSERT_TRUE(Utf16ToWindows1252(utf16, back));
    EXPECT_EQ(back, all);

    std::string out;
    EXPECT_FALSE(Utf16ToWindows1252(u"\u4E2D", out));  // no byte for a CJK character
}

}  // namespace
}  // namespace plumora

namespace plumora {
namespace {

TEST(LineSearch, DoubleByteTextMatchesOnlyWholeCharacters) {
    const TTextCodec& sjis = TTextCodec::Of(932);
    // "\x82\x60" is the full-width A; its trail byte is the ASCII backquote,
    // and "\x83\x41" (katakana a) has the trail byte "A".
    struct TCase {
        const char* Name;
        const char* Line;
        const char* Text;
        bool MatchCase;
        bool Expected;
    };
    const TCase cases[] = {
        {"a trail byte is no letter", "x = \"\x83\x41\"", "A", false, false},
        {"nor a lower-case one", "x = \"\x83\x41\"", "a", false, false},
        {"the whole character is found", "x = \"\x83\x41\"", "\x83\x41", true, true},
        {"ASCII still folds", "If bDone Then", "BDONE", false, true},
        {"a match never starts inside a character", "\x95\x5C\x5C", "\x5C\x5C", true, false},
        {"after it, it may", "\x95\x5C\x5C\x5C", "\x5C\x5C", true, true},
        {"kanji beside ASCII", "' \x93\xFA\x96\x7B OK", "\x96\x7B ok", false, true},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(LineContains(c.Line, c.Text, c.MatchCase, sjis), c.Expected) << c.Name;
    // The same bytes read as Windows-1252 have letters everywhere.
    EXPECT_TRUE(LineContains("x = \"\x83\x41\"", "a", false));
}

}  // namespace
}  // namespace plumora

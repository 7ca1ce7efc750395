// Text and line operations: positions, trimming, tabs, comments, literals.
#include "formatter/line_ops.h"

#include <gtest/gtest.h>

namespace plumora {
namespace {

TEST(TextOps, PartsAndSearchFollowOneBasedPositions) {
    EXPECT_EQ(LeftPart("abc", 2), "ab");
    EXPECT_EQ(LeftPart("abc", 9), "abc");
    EXPECT_EQ(LeftPart("abc", -1), "");
    EXPECT_EQ(RightPart("abc", 2), "bc");
    EXPECT_EQ(RightPart("abc", 0), "");
    EXPECT_EQ(FindText("a Then b", "Then"), 3);
    EXPECT_EQ(FindText("a then b", "Then"), 0);
    EXPECT_EQ(FindTextFrom(4, "abcabc", "a"), 4);
    EXPECT_EQ(FindTextFrom(5, "abcabc", "a"), 0);
    EXPECT_EQ(FindTextFrom(7, "abcabc", "c"), 0);
    EXPECT_EQ(Blanks(3), "   ");
    EXPECT_EQ(Blanks(-4), "");
    EXPECT_EQ(LeadingBlanks("   x "), 3);
    EXPECT_EQ(LeadingBlanks("    "), 4);
}

TEST(TextOps, RepeatToLengthCapsAndSurvivesAnEmptyPattern) {
    EXPECT_EQ(RepeatToLength("-=", 5), "-=-=-");
    EXPECT_EQ(RepeatToLength("abc", 2), "ab");
    EXPECT_EQ(RepeatToLength("-", 5000).size(), 1000u);
    EXPECT_EQ(RepeatToLength("", 10), "");
}

TEST(TextOps, TrimmingRemovesEveryControlCode) {
    EXPECT_EQ(TrimView(std::string_view("\x01\t x \x1f\r", 7)), "x");
    EXPECT_EQ(TrimLeftView("  x  "), "x  ");
    EXPECT_EQ(TrimRightView("  x  "), "  x");
}

TEST(LineOps, TabsBecomeAFixedNumberOfBlanksEverywhere) {
    EXPECT_EQ(TabsToSpaces("\tx = \"a\tb\"", 4), "    x = \"a    b\"");
    EXPECT_EQ(TabsToSpaces("ab\tc", 2), "ab  c");
}

TEST(LineOps, CommentIsTheFirstApostropheOutsideLiterals) {
    struct Case { const char* line; int start; const char* text; };
    const Case cases[] = {
        {"x = 1 'it's", 7, "it's"},
        {"x = \"it's\"", 0, ""},
        {"x = \"a\" ' b \"c\"", 9, " b \"c\""},
        {"' whole line", 1, " whole line"},
        {"Rem it's a note", 0, ""},
        {"x = 1: Rem don't split: here", 0, ""},
        {"100 Rem it's numbered", 0, ""},
        {"Remove = 1 ' note", 12, " note"},
        {"x = \"unterminated 'x", 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(CommentStart(c.line), c.start);
        EXPECT_EQ(CommentText(c.line), c.text);
    }
}

TEST(LineOps, StripCommentRemovesBlanksBeforeItOnly) {
    std::string a = "x = 1    ' note";
    StripComment(a);
    EXPECT_EQ(a, "x = 1");
    std::string b = "x = 1   ";
    StripComment(b);
    EXPECT_EQ(b, "x = 1   ");
}

TEST(LineOps, CodePartDropsApostropheAndRemComments) {
    EXPECT_EQ(CodePart("x = 1 ' a: b"), "x = 1");
    EXPECT_EQ(CodePart("x = 1: Rem a: \"b"), "x = 1:");
    EXPECT_EQ(CodePart("Rem \"x\""), "");
    EXPECT_EQ(RemStart("  Rem x"), 3);
    EXPECT_EQ(RemStart("Remark = 1"), 0);
}

TEST(LineOps, Literals) {
    std::string s = "a = \"x:y\" & b & \"say \"\"hi\"\"\"";
    StripLiterals(s);
    EXPECT_EQ(s, "a =  & b & ");
    EXPECT_TRUE(HasStringLiteral("x = \"a\""));
    EXPECT_FALSE(HasStringLiteral("x = 1 ' \"quoted\""));
    EXPECT_FALSE(HasStringLiteral("Rem \"quoted\""));
    EXPECT_EQ(FindOutsideQuotes("\"a,b\", c", ','), 6);
    EXPECT_EQ(FindOutsideQuotes("\"a,b\"", ','), 0);
    EXPECT_TRUE(IsInsideLiteral(3, "x\"a:b\""));
    EXPECT_FALSE(IsInsideLiteral(1, "x\"a\""));
    EXPECT_FALSE(IsInsideLiteral(0, "\"a\""));
    EXPECT_FALSE(IsInsideLiteral(9, "\"a\""));
}

TEST(LineOps, LineNumbers) {
    std::string_view number, statement;
    EXPECT_EQ(SplitLineNumber("100     If x Then", number, statement), 3u);
    EXPECT_EQ(number, "100");
    EXPECT_EQ(statement, "If x Then");
    EXPECT_EQ(SplitLineNumber("  20", number, statement), 2u);
    EXPECT_EQ(statement, "");
    EXPECT_EQ(SplitLineNumber("100: x = 1", number, statement), 0u);
    EXPECT_EQ(SplitLineNumber("x = 100", number, statement), 0u);
    EXPECT_EQ(statement, "x = 100");
}

}  // namespace
}  // namespace plumora

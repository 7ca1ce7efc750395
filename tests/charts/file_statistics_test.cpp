// The counting rules of the statistics: what a comment, a code line, a blank
// line, a routine and a global are, and the half-to-even percentages.
#include "charts/file_statistics.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace plumora {
namespace {

struct LineCase {
    const char* Line;
    bool Comment;
    bool Code;
    bool Blank;
    int Routines;
    int Globals;
};

TEST(FileStatistics, EachLineCountsWhereItBelongs) {
    const LineCase cases[] = {
        // line                                      comment code  blank  routines globals
        {"", false, false, true, 0, 0},
        {"   \t \x1a", false, false, true, 0, 0},
        {"' only a comment", true, false, false, 0, 0},
        {"    ' indented comment", true, false, false, 0, 0},
        {"Dim s As String ' note", true, true, false, 0, 0},
        {"s = \"it's here\"", false, true, false, 0, 0},
        {"s = \"a\" & \"b\" ' it's after two strings", true, true, false, 0, 0},
        {"s = \"unclosed ' still inside", false, true, false, 0, 0},
        {"Rem a remark", false, true, false, 0, 0},
        {"Sub Main()", false, true, false, 1, 0},
        {"  Public Sub Main() ' entry", true, true, false, 1, 0},
        {"Private Sub A()", false, true, false, 1, 0},
        {"Static Sub A()", false, true, false, 1, 0},
        {"Function F()", false, true, false, 1, 0},
        {"Private Function F()", false, true, false, 1, 0},
        {"Static Function F()", false, true, false, 1, 0},
        {"Public Function F() As Long", false, true, false, 1, 0},
        {"Private Static Function F()", false, true, false, 0, 0},
        {"function f()", false, true, false, 0, 0},
        {"Friend Sub A()", false, true, false, 0, 0},
        {"Sub", false, true, false, 0, 0},
        {"Subtotal = 1", false, true, false, 0, 0},
        {"End Sub", false, true, false, 0, 0},
        {"' Sub Commented()", true, false, false, 0, 0},
        {"\tSub Tabbed()", false, true, false, 1, 0},
        {"Global a, b, c As Integer", false, true, false, 0, 3},
        {"Global x(1, 2)", false, true, false, 0, 2},
        {"global lower As Long", false, true, false, 0, 1},
        {"  GLOBAL Const A = 1 ' x, y, z", true, true, false, 0, 1},
        {"Global Const S = \"a,b\"", false, true, false, 0, 2},
        {"GlobalName = 1, 2", false, true, false, 0, 0},
        {"Global", false, true, false, 0, 0},
        {"Dim a, b, c", false, true, false, 0, 0},
    };
    for (const LineCase& c : cases) {
        TFileLineStats stats;
        CountStatsLine(c.Line, stats);
        SCOPED_TRACE(c.Line);
        EXPECT_EQ(stats.CommentLines, c.Comment ? 1 : 0);
        EXPECT_EQ(stats.CodeLines, c.Code ? 1 : 0);
        EXPECT_EQ(stats.BlankLines, c.Blank ? 1 : 0);
        EXPECT_EQ(stats.Routines, c.Routines);
        EXPECT_EQ(stats.Globals, c.Globals);
        EXPECT_EQ(IsStatsRoutineLine(c.Line), c.Routines == 1);
        EXPECT_EQ(StatsGlobalsOfLine(c.Line), c.Globals);
    }
}

TEST(FileStatistics, CodeTextIsCutBeforeTheCommentAndTrimmed) {
    EXPECT_EQ(StatsCodeText("  x = 1   ' set"), "x = 1");
    EXPECT_EQ(StatsCodeText("\t\r\x01 y \x7f"), "y \x7f");  // 127 is not trimmed
    EXPECT_EQ(StatsCodeText("'all comment"), "");
    EXPECT_EQ(StatsCommentStart("a = \"'\" ' c"), 8u);
    EXPECT_EQ(StatsCommentStart("a = \"\"\"'\"\"\""), std::string::npos);  // doubled quotes
}

TEST(FileStatistics, PercentRoundsHalvesToEven) {
    struct Case {
        std::int64_t Part, Whole, Expected;
    };
    const Case cases[] = {
        {1, 8, 12},    {3, 8, 38},   {5, 8, 62},    {7, 8, 88},  {1, 40, 2},  {3, 40, 8},
        {1, 200, 0},   {3, 200, 2},  {1, 3, 33},    {2, 3, 67},  {0, 5, 0},   {5, 5, 100},
        {7, 2, 350},   {1, 0, 100},  {3, 0, 300},   {0, 0, 0},   {1, 400, 0}, {3, 400, 1},
        {2147483647, 2147483647, 100},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PercentHalfEven(c.Part, c.Whole), c.Expected) << c.Part << "/" << c.Whole;
    }
}

TEST(FileStatistics, WholeFiles) {
    // Only comments: no code line counts as one, so the percentage is the
    // number of comment lines times 100.
    TFileLineStats onlyComments = CountFileLines({"' a", "' b", "", "' c"});
    EXPECT_EQ(CommentPercent(onlyComments), 300);
    EXPECT_EQ(BlankPercent(onlyComments), 100);

    // What an unreadable file is given instead of its text.
    TFileLineStats unavailable = CountFileLines({"NOT AVAILABLE"});
    EXPECT_EQ(unavailable.CodeLines, 1);
    EXPECT_EQ(unavailable.Routines + unavailable.Globals + unavailable.CommentLines +
                  unavailable.BlankLines,
              0);

    TFileLineStats empty = CountFileLines({});
    EXPECT_EQ(CommentPercent(empty), 0);
    EXPECT_EQ(BlankPercent(empty), 0);

    // 8 code lines, one with a trailing comment, three blank lines.
    std::vector<std::string> lines = {"Option Explicit", "", "Sub A() ' first", "  x = 1",
                                      "End Sub",         "", "Function B()",   "  B = 2",
                                      "End Function",    "", "' trailer",      "Global g"};
    TFileLineStats stats = CountFileLines(lines);
    EXPECT_EQ(stats.CodeLines, 8);
    EXPECT_EQ(stats.CommentLines, 2);
    EXPECT_EQ(stats.BlankLines, 3);
    EXPECT_EQ(stats.Routines, 2);
    EXPECT_EQ(stats.Globals, 1);
    EXPECT_EQ(CommentPercent(stats), 25);
    EXPECT_EQ(BlankPercent(stats), 38);  // 37.5

    // A huge line is scanned, not choked on.
    std::string huge(5'000'000, 'x');
    huge += " ' end";
    TFileLineStats big = CountFileLines({huge, std::string(1'000'000, ' ')});
    EXPECT_EQ(big.CodeLines, 1);
    EXPECT_EQ(big.CommentLines, 1);
    EXPECT_EQ(big.BlankLines, 1);
}

}  // namespace
}  // namespace plumora

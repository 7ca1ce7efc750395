// The commentor's line tests and routine searches, and the comment block.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commentor/comment_block.h"
#include "commentor/routine_lines.h"

namespace plumora {
namespace {

using Lines = std::vector<std::string>;

TEST(RoutineLinesTest, WhichLinesStartARoutine) {
    struct Case {
        const char* Line;
        bool Routine;
    } cases[] = {
        {"Sub Main()", true},
        {"Function F() As Long", true},
        {"   Private Sub cmd_Click()", true},
        {"\tStatic Function Count()", true},
        {"Public Sub Go", true},
        {"Private Function X", true},
        {"Static Sub Y", true},
        {"Public Function Z", true},
        {"sub main()", false},            // letter case as written
        {"Friend Sub Notify()", false},   // Friend is not among the starts
        {"Public Static Sub S()", false},
        {"Private  Sub Twice()", false},  // two blanks
        {"Sub", false},
        {"Subtotal = 1", false},
        {"Property Get P()", false},
        {"' Sub Commented()", false},
        {"", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsRoutineLine(c.Line), c.Routine) << c.Line;
}

TEST(RoutineLinesTest, WhichLinesEndARoutine) {
    struct Case {
        const char* Line;
        bool End;
    } cases[] = {
        {"End Sub", true},          {"   End Function", true}, {"End Sub ' done", true},
        {"End Function   ", true},  {"end sub", false},        {"End Subroutine", false},
        {"End Sub:", false},        {"End If", false},         {"End Property", false},
        {"Exit Sub", false},        {"", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsRoutineEndLine(c.Line), c.End) << c.Line;
    EXPECT_TRUE(IsBlockCommentLine("' note"));
    EXPECT_TRUE(IsBlockCommentLine("'"));
    EXPECT_FALSE(IsBlockCommentLine(" ' indented"));
    EXPECT_FALSE(IsBlockCommentLine("Rem old style"));
    EXPECT_FALSE(IsBlockCommentLine(""));
}

TEST(RoutineLinesTest, SearchesStopAtTheirLimits) {
    Lines lines = {"Sub A()", "Sub B()", "x", "Sub C()", "y"};
    EXPECT_EQ(FindRoutineDown(lines, 1), 1u);
    EXPECT_EQ(FindRoutineDown(lines, 2), 3u);
    EXPECT_FALSE(FindRoutineDown(lines, 4));
    EXPECT_FALSE(FindRoutineDown(lines, 99));
    EXPECT_EQ(FindRoutineUp(lines, 2, 1), 1u);
    EXPECT_FALSE(FindRoutineUp(lines, 2, 2));
    EXPECT_EQ(FindRoutineUp(lines, 99, 0), 3u);
    EXPECT_FALSE(FindRoutineUp(lines, 0, 2));
    EXPECT_FALSE(FindRoutineUp({}, 0, 0));
}

TEST(CommentBlockTest, CommentLinesAroundTheRoutineLine) {
    Lines lines = {"'first line never counts",
                   "' above 1",
                   "' above 2",
                   "Sub A()",
                   "' below",
                   " ' indented ends it",
                   "End Sub"};
    EXPECT_EQ(CommentBlockAt(lines, 3), (TCommentBlock{1, 4}));
    // A header comment below the routine line only, and a routine at the end.
    Lines after = {"x", "Sub B()", "'  Params : none", "'", "End Sub", "Sub C()"};
    EXPECT_EQ(CommentBlockAt(after, 1), (TCommentBlock{1, 3}));
    EXPECT_EQ(CommentBlockAt(after, 5), (TCommentBlock{5, 5}));
    Lines top = {"' a", "Sub D()"};
    EXPECT_EQ(CommentBlockAt(top, 1), (TCommentBlock{1, 1}));
}

TEST(CommentBlockTest, AuthorAndParamsFields) {
    THeaderFields fields = ReadHeaderFields({"'  Author : Ann Smith  ", "Sub A(x)",
                                             "   '  Params : x - the value", "' Author : no",
                                             "'  Author:missing blank", "'  Returns : n"});
    EXPECT_EQ(fields.Author, "Ann Smith");
    EXPECT_EQ(fields.Parameters, "x - the value");
    EXPECT_EQ(ReadHeaderFields({"'  Author :", "'  Author : second"}).Author, "second");
    EXPECT_EQ(ReadHeaderFields({"Sub A()"}).Author, "");
}

TEST(CommentBlockTest, MergeReplacesTheBlockAndFindsTheRoutine) {
    Lines lines = {"Attribute", "' old", "Sub A()", "' old 2", "  x = 1", "End Sub"};
    Lines editor = {"' new 1", "' new 2", "' new 3", "Sub A()", "' after"};
    EXPECT_EQ(MergeCommentBlock(lines, {1, 3}, editor), 4u);
    EXPECT_EQ(lines, (Lines{"Attribute", "' new 1", "' new 2", "' new 3", "Sub A()", "' after",
                            "  x = 1", "End Sub"}));

    Lines shrink = {"a", "' c", "Sub A()", "b"};
    EXPECT_FALSE(MergeCommentBlock(shrink, {1, 2}, {"' only a comment"}));
    EXPECT_EQ(shrink, (Lines{"a", "' only a comment", "b"}));

    Lines emptied = {"a", "Sub A()", "b"};
    EXPECT_FALSE(MergeCommentBlock(emptied, {1, 1}, {}));
    EXPECT_EQ(emptied, (Lines{"a", "b"}));

    // A block that reaches past the lines is cut to them.
    Lines shortLines = {"a", "Sub A()"};
    EXPECT_EQ(MergeCommentBlock(shortLines, {1, 5}, {"Sub B()"}), 1u);
    EXPECT_EQ(shortLines, (Lines{"a", "Sub B()"}));
}

}  // namespace
}  // namespace plumora

// Declarations: the declaration test, the variable and Const splits with and
// without the As correction, and the As alignment of declaration groups.
#include <gtest/gtest.h>

#include "formatter/declarations.h"
#include "support/expect_styled.h"

namespace plumora::testing {
namespace {

TEST(DeclarationTest, WhichLinesAreMultipleDeclarations) {
    struct Case {
        const char* Line;
        bool Var;
        bool Const;
    } cases[] = {
        {"Dim a, b", true, false},
        {"  redim x, y 'c", true, false},
        {"Static a, b", true, false},
        {"Global a, b", true, false},
        {"Global Const A = 1, B = 2", false, true},
        {"Const A = 1, B = 2", false, true},
        {"Static Sub X(a, b)", false, false},
        {"Static Function X(a, b)", false, false},
        {"Private a, b", false, false},  // Private and Public are not for these rules
        {"Public Const A = 1, B = 2", false, false},
        {"Dim s As String ' a, b", false, false},
        {"Const S = \"a,b\"", false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsMultiVarDeclaration(c.Line), c.Var) << c.Line;
        EXPECT_EQ(IsMultiConstDeclaration(c.Line), c.Const) << c.Line;
    }
}

TEST(DeclNameAndType, FirstVariableAndTheFirstAsClauseThatFollowsIt) {
    EXPECT_EQ(DeclName("a, b As Integer"), "a");
    EXPECT_EQ(DeclType("a, b As Integer"), " As Integer");
    EXPECT_EQ(DeclName(" a As Long, b"), "a");
    EXPECT_EQ(DeclType(" a As Long, b"), " As Long");
    EXPECT_EQ(DeclType("b"), "");
    EXPECT_EQ(DeclType("b As , c"), " As Variant");
    EXPECT_EQ(DeclName("s As String * 10, t"), "s");
    EXPECT_EQ(DeclType("s As String * 10, t"), " As String * 10");
}

TEST(SplitVariables, WithAndWithoutTheAsCorrection) {
    struct Case {
        const char* Line;
        bool Correct;
        std::vector<std::string> Pieces;
    } cases[] = {
        {"Dim a, b As Integer", true, {"Dim a As Integer", "Dim b As Integer"}},
        {"Dim a As Long, b", true, {"Dim a As Long", "Dim b"}},
        {"Dim a, b As Integer", false, {"Dim a", "Dim b As Integer"}},
        {"Dim a As Long, b", false, {"Dim a As Long", "Dim b"}},
        {"Dim a,b", false, {"Dim a", "Dim b"}},
        {"Dim a, b, c", true, {"Dim a", "Dim b", "Dim c"}},
        {"ReDim a, b 'x", false, {"Redim a    'x", "Redim b    'x"}},
        {"static a, b", false, {"Static a", "Static b"}},
    };
    for (const auto& c : cases) {
        TPieces pieces;
        EXPECT_TRUE(SplitVariables(c.Line, c.Correct, pieces)) << c.Line;
        EXPECT_EQ(pieces, c.Pieces) << c.Line;
    }
    TPieces pieces;
    EXPECT_FALSE(SplitVariables("Dim x(1 To 5, 2) As Long, y", true, pieces));
    EXPECT_FALSE(SplitVariables("Dim a, b: x = 1", true, pieces));  // ":" rule's turn
}

TEST(SplitConstants, PiecesKeepLiteralCommasAndCarryTheComment) {
    TPieces pieces;
    ASSERT_TRUE(SplitConstants("Global Const A = 1, B = \"x,y\"", pieces));
    EXPECT_EQ(pieces, (TPieces{"Global Const A = 1", "Global Const B = \"x,y\""}));
    ASSERT_TRUE(SplitConstants("Const A = 1,B = 2 'n", pieces));
    EXPECT_EQ(pieces, (TPieces{"Const A = 1     'n", "Const B = 2     'n"}));
    ASSERT_TRUE(SplitConstants("Const D = #January 1, 2000#, E = 2", pieces));
    EXPECT_EQ(pieces, (TPieces{"Const D = #January 1, 2000#", "Const E = 2"}));
}

TEST(SplitOptions, EachSplitOptionChangesTheOutputOnlyWhenSet) {
    TOptionSet off = Plain();
    off.SetBool(Opt::AlignMultiDimAs, false);
    struct Case {
        Opt Key;
        const char* Input;
        const char* Expected;
    } cases[] = {
        {Opt::MultiVarSplit, "Dim a, b As Integer", "    Dim a As Integer\n    Dim b As Integer"},
        {Opt::MultiConstSplit, "Const A = 1, B = 2", "    Const A = 1\n    Const B = 2"},
    };
    for (const auto& c : cases) {
        TOptionSet on = off;
        on.SetBool(c.Key, true);
        ExpectStyled(Sub(c.Input), Sub(c.Expected), on);
        EXPECT_EQ(Styled(Sub(c.Input), off), Sub(std::string("    ") + c.Input));
    }
    // CorrectAsProblem matters only while splitting.
    TOptionSet plain = off;
    plain.SetBool(Opt::MultiVarSplit, true);
    plain.SetBool(Opt::CorrectAsProblem, false);
    ExpectStyled(Sub("Dim a, b As Integer"), Sub("    Dim a\n    Dim b As Integer"), plain);
}

TEST(SplitVariables, ArrayBoundsLineStaysWholeAtItsIndentation) {
    TOptionSet o = Plain();
    o.SetBool(Opt::MultiVarSplit, true);
    ExpectStyled(Sub("Dim x(1 To 5, 2) As Long, y"), Sub("    Dim x(1 To 5, 2) As Long, y"), o);
}

TEST(AlignDeclarations, GroupsReachingTheQuantityAreLinedUp) {
    const std::string four = "Dim a As Long\nDim bbbb As Long\nDim cc As String\nReDim d(3) As Byte";
    const std::string aligned =
        "    Dim a      As Long\n    Dim bbbb   As Long\n    Dim cc     As String\n"
        "    ReDim d(3) As Byte";
    TOptionSet o = Plain();  // alignment on, group of 2
    ExpectStyled(Sub(four + "\nx = 1"), Sub(aligned + "\n    x = 1"), o);

    TOptionSet off = o;
    off.SetBool(Opt::AlignMultiDimAs, false);
    EXPECT_EQ(Styled(Sub(four + "\nx = 1"), off),
              Sub("    Dim a As Long\n    Dim bbbb As Long\n    Dim cc As String\n"
                  "    ReDim d(3) As Byte\n    x = 1"));
    TOptionSet five = o;
    five.SetInt(Opt::AlignDimAsGroupQty, 5);
    EXPECT_EQ(Styled(Sub(four + "\nx = 1"), five), Styled(Sub(four + "\nx = 1"), off));
}

TEST(AlignDeclarations, SingleLineAndGroupAtTheEndOfTheFileStayAsTheyAre) {
    TOptionSet o = Plain();
    ExpectStyled(Sub("Dim a As Long\nx = 1"), Sub("    Dim a As Long\n    x = 1"), o);
    const std::string tail = "Dim a As Long\nDim bbb As Long\nDim c As Long";
    EXPECT_EQ(Styled(tail, o), tail);
}

TEST(AlignDeclarations, AnAsBeyondTheColumnKeepsItsBlankAndCommentsDoNotCount) {
    std::string wide = "  Dim abcdef As Long";
    EXPECT_FALSE(AlignDeclaration(wide, 6));
    EXPECT_EQ(wide, "  Dim abcdef As Long");  // not glued to its name
    std::string narrow = "  Dim a As Long";
    EXPECT_TRUE(AlignDeclaration(narrow, 12));
    EXPECT_EQ(narrow, "  Dim a      As Long");
    std::string code = "  x = 1 As";
    EXPECT_FALSE(AlignDeclaration(code, 12));  // no declaration
    // An As in the comment neither sets the column nor moves.
    EXPECT_EQ(DeclarationAsColumn("Dim a ' as seen As before"), 1);
    std::string noAs = "Dim a ' comment As x";
    EXPECT_FALSE(AlignDeclaration(noAs, 20));
    ExpectStyled(Sub("Dim a ' as of old As x\nDim bbbbb As Long\nx = 1"),
                 Sub("    Dim a                               'as of old As x\n"
                     "    Dim bbbbb As Long\n    x = 1"),
                 OptionsWithoutOptionExplicit());
}

}  // namespace
}  // namespace plumora::testing

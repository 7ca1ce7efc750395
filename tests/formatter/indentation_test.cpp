// Indentation before/after: block structure, options read at use, the
// line forms of real projects (numbers, labels, Attribute lines, Next j, i).
#include <gtest/gtest.h>

#include "support/expect_styled.h"

namespace plumora::testing {
namespace {

TEST(Indentation, DefaultLayoutOfEveryBlock) {
    ExpectStyled(
        "Private Sub Demo(x As Long)\n"
        "Dim i As Long\n"
        "If x > 0 Then\n"
        "For i = 1 To x\n"
        "Do While i < 3\n"
        "While i < 2\n"
        "i = i + 1\n"
        "Wend\n"
        "Loop\n"
        "Next i\n"
        "ElseIf x < 0 Then\n"
        "Select Case x\n"
        "Case -1\n"
        "x = 0\n"
        "Case Else\n"
        "x = 1\n"
        "End Select\n"
        "Else\n"
        "With Me\n"
        ".Caption = \"zero\"\n"
        "End With\n"
        "End If\n"
        "End Sub",
        "Private Sub Demo(x As Long)\n"
        "    Dim i As Long\n"
        "    If x > 0 Then\n"
        "        For i = 1 To x\n"
        "            Do While i < 3\n"
        "                While i < 2\n"
        "                    i = i + 1\n"
        "                Wend\n"
        "            Loop\n"
        "        Next i\n"
        "    ElseIf x < 0 Then\n"
        "        Select Case x\n"
        "            Case -1\n"
        "                x = 0\n"
        "            Case Else\n"
        "                x = 1\n"
        "        End Select\n"
        "    Else\n"
        "        With Me\n"
        "            .Caption = \"zero\"\n"
        "        End With\n"
        "    End If\n"
        "End Sub",
        OptionsWithoutOptionExplicit());
}

TEST(Indentation, DeclarationsAndTypeAndEnumBlocksBeforeTheFirstProcedure) {
    ExpectStyled(
        "    Private Type Point\n"
        "x As Long\n"
        "Type As Integer\n"
        "  End Type\n"
        "Public Enum Colors\n"
        "Red = 1\n"
        "End Enum\n"
        "   Dim m As Long",
        "Private Type Point\n"
        "    x As Long\n"
        "    Type As Integer\n"
        "End Type\n"
        "Public Enum Colors\n"
        "    Red = 1\n"
        "End Enum\n"
        "Dim m As Long",
        OptionsWithoutOptionExplicit());
}

TEST(Indentation, EveryAmountIsReadFromTheOptions) {
    // Each option set to a distinct value, so a mixed-up amount shows.
    TOptionSet o = OptionsWithoutOptionExplicit();
    o.SetInt(Opt::DefaultLineIndent, 2);
    o.SetInt(Opt::IfThenElseIndent, 3);
    o.SetInt(Opt::SelectCaseIndent, 1);
    o.SetInt(Opt::CaseCodeIndent, 5);
    o.SetInt(Opt::ForNextIndent, 6);
    o.SetInt(Opt::DoLoopIndent, 7);
    o.SetInt(Opt::WhileWendIndent, 8);
    o.SetInt(Opt::WithEndIndent, 9);
    o.SetInt(Opt::LineContinueIndent, 10);
    o.SetInt(Opt::TypeEndIndent, 11);
    auto at = [](int n, const char* text) { return std::string(std::size_t(n), ' ') + text + "\n"; };
    std::string expected = at(0, "Type T") + at(11, "A As Long") + at(0, "End Type") +
                           at(0, "Sub S()") + at(2, "If a Then") + at(5, "b") + at(2, "Else") +
                           at(5, "c") + at(2, "End If") + at(2, "Select Case a") +
                           at(3, "Case 1") + at(8, "b") + at(2, "End Select") +
                           at(2, "For i = 1 To 2") + at(8, "Do") + at(15, "While a") +
                           at(23, "With x") + at(32, "y = a + _") + at(42, "b") +
                           at(23, "End With") + at(15, "Wend") + at(8, "Loop") + at(2, "Next") +
                           "End Sub";
    ExpectStyled(
        "Type T\nA As Long\nEnd Type\n"
        "Sub S()\nIf a Then\nb\nElse\nc\nEnd If\nSelect Case a\nCase 1\nb\nEnd Select\n"
        "For i = 1 To 2\nDo\nWhile a\nWith x\ny = a + _\nb\nEnd With\nWend\nLoop\nNext\nEnd Sub",
        expected,
        o);
}

}  // namespace
}  // namespace plumora::testing

namespace plumora::testing {
namespace {

TEST(Indentation, SwitchedOffLeavesEveryLineAlone) {
    TOptionSet o = OptionsWithoutOptionExplicit();
    o.SetBool(Opt::CodeIndentPerform, false);
    const std::string text = "Sub S()\n  If a Then\nb\n      End If\nEnd Sub";
    ExpectStyled(text, text, o);
    // The opposite setting changes the same text.
    EXPECT_NE(Styled(text, OptionsWithoutOptionExplicit()), text);
}

TEST(Indentation, SingleLineIfKeepsTheLevelAndThenAsPartOfANameOpensABlock) {
    ExpectStyled(
        "Sub S()\nIf a Then b = 1   \nIf bThenFlag Then\nc = 1\nEnd If\nIf a Then _\nb = 2\nd = 3\nEnd Sub",
        "Sub S()\n    If a Then b = 1\n    If bThenFlag Then\n        c = 1\n    End If\n"
        "    If a Then _\n        b = 2\n    d = 3\nEnd Sub",
        OptionsWithoutOptionExplicit());
}

TEST(Indentation, LabelsKeepTheirBlanksAndColonStatementsAreCode) {
    ExpectStyled(
        "Sub S()\nOn Error GoTo ErrHandler\nIf a Then\nx = 1: y = 2\n  Retry: z = 1\nEnd If\n"
        "ErrHandler:\n  Resume Next\nEnd Sub",
        "Sub S()\n    On Error GoTo ErrHandler\n    If a Then\n        x = 1: y = 2\n"
        "  Retry: z = 1\n    End If\nErrHandler:\n    Resume Next\nEnd Sub",
        OptionsWithoutOptionExplicit());
}

TEST(Indentation, LineNumbersStayInColumnOneAndTheStatementFollowsTheBlocks) {
    ExpectStyled(
        "Sub S()\n10 On Error GoTo 900\n100 If x Then\n110 y = 1\n"
        "120 For i = 1 To 3\n1234567890 z = i\n130 Next\n140 End If\n150\n900 Exit Sub\nEnd Sub",
        "Sub S()\n10  On Error GoTo 900\n100 If x Then\n110     y = 1\n"
        "120     For i = 1 To 3\n1234567890  z = i\n130     Next\n140 End If\n150\n900 Exit Sub\nEnd Sub",
        OptionsWithoutOptionExplicit());
}

TEST(Indentation, ContinuedLinesStartingWithDigitsAreNotLineNumbers) {
    ExpectStyled("Sub S()\nx = Array(1, _\n2, 3)\ny = a + _\n100 + b\nEnd Sub",
                 "Sub S()\n    x = Array(1, _\n        2, 3)\n    y = a + _\n        100 + b\nEnd Sub",
                 OptionsWithoutOptionExplicit());
}

TEST(Indentation, AttributeLinesStayUnderTheProcedureInColumnOne) {
    ExpectStyled(
        "Public Property Get Item(ByVal i As Long) As Object\n"
        "Attribute Item.VB_UserMemId = 0\n"
        "Set Item = m(i)\n"
        "End Property",
        "Public Property Get Item(ByVal i As Long) As Object\n"
        "Attribute Item.VB_UserMemId = 0\n"
        "    Set Item = m(i)\n"
        "End Property",
        OptionsWithoutOptionExplicit());
}

TEST(Indentation, NextWithSeveralVariablesClosesThatManyLoops) {
    ExpectStyled(
        "Sub S()\nFor i = 1 To 2\nFor j = 1 To 2\nx = i * j\nNext j, i\ny = 1\nEnd Sub",
        "Sub S()\n    For i = 1 To 2\n        For j = 1 To 2\n            x = i * j\n"
        "    Next j, i\n    y = 1\nEnd Sub",
        OptionsWithoutOptionExplicit());
}

TEST(Indentation, ContinuationNeedsABlankBeforeTheUnderscore) {
    ExpectStyled("Sub S()\nx = my_\ny = 1\nz = a _\n& b\nEnd Sub",
                 "Sub S()\n    x = my_\n    y = 1\n    z = a _\n        & b\nEnd Sub",
                 OptionsWithoutOptionExplicit());
}

TEST(Indentation, RemAndApostropheCommentsAreNotBlocks) {
    ExpectStyled("Sub S()\nRem If x Then: \"y\n' If x Then\nz = 1\nEnd Sub",
                 "Sub S()\n    Rem If x Then: \"y\n    ' If x Then\n    z = 1\nEnd Sub",
                 OptionsWithoutOptionExplicit());
}

TEST(Indentation, ProcedureFormsOfVb6ResetTheLevel) {
    ExpectStyled(
        "Sub A()\nIf x Then\nFriend Function F() As Long\nF = 1\nEnd Function\n"
        "Private Static Sub G()\nIf x Then\nPublic Static Function H()\nH = 1\nEnd Function",
        // The start line itself still stands at the running level.
        "Sub A()\n    If x Then\n        Friend Function F() As Long\n    F = 1\nEnd Function\n"
        "Private Static Sub G()\n    If x Then\n        Public Static Function H()\n    H = 1\n"
        "End Function",
        OptionsWithoutOptionExplicit());
}

TEST(Indentation, UnmatchedCloserGoesNegativeUntilTheNextProcedure) {
    ExpectStyled(
        "Sub A()\nEnd If\nEnd If\nx = 1\nElse\nCase 1\nEnd Sub\nSub B()\ny = 1\nEnd Sub",
        "Sub A()\nEnd If\nEnd If\nx = 1\nElse\nCase 1\nEnd Sub\nSub B()\n    y = 1\nEnd Sub",
        OptionsWithoutOptionExplicit());
}

TEST(Indentation, EmptyLinesAndTabs) {
    TOptionSet o = OptionsWithoutOptionExplicit();
    // An empty line stays empty: blanks on it would be litter. A line of
    // blanks becomes empty.
    EXPECT_EQ(Styled("Sub S()\n\nEnd Sub", o), "Sub S()\n\nEnd Sub");
    EXPECT_EQ(Styled("Sub S()\n   \t \nEnd Sub", o), "Sub S()\n\nEnd Sub");
    // Tabs become VBTabStops blanks before any rule sees the line; a tab in
    // a string literal is data and stays, one in a comment is layout.
    EXPECT_EQ(Styled("Sub S()\n\tx = \"a\tb\" '\tc\nEnd Sub", Plain()),
              "Sub S()\n    x = \"a\tb\" '    c\nEnd Sub");
}

}  // namespace
}  // namespace plumora::testing

namespace plumora::testing {
namespace {

TEST(Indentation, IfContinuedOverLinesOpensABlockOnlyWhenItEndsInThen) {
    ExpectStyled(
        "Sub S()\nIf a Or _\nb Then Exit Sub\nc = 1\nIf a Or _\nb Then\nd = 1\nEnd If\nEnd Sub",
        "Sub S()\n    If a Or _\n        b Then Exit Sub\n    c = 1\n    If a Or _\n            b Then\n"
        "        d = 1\n    End If\nEnd Sub",
        OptionsWithoutOptionExplicit());
}

}  // namespace
}  // namespace plumora::testing

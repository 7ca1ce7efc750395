// Rules that could change what the code means or stop Visual Basic loading
// it: each case is styled with the rules on and must keep the code intact,
// stay stable under a second styling, and pass the safety net.
#include <gtest/gtest.h>

#include "formatter/style_file.h"
#include "support/expect_styled.h"

namespace plumora::testing {
namespace {

// Before/after, and the safety net must let the result through.
void ExpectSafe(const std::string& input, const std::string& expected, const TOptionSet& o) {
    ExpectStyled(input, expected, o);
    TVBSrcFormatter f(o);
    const TStyleResult r = StyleFile(f, SplitLines(input), "M.bas", fkModule);
    EXPECT_FALSE(r.SafetyNet) << r.SafetyNet->Message();
}

TOptionSet Splits() {
    TOptionSet o = Plain();
    o.SetBool(Opt::MultiVarSplit, true);
    o.SetBool(Opt::MultiConstSplit, true);
    o.SetBool(Opt::IfThenSplit, true);
    o.SetBool(Opt::MultiStatementSplit, true);
    o.SetBool(Opt::AlignMultiDimAs, false);
    return o;
}

TEST(CodeMeaning, TypeCharacterNamesNeverTakeAnAsClause) {
    // `Dim a% As String * 1` is refused by Visual Basic and would make a%
    // a String.
    ExpectSafe(Sub("Dim a%, buf$, buf1 As String * 1"),
               Sub("    Dim a%\n    Dim buf$\n    Dim buf1 As String * 1"), Splits());
    ExpectSafe(Sub("Dim n&(5), m, k As Long"),
               Sub("    Dim n&(5), m, k As Long"), Splits());  // bounds: not split
    ExpectSafe(Sub("Static n&, m, k As Long"),
               Sub("    Static n&\n    Static m As Long\n    Static k As Long"), Splits());
}

TEST(CodeMeaning, OptionExplicitIsFoundInAnyCaseIndentationOrBranch) {
    TOptionSet o = Plain();
    o.SetBool(Opt::OptionExplicitInsert, true);
    for (const char* existing : {"  Option Explicit", "option explicit", "OPTION EXPLICIT 'x"}) {
        const std::string text = std::string(existing) + "\nSub A()\nEnd Sub";
        EXPECT_EQ(Styled(text, o).find("Force all variables"), std::string::npos) << existing;
    }
    const std::string branch = "#If DIRECT_PLAY = 1 Then\nOption Explicit\n#End If\nSub A()\nEnd Sub";
    EXPECT_EQ(Styled(branch, o).find("Force all variables"), std::string::npos);
    // One below a procedure (which Visual Basic would not accept there) is
    // still one: a second would only add an error.
    EXPECT_EQ(Styled("Sub A()\nEnd Sub\nOption Explicit", o).find("Force all variables"),
              std::string::npos);
    // Beside other Option statements it goes in, and passes the safety net.
    ExpectSafe("Attribute VB_Name = \"M\"\nOption Compare Text\nOption Base 1\nSub A()\nEnd Sub",
               "Attribute VB_Name = \"M\"\n" + std::string(kOptionExplicitLine) +
                   "\n\nOption Compare Text\nOption Base 1\nSub A()\nEnd Sub",
               o);
}

TEST(CodeMeaning, ACommentEndingWithAContinuationKeepsItsNextLine) {
    // Visual Basic reads the line after 'foo _ as more comment: removing the
    // empty line would make End Sub part of the comment.
    TOptionSet o = Plain();
    o.SetInt(Opt::GrpBlankLines, blRemoveAll);
    ExpectSafe("Sub A()\n' foo _\n\nEnd Sub", "Sub A()\n    ' foo _\n\nEnd Sub", o);
    // The comment text is neither indented nor split nor moved.
    TOptionSet every = EveryRewriteRule();
    every.SetBool(Opt::OptionExplicitInsert, false);
    every.SetInt(Opt::GrpInLineComments, ilRemove);
    ExpectSafe(Sub("x = 1 ' a _\n  b = 2: c _\n  If a Then b\ny = 3"),
               Sub("    x = 1 ' a _\n  b = 2: c _\n  If a Then b\n    y = 3"), every);
}

TEST(CodeMeaning, KeywordsInAnyLetterCaseOpenAndCloseBlocks) {
    ExpectSafe(Sub("for i = 1 to 3\ndo while x\nif a then\nb\nEND IF\nloop\nnext i\ny = 1"),
               Sub("    for i = 1 to 3\n        do while x\n            if a then\n                b\n"
                   "            END IF\n        loop\n    next i\n    y = 1"),
               Plain());
}

TEST(CodeMeaning, ElseFollowedByAColonIsAnElseLine) {
    ExpectSafe(Sub("If a Then\nb\nElse:\nc\nEnd If"),
               Sub("    If a Then\n        b\n    Else:\n        c\n    End If"), Plain());
    ExpectSafe(Sub("If a Then\nb\nElse: c\nd\nEnd If"),
               Sub("    If a Then\n        b\n    Else: c\n        d\n    End If"), Plain());
}

TEST(CodeMeaning, OneLineBlocksLeaveTheLevelAsTheyFoundIt) {
    ExpectSafe("Sub G(): End Sub\nSub H()\nx = 1\nEnd Sub",
               "Sub G(): End Sub\nSub H()\n    x = 1\nEnd Sub", Plain());
    ExpectSafe("Private Function F() As Long: F = 1: End Function\nSub H()\nx = 1\nEnd Sub",
               "Private Function F() As Long: F = 1: End Function\nSub H()\n    x = 1\nEnd Sub",
               Plain());
    ExpectSafe(Sub("For k = 1 To 2: x = 1: Next\ny = 1"),
               Sub("    For k = 1 To 2: x = 1: Next\n    y = 1"), Plain());
    ExpectSafe(Sub("Do _\nWhile x < 10: x = x + 1: Loop\ny = 1"),
               Sub("    Do _\n            While x < 10: x = x + 1: Loop\n    y = 1"), Plain());
    ExpectSafe("Private Enum E: A: End Enum\nSub H()\nx = 1\nEnd Sub",
               "Private Enum E: A: End Enum\nSub H()\n    x = 1\nEnd Sub", Plain());
    // A label line's own statements count too.
    ExpectSafe(Sub("Again: For i = 1 To 2\nx = i\nNext\ny = 1"),
               Sub("Again: For i = 1 To 2\n        x = i\n    Next\n    y = 1"), Plain());
    // What follows the Then of a single-line If opens nothing.
    ExpectSafe(Sub("If a Then For i = 1 To 2: x = i: Next\ny = 1"),
               Sub("    If a Then For i = 1 To 2: x = i: Next\n    y = 1"), Plain());
}

TEST(CodeMeaning, DeclarationsInBothBranchesOfAnIfKeepTheBodyLevel) {
    const std::string input =
        "#If VBA7 Then\nPublic Function F(ByVal x As LongPtr) As Long\n#Else\n"
        "Public Function F(ByVal x As Long) As Long\n#End If\nF = x\nEnd Function";
    TOptionSet o = Plain();
    o.SetInt(Opt::GrpBlankLines, blUseRules);
    ExpectSafe(input,
               "\n#If VBA7 Then\n    Public Function F(ByVal x As LongPtr) As Long\n#Else\n"
               "    Public Function F(ByVal x As Long) As Long\n#End If\n    F = x\nEnd Function",
               o);
}

TEST(CodeMeaning, ForEachLoopsKeepTheirNextVariable) {
    TOptionSet o = Plain();
    o.SetInt(Opt::GrpForNextProcessing, fnAddVariable);
    ExpectSafe(Sub("For Each c In col\nFor Each d In c\nNext\nNext c"),
               Sub("    For Each c In col\n        For Each d In c\n        Next d\n    Next c"), o);
}

TEST(CodeMeaning, SplitsOfSingleLineIfsAreValidCode) {
    ExpectSafe(Sub("If a Then Rem x: y"), Sub("    If a Then\n        Rem x: y\n    End If"), Splits());
    ExpectSafe(Sub("If Foo And Bar Then Foobar Else"),
               Sub("    If Foo And Bar Then\n        Foobar\n    Else\n    End If"), Splits());
    ExpectSafe(Sub("If c Then Else x"), Sub("    If c Then\n    Else\n        x\n    End If"),
               Splits());
    ExpectSafe(Sub("If a Then: b = 1: c = 2"),
               Sub("    If a Then\n        b = 1\n        c = 2\n    End If"), Splits());
}

TEST(CodeMeaning, NoLineARuleMakesOrChangesKeepsTrailingBlanks) {
    TOptionSet o = Splits();
    o.SetInt(Opt::GrpForNextProcessing, fnAddVariable);
    ExpectSafe(Sub("  If a Then b = 1   \nDim x, y As Long  \nFor i = 1 To 2\nNext   "),
               Sub("    If a Then\n        b = 1\n    End If\n    Dim x As Long\n    Dim y As Long\n"
                   "    For i = 1 To 2\n    Next i"),
               o);
    // A line no rule touches keeps its bytes, blanks included.
    const std::string untouched = "Sub A()\n    x = 1   \nEnd Sub";
    EXPECT_EQ(Styled(untouched, Plain()), untouched);
    // Blanks at the end of an unclosed string literal are its text.
    EXPECT_EQ(Styled(Sub("x = \"open  "), Plain()), Sub("    x = \"open  "));
}

}  // namespace
}  // namespace plumora::testing

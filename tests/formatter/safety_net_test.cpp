// The safety net: correct rewrites pass, a lost, duplicated or altered
// statement is caught with the file and the first differing line.
#include <gtest/gtest.h>

#include "formatter/safety_net.h"
#include "formatter/style_file.h"
#include "support/expect_styled.h"

namespace plumora::testing {
namespace {

const char* const kSample =
    "Attribute VB_Name = \"M\"\n"
    "Global Const A = 1, B = \"x,y\"\n"
    "Sub Main()\n"
    "Dim a, b As Integer  ' two\n"
    "Dim t As Date: t = #10:30:00 AM#\n"
    "If a Then b = 1 Else b = 2: a = 3 'note\n"
    "For i = 1 To 3: x = i: Next\n"
    "For i = 1 To 3\n"
    "If a Then Debug.Print \"a:b\"; i\n"
    "Next i\n"
    "s = \"it's\" & _\n"
    "  \"fine\": Rem done: really\n"
    "End Sub\n";

TEST(SafetyNet, EveryRuleOnASampleKeepsTheCode) {
    for (const TOptionSet& o : {TOptionSet(), EveryRewriteRule()}) {
        TVBSrcFormatter f(o);
        TStyleResult r = StyleFile(f, SplitLines(kSample), "M.bas", fkModule);
        EXPECT_FALSE(r.SafetyNet) << r.SafetyNet->Message();
    }
}

TEST(SafetyNet, LayoutCommentsBlankLinesAndCaseOfWordsAreNoDifference) {
    const auto source = SplitLines("Sub A()\nx = 1 ' old\n\nDIM y as long\nEnd Sub");
    const auto styled = SplitLines("sub a()\n    x   =   1     ' new\n    Dim y As Long\n\nEnd Sub");
    EXPECT_FALSE(CheckStyledCode(source, styled, TOptionSet()));
}

TEST(SafetyNet, LostDuplicatedOrAlteredStatementIsReportedWithItsLine) {
    const auto source = SplitLines("Sub A()\nx = 1\ny = \"a\"\nEnd Sub");
    struct Case {
        const char* Styled;
        int SourceLine;
        int StyledLine;
    } cases[] = {
        {"Sub A()\n    x = 1\nEnd Sub", 3, 3},                  // lost
        {"Sub A()\n    x = 1\n    x = 1\n    y = \"a\"\nEnd Sub", 3, 3},  // duplicated
        {"Sub A()\n    x = 1\n    y = \"A\"\nEnd Sub", 3, 3},     // literal changed
        {"Sub A()\n    x = 1 'y = \"a\"\nEnd Sub", 3, 3},          // eaten by a comment
        {"Sub A()\n    x = 1\n    y = \"a\"", 4, 0},              // end lost
    };
    for (const auto& c : cases) {
        auto report = CheckStyledCode(source, SplitLines(c.Styled), TOptionSet(), "A.bas");
        ASSERT_TRUE(report) << c.Styled;
        EXPECT_EQ(report->SourceLine, c.SourceLine) << c.Styled;
        EXPECT_EQ(report->StyledLine, c.StyledLine) << c.Styled;
        EXPECT_NE(report->Message().find("A.bas: styling changed the code at line"),
                  std::string::npos);
    }
}

TEST(SafetyNet, RewritesAreAllowedOnlyWhenTheirRuleIsOn) {
    struct Case {
        const char* Source;
        const char* Styled;
        Opt Rule;
    } cases[] = {
        {"x = 1: y = 2", "x = 1\ny = 2", Opt::MultiStatementSplit},
        {"If a Then b Else c", "If a Then\nb\nElse\nc\nEnd If", Opt::IfThenSplit},
        {"Dim a, b As Long", "Dim a As Long\nDim b As Long", Opt::MultiVarSplit},
        {"Const A = 1, B = 2", "Const A = 1\nConst B = 2", Opt::MultiConstSplit},
        {"For i = 1 To 2\nNext", "For i = 1 To 2\nNext i", Opt::GrpForNextProcessing},
    };
    for (const auto& c : cases) {
        TOptionSet off;
        // ":" and the line end both end a statement, so that split is always
        // the same code.
        if (c.Rule != Opt::MultiStatementSplit) {
            EXPECT_TRUE(CheckStyledCode(SplitLines(c.Source), SplitLines(c.Styled), off))
                << c.Source;
        }
        TOptionSet on;
        on.SetInt(c.Rule, 1);
        EXPECT_FALSE(CheckStyledCode(SplitLines(c.Source), SplitLines(c.Styled), on)) << c.Source;
    }
}

TEST(SafetyNet, ASplitThatLosesOrRepeatsAPieceIsCaught) {
    TOptionSet o = EveryRewriteRule();
    const auto source = SplitLines("If a Then b Else c: d");
    EXPECT_FALSE(CheckStyledCode(source, SplitLines("If a Then\nb\nElse\nc\nd\nEnd If"), o));
    EXPECT_TRUE(CheckStyledCode(source, SplitLines("If a Then\nb\nElse\nc\nEnd If\nd"), o));
    EXPECT_TRUE(CheckStyledCode(source, SplitLines("If a Then\nb\nc\nElse\nc\nd\nEnd If"), o));
    // The copied As clause must be the one that follows the variable.
    const auto decl = SplitLines("Dim a As Long, b, c As String");
    EXPECT_FALSE(CheckStyledCode(decl, SplitLines("Dim a As Long\nDim b As String\nDim c As String"), o));
    EXPECT_TRUE(CheckStyledCode(decl, SplitLines("Dim a As Long\nDim b As Long\nDim c As String"), o));
}

TEST(SafetyNet, OptionExplicitMayBeInsertedOnceWhenTheInsertionIsOn) {
    const auto source = SplitLines("Sub A()\nEnd Sub");
    const auto styled = SplitLines("Option Explicit\n\nSub A()\nEnd Sub");
    EXPECT_FALSE(CheckStyledCode(source, styled, TOptionSet()));
    EXPECT_TRUE(CheckStyledCode(source, SplitLines("Option Explicit\nOption Explicit\nSub A()\nEnd Sub"),
                                TOptionSet()));
    EXPECT_TRUE(CheckStyledCode(source, styled, OptionsWithoutOptionExplicit()));
    // A file that has one (in any case, indented, in a #If branch) may not
    // get another: Visual Basic refuses a second Option statement.
    const auto has = SplitLines("#If A Then\n  option explicit\n#End If\nSub A()\nEnd Sub");
    EXPECT_TRUE(CheckStyledCode(
        has, SplitLines("Option Explicit\n#If A Then\noption explicit\n#End If\nSub A()\nEnd Sub"),
        TOptionSet()));
}

TEST(SafetyNet, StringLiteralsMayDifferOnlyWhenTheirSpellingIsChecked) {
    const auto source = SplitLines("MsgBox \"teh end\", 1");
    const auto styled = SplitLines("MsgBox \"the end\", 1");
    TOptionSet o;
    EXPECT_TRUE(CheckStyledCode(source, styled, o));
    o.SetBool(Opt::SpellingPerform, true);
    o.SetBool(Opt::SpellingLiterals, true);
    EXPECT_FALSE(CheckStyledCode(source, styled, o));
    EXPECT_TRUE(CheckStyledCode(source, SplitLines("MsgBox \"the end\", 2"), o));
}

TEST(SafetyNet, ATabInAStringLiteralIsData) {
    const auto source = SplitLines("\ts = \"a\tb\"");
    EXPECT_FALSE(CheckStyledCode(source, SplitLines("    s = \"a\tb\""), TOptionSet()));
    EXPECT_TRUE(CheckStyledCode(source, SplitLines("s = \"a    b\""), TOptionSet()));
}

TEST(SafetyNet, AStatementMovedOutOfASingleLineIfIsCaught) {
    // With or without the If rule: the statements after Then run only when
    // the condition holds.
    const auto source = SplitLines("Do: If a Then Exit Do: c = 2\nLoop");
    for (bool ifRule : {false, true}) {
        TOptionSet o = EveryRewriteRule();
        o.SetBool(Opt::IfThenSplit, ifRule);
        EXPECT_TRUE(CheckStyledCode(source, SplitLines("Do\nIf a Then Exit Do\nc = 2\nLoop"), o));
        EXPECT_FALSE(CheckStyledCode(source, SplitLines("Do\nIf a Then Exit Do: c = 2\nLoop"), o));
        EXPECT_TRUE(CheckStyledCode(SplitLines("If a Then\nb\nEnd If\nc"),
                                    SplitLines("If a Then b: c"), o));
    }
    const TOptionSet split = EveryRewriteRule();
    EXPECT_FALSE(CheckStyledCode(source,
                                 SplitLines("Do\nIf a Then\nExit Do\nc = 2\nEnd If\nLoop"), split));
    // A ":" right after Then still makes a single-line If.
    EXPECT_FALSE(CheckStyledCode(SplitLines("If a Then: b: c"),
                                 SplitLines("If a Then\nb\nc\nEnd If"), split));
    // So does a Rem after Then; the Rem runs to the end of the line.
    EXPECT_FALSE(CheckStyledCode(SplitLines("If a Then Rem x: y"),
                                 SplitLines("If a Then\nRem x: y\nEnd If"), split));
    EXPECT_TRUE(CheckStyledCode(SplitLines("If a Then Rem x: y"),
                                SplitLines("If a Then\nRem x\ny\nEnd If"), split));
}

TEST(SafetyNet, ACommentEndingWithAContinuationTakesTheNextLine) {
    // The empty line after 'foo _ is comment text; without it End Sub
    // would be.
    const auto source = SplitLines("Sub A()\n' foo _\n\nEnd Sub");
    EXPECT_FALSE(CheckStyledCode(source, source, TOptionSet()));
    EXPECT_TRUE(CheckStyledCode(source, SplitLines("Sub A()\n' foo _\nEnd Sub"), TOptionSet()));
    EXPECT_FALSE(CheckStyledCode(SplitLines("x = 1 ' a _\n  b = 2 _\n  c\ny = 2"),
                                 SplitLines("x = 1 ' a _\n  b = 2 _\n  c\ny = 2"), TOptionSet()));
    EXPECT_TRUE(CheckStyledCode(SplitLines("x = 1 ' a _\nb = 2\ny = 2"),
                                SplitLines("x = 1 ' a\nb = 2\ny = 2"), TOptionSet()));
}

TEST(SafetyNet, ALineThatContinuesAStatementCannotGoAway) {
    // The comment line ends the continued Dim; without it the For would
    // continue the Dim.
    EXPECT_TRUE(CheckStyledCode(SplitLines("Dim a As Long _\n'c\nFor x = 1 To 2\nNext"),
                                SplitLines("Dim a As Long _\nFor x = 1 To 2\nNext"), TOptionSet()));
}

TEST(SafetyNet, DeclaredTypesMayChangeOnlyAsTheAsCorrectionDoes) {
    TOptionSet o = EveryRewriteRule();
    const auto source = SplitLines("Dim a%, buf$, buf1 As String * 1");
    EXPECT_FALSE(CheckStyledCode(
        source, SplitLines("Dim a%\nDim buf$\nDim buf1 As String * 1"), o));
    // A name with a type character never takes the As clause.
    EXPECT_TRUE(CheckStyledCode(
        source, SplitLines("Dim a% As String * 1\nDim buf$ As String * 1\nDim buf1 As String * 1"),
        o));
    // The untyped name takes the following clause only with the correction.
    const auto untyped = SplitLines("Dim x, y As Integer");
    const auto corrected = SplitLines("Dim x As Integer\nDim y As Integer");
    EXPECT_FALSE(CheckStyledCode(untyped, corrected, o));
    o.SetBool(Opt::CorrectAsProblem, false);
    EXPECT_TRUE(CheckStyledCode(untyped, corrected, o));
    EXPECT_FALSE(CheckStyledCode(untyped, SplitLines("Dim x\nDim y As Integer"), o));
    EXPECT_TRUE(CheckStyledCode(untyped, SplitLines("Dim x As Long\nDim y As Integer"), o));
}

TEST(SafetyNet, GarbageHugeLinesAndUnclosedLiteralsStyleWithoutAFalseAlarm) {
    std::string huge(200000, 'x');
    huge += " = \"unclosed: a, b";
    const std::vector<std::string> lines = {
        "Sub A()",
        std::string("\x01\x1a\xff\x80 : , # #1/1/ \"", 14),
        huge,
        "Dim a, b As Long: If a Then b = 1 Else _",
        "c = 2: Next j, i, , :",
        "If Then Else: For = : Next",
        "#If X Then: #End If",
        "End Sub",
    };
    for (const TOptionSet& o : {TOptionSet(), EveryRewriteRule()}) {
        TVBSrcFormatter f(o);
        TStyleResult r = StyleFile(f, lines, "M.bas", fkModule);
        EXPECT_FALSE(r.SafetyNet) << r.SafetyNet->Message();
    }
}

}  // namespace
}  // namespace plumora::testing

// Splitting single-line If statements and ":"-separated statements: the
// pieces, the comment they carry, and the lines that must stay whole.
#include <gtest/gtest.h>

#include "formatter/code_scan.h"
#include "formatter/splitting.h"
#include "support/expect_styled.h"

namespace plumora::testing {
namespace {

TOptionSet With(Opt id) {
    TOptionSet o = Plain();
    o.SetBool(id, true);
    return o;
}

TEST(SplitSingleLineIf, PiecesOfIfWithAndWithoutElse) {
    struct Case {
        const char* Line;
        std::vector<std::string> Pieces;
    } cases[] = {
        {"If a Then b = 1 Else b = 2 'note",
         {"If a Then     'note", "b = 1", "Else", "b = 2", "End If"}},
        {"If a Then b = 1", {"If a Then", "b = 1", "End If"}},
        {"If s = \"Then Else\" Then x = \"a Else b\"",
         {"If s = \"Then Else\" Then", "x = \"a Else b\"", "End If"}},
        {"If a Then If b Then c", {"If a Then", "If b Then c", "End If"}},
        {"if a then b", {"if a then", "b", "End If"}},
        // A Rem comment is a statement that runs to the end of the line.
        {"If a Then Rem x: y", {"If a Then", "Rem x: y", "End If"}},
        {"If a Then b Else Rem x Else y", {"If a Then", "b", "Else", "Rem x Else y", "End If"}},
        // An empty part gets no line of its own.
        {"If Foo And Bar Then Foobar Else", {"If Foo And Bar Then", "Foobar", "Else", "End If"}},
        {"If c Then Else x", {"If c Then", "Else", "x", "End If"}},
    };
    for (const auto& c : cases) {
        TPieces pieces;
        EXPECT_TRUE(SplitSingleLineIf(c.Line, pieces)) << c.Line;
        EXPECT_EQ(pieces, c.Pieces) << c.Line;
    }
}

TEST(SplitSingleLineIf, LinesThatMustStayWhole) {
    for (const char* line : {
             "If a Then _",                  // the statement goes on below
             "If a Then 100",                // a jump, not a line number
             "If a Then 100 Else 200",
             "If a Then If b Then c Else d",  // the Else is the inner If's
             "If a Then b: c",               // alone, "b:" would be a label
             "If a Then x = 1 Else b: c",
             "If a Then ' note",             // a block If with a comment
         }) {
        TPieces pieces;
        EXPECT_FALSE(SplitSingleLineIf(line, pieces)) << line;
        EXPECT_TRUE(pieces.empty());
    }
}

TEST(SplitSingleLineIf, OptionTurnsIfIntoBlockOnlyWhenSet) {
    const std::string input = Sub("If a Then b = 1 Else b = 2");
    ExpectStyled(input,
                 Sub("    If a Then\n        b = 1\n    Else\n        b = 2\n    End If"),
                 With(Opt::IfThenSplit));
    EXPECT_EQ(Styled(input, Plain()), Sub("    If a Then b = 1 Else b = 2"));
}

TEST(SplitSingleLineIf, ContinuedIfStaysAndItsContinuationIsNotSplit) {
    const std::string input = Sub("If a Then _\nb = 1: c = 2");
    TOptionSet o = With(Opt::IfThenSplit);
    o.SetBool(Opt::MultiStatementSplit, true);
    EXPECT_EQ(Styled(input, o), Sub("    If a Then _\n        b = 1: c = 2"));
}

TEST(SplitColonStatements, PiecesCarryTheCommentAndLiteralsProtectTheirColons) {
    struct Case {
        const char* Line;
        std::vector<std::string> Pieces;
    } cases[] = {
        {"x = 1: y = \"a:b\"", {"x = 1", "y = \"a:b\""}},
        {"x = 1: y = 2 'why", {"x = 1     'why", "y = 2     'why"}},
        {"t = #10:30:00 AM#: u = #1/2/2000 12:00#", {"t = #10:30:00 AM#", "u = #1/2/2000 12:00#"}},
        {"Call F(a:=1): y = 2", {"Call F(a:=1)", "y = 2"}},
        {"Close #1: Close #2", {"Close #1", "Close #2"}},
        {"100 x = 1: y = 2", {"100 x = 1", "y = 2"}},
        {"Case 1: x = 1", {"Case 1", "x = 1"}},
    };
    for (const auto& c : cases) {
        TPieces pieces;
        EXPECT_TRUE(SplitColonStatements(c.Line, pieces)) << c.Line;
        EXPECT_EQ(pieces, c.Pieces) << c.Line;
    }
}

TEST(SplitColonStatements, LinesThatMustStayWhole) {
    for (const char* line : {
             "Start: x = 1",             // a label line
             "d = #10:30:00 AM#",        // only the date's colons
             "s = \"a:b\"",
             "If a Then b: c",           // the statements belong to the If
             "x = 1:",
         }) {
        TPieces pieces;
        EXPECT_FALSE(SplitColonStatements(line, pieces)) << line;
    }
}

TEST(SplitColonStatements, OptionSplitsOnlyWhenSetAndLabelLinesStayWhole) {
    const std::string input = Sub("x = 1: y = 2\nStart: z = 3");
    ExpectStyled(input, Sub("    x = 1\n    y = 2\nStart: z = 3"), With(Opt::MultiStatementSplit));
    EXPECT_EQ(Styled(input, Plain()), Sub("    x = 1: y = 2\nStart: z = 3"));
}

TEST(SplitColonStatements, SingleLineIfWithColonsIsLeftToTheIfRule) {
    // Without the If rule the line stays: splitting it at ":" would run the
    // second statement whether a holds or not.
    const std::string input = Sub("If a Then b = 1: c = 2");
    EXPECT_EQ(Styled(input, With(Opt::MultiStatementSplit)), Sub("    If a Then b = 1: c = 2"));
    TOptionSet both = With(Opt::MultiStatementSplit);
    both.SetBool(Opt::IfThenSplit, true);
    ExpectStyled(input, Sub("    If a Then\n        b = 1\n        c = 2\n    End If"), both);
}

TEST(SplitColonStatements, StatementsAfterAnIfStayWithIt) {
    // Up to the If the line splits; the If keeps every statement after its
    // Then, on its line or (with the If rule) in its block.
    const TOptionSet colons = With(Opt::MultiStatementSplit);
    for (const char* opener : {"Do", "Case 1", "Else", "With o", "For i = 1 To 2"}) {
        SCOPED_TRACE(opener);
        TPieces pieces;
        ASSERT_TRUE(SplitColonStatements(std::string(opener) + ": If a Then Exit Do: c = 2", pieces));
        EXPECT_EQ(pieces, (TPieces{opener, "If a Then Exit Do: c = 2"}));
    }
    ExpectStyled(Sub("Do: If a Then Exit Do: c = 2\nLoop"),
                 Sub("    Do\n        If a Then Exit Do: c = 2\n    Loop"), colons);
    TOptionSet both = colons;
    both.SetBool(Opt::IfThenSplit, true);
    ExpectStyled(Sub("Do: If a Then Exit Do: c = 2\nLoop"),
                 Sub("    Do\n        If a Then\n            Exit Do\n            c = 2\n"
                     "        End If\n    Loop"),
                 both);
}

TEST(SplitRules, LineForSeveralRulesIsSplitByTheFirstAndEachStatementAppearsOnce) {
    TOptionSet o = With(Opt::MultiStatementSplit);
    o.SetBool(Opt::MultiVarSplit, true);
    o.SetBool(Opt::AlignMultiDimAs, false);
    const std::string styled = Styled(Sub("Dim a, b As Long: x = 1"), o);
    EXPECT_EQ(styled, Sub("    Dim a As Long\n    Dim b As Long\n    x = 1"));
}

TEST(SplitRules, WithoutIndentationPiecesKeepTheirLinesIndentation) {
    TOptionSet o = With(Opt::MultiStatementSplit);
    o.SetBool(Opt::IfThenSplit, true);
    o.SetBool(Opt::CodeIndentPerform, false);
    ExpectStyled("Sub A()\n      If a Then b = 1: c = 2\n  x = 1: y = 2\nEnd Sub",
                 "Sub A()\n      If a Then\n      b = 1\n      c = 2\n      End If\n  x = 1\n  y = 2\nEnd Sub",
                 o);
}

TEST(SplitRules, ContinuedStatementIsNeverSplit) {
    TOptionSet o = With(Opt::MultiStatementSplit);
    o.SetBool(Opt::MultiVarSplit, true);
    const std::string input = Sub("Dim a, _\nb\nx = F(1, _\n2): y = 3");
    EXPECT_EQ(Styled(input, o), Sub("    Dim a, _\n        b\n    x = F(1, _\n        2): y = 3"));
}

TEST(DateLiterals, OnlyDateShapedTextBetweenHashSignsIsALiteral) {
    EXPECT_EQ(DateLiteralLength("#10:30:00 AM#", 0), 13u);
    EXPECT_EQ(DateLiteralLength("#January 1, 2000#", 0), 17u);
    EXPECT_EQ(DateLiteralLength("#1/2/99#", 0), 8u);
    EXPECT_EQ(DateLiteralLength("#1: Close #", 0), 0u);  // file numbers
    EXPECT_EQ(DateLiteralLength("#1, #", 0), 0u);
    EXPECT_EQ(DateLiteralLength("x# + #1/1/99#", 1), 0u);  // a type suffix
    EXPECT_EQ(FindOutsideLiterals("a = #1/1/2000#, b", ','), 14u);
}

}  // namespace
}  // namespace plumora::testing

// Blank-line rules: the three modes, every count before and after its block
// statement, continued statements, and stability of a second styling.
#include <gtest/gtest.h>

#include <vector>

#include "formatter/blank_lines.h"
#include "formatter/line_ops.h"
#include "support/expect_styled.h"

namespace plumora::testing {
namespace {

TOptionSet Mode(int mode) {
    TOptionSet o = Plain();
    o.SetInt(Opt::GrpBlankLines, mode);
    return o;
}

// Mode 1 with every count 0, so one count at a time can be looked at.
TOptionSet RulesAllZero() {
    TOptionSet o = Mode(blUseRules);
    for (int id = int(Opt::BlankLinesIfThenBefore); id <= int(Opt::BlankLinesWendAfter); ++id)
        o.SetInt(Opt(id), 0);
    return o;
}

// Empty lines inside procedures take the indentation of their place (a
// rule of its own), so blank lines are compared without trailing blanks;
// the second styling must still give back the very same text.
std::string TrimLineEnds(const std::string& text) {
    std::string out;
    for (const auto& line : SplitLines(text)) out += std::string(TrimRightView(line)) + "\n";
    out.pop_back();
    return out;
}

void ExpectBlankLines(const std::string& input, const std::string& expected,
                      const TOptionSet& options) {
    const std::string once = Styled(input, options);
    EXPECT_EQ(TrimLineEnds(once), expected) << "--- input ---\n" << input;
    EXPECT_EQ(Styled(once, options), once) << "a second styling changed it";
}

std::string Join(const std::vector<std::string>& lines) {
    std::string s;
    for (std::size_t i = 0; i < lines.size(); ++i) s += (i ? "\n" : "") + lines[i];
    return s;
}

const char* const kWithBlanks =
    "Sub A()\n"
    "x = 1\n"
    "\n"
    "   \n"
    "y = 2\n"
    "End Sub\n"
    "\n"
    "Sub B()\n"
    "End Sub";

TEST(BlankLineModes, NoChangeKeepsBlankLinesAndInsertsNone) {
    ExpectBlankLines(kWithBlanks,
                 "Sub A()\n    x = 1\n\n\n    y = 2\nEnd Sub\n\nSub B()\nEnd Sub",
                 Mode(blNoChange));
    // Mode 0 inserts nothing even where mode 1's defaults would.
    ExpectBlankLines("Sub A()\nFor i = 1 To 2\nNext\nEnd Sub",
                 "Sub A()\n    For i = 1 To 2\n    Next\nEnd Sub", Mode(blNoChange));
}

TEST(BlankLineModes, RemoveAllDropsEveryEmptyOrAllBlankLineAndInsertsNone) {
    ExpectBlankLines(kWithBlanks, "Sub A()\n    x = 1\n    y = 2\nEnd Sub\nSub B()\nEnd Sub",
                 Mode(blRemoveAll));
    ExpectBlankLines("Sub A()\nFor i = 1 To 2\nNext\nEnd Sub",
                 "Sub A()\n    For i = 1 To 2\n    Next\nEnd Sub", Mode(blRemoveAll));
}

TEST(BlankLineModes, UseRulesWithDefaultsPutsOneLineBeforeForAndAfterNext) {
    ExpectBlankLines("Sub A()\n\n\nFor i = 1 To 2\nx = i\nNext\nEnd Sub",
                 "Sub A()\n\n    For i = 1 To 2\n        x = i\n    Next\n\nEnd Sub",
                 Mode(blUseRules));
}

// Every count of the table: with 2 the lines appear on their side of the
// statement, with 0 they do not.
struct CountCase {
    Opt Key;
    int Line;  // index of the statement in kAllBlocks
    bool Before;
};

const std::vector<std::string> kAllBlocks = {
    "Sub A()",                   // 0
    "    If a Then",             // 1
    "        x = 1",             // 2
    "    ElseIf b Then",         // 3
    "        x = 2",             // 4
    "    Else",                  // 5
    "        x = 3",             // 6
    "    End If",                // 7
    "    Select Case x",         // 8
    "        Case 1",            // 9
    "            y = 1",         // 10
    "    End Select",            // 11
    "    Do",                    // 12
    "        y = 2",             // 13
    "    Loop",                  // 14
    "    While y",               // 15
    "        y = 3",             // 16
    "    Wend",                  // 17
    "    For i = 1 To 2",        // 18
    "        y = 4",             // 19
    "    Next",                  // 20
    "End Sub",                   // 21
};

TEST(BlankLineCounts, EachCountPutsItsLinesBeforeOrAfterItsStatementKind) {
    const CountCase cases[] = {
        {Opt::BlankLinesIfThenBefore, 1, true},    {Opt::BlankLinesIfThenAfter, 1, false},
        {Opt::BlankLinesEndIfBefore, 7, true},     {Opt::BlankLinesEndIfAfter, 7, false},
        {Opt::BlankLinesSelectBefore, 8, true},    {Opt::BlankLinesSelectAfter, 8, false},
        {Opt::BlankLinesCaseBefore, 9, true},      {Opt::BlankLinesCaseAfter, 9, false},
        {Opt::BlankLinesEndSelectBefore, 11, true}, {Opt::BlankLinesEndSelectAfter, 11, false},
        {Opt::BlankLinesDoBefore, 12, true},       {Opt::BlankLinesDoAfter, 12, false},
        {Opt::BlankLinesLoopBefore, 14, true},     {Opt::BlankLinesLoopAfter, 14, false},
        {Opt::BlankLinesWhileBefore, 15, true},    {Opt::BlankLinesWhileAfter, 15, false},
        {Opt::BlankLinesWendBefore, 17, true},     {Opt::BlankLinesWendAfter, 17, false},
        {Opt::BlankLinesForBefore, 18, true},      {Opt::BlankLinesForAfter, 18, false},
        {Opt::BlankLinesNextBefore, 20, true},     {Opt::BlankLinesNextAfter, 20, false},
    };
    const std::string input = Join(kAllBlocks);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(OptionInfo(c.Key).Key));
        TOptionSet o = RulesAllZero();
        o.SetInt(c.Key, 2);
        std::vector<std::string> expected = kAllBlocks;
        const int at = c.Before ? c.Line : c.Line + 1;
        expected.insert(expected.begin() + at, 2, std::string());
        ExpectBlankLines(input, Join(expected), o);
        o.SetInt(c.Key, 0);
        EXPECT_EQ(Styled(input, o), input);
    }
}

TEST(BlankLineCounts, ElseCountsApplyToElseAndElseIfAlike) {
    TOptionSet o = RulesAllZero();
    o.SetInt(Opt::BlankLinesElseBefore, 1);
    o.SetInt(Opt::BlankLinesElseAfter, 1);
    std::vector<std::string> expected = kAllBlocks;
    expected.insert(expected.begin() + 6, "");  // after Else
    expected.insert(expected.begin() + 5, "");  // before Else
    expected.insert(expected.begin() + 4, "");  // after ElseIf
    expected.insert(expected.begin() + 3, "");  // before ElseIf
    ExpectBlankLines(Join(kAllBlocks), Join(expected), o);
}

TEST(BlankLineCounts, CountsOfAdjacentStatementsAddUp) {
    TOptionSet o = RulesAllZero();
    o.SetInt(Opt::BlankLinesEndIfAfter, 1);
    o.SetInt(Opt::BlankLinesIfThenBefore, 2);
    ExpectBlankLines("Sub A()\nIf a Then\nEnd If\nIf b Then\nEnd If\nEnd Sub",
                 "Sub A()\n\n\n    If a Then\n    End If\n\n\n\n    If b Then\n    End If\n\n"
                 "End Sub",
                 o);
}

TEST(BlankLineCounts, SingleLineIfCountsAsIf) {
    TOptionSet o = RulesAllZero();
    o.SetInt(Opt::BlankLinesIfThenBefore, 1);
    o.SetInt(Opt::BlankLinesIfThenAfter, 1);
    ExpectBlankLines("Sub A()\nx = 1\nIf a Then x = 2\ny = 1\nEnd Sub",
                 "Sub A()\n    x = 1\n\n    If a Then x = 2\n\n    y = 1\nEnd Sub", o);
}

TEST(BlankLinesAndContinuation, NoLineIsInsertedInsideAContinuedStatement) {
    TOptionSet o = RulesAllZero();
    o.SetInt(Opt::BlankLinesIfThenAfter, 1);
    o.SetInt(Opt::BlankLinesSelectAfter, 1);
    o.SetInt(Opt::BlankLinesForBefore, 1);
    ExpectBlankLines(
        "Sub A()\nIf a And _\nb Then\nx = 1\nEnd If\nSelect Case x + _\ny\nEnd Select\n"
        "Call Foo(1, _\nFor)\nEnd Sub",
        "Sub A()\n    If a And _\n            b Then\n\n        x = 1\n    End If\n"
        "    Select Case x + _\n                y\n\n    End Select\n    Call Foo(1, _\n        For)\n"
        "End Sub",
        o);
}

TEST(BlankLinesAndOptionExplicit, RemovingModesInsertNoBlankLineAfterItSoASecondRunAgrees) {
    TOptionSet o = Plain();
    o.SetBool(Opt::OptionExplicitInsert, true);
    o.SetInt(Opt::GrpBlankLines, blRemoveAll);
    ExpectBlankLines("Sub A()\nEnd Sub", std::string(kOptionExplicitLine) + "\nSub A()\nEnd Sub", o);
    o.SetInt(Opt::GrpBlankLines, blNoChange);
    ExpectBlankLines("Sub A()\nEnd Sub", std::string(kOptionExplicitLine) + "\n\nSub A()\nEnd Sub",
                 o);
}

TEST(BlankLinesAndComments, ASingleLineCommentEmptiedByRemovalIsDroppedInRemovingModes) {
    EXPECT_FALSE(KeepLine(Mode(blRemoveAll), "   \t "));
    EXPECT_FALSE(KeepLine(Mode(blUseRules), ""));
    EXPECT_TRUE(KeepLine(Mode(blNoChange), ""));
    EXPECT_TRUE(KeepLine(Mode(blRemoveAll), "x"));
}

TEST(BlankLineIdempotence, EveryModeStylesItsOwnOutputToItself) {
    const std::string sample =
        "Attribute VB_Name = \"M\"\n"
        "Sub A()\n\n  ' note\nDim i As Long\n\nFor i = 1 To 3\nIf i = 2 Then\nx = 1\n"
        "ElseIf i = 3 Then\n\nx = 2\nElse\nx = 3\nEnd If\nNext i\nSelect Case x\nCase 1\n"
        "Do While x\nx = x - 1\nLoop\nCase Else\nWhile x\nWend\nEnd Select\n\n\nEnd Sub\n\n"
        "Function F() As Long\nF = 1\nEnd Function\n";
    for (int mode : {blNoChange, blUseRules, blRemoveAll}) {
        SCOPED_TRACE(mode);
        TOptionSet o;
        o.SetInt(Opt::GrpBlankLines, mode);
        const std::string once = Styled(sample, o);
        EXPECT_EQ(Styled(once, o), once);
    }
}

TEST(BlankLineIdempotence, SplitPiecesGetTheLinesTheyWillGetAsLinesOfTheirOwn) {
    TOptionSet o = Mode(blUseRules);
    o.SetBool(Opt::IfThenSplit, true);
    o.SetBool(Opt::MultiStatementSplit, true);
    ExpectBlankLines(
        "Sub A()\nIf a Then b = 1 Else b = 2\nx = 1: For i = 1 To 2: y = i: Next\nz = 1\nEnd Sub",
        "Sub A()\n\n    If a Then\n        b = 1\n    Else\n        b = 2\n    End If\n\n"
        "    x = 1\n\n    For i = 1 To 2\n        y = i\n    Next\n\n    z = 1\nEnd Sub",
        o);
}

}  // namespace
}  // namespace plumora::testing

// Placement of whole-line and in-line comments, the fallbacks of the fixed
// column, and the special removal of comments by their first characters.
#include <gtest/gtest.h>

#include "formatter/formatter.h"
#include "support/expect_styled.h"

namespace plumora::testing {
namespace {

// Defaults without Option Explicit and without framing, so that each test
// shows only the rule it is about.
TOptionSet Base() {
    TOptionSet o = OptionsWithoutOptionExplicit();
    o.SetBool(Opt::SingleLineCommentBlocks, false);
    return o;
}

TOptionSet With(Opt id, int value, TOptionSet o = Base()) {
    o.SetInt(id, value);
    return o;
}

// The habit of option tests: the setting under test must make a difference
// against `other`, or the test could not fail.
void ExpectDiffers(const std::string& input, const TOptionSet& a, const TOptionSet& b) {
    EXPECT_NE(Styled(input, a), Styled(input, b)) << "the option changed nothing for\n" << input;
}

// ---- Whole-line comments ---------------------------------------------------

const std::string kNested = "Sub S()\nIf a Then\n' note\nx = 1\nEnd If\nEnd Sub";

TEST(SingleLineComment, EachModePlacesTheCommentItsOwnWay) {
    struct Row {
        int Mode;
        const char* Comment;
    } rows[] = {
        {1, "          ' note"},  // fixed column 10
        {2, "    ' note"},        // like the If line before it
        {3, "        ' note"},    // where the next code line goes
        {4, ""},                  // removed; the empty line stays empty
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Mode);
        TOptionSet o = With(Opt::GrpSingleLineComments, row.Mode);
        o.SetInt(Opt::SingleLineCommentColumn, 10);
        ExpectStyled(kNested,
                     "Sub S()\n    If a Then\n" + std::string(row.Comment) +
                         "\n        x = 1\n    End If\nEnd Sub",
                     o);
        ExpectDiffers(kNested, o, With(Opt::GrpSingleLineComments, row.Mode == 2 ? 3 : 2));
    }
}

TEST(SingleLineComment, LeaveAsIsKeepsTheIndentationTheLineHas) {
    TOptionSet leave = With(Opt::GrpSingleLineComments, 0);
    leave.SetBool(Opt::CodeIndentPerform, false);
    const std::string text = "Sub S()\n  x = 1\n      '   odd place\nEnd Sub";
    ExpectStyled(text, text, leave);
    TOptionSet prior = leave;
    prior.SetInt(Opt::GrpSingleLineComments, slPriorLineIndent);
    ExpectDiffers(text, leave, prior);
    // With indentation on, the comment is indented like code.
    ExpectStyled(text, "Sub S()\n    x = 1\n    '   odd place\nEnd Sub",
                 With(Opt::GrpSingleLineComments, 0));
}

TEST(SingleLineComment, FixedColumnCountsBlanksBeforeTheApostrophe) {
    TOptionSet o = With(Opt::GrpSingleLineComments, 1);
    o.SetInt(Opt::SingleLineCommentColumn, 1);
    ExpectStyled("Sub S()\n            'far\nEnd Sub", "Sub S()\n 'far\nEnd Sub", o);
    ExpectDiffers("Sub S()\n            'far\nEnd Sub", o,
                  With(Opt::SingleLineCommentColumn, 7, o));
}

// ---- In-line comments ------------------------------------------------------

TEST(InLineComment, FixedColumnPutsTheApostropheInTheNextColumnAndTrimsTheText) {
    TOptionSet o = With(Opt::GrpInLineComments, 1);
    o.SetInt(Opt::InLineCommentsFixedColumn, 20);
    ExpectStyled("x = 1 '   note  ", "x = 1               'note", o);
    ExpectDiffers("x = 1 ' note", o, With(Opt::InLineCommentsFixedColumn, 30, o));
    ExpectDiffers("x = 1 ' note", o, With(Opt::GrpInLineComments, 0));
}

TEST(InLineComment, CodeOfExactlyTheColumnFitsAndOneMoreFallsBack) {
    TOptionSet o = With(Opt::GrpInLineComments, 1);  // column 40, fallback 0 by 4
    const std::string forty = "x = " + std::string(36, 'a');
    ASSERT_EQ(forty.size(), 40u);
    ExpectStyled(forty + " ' fits", forty + "'fits", o);
    const std::string fortyOne = forty + "b";
    ExpectStyled(fortyOne + " ' too far", fortyOne + "    ' too far", o);
}

TEST(InLineComment, RightByKeepsTheBlanksAfterTheApostrophe) {
    TOptionSet o = With(Opt::GrpInLineComments, 2);
    o.SetInt(Opt::InLineCommentsIndent, 2);
    ExpectStyled("x = 1                 '  note", "x = 1  '  note", o);
    ExpectDiffers("x = 1 'note", o, With(Opt::InLineCommentsIndent, 6, o));
}

TEST(InLineComment, RemoveKeepsTheCodeAndLeaveAsIsKeepsEverything) {
    ExpectStyled("x = 1   ' gone\ny = \"it's\"", "x = 1\ny = \"it's\"",
                 With(Opt::GrpInLineComments, 3));
    ExpectStyled("x = 1   ' kept", "x = 1   ' kept", With(Opt::GrpInLineComments, 0));
    ExpectDiffers("x = 1   ' kept", With(Opt::GrpInLineComments, 0),
                  With(Opt::GrpInLineComments, 3));
}

TEST(InLineComment, ApostropheInsideALiteralIsNotAComment) {
    ExpectStyled("MsgBox \"don't\" ' real", "MsgBox \"don't\"                          'real",
                 Base());
}

// Code of 41 characters or more in a procedure body, with fixed column 40.
const std::string kLong = "    Call Recalculate(firstArgument, secondArgument)";
const std::string kLongInput = "Sub S()\nx = 1\n" + kLong.substr(4) + " ' why\nEnd Sub";

TOptionSet Fallback(int choice) {
    TOptionSet o = With(Opt::GrpInLineCommentsFixedColUnavail, choice);
    o.SetInt(Opt::GrpSingleLineComments, slLeaveAsIs);  // moved comments indented like code
    return o;
}

TEST(InLineComment, BeyondTheFixedColumnEachFallbackPlacesTheComment) {
    struct Row {
        int Choice;
        const char* Expected;
    } rows[] = {
        {0, "Sub S()\n    x = 1\n" "    Call Recalculate(firstArgument, secondArgument)    ' why\nEnd Sub"},
        {1, "Sub S()\n    x = 1\n    ' why\n    Call Recalculate(firstArgument, secondArgument)\nEnd Sub"},
        {2, "Sub S()\n    x = 1\n    Call Recalculate(firstArgument, secondArgument)\n    ' why\nEnd Sub"},
        {3, "Sub S()\n    x = 1\n    Call Recalculate(firstArgument, secondArgument)\nEnd Sub"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Choice);
        ExpectStyled(kLongInput, row.Expected, Fallback(row.Choice));
        ExpectDiffers(kLongInput, Fallback(row.Choice), Fallback(row.Choice == 0 ? 3 : 0));
    }
    TOptionSet wider = Fallback(0);
    wider.SetInt(Opt::InLineCommentsUnavailColIndent, 1);
    ExpectDiffers(kLongInput, Fallback(0), wider);
}

TEST(InLineComment, MovedCommentKeepsItsTextByteForByteAndMarksTheStructureChanged) {
    const TOptionSet o = Fallback(2);
    TVBSrcFormatter f(o);
    f.RunPass(SplitLines("Sub S()\n" + kLong + " '  a\tb  \nEnd Sub"), 0);
    ASSERT_EQ(f.Output.size(), 4u);
    EXPECT_EQ(f.Output[1].Text, kLong);
    EXPECT_TRUE(f.Output[1].Mark.IsChanged());
    // The tab became blanks on reading; the trailing blanks went with the
    // move; the comment line is laid out at once; nothing else moved.
    EXPECT_EQ(f.Output[2].Text, "    '  a    b");
    EXPECT_TRUE(f.Modified);
}

TEST(InLineComment, PlaceOnPreviousLineNeverSplitsAContinuedStatement) {
    // A comment line between "_" and the rest is rejected by Visual Basic,
    // so the comment stays on its line, positioned to the right.
    ExpectStyled("Sub S()\nx = a + _\n" + kLong.substr(4) + " ' why\nEnd Sub",
                 "Sub S()\n    x = a + _\n    " + kLong + "    ' why\nEnd Sub", Fallback(1));
}

TEST(InLineComment, EachPieceOfASplitLinePlacesItsOwnComment) {
    // Every piece carries the comment; the piece that no longer fits puts
    // it on the line above, the one that fits keeps it in its column.
    TOptionSet o = Fallback(1);
    o.SetBool(Opt::MultiStatementSplit, true);
    ExpectStyled(Sub("x = 1: " + kLong.substr(4) + " ' why"),
                 Sub("    x = 1                               'why\n    ' why\n" + kLong), o);
}

TEST(InLineComment, HugeLinesAndControlBytesKeepTheirCommentWhole) {
    const std::string code = "x = \"" + std::string(200000, 'a') + "\"";
    const std::string comment = std::string("' \x01\x7f\xff end") + std::string(5000, 'c');
    for (int choice : {0, 1, 2}) {
        SCOPED_TRACE(choice);
        const std::string out = Styled(code + " " + comment, Fallback(choice));
        EXPECT_NE(out.find(code), std::string::npos);
        EXPECT_NE(out.find(comment), std::string::npos);
        EXPECT_EQ(Styled(out, Fallback(choice)), out);
    }
}

// ---- Special removal -------------------------------------------------------

TEST(SpecialRemoval, CommentsBeginningWithTheCharactersGo) {
    TOptionSet o = Base();
    o.SetBool(Opt::SpecialRemoveComments, true);
    o.SetInt(Opt::GrpInLineComments, ilLeaveAsIs);
    struct Row {
        const char* Input;
        const char* Expected;
    } rows[] = {
        {"Sub S()\n'! generated\nEnd Sub", "Sub S()\nEnd Sub"},       // line disappears
        {"Sub S()\nx = 1 '!note\nEnd Sub", "Sub S()\n    x = 1\nEnd Sub"},
        {"Sub S()\n' !kept\nEnd Sub", "Sub S()\n' !kept\nEnd Sub"},   // blank first
        {"Sub S()\n'¡Hola\nEnd Sub", "Sub S()\n'¡Hola\nEnd Sub"},
        {"Sub S()\nx = \"'!\" ' ok\nEnd Sub", "Sub S()\n    x = \"'!\" ' ok\nEnd Sub"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Input);
        ExpectStyled(row.Input, row.Expected, o);
    }
    ExpectDiffers(rows[0].Input, o, Base());
}

TEST(SpecialRemoval, ComparesCaseSensitivelyOverAllTheCharacters) {
    TOptionSet o = Base();
    o.SetBool(Opt::SpecialRemoveComments, true);
    o.SetText(Opt::SpecialRemoveCommentCharacters, "TODO");
    ExpectStyled("'TODO fix\n'todo keep\n'TOD keep", "'todo keep\n'TOD keep", o);
    ExpectDiffers("'TODO fix", o, With(Opt::SpecialRemoveComments, 0, o));
}

TEST(SpecialRemoval, EmptyCharactersRemoveEveryComment) {
    TOptionSet o = Base();
    o.SetBool(Opt::SpecialRemoveComments, true);
    o.SetText(Opt::SpecialRemoveCommentCharacters, "");
    ExpectStyled("' a\nx = 1 ' b\n' c\ny = 2", "x = 1\ny = 2", o);
}

}  // namespace
}  // namespace plumora::testing

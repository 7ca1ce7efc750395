// Framing groups of whole-line comments with block lines: the group size,
// the block line itself, the "already framed" test, and where the frame goes
// when the line that ends the group brings lines of its own.
#include <gtest/gtest.h>

#include "formatter/comment_rules.h"
#include "formatter/formatter.h"
#include "support/expect_styled.h"

namespace plumora::testing {
namespace {

TOptionSet Framing(int qty = 3, const char* characters = "=", int total = 6) {
    TOptionSet o = OptionsWithoutOptionExplicit();
    o.SetBool(Opt::SingleLineCommentBlocks, true);
    o.SetInt(Opt::SingleLineCommentGroupQty, qty);
    o.SetText(Opt::SingleLineCommentBlockCharacters, characters);
    o.SetInt(Opt::SingleLineCommentBlockCharacterTotal, total);
    return o;
}

std::string Comments(int n, const std::string& indent = "") {
    std::string text;
    for (int i = 1; i <= n; ++i) text += indent + "' line " + std::to_string(i) + "\n";
    return text;
}

TEST(CommentGroup, GroupOfTheQuantityIsFramedAndASmallerOneIsNot) {
    const TOptionSet o = Framing(5, "-", 50);
    const std::string block = "'" + std::string(50, '-') + "\n";
    ExpectStyled(Comments(5) + "x = 1", block + Comments(5) + block + "x = 1", o);
    ExpectStyled(Comments(4) + "x = 1", Comments(4) + "x = 1", o);
    TOptionSet off = o;
    off.SetBool(Opt::SingleLineCommentBlocks, false);
    EXPECT_NE(Styled(Comments(5) + "x = 1", o), Styled(Comments(5) + "x = 1", off));
    EXPECT_NE(Styled(Comments(4) + "x = 1", o),
              Styled(Comments(4) + "x = 1", Framing(4, "-", 50)));
}

TEST(CommentGroup, BlockLineRepeatsTheCharactersToTheTotal) {
    struct Row {
        const char* Characters;
        int Total;
        const char* Block;
    } rows[] = {
        {"*", 3, "'***"},
        {"-=", 5, "'-=-=-"},
        {"abc", 2, "'ab"},
        {"", 50, "'"},  // nothing to repeat: the apostrophe alone
        {"-", 0, "'"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Block);
        EXPECT_EQ(CommentBlockLine(0, row.Characters, row.Total), row.Block);
        ExpectStyled(Comments(3) + "x = 1",
                     std::string(row.Block) + "\n" + Comments(3) + row.Block + "\nx = 1",
                     Framing(3, row.Characters, row.Total));
    }
    EXPECT_EQ(CommentBlockLine(4, "-", 2), "    '--");
    EXPECT_NE(Styled(Comments(3) + "x = 1", Framing(3, "*", 3)),
              Styled(Comments(3) + "x = 1", Framing(3, "*", 4)));
}

TEST(CommentGroup, FrameTakesTheIndentationOfTheGroupsLastLine) {
    ExpectStyled("Sub S()\nx = 1\n" + Comments(3) + "y = 2\nEnd Sub",
                 "Sub S()\n    x = 1\n    '======\n" + Comments(3, "    ") +
                     "    '======\n    y = 2\nEnd Sub",
                 Framing());
}

TEST(CommentGroup, AlreadyFramedGroupGetsNoSecondFrame) {
    const std::string framed = "'======\n" + Comments(3) + "'======\nx = 1";
    ExpectStyled(framed, framed, Framing());
    // Indentation and trailing blanks of the closing line do not matter.
    ExpectStyled("'======\n" + Comments(3) + "  '======  \nx = 1",
                 "'======\n" + Comments(3) + "'======\nx = 1", Framing());
}

TEST(CommentGroup, EmptyLineCodeAndInLineCommentsEndAGroup) {
    const std::string block = "'======\n";
    ExpectStyled(Comments(3) + "\nx = 1", block + Comments(3) + block + "\nx = 1", Framing());
    ExpectStyled(Comments(2) + "\n" + Comments(2) + "x = 1", Comments(2) + "\n" + Comments(2) + "x = 1",
                 Framing());
    TOptionSet leave = Framing();
    leave.SetInt(Opt::GrpInLineComments, ilLeaveAsIs);
    ExpectStyled(Comments(3) + "x = 1 ' in line", block + Comments(3) + block + "x = 1 ' in line",
                 leave);
}

TEST(CommentGroup, GroupAtTheEndOfTheFileIsNotFramed) {
    ExpectStyled("x = 1\n" + Comments(3) + "' last", "x = 1\n" + Comments(3) + "' last",
                 Framing());
}

TEST(CommentGroup, RemovedCommentsGetNoFrame) {
    // The frame would be emptied like the comments; the empty lines left
    // are those of the comments (blank lines kept as they are).
    TOptionSet o = Framing();
    o.SetInt(Opt::GrpSingleLineComments, slRemove);
    ExpectStyled(Comments(3) + "x = 1", "\n\n\nx = 1", o);
    o.SetInt(Opt::GrpBlankLines, blRemoveAll);
    ExpectStyled(Comments(3) + "x = 1", "x = 1", o);
}

TEST(CommentGroup, LinesTheEndingLineMovesOutStayAfterTheClosingFrame) {
    TOptionSet o = Framing();
    o.SetInt(Opt::InLineCommentsFixedColumn, 5);
    o.SetInt(Opt::GrpInLineCommentsFixedColUnavail, fcNextLine);  // place on next line
    o.SetInt(Opt::GrpSingleLineComments, slLeaveAsIs);
    ExpectStyled(Comments(3) + "value = 1 ' moved",
                 "'======\n" + Comments(3) + "'======\nvalue = 1\n' moved", o);
}

TEST(CommentGroup, CommentMovedOffItsCodeLineJoinsTheGroupNextToIt) {
    // Styled again, the moved comment is a comment line like the others;
    // framing it with them now keeps the second styling from adding frames.
    TOptionSet o = Framing();
    o.SetInt(Opt::InLineCommentsFixedColumn, 5);
    o.SetInt(Opt::GrpSingleLineComments, slLeaveAsIs);
    o.SetInt(Opt::GrpInLineCommentsFixedColUnavail, fcPreviousLine);  // place on previous line
    ExpectStyled(Comments(3) + "value = 1 ' moved",
                 "'======\n" + Comments(3) + "' moved\n'======\nvalue = 1", o);
    ExpectStyled(Comments(2) + "value = 1 ' moved",
                 "'======\n" + Comments(2) + "' moved\n'======\nvalue = 1", o);
    o.SetInt(Opt::GrpInLineCommentsFixedColUnavail, fcNextLine);  // place on next line
    ExpectStyled("value = 1 ' moved\n' a\n' b\nx = 2",
                 "value = 1\n'======\n' moved\n' a\n' b\n'======\nx = 2", o);
}

TEST(CommentGroup, SpeciallyRemovedLinesNeitherCountNorEndAGroup) {
    TOptionSet o = Framing();
    o.SetBool(Opt::SpecialRemoveComments, true);
    ExpectStyled("' a\n'! gone\n' b\n' c\nx = 1", "'======\n' a\n' b\n' c\n'======\nx = 1", o);
    ExpectStyled("' a\n'! gone\n' b\nx = 1", "' a\n' b\nx = 1", o);
}

TEST(CommentGroup, GeneratedHeaderIsNotFramedSoItIsNotInsertedTwice) {
    TOptionSet o = Framing(3);
    o.SetBool(Opt::SubLevelCommentsPerform, true);
    o.SubHeaderTemplate = {"'! ---", "'! %n", "'! by %a", "'! ---"};
    o.SetText(Opt::UserName, "Ann");
    const std::string styled = "Sub Go()\n'! ---\n'! Go\n'! by Ann\n'! ---\n    x = 1\nEnd Sub";
    ExpectStyled("Sub Go()\nx = 1\nEnd Sub", styled, o);
    EXPECT_EQ(Styled(Styled(styled, o), o), styled);
}

}  // namespace
}  // namespace plumora::testing

// Header comments inserted before or after the first line of each sub and
// function: which procedures and files get one, where it goes, and the
// guard against inserting a second one.
#include <gtest/gtest.h>

#include "formatter/formatter.h"
#include "support/expect_styled.h"

namespace plumora::testing {
namespace {

TOptionSet Headers() {
    TOptionSet o = OptionsWithoutOptionExplicit();
    o.SetBool(Opt::SubLevelCommentsPerform, true);
    o.SetBool(Opt::FunctionLevelCommentsPerform, true);
    o.SetText(Opt::UserName, "Ann");
    o.SubHeaderTemplate = {"'* Sub %n", "'* (%p) by %a"};
    o.FunctionHeaderTemplate = {"'* Function %n %r", "'* (%p)"};
    return o;
}

TEST(HeaderComments, SubHeaderGoesAfterTheSubLineByDefault) {
    const std::string input = "Sub Go(a As Long)\nx = 1\nEnd Sub";
    ExpectStyled(input, "Sub Go(a As Long)\n'* Sub Go\n'* (a As Long) by Ann\n    x = 1\nEnd Sub",
                 Headers());
    TOptionSet off = Headers();
    off.SetBool(Opt::SubLevelCommentsPerform, false);
    ExpectStyled(input, "Sub Go(a As Long)\n    x = 1\nEnd Sub", off);
}

TEST(HeaderComments, OneLineProceduresGetTheirHeaderFromTheDeclarationAlone) {
    // After: below the one line; its values come from the declaration, never
    // from the statements after it.
    ExpectStyled("Private Function F() As Long: F = 1: End Function",
                 "Private Function F() As Long: F = 1: End Function\n'* Function F As Long\n'* ()",
                 Headers());
    TOptionSet before = Headers();
    before.SetBool(Opt::SubLevelCommentsBeforeProcedure, true);
    ExpectStyled("Sub G(): End Sub", "'* Sub G\n'* () by Ann\nSub G(): End Sub", before);
    // Split into lines of their own, the header goes next to the Sub line.
    before.SetBool(Opt::MultiStatementSplit, true);
    TOptionSet after = Headers();
    after.SetBool(Opt::MultiStatementSplit, true);
    ExpectStyled("Sub G(): End Sub", "Sub G()\n'* Sub G\n'* () by Ann\nEnd Sub", after);
    ExpectStyled("x = 1: Sub G()\nEnd Sub", "x = 1\n'* Sub G\n'* () by Ann\nSub G()\nEnd Sub",
                 before);
}

TEST(HeaderComments, BeforeTheProcedureLineWhenAskedFor) {
    TOptionSet o = Headers();
    o.SetBool(Opt::SubLevelCommentsBeforeProcedure, true);
    ExpectStyled("Dim m As Long\n\nPrivate Sub Go()\nEnd Sub",
                 "Dim m As Long\n\n'* Sub Go\n'* () by Ann\nPrivate Sub Go()\nEnd Sub", o);
    // Neither position chosen: no header at all.
    o.SetBool(Opt::SubLevelCommentsBeforeProcedure, false);
    ExpectStyled("Private Sub Go()\nEnd Sub", "Private Sub Go()\nEnd Sub", o);
}

TEST(HeaderComments, FunctionsAndPropertiesUseTheFunctionTemplateAndOptions) {
    ExpectStyled("Public Function Area(w As Long, h As Long) As Long\nEnd Function",
                 "Public Function Area(w As Long, h As Long) As Long\n"
                 "'* Function Area As Long\n'* (w As Long, h As Long)\nEnd Function",
                 Headers());
    ExpectStyled("Property Get Size() As Long\nEnd Property",
                 "Property Get Size() As Long\n'* Function Size As Long\n'* ()\nEnd Property",
                 Headers());
    TOptionSet o = Headers();
    o.SetBool(Opt::FunctionLevelCommentsPerform, false);
    o.SetBool(Opt::FunctionLevelCommentsBeforeProcedure, true);
    ExpectStyled("Function F()\nEnd Function\nSub S()\nEnd Sub",
                 "Function F()\nEnd Function\nSub S()\n'* Sub S\n'* () by Ann\nEnd Sub", o);
    o.SetBool(Opt::FunctionLevelCommentsPerform, true);
    ExpectStyled("Function F()\nEnd Function",
                 "'* Function F\n'* ()\nFunction F()\nEnd Function", o);
}

TEST(HeaderComments, ScopeDecidesWhichFilesGetHeaders) {
    struct Row {
        int Scope;
        std::uint8_t Kind;
        bool Gets;
    } rows[] = {
        {0, fkForm, true},  {0, fkModule, false}, {0, fkClass, false},
        {1, fkForm, false}, {1, fkModule, true},  {1, fkUserControl, false},
        {2, fkForm, true},  {2, fkModule, true},  {2, fkClass, true},
        {-1, fkModule, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.Scope) + " kind " + std::to_string(row.Kind));
        TOptionSet o = Headers();
        o.SetInt(Opt::GrpSubLevelComments, row.Scope);
        o.SetInt(Opt::GrpFunctionLevelComments, row.Scope);
        const std::string sub = Styled("Sub S()\nEnd Sub", o, row.Kind);
        const std::string function = Styled("Function F()\nEnd Function", o, row.Kind);
        EXPECT_EQ(sub.find("'* Sub S") != std::string::npos, row.Gets) << sub;
        EXPECT_EQ(function.find("'* Function F") != std::string::npos, row.Gets) << function;
    }
}

TEST(HeaderComments, HeaderAlreadyThereIsNotInsertedAgain) {
    // After: the line below the procedure is the template's first line, as
    // written or as expanded for this procedure.
    const std::string raw = "Sub Go()\n'* Sub %n\n'* (%p) by %a\nEnd Sub";
    ExpectStyled(raw, raw, Headers());
    const std::string expanded = "Sub Go()\n'* Sub Go\n'* () by Bob\nEnd Sub";
    ExpectStyled(expanded, expanded, Headers());
    // Any values count: a header dated yesterday, or one written before the
    // procedure was renamed, is still its header and gets no second one.
    ExpectStyled("Sub Go()\n'* Sub Old\nEnd Sub", "Sub Go()\n'* Sub Old\nEnd Sub", Headers());
    // A line of another shape is no header.
    ExpectStyled("Sub Go()\n' Sub Old\nEnd Sub",
                 "Sub Go()\n'* Sub Go\n'* () by Ann\n' Sub Old\nEnd Sub", Headers());
    // Before: the line above is the template's last line.
    TOptionSet before = Headers();
    before.SetBool(Opt::SubLevelCommentsBeforeProcedure, true);
    const std::string above = "'* Sub Old\n'* (%p) by %a\nSub Go()\nEnd Sub";
    ExpectStyled(above, above, before);
    // An ordinary comment there is no header.
    ExpectStyled("' about Go\nSub Go()\nEnd Sub",
                 "' about Go\n'* Sub Go\n'* () by Ann\nSub Go()\nEnd Sub", before);
}

TEST(HeaderComments, IndentedHeaderStillCountsSoRestylingAddsNoSecondOne) {
    // Comments placed at the level of the next code line indent the header;
    // styling the result again must not stack another header on it.
    TOptionSet o = Headers();
    o.SetInt(Opt::GrpSingleLineComments, slNextLineIndent);
    ExpectStyled("Sub Go()\nx = 1\nEnd Sub",
                 "Sub Go()\n    '* Sub Go\n    '* () by Ann\n    x = 1\nEnd Sub", o);
    o.SetInt(Opt::GrpSingleLineComments, slFixedColumn);
    o.SetBool(Opt::SubLevelCommentsBeforeProcedure, true);
    ExpectStyled("Sub Go()\nEnd Sub", "    '* Sub Go\n    '* () by Ann\nSub Go()\nEnd Sub", o);
}

TEST(HeaderComments, ContinuedDeclarationGetsItsHeaderAfterItsLastLine) {
    ExpectStyled("Public Sub Save(a As Long, _\nb As Long)\nx = 1\nEnd Sub",
                 "Public Sub Save(a As Long, _\n        b As Long)\n"
                 "        '* Sub Save\n        '* (a As Long, b As Long) by Ann\n    x = 1\nEnd Sub",
                 Headers());
    ExpectStyled("Function Area(w As Long, _\n    h As Long) _\n    As Long\nEnd Function",
                 "Function Area(w As Long, _\n        h As Long) _\n        As Long\n"
                 "        '* Function Area As Long\n        '* (w As Long, h As Long)\nEnd Function",
                 Headers());
    TOptionSet before = Headers();
    before.SetBool(Opt::SubLevelCommentsBeforeProcedure, true);
    ExpectStyled("Sub Save(a As Long, _\nb As Long)\nEnd Sub",
                 "'* Sub Save\n'* (a As Long, b As Long) by Ann\nSub Save(a As Long, _\n"
                 "        b As Long)\nEnd Sub",
                 before);
}

TEST(HeaderComments, HeaderAfterGoesBelowTheProcedureAttributeLines) {
    const std::string head = "Public Property Get Name() As String\n"
                             "Attribute Name.VB_UserMemId = 0\n"
                             "Attribute Name.VB_Description = \"The name\"\n";
    ExpectStyled(head + "Name = m\nEnd Property",
                 head + "'* Function Name As String\n'* ()\n    Name = m\nEnd Property",
                 Headers(), fkClass);
}

TEST(HeaderComments, CommentMovedOffTheProcedureLineGoesAboveTheHeader) {
    TOptionSet o = Headers();
    o.SetBool(Opt::SubLevelCommentsBeforeProcedure, true);
    o.SubHeaderTemplate = {"'* -", "'* %n", "'* -"};
    o.SetInt(Opt::InLineCommentsFixedColumn, 5);
    o.SetInt(Opt::GrpInLineCommentsFixedColUnavail, fcPreviousLine);  // place on previous line
    ExpectStyled("Sub Go() ' starts it\nEnd Sub", "' starts it\n'* -\n'* Go\n'* -\nSub Go()\nEnd Sub",
                 o);
}

TEST(HeaderComments, CommentNeverGoesBetweenAProcedureAndItsAttributes) {
    TOptionSet o = OptionsWithoutOptionExplicit();
    o.SetInt(Opt::InLineCommentsFixedColumn, 5);
    o.SetInt(Opt::GrpInLineCommentsFixedColUnavail, fcNextLine);  // place on next line
    const std::string attribute = "Attribute Go.VB_UserMemId = 0\n";
    ExpectStyled("Sub Go() ' default member\n" + attribute + "End Sub",
                 "Sub Go()    ' default member\n" + attribute + "End Sub", o, fkClass);
}

TEST(HeaderComments, DatePlaceholderUsesTheFormattersDate) {
    TOptionSet o = Headers();
    o.SubHeaderTemplate = {"'! %N on %d, 100%"};
    TVBSrcFormatter f(o);
    f.HeaderDate = "12/08/2026";
    f.StyleLines({"Sub Go()", "End Sub"});
    ASSERT_EQ(f.Output.size(), 3u);
    EXPECT_EQ(f.Output[1].Text, "'! Go on 12/08/2026, 100%");
    EXPECT_TRUE(f.Output[1].Mark.IsChanged());
    EXPECT_FALSE(f.Output[0].Mark.IsChanged());
}

TEST(HeaderComments, BuiltInTemplatesGoInWhole) {
    TOptionSet o = OptionsWithoutOptionExplicit();
    o.SetBool(Opt::FunctionLevelCommentsPerform, true);
    TVBSrcFormatter f(o);
    f.HeaderDate = "01/02/2027";
    f.StyleLines({"Private Function Twice(n As Long) As Long", "Twice = 2 * n", "End Function"});
    ASSERT_EQ(f.Output.size(), 3u + 12u);
    EXPECT_EQ(f.Output[2].Text, "'!  Name   :  Twice");
    EXPECT_EQ(f.Output[3].Text, "'!  Author :  Unknown");
    EXPECT_EQ(f.Output[4].Text, "'!  Date   :  01/02/2027");
    EXPECT_EQ(f.Output[5].Text, "'!  Params :  n As Long");
    EXPECT_EQ(f.Output[6].Text, "'!  Returns:  As Long");
    EXPECT_EQ(f.Output[13].Text, "    Twice = 2 * n");
}

}  // namespace
}  // namespace plumora::testing

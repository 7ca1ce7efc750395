// The pass over one file: description block, Option Explicit, marks across
// passes, the gauge and cancellation.
#include "formatter/formatter.h"

#include <gtest/gtest.h>

#include "support/expect_styled.h"
#include "support/scripted_run_host.h"

namespace plumora::testing {
namespace {

const char* const kFormHead =
    "VERSION 5.00\n"
    "Begin VB.Form frmMain \n"
    "   Caption         =   \"Main\"\n"
    "   Begin VB.CommandButton cmdOk \n"
    "      Caption         =   \"OK\"\n"
    "   End\n"
    "End\n"
    "Attribute VB_Name = \"frmMain\"\n"
    "Attribute VB_Exposed = False\n";

// The inserted line as the later passes leave it: its comment placed like any
// in-line comment, in column 41 by default.
const std::string kOptionExplicit =
    "Option Explicit" + std::string(25, ' ') + "'Force all variables to be declared before their use\n\n";

TEST(OptionExplicit, FormGetsItAfterTheBlockAndItsAttributes) {
    ExpectStyled(std::string(kFormHead) + "Private Sub cmdOk_Click()\nUnload Me\nEnd Sub",
                 std::string(kFormHead) + kOptionExplicit +
                     "Private Sub cmdOk_Click()\n    Unload Me\nEnd Sub",
                 TOptionSet(), fkForm);
}

TEST(OptionExplicit, ClassGetsItAfterItsHeaderBlock) {
    const std::string head =
        "VERSION 1.0 CLASS\nBEGIN\n  MultiUse = -1  'True\nEND\nAttribute VB_Name = \"CItem\"\n";
    ExpectStyled(head + "Private m As Long\nPublic Sub Go()\nm = 1\nEnd Sub",
                 head + kOptionExplicit + "Private m As Long\nPublic Sub Go()\n    m = 1\nEnd Sub",
                 TOptionSet(), fkClass);
}

TEST(OptionExplicit, ModuleGetsItAfterAttributesOrAtTheTop) {
    ExpectStyled("Attribute VB_Name = \"Module1\"\nSub Main()\nEnd Sub",
                 "Attribute VB_Name = \"Module1\"\n" + kOptionExplicit + "Sub Main()\nEnd Sub",
                 TOptionSet());
    ExpectStyled("Sub Main()\nx = 1\nEnd Sub", kOptionExplicit + "Sub Main()\n    x = 1\nEnd Sub",
                 TOptionSet());
}

TEST(OptionExplicit, PresentOnceIsNeverAddedAgainAndSwitchedOffIsNeverAdded) {
    const std::string text = "Option Explicit\nDim a As Long\nSub Main()\nEnd Sub";
    ExpectStyled(text, text, TOptionSet());
    ExpectStyled("Sub Main()\nEnd Sub", "Sub Main()\nEnd Sub", OptionsWithoutOptionExplicit());
}

TEST(DescriptionBlock, PassesThroughByteForByteWithTabsExpanded) {
    // Odd spacing, trailing blanks and a nested block that indentation would
    // otherwise move.
    const std::string head =
        "VERSION 5.00\nBegin VB.UserControl ctl \n   If = 1   \n  Begin VB.Timer t\n"
        "        Interval = 5\n  End\n   With = \"x\"\nEnd\nAttribute VB_Name = \"ctl\"\n";
    ExpectStyled(head + "Option Explicit\nSub S()\nEnd Sub", head + "Option Explicit\nSub S()\nEnd Sub",
                 TOptionSet(), fkUserControl);
    EXPECT_EQ(Styled("VERSION 5.00\nBegin\n\tCaption = 1\nEnd\nSub S()\nEnd Sub",
                     OptionsWithoutOptionExplicit()),
              "VERSION 5.00\nBegin\n    Caption = 1\nEnd\nSub S()\nEnd Sub");
}

TEST(DescriptionBlock, FormWithoutAnyProcedureKeepsItsBlock) {
    const std::string head =
        "VERSION 5.00\nBegin VB.Form frmAbout \n   Caption = \"About\"\n   Begin VB.Label lbl \n"
        "      Caption = \"If you Then\"\n   End\nEnd\nAttribute VB_Name = \"frmAbout\"\n";
    ExpectStyled(head + "Dim a As Long", head + kOptionExplicit + "Dim a As Long", TOptionSet(),
                 fkForm);
    ExpectStyled(head, head + kOptionExplicit, TOptionSet(), fkForm);
}

TEST(Marks, ChangedLinesAreYellowOnEveryPassAndTrailingBlanksDoNotCount) {
    const TOptionSet options = OptionsWithoutOptionExplicit();
    TVBSrcFormatter f(options);
    f.StyleLines({"Sub S()", "    x = 1   ", "y = 2", "End Sub"});
    ASSERT_EQ(f.Output.size(), 4u);
    EXPECT_EQ(f.Output[0].Mark, TColorObject::Unchanged());
    EXPECT_EQ(f.Output[1].Mark, TColorObject::Unchanged());
    EXPECT_EQ(f.Output[2].Mark, TColorObject::Changed());
    EXPECT_EQ(f.Output[3].Mark, TColorObject::Unchanged());
    EXPECT_EQ(TColorObject::Changed().BackColor, TColor::FromRgb(255, 255, 0));
    EXPECT_EQ(TColorObject::Unchanged().BackColor.Kind, TColor::Kind::SystemWindow);
}

TEST(Marks, AChangeOfPassOneStaysMarkedThroughLaterPasses) {
    const TOptionSet options = OptionsWithoutOptionExplicit();
    TVBSrcFormatter f(options);
    f.RunPass(std::vector<std::string>{"Sub S()", "y = 2", "End Sub"}, 0);
    TStyledLines first = f.Output;
    f.Output.clear();
    f.RunPass(first, 1);
    // The second pass sees "    y = 2" unchanged, yet the line keeps its mark.
    EXPECT_TRUE(f.Output[1].Mark.IsChanged());
    EXPECT_FALSE(f.Output[0].Mark.IsChanged());
}

TEST(Marks, InsertedOptionExplicitIsMarkedAndSetsModified) {
    const TOptionSet options;
    TVBSrcFormatter f(options);
    f.RunPass(std::vector<std::string>{"Sub S()", "End Sub"}, 0);
    EXPECT_TRUE(f.Modified);
    ASSERT_EQ(f.Output.size(), 4u);
    EXPECT_TRUE(f.Output[0].Mark.IsChanged());
    EXPECT_TRUE(f.Output[1].Mark.IsChanged());
    EXPECT_FALSE(f.Output[2].Mark.IsChanged());
}

TEST(Pass, GaugeLabelsAndPumpOncePerLine) {
    ScriptedRunHost host;
    const TOptionSet options;
    TVBSrcFormatter f(options, &host);
    f.FileName = "Form1.frm";
    ASSERT_TRUE(f.StyleLines(SplitLines(std::string(kFormHead) + "Option Explicit\nSub S()\nEnd Sub")));
    // The first pass writes every line in its final layout: one pass.
    EXPECT_EQ(host.Labels, (std::vector<std::string>{"Form1.frm (Pass 1)"}));
    // Styling starts after the block's End (line 7); the file has 12 lines.
    EXPECT_EQ(host.RangeMin, 7);
    EXPECT_EQ(host.RangeMax, 12);
    // Preamble walk to the procedure start (11 lines) + main loop (5 lines).
    EXPECT_EQ(host.Pumps, 11 + 5);
    EXPECT_EQ(host.Positions.back(), 11);
}

TEST(Pass, LaterPassesChangeNothingOfWhatTheFirstWrote) {
    // A sample where the first pass moves comments, frames a group, inserts
    // headers, splits and aligns: the second and third passes, when asked
    // for, must leave its result as it is.
    TOptionSet o = EveryRewriteRule();
    o.SetBool(Opt::SubLevelCommentsPerform, true);
    o.SetBool(Opt::SubLevelCommentsBeforeProcedure, true);
    o.SetInt(Opt::SingleLineCommentGroupQty, 2);
    o.SetInt(Opt::GrpInLineCommentsFixedColUnavail, fcPreviousLine);
    o.SetInt(Opt::InLineCommentsFixedColumn, 12);
    const auto input = SplitLines(
        "' one\n' two\nSub S() ' starts\nDim a, bb As Long ' both\n' three\n' four\n"
        "If a Then b = 1: c = 2 ' then\nEnd Sub");
    ScriptedRunHost host;
    TVBSrcFormatter one(o, &host);
    ASSERT_TRUE(one.StyleLines(input));
    TVBSrcFormatter all(o);
    all.AllPasses = true;
    ASSERT_TRUE(all.StyleLines(input));
    EXPECT_EQ(JoinLines(one.Output), JoinLines(all.Output));
    EXPECT_EQ(host.Labels.size(), 1u);
}

TEST(Pass, CancellationStopsMidPassWithPartialOutput) {
    ScriptedRunHost host;
    host.CancelAtPump = 4;  // preamble pumps once (line 0 is a procedure start)
    const TOptionSet options = OptionsWithoutOptionExplicit();
    TVBSrcFormatter f(options, &host);
    EXPECT_FALSE(f.StyleLines({"Sub S()", "a = 1", "b = 2", "c = 3", "End Sub"}));
    EXPECT_EQ(f.Output.size(), 2u);
    EXPECT_EQ(host.Pumps, 4);
    EXPECT_EQ(host.Labels.size(), 1u);
}

TEST(Pass, EmptyFileAndFileOfOnlyBlankLines) {
    const TOptionSet options = OptionsWithoutOptionExplicit();
    TVBSrcFormatter f(options);
    EXPECT_TRUE(f.StyleLines({}));
    EXPECT_TRUE(f.Output.empty());
    EXPECT_EQ(Styled("", TOptionSet()), kOptionExplicit);
}

TEST(Pass, HugeLinesAndControlBytesPassThrough) {
    std::string huge(200000, 'x');
    std::string binaryish("a\0b\x1a\xff", 5);
    const TOptionSet options = OptionsWithoutOptionExplicit();
    TVBSrcFormatter f(options);
    ASSERT_TRUE(f.StyleLines({"Sub S()", huge, binaryish, "End Sub"}));
    ASSERT_EQ(f.Output.size(), 4u);
    EXPECT_EQ(f.Output[1].Text, "    " + huge);
    EXPECT_EQ(f.Output[2].Text, "    " + binaryish);
}

TEST(Pass, RestylingGivesTheSameTextOnRealisticCode) {
    const std::string text =
        "Attribute VB_Name = \"modMain\"\n" + kOptionExplicit +
        "Private Type Rec\n    Name As String\nEnd Type\n\n"
        "Public Function Total(ByVal n As Long) As Long\n"
        "    Dim i As Long, s As Long\n"
        "    For i = 1 To n\n"
        "        If i Mod 2 = 0 Then s = s + i Else s = s - i\n"
        "    Next i\n"
        "    Total = s\n"
        "End Function";
    ExpectStyled(text, text, TOptionSet());
}

}  // namespace
}  // namespace plumora::testing

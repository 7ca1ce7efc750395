// The spelling hooks of pass 1, driven by a scripted spelling host.
#include <gtest/gtest.h>

#include "formatter/formatter.h"
#include "support/expect_styled.h"
#include "support/scripted_run_host.h"

namespace plumora::testing {
namespace {

TOptionSet SpellingOptions(bool literals, bool comments) {
    TOptionSet o = OptionsWithoutOptionExplicit();
    o.SetBool(Opt::CodeIndentPerform, false);
    o.SetInt(Opt::GrpInLineComments, ilLeaveAsIs);  // comments stay where the hooks put them
    o.SetBool(Opt::SpellingPerform, true);
    o.SetBool(Opt::SpellingLiterals, literals);
    o.SetBool(Opt::SpellingComments, comments);
    return o;
}

struct SpellRun {
    std::string Text;
    std::vector<SpellingCall> Calls;
    bool Modified = false;
    bool Cancelled = false;
};

SpellRun Spell(const std::string& input, const TOptionSet& options, ScriptedSpellingHost& host) {
    TVBSrcFormatter f(options, nullptr, &host);
    f.RunPass(SplitLines(input), 0);
    return {JoinLines(f.Output), host.Calls, f.Modified, f.SpellCancelled};
}

TEST(SpellHooks, LiteralsAreCheckedAndPutBackCorrected) {
    const TOptionSet o = SpellingOptions(true, false);
    ScriptedSpellingHost host;
    host.Replace = {{"teh", "the"}};
    SpellRun r = Spell("MsgBox \"teh end\" & \"ok\" ' teh note", o, host);
    EXPECT_EQ(r.Text, "MsgBox \"the end\" & \"ok\" ' teh note");
    ASSERT_EQ(r.Calls.size(), 2u);
    EXPECT_EQ(r.Calls[0].Text, "teh end");
    EXPECT_EQ(r.Calls[0].Context, "MsgBox \"teh end\" & \"ok\" ' teh note");
    EXPECT_FALSE(r.Modified);  // a literal fix does not change the line structure
}

TEST(SpellHooks, DoubledAndUnterminatedQuotesSurviveUnchanged) {
    const TOptionSet o = SpellingOptions(true, false);
    for (const char* line : {"x = \"say \"\"hi\"\"\"", "x = \"open ended", "x = \"\"",
                             "x = 1 ' a \"quoted\" word"}) {
        SCOPED_TRACE(line);
        ScriptedSpellingHost host;
        EXPECT_EQ(Spell(line, o, host).Text, line);
    }
    ScriptedSpellingHost host;
    // Without a literal in the code the comment's quotes are left alone; with
    // one, the walk covers the comment and its quoted words count as literals.
    Spell("x = 1 ' a \"quoted\" word", o, host);
    EXPECT_TRUE(host.Calls.empty());
    Spell("x = \"a\" ' a \"quoted\" word", o, host);
    ASSERT_EQ(host.Calls.size(), 2u);
    EXPECT_EQ(host.Calls[1].Text, "quoted");
}

TEST(SpellHooks, CorrectedCommentIsRebuiltAfterFiveBlanks) {
    const TOptionSet o = SpellingOptions(false, true);
    ScriptedSpellingHost host;
    host.Replace = {{"recieve", "receive"}};
    SpellRun r = Spell("x = 1   ' recieve it\ny = 2 ' fine\nz = 3", o, host);
    EXPECT_EQ(r.Text, "x = 1     ' receive it\ny = 2 ' fine\nz = 3");
    EXPECT_TRUE(r.Modified);
    // Lines without a comment are not sent.
    EXPECT_EQ(r.Calls.size(), 2u);
}

TEST(SpellHooks, CancelStopsCheckingForTheRestOfTheLineAndTheFile) {
    const TOptionSet o = SpellingOptions(true, true);
    ScriptedSpellingHost host;
    host.CancelAtCall = 1;
    host.Replace = {{"teh", "the"}};
    SpellRun r = Spell("x = \"teh\" & \"teh\" ' teh\ny = \"teh\"", o, host);
    EXPECT_EQ(host.Calls.size(), 1u);
    EXPECT_TRUE(r.Cancelled);
    EXPECT_EQ(r.Text, "x = \"teh\" & \"teh\" ' teh\ny = \"teh\"");
}

TEST(SpellHooks, OnlyInPassOneAndOnlyWhenSwitchedOn) {
    ScriptedSpellingHost host;
    const TOptionSet on = SpellingOptions(true, true);
    TVBSrcFormatter f(on, nullptr, &host);
    f.RunPass(TStyledLines{{"x = \"a\" ' b", TColorObject::Unchanged()}}, 1);
    EXPECT_TRUE(host.Calls.empty());
    TOptionSet off = on;
    off.SetBool(Opt::SpellingPerform, false);
    Spell("x = \"a\" ' b", off, host);
    EXPECT_TRUE(host.Calls.empty());
    Spell("x = \"a\" ' b", on, host);
    EXPECT_EQ(host.Calls.size(), 2u);
}

}  // namespace
}  // namespace plumora::testing

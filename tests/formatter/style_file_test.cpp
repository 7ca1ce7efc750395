// One file through StyleFile: the change test, the safety net's verdict and
// the bytes that are written, end-of-file mark included.
#include <gtest/gtest.h>

#include "formatter/style_file.h"
#include "support/expect_styled.h"

namespace plumora::testing {
namespace {

TEST(StyleFile, TellsWhetherTheTextChanged) {
    const TOptionSet o = Plain();
    TVBSrcFormatter f(o);
    EXPECT_FALSE(StyleFile(f, {"Sub A()", "    x = 1", "End Sub"}, "A.bas", fkModule).Changed);
    // Only the tab expansion: still a change of the file's bytes.
    TStyleResult r = StyleFile(f, {"Sub A()", "\tx = 1", "End Sub"}, "A.bas", fkModule);
    EXPECT_TRUE(r.Completed);
    EXPECT_TRUE(r.Changed);
    EXPECT_FALSE(r.SafetyNet);
    EXPECT_EQ(StyledText(f.Output, r.EndOfFileMark), "Sub A()\r\n    x = 1\r\nEnd Sub\r\n");
}

TEST(StyleFile, EndOfFileMarkStaysTheLastByte) {
    TOptionSet o = Plain();
    o.SetInt(Opt::GrpBlankLines, blRemoveAll);  // would remove a line that trims to nothing
    TVBSrcFormatter f(o);
    const std::string mark(1, kEndOfFileMark);
    TStyleResult own = StyleFile(f, {"Sub A()", "x = 1", "End Sub", mark}, "A.bas", fkModule);
    EXPECT_TRUE(own.EndOfFileMark);
    EXPECT_EQ(StyledText(f.Output, own.EndOfFileMark),
              "Sub A()\r\n    x = 1\r\nEnd Sub\r\n" + mark);
    EXPECT_EQ(StyledLines(f.Output, own.EndOfFileMark).back(), mark);

    // Already styled: nothing changes, mark included.
    EXPECT_FALSE(StyleFile(f, {"Sub A()", "    x = 1", "End Sub", mark}, "A.bas", fkModule).Changed);

    // Written right after the last line's text by an old editor: the mark
    // still ends the file, after a proper line end.
    TStyleResult glued = StyleFile(f, {"Sub A()", "End Sub" + mark}, "A.bas", fkModule);
    EXPECT_TRUE(glued.Changed);
    EXPECT_EQ(StyledText(f.Output, glued.EndOfFileMark), "Sub A()\r\nEnd Sub\r\n" + mark);
}

// Refused before styling: text that is no source, a form whose
// description block never closes before the code.
TEST(StyleFile, RefusesNulTextAndUnclosedFormDescriptions) {
    const TOptionSet o;  // Option Explicit is inserted by default
    TVBSrcFormatter f(o);
    using namespace std::string_literals;
    const struct {
        const char* Name;
        std::vector<std::string> Lines;
        std::string Refusal;  // empty: styled
    } cases[] = {
        {"UTF-16 read as bytes", {"S\0u\0b\0"s, "E\0n\0d\0"s}, "A.frm: line 1 holds a NUL byte"},
        {"NUL further down", {"Sub A()", "x = \"a\0b\""s, "End Sub"}, "A.frm: line 2 holds a NUL byte"},
        {"description never ends",
         {"VERSION 5.00", "Begin VB.Form F", "   Caption = \"F\"", "Sub A()", "End Sub"},
         "A.frm: the form description block that begins on line 2 has no End closing it"},
        {"End only after the first procedure",
         {"VERSION 5.00", "Begin VB.Form F", "Sub A()", "End", "End Sub"},
         "A.frm: the form description block that begins on line 2"},
        {"no block at all", {"VERSION 5.00", "Sub A()", "End Sub"},
         "A.frm: the form description that starts with VERSION on line 1 has no Begin ... End block"},
        {"nested blocks closed", {"VERSION 5.00", "Begin VB.Form F", "  Begin VB.Label L", "  End",
                                  "  BeginProperty Font", "  EndProperty", "End", "Sub A()", "End Sub"}, ""},
        {"class header", {"VERSION 1.0 CLASS", "BEGIN", "  MultiUse = -1", "END", "Sub A()", "End Sub"}, ""},
        {"module", {"Sub A()", "End Sub"}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const TStyleResult r = StyleFile(f, c.Lines, "A.frm", fkForm);
        EXPECT_TRUE(r.Completed);
        if (c.Refusal.empty()) {
            EXPECT_EQ(r.Refusal, "");
            EXPECT_FALSE(f.Output.empty());
        } else {
            EXPECT_EQ(r.Refusal.rfind(c.Refusal, 0), 0u) << r.Refusal;
            EXPECT_TRUE(f.Output.empty());
        }
    }
}

// Refused after styling: a line that styling made longer than Visual
// Basic's 1,023 characters. A source line already beyond it stays allowed.
TEST(StyleFile, RefusesStyledLinesBeyondVisualBasicsLimit) {
    const TOptionSet o = Plain();
    TVBSrcFormatter f(o);
    std::vector<std::string> deep = {"Sub A()"};
    for (int i = 0; i < 260; ++i) deep.push_back("If x Then");
    deep.push_back("y = 1");
    for (int i = 0; i < 260; ++i) deep.push_back("End If");
    deep.push_back("End Sub");
    const TStyleResult r = StyleFile(f, deep, "Deep.bas", fkModule);
    std::size_t first = 0;
    while (first < f.Output.size() && f.Output[first].Text.size() <= 1023) ++first;
    ASSERT_LT(first, f.Output.size());
    EXPECT_EQ(r.Refusal.rfind("Deep.bas: styled line " + std::to_string(first + 1) + " would be " +
                                  std::to_string(f.Output[first].Text.size()) +
                                  " characters long, more than the 1023 that Visual Basic accepts",
                              0),
              0u)
        << r.Refusal;

    // Exactly at the limit (4 blanks, x = "...", and the closing quote), and
    // a long source line re-indented or split.
    const std::string atLimit = "x = \"" + std::string(1023 - 10, 'a') + "\"";
    EXPECT_EQ(StyleFile(f, {"Sub A()", atLimit, "End Sub"}, "A.bas", fkModule).Refusal, "");
    const std::string longSource = "x = \"" + std::string(1100, 'a') + "\"";
    EXPECT_EQ(StyleFile(f, {"Sub A()", longSource, "End Sub"}, "A.bas", fkModule).Refusal, "");
    EXPECT_EQ(StyleFile(f, {"Sub A()", "\t" + longSource + ": y = 2", "End Sub"}, "A.bas", fkModule).Refusal, "");
}

}  // namespace
}  // namespace plumora::testing

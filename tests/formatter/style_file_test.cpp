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
    o.SetInt(Opt::GrpBlankLines, 2);  // would remove a line that trims to nothing
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

}  // namespace
}  // namespace plumora::testing

// Source written on a Japanese, Chinese or Korean system: the formatter works
// on bytes, and none of its rules may cut a double-byte character, mistake a
// trail byte for a quote, an apostrophe, a colon or the continuation
// character, or count a column other than a fixed-pitch view shows.
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "formatter/formatter.h"
#include "io/text_lines.h"
#include "settings/option_set.h"
#include "support/expect_styled.h"
#include "text/code_page.h"

namespace plumora {
namespace {

using testing::EveryRewriteRule;
using testing::Plain;
using testing::Styled;

struct TSampleFile {
    int CodePage;
    const char* Path;  // below the repository
};

const TSampleFile kSamples[] = {
    {932, "examples/ShiftJIS/ZAIKO.BAS"},
    {936, "tests/data/codepages/gbk.bas"},
    {949, "tests/data/codepages/uhc.bas"},
    {950, "tests/data/codepages/big5.bas"},
};

std::string ReadSample(const TSampleFile& sample) {
    std::vector<std::string> lines;
    const TIoResult read = ReadTextLines(std::string(PLUMORA_SOURCE_DIR) + "/" + sample.Path, lines);
    EXPECT_TRUE(read.Ok) << read.Error;
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) text += (i ? "\n" : "") + lines[i];
    return text;
}

// Every rule that moves, splits, frames or inserts text.
TOptionSet EveryRule() {
    TOptionSet o = EveryRewriteRule();
    o.SetInt(Opt::GrpInLineComments, ilFixedColumn);
    o.SetInt(Opt::InLineCommentsFixedColumn, 30);
    o.SetInt(Opt::GrpInLineCommentsFixedColUnavail, fcPreviousLine);
    o.SetInt(Opt::GrpSingleLineComments, slPriorLineIndent);
    o.SetInt(Opt::SingleLineCommentGroupQty, 1);
    o.SetBool(Opt::CorrectAsProblem, true);
    return o;
}

// The same with header comments, which copy a routine's name (double-byte
// characters too) into the header.
TOptionSet EveryRuleWithHeaders() {
    TOptionSet o = EveryRule();
    o.SetBool(Opt::SubLevelCommentsPerform, true);
    o.SetBool(Opt::FunctionLevelCommentsPerform, true);
    return o;
}

// The characters beyond ASCII, counted, and whether any byte made none.
struct TCharacters {
    std::map<char32_t, int> Count;
    int Broken = 0;
};

TCharacters CharactersOf(const std::string& text, const TTextCodec& codec) {
    TCharacters c;
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t length = 0;
        const char32_t ch = codec.CharAt(text, pos, length);
        if (ch >= kByteEscapeBase) ++c.Broken;
        else if (ch >= 0x80) ++c.Count[ch];
        pos += length;
    }
    return c;
}

TEST(DoubleByteSource, EveryRuleKeepsEveryCharacterWhole) {
    for (const TSampleFile& sample : kSamples) {
        SCOPED_TRACE(sample.Path);
        const TTextCodec& codec = TTextCodec::Of(sample.CodePage);
        const std::string source = ReadSample(sample);
        const TCharacters before = CharactersOf(source, codec);
        ASSERT_EQ(before.Broken, 0) << "the sample itself is not in its code page";
        ASSERT_GT(before.Count.size(), 10u);

        const std::string styled = Styled(source, EveryRule());
        const TCharacters after = CharactersOf(styled, codec);
        EXPECT_EQ(after.Broken, 0) << styled;
        EXPECT_EQ(after.Count, before.Count) << styled;
        // Styled once, the text is its own fixed point, byte for byte.
        EXPECT_EQ(Styled(styled, EveryRule()), styled);

        const std::string headed = Styled(source, EveryRuleWithHeaders());
        EXPECT_EQ(CharactersOf(headed, codec).Broken, 0);
        EXPECT_EQ(Styled(headed, EveryRuleWithHeaders()), headed);
    }
}

TEST(DoubleByteSource, TextThatNeedsNoChangeComesBackByteForByte) {
    for (const TSampleFile& sample : kSamples) {
        SCOPED_TRACE(sample.Path);
        TOptionSet off = Plain();
        off.SetBool(Opt::CodeIndentPerform, false);
        off.SetBool(Opt::AlignMultiDimAs, false);
        const std::string source = ReadSample(sample);
        EXPECT_EQ(Styled(source, off), source);
    }
}

TEST(DoubleByteSource, TrailBytesAreNeverTakenForCodeCharacters) {
    // Shift-JIS: "\x83\x5F" (katakana da) ends in "_", "\x95\x5C" (hyou)
    // in a backslash, "\x81\x46" is the full-width colon.
    TOptionSet o = Plain();
    o.SetBool(Opt::MultiStatementSplit, true);
    o.SetBool(Opt::IfThenSplit, true);
    // A comment ending in "da" continues nothing: the next line is no
    // continuation line.
    testing::ExpectStyled("Sub A()\nx = 1 ' \x83\x4A\x83\x69\x83\x5F\ny = 2\nEnd Sub",
                          "Sub A()\n    x = 1 ' \x83\x4A\x83\x69\x83\x5F\n    y = 2\nEnd Sub", o);
    testing::ExpectStyled("Sub A()\n' \x83\x4A\x83\x69\x83\x5F\ny = 2\nEnd Sub",
                          "Sub A()\n    ' \x83\x4A\x83\x69\x83\x5F\n    y = 2\nEnd Sub", o);
    // A literal with these characters is one statement, whatever follows.
    testing::ExpectStyled("Sub A()\ns = \"\x95\x5C\x81\x46\x83\x5F\": t = 1\nEnd Sub",
                          "Sub A()\n    s = \"\x95\x5C\x81\x46\x83\x5F\"\n    t = 1\nEnd Sub", o);
    testing::ExpectStyled("Sub A()\nIf x Then s = \"\x83\x5F\x81\x46\"\nEnd Sub",
                          "Sub A()\n    If x Then\n        s = \"\x83\x5F\x81\x46\"\n    End If\nEnd Sub", o);
}

// Columns as a fixed-pitch view shows the line: a double-byte character
// takes two.
int ViewColumnOf(const std::string& line, std::string_view what, const TTextCodec& codec) {
    const std::size_t at = line.find(what);
    int column = 0;
    for (std::size_t pos = 0; pos < at;) {
        std::size_t length = 0;
        const char32_t ch = codec.CharAt(line, pos, length);
        column += codec.Columns(ch, length);
        pos += length;
    }
    return column;
}

TEST(DoubleByteSource, AlignedColumnsLineUpOnScreen) {
    const TTextCodec& sjis = TTextCodec::Of(932);
    // Dim <shouhinmei> As String beside ASCII names; an in-line comment at a
    // fixed column after a literal of double-byte characters.
    TOptionSet o = Plain();
    o.SetInt(Opt::GrpInLineComments, ilFixedColumn);
    o.SetInt(Opt::InLineCommentsFixedColumn, 30);
    const std::string styled = Styled(
        "Sub A()\nDim \x8F\xA4\x95\x69\x96\xBC As String\nDim lCount As Long\n"
        "s = \"\x8D\xDD\x8C\xC9\" ' one\nt = 1 ' two\nEnd Sub",
        o);
    const std::vector<std::string> lines = testing::SplitLines(styled);
    ASSERT_EQ(lines.size(), 6u) << styled;
    EXPECT_EQ(ViewColumnOf(lines[1], " As ", sjis), ViewColumnOf(lines[2], " As ", sjis)) << styled;
    EXPECT_EQ(ViewColumnOf(lines[3], "'", sjis), ViewColumnOf(lines[4], "'", sjis)) << styled;
}

}  // namespace
}  // namespace plumora

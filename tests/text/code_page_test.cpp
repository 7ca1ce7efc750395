// Decoding and encoding the code pages the views offer: one row per code
// page with a sample of its own letters, then the guarantees every code
// page keeps (bytes survive a round trip, characters are never cut).
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "text/code_page.h"

namespace plumora {
namespace {

std::u16string Decoded(int codePage, std::string_view bytes) {
    std::u16string out;
    TTextCodec::Of(codePage).Decode(bytes, out);
    return out;
}

struct TSample {
    int CodePage;
    const char* Bytes;
    std::u16string Text;
};

TEST(CodePage, EachCodePageReadsItsOwnLetters) {
    const TSample samples[] = {
        {1252, "caf\xE9 \x80", u"caf\u00E9 \u20AC"},
        {1250, "\x8A\xA5\xE8", u"\u0160\u0104\u010D"},
        {1251, "\xC0\xE1\xE2", u"\u0410\u0431\u0432"},
        {1253, "\xC1\xE2", u"\u0391\u03B2"},
        {1254, "\xD0\xFE", u"\u011E\u015F"},
        {1255, "\xE0\xE1", u"\u05D0\u05D1"},
        {1256, "\xC7\xE1", u"\u0627\u0644"},
        {1257, "\xC0\xD0", u"\u0104\u0160"},
        {1258, "\xC3\xE2", u"\u0102\u00E2"},
        {874, "\xA1\xA2", u"\u0E01\u0E02"},
        // Shift-JIS: kanji, half-width katakana, and a kanji whose trail byte
        // is the backslash.
        {932, "\x93\xFA\x96\x7B \xB1 \x95\x5C", u"\u65E5\u672C \uFF71 \u8868"},
        {936, "\xD6\xD0\xCE\xC4", u"\u4E2D\u6587"},
        {949, "\xC7\xD1\xB1\xB9", u"\uD55C\uAD6D"},
        {950, "\xA4\xA4\xA4\xE5", u"\u4E2D\u6587"},
        {kUtf8CodePage, "\xE6\x97\xA5 \xC3\xA9", u"\u65E5 \u00E9"},
    };
    for (const TSample& s : samples) {
        EXPECT_EQ(Decoded(s.CodePage, s.Bytes), s.Text) << s.CodePage;
        std::string back;
        EXPECT_TRUE(TTextCodec::Of(s.CodePage).Encode(s.Text, back)) << s.CodePage;
        EXPECT_EQ(back, s.Bytes) << s.CodePage;
    }
}

TEST(CodePage, BytesThatMakeNoCharacterAreKeptAndComeBack) {
    const TSample samples[] = {
        {932, "a\x93", u"a\U0010F793"},               // a lead byte at the end
        {932, "\x93 ", u"\U0010F793 "},               // a lead byte before a blank
        {kUtf8CodePage, "\xFF\xC3", u"\U0010F7FF\U0010F7C3"},  // broken UTF-8
        {kUtf8CodePage, "\xC0\x80", u"\U0010F7C0\U0010F780"},  // over-long NUL
        {1253, "\xAA", u"\U0010F7AA"},                // a byte Greek leaves undefined
        {1252, "\x81", u"\u0081"},                // Windows-1252's own mapping
    };
    for (const TSample& s : samples) {
        EXPECT_EQ(Decoded(s.CodePage, s.Bytes), s.Text) << s.CodePage << " " << s.Bytes;
        std::string back;
        EXPECT_TRUE(TTextCodec::Of(s.CodePage).Encode(s.Text, back));
        EXPECT_EQ(back, s.Bytes) << s.CodePage;
    }
}

// Text read and written again without an edit keeps every byte, except
// where two byte sequences stand for one character (the NEC and IBM
// extensions of Shift-JIS, for one): then the sequence that the system
// itself writes comes back, which reads as the same character.
TEST(CodePage, EveryByteAndEveryPairSurvivesReadingAndWriting) {
    for (const TCodePageInfo& page : TextCodePages()) {
        const TTextCodec& codec = TTextCodec::Of(page.Number);
        std::vector<std::string> samples;
        for (int b = 0; b < 256; ++b) samples.push_back(std::string(1, static_cast<char>(b)));
        for (int lead = 0x80; lead < 0x100; ++lead)
            for (int trail = 0x20; trail < 0x100; ++trail)
                samples.push_back({static_cast<char>(lead), static_cast<char>(trail)});
        std::size_t rewritten = 0;
        for (const std::string& bytes : samples) {
            std::u16string text;
            codec.Decode(bytes, text);
            std::string back;
            EXPECT_TRUE(codec.Encode(text, back)) << page.Caption;
            std::u16string again;
            codec.Decode(back, again);
            ASSERT_TRUE(again == text) << page.Caption << ": a character changed";
            rewritten += back != bytes;
        }
        if (!codec.IsDoubleByte()) EXPECT_EQ(rewritten, 0u) << page.Caption;
        else EXPECT_LT(rewritten, 1000u) << page.Caption;
    }
}

TEST(CodePage, CharactersHaveTheirLengthAndTheirColumns) {
    const TTextCodec& sjis = TTextCodec::Of(932);
    EXPECT_TRUE(sjis.IsDoubleByte());
    const std::string line = "x\x93\xFA\xB1";
    std::size_t length = 0;
    EXPECT_EQ(sjis.CharAt(line, 1, length), U'\u65E5');
    EXPECT_EQ(length, 2u);
    EXPECT_EQ(sjis.Columns(U'\u65E5', length), 2);
    EXPECT_EQ(sjis.CharLength(line, 3), 1u);  // half-width katakana: one byte, one column
    EXPECT_EQ(sjis.CharLength(line, 4), 0u);

    const TTextCodec& utf8 = TTextCodec::Of(kUtf8CodePage);
    EXPECT_FALSE(utf8.IsDoubleByte());
    EXPECT_EQ(utf8.CharLength("\xE6\x97\xA5", 0), 3u);
    EXPECT_EQ(utf8.Columns(U'\u65E5', 3), 2);
    EXPECT_EQ(utf8.Columns(U'\u00E9', 2), 1);
    EXPECT_EQ(utf8.CharAt("\xF0\x9F\x98\x80", 0, length), U'\U0001F600');
    EXPECT_EQ(Decoded(kUtf8CodePage, "\xF0\x9F\x98\x80"), u"\U0001F600");
}

TEST(CodePage, TextTheCodePageCannotHoldIsMarked) {
    std::string out;
    EXPECT_FALSE(TTextCodec::Of(1252).Encode(u"\u65E5x", out));
    EXPECT_EQ(out, "?x");
    out.clear();
    EXPECT_FALSE(TTextCodec::Of(932).Encode(u"\u0160", out));
    EXPECT_EQ(out, "?");
}

TEST(CodePage, AnUnknownNumberReadsAsWindows1252) {
    EXPECT_EQ(TTextCodec::Of(437).CodePage(), kDefaultCodePage);
    EXPECT_FALSE(IsTextCodePage(437));
    EXPECT_TRUE(IsTextCodePage(874));
    EXPECT_EQ(TextCodePages().front().Number, kDefaultCodePage);
    EXPECT_EQ(TextCodePages().size(), 15u);
}

}  // namespace
}  // namespace plumora

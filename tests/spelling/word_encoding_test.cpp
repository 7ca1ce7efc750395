// Conversions of words between Windows-1252, UTF-8 and dictionary encodings.
#include <gtest/gtest.h>

#include "spelling/word_encoding.h"

namespace plumora {
namespace {

TEST(WordEncoding, Windows1252AndUtf8RoundTrip) {
    const std::string ansi = "caf\xE9 \x80 \x92 \x9F";  // é, euro, right quote, Ÿ
    const std::string utf8 = Windows1252ToUtf8(ansi);
    EXPECT_EQ(utf8, "caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x99 \xC5\xB8");
    std::string back;
    ASSERT_TRUE(Utf8ToWindows1252(utf8, back));
    EXPECT_EQ(back, ansi);
}

TEST(WordEncoding, Utf8ThatTheCodePageCannotHoldOrThatIsBrokenIsRefused) {
    std::string out;
    for (const char* bad : {"\xE4\xB8\xAD",        // a Chinese character
                            "\xC3",                // cut short
                            "\xC0\xAF",            // overlong
                            "\xED\xA0\x80",        // a surrogate
                            "\xF4\x90\x80\x80"}) {  // beyond U+10FFFF
        EXPECT_FALSE(Utf8ToWindows1252(bad, out)) << bad;
    }
}

TEST(WordEncoding, WordListLinesAreUtf8OrElseWindows1252) {
    EXPECT_EQ(WordListLineToUtf8("na\xC3\xAFve"), "na\xC3\xAFve");
    EXPECT_EQ(WordListLineToUtf8("na\xEFve"), "na\xC3\xAFve");
}

TEST(WordEncoding, DictionaryCodecs) {
    std::string out, back;
    TDictionaryCodec latin1("ISO8859-1");
    ASSERT_TRUE(latin1.Usable());
    ASSERT_TRUE(latin1.FromUtf8("caf\xC3\xA9", out));
    EXPECT_EQ(out, "caf\xE9");
    EXPECT_FALSE(latin1.FromUtf8("\xE2\x82\xAC", out)) << "no euro sign in Latin-1";
    ASSERT_TRUE(latin1.ToUtf8("\xE9", back));
    EXPECT_EQ(back, "\xC3\xA9");

    TDictionaryCodec latin9("ISO8859-15");
    ASSERT_TRUE(latin9.FromUtf8("\xE2\x82\xAC", out));
    EXPECT_EQ(out, "\xA4");
    EXPECT_FALSE(latin9.FromUtf8("\xC2\xA4", out)) << "the currency sign gave way to the euro";
    ASSERT_TRUE(latin9.ToUtf8("\xBD", back));
    EXPECT_EQ(back, "\xC5\x93");  // œ

    TDictionaryCodec cp1252("microsoft-cp1252");
    ASSERT_TRUE(cp1252.FromUtf8("\xE2\x80\x99", out));
    EXPECT_EQ(out, "\x92");

    TDictionaryCodec utf8("UTF-8");
    EXPECT_FALSE(utf8.ToUtf8("\xFF", back)) << "a broken suggestion is not passed on";

    EXPECT_FALSE(TDictionaryCodec("NO-SUCH-ENCODING-42").Usable());
}

}  // namespace
}  // namespace plumora

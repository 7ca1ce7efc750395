// Reading and rewriting INI text: the line rules, the value encodings, and
// that a rewrite keeps every line it does not own.
#include "settings/ini_file.h"

#include <gtest/gtest.h>

#include <string>

namespace plumora {
namespace {

TIniFile Parsed(std::string_view text) {
    TIniFile ini;
    ini.Parse(text);
    return ini;
}

struct ValueCase {
    const char* Name;
    const char* Text;
    const char* Section;
    const char* Key;
    std::optional<std::string> Expected;
};

// Failure messages name the case instead of dumping its bytes.
void PrintTo(const ValueCase& c, std::ostream* os) { *os << c.Name; }

class IniValueTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(IniValueTest, ReadsValue) {
    const ValueCase& c = GetParam();
    EXPECT_EQ(Parsed(c.Text).Value(c.Section, c.Key), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, IniValueTest,
    ::testing::Values(
        ValueCase{"Plain", "[General]\r\nKey=abc\r\n", "General", "Key", "abc"},
        ValueCase{"SectionCase", "[GENERAL]\nKey=1\n", "general", "Key", "1"},
        ValueCase{"KeyCase", "[General]\nmYkEy=1\n", "General", "MyKey", "1"},
        ValueCase{"TrimmedValue", "[S]\nK =  a b \t\n", "S", "K", "a b"},
        ValueCase{"TrimmedNames", "  [ S ]  \n  K  = v\n", "S", "K", "v"},
        ValueCase{"QuotesRemoved", "[S]\nK=\" padded \"\n", "S", "K", " padded "},
        ValueCase{"OnlyOnePairOfQuotes", "[S]\nK=\"\"x\"\"\n", "S", "K", "\"x\""},
        ValueCase{"LoneQuoteKept", "[S]\nK=\"abc\n", "S", "K", "\"abc"},
        ValueCase{"EmptyValue", "[S]\nK=\n", "S", "K", ""},
        ValueCase{"EqualsInValue", "[S]\nK=a=b\n", "S", "K", "a=b"},
        ValueCase{"MissingKey", "[S]\nK=1\n", "S", "Other", std::nullopt},
        ValueCase{"MissingSection", "[S]\nK=1\n", "T", "K", std::nullopt},
        ValueCase{"KeyWithoutEquals", "[S]\nK\n", "S", "K", std::nullopt},
        ValueCase{"CommentIsNoKey", "[S]\n;K=1\n", "S", ";K", std::nullopt},
        ValueCase{"KeyBeforeAnySection", "K=1\n[S]\n", "S", "K", std::nullopt},
        ValueCase{"KeyOfNextSection", "[S]\n[T]\nK=1\n", "S", "K", std::nullopt},
        ValueCase{"FirstSectionWins", "[S]\nK=1\n[s]\nK=2\n", "S", "K", "1"},
        ValueCase{"DuplicateSectionNotMerged", "[S]\nA=1\n[S]\nK=2\n", "S", "K", std::nullopt},
        ValueCase{"FirstKeyWins", "[S]\nK=1\nk=2\n", "S", "K", "1"},
        ValueCase{"GarbageSkipped", "[S]\n\x01\x02 junk\n[[[\nK=7\n", "S", "K", "7"},
        ValueCase{"BracketWithoutCloseIsGarbage", "[S]\n[oops\nK=3\n", "S", "K", "3"},
        ValueCase{"CROnly", "[S]\rA=1\rK=2\r", "S", "K", "2"},
        ValueCase{"MixedLineEnds", "[S]\r\nA=1\nK=2\rB=3", "S", "K", "2"},
        ValueCase{"ByteOrderMark", "\xEF\xBB\xBF[S]\r\nK=1\r\n", "S", "K", "1"},
        ValueCase{"HighBytesKept", "[S]\nK=Stra\xDF" "e\n", "S", "K", "Stra\xDF" "e"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(IniFile, LongValueIsCutTo1023Characters) {
    std::string value(1500, 'x');
    value[1022] = 'y';
    TIniFile ini = Parsed("[S]\nK=" + value + "\n");
    std::string read = ini.ReadString("S", "K", "");
    ASSERT_EQ(read.size(), 1023u);
    EXPECT_EQ(read.back(), 'y');
}

TEST(IniFile, LongValueIsWrittenWhole) {
    TIniFile ini;
    std::string value(5000, 'v');
    ini.WriteString("S", "K", value);
    EXPECT_NE(ini.Text().find("K=" + value + "\r\n"), std::string::npos);
}

struct IntegerCase {
    const char* Text;
    std::optional<int> Expected;
};

TEST(IniInteger, Encodings) {
    const IntegerCase cases[] = {
        {"10", 10},        {"-5", -5},          {"+7", 7},          {"007", 7},
        {"0x0A", 10},      {"0X1f", 31},        {"$FF", 255},       {"$ff", 255},
        {"-$10", -16},     {"0x", std::nullopt}, {"0x1G", std::nullopt},
        {"$", std::nullopt}, {"", std::nullopt}, {"-", std::nullopt},
        {"word", std::nullopt}, {"12abc", std::nullopt}, {"1 2", std::nullopt},
        {"1.5", std::nullopt},  {"--1", std::nullopt}, {"0x-1", std::nullopt},
        {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt}, {"99999999999", std::nullopt},
        {"99999999999999999999999", std::nullopt}, {"0x7FFFFFFF", 2147483647},
        {"0xFFFFFFFF", std::nullopt},
    };
    for (const IntegerCase& c : cases) {
        EXPECT_EQ(ParseIniInteger(c.Text), c.Expected) << "text: \"" << c.Text << "\"";
    }
}

TEST(IniFile, TypedReadersFallBackToTheDefault) {
    TIniFile ini = Parsed("[S]\nNum=0x0A\nWord=abc\nEmpty=\nTwo=2\nZero=0\n");
    EXPECT_EQ(ini.ReadInteger("S", "Num", 1), 10);
    EXPECT_EQ(ini.ReadInteger("S", "Word", 3), 3);
    EXPECT_EQ(ini.ReadInteger("S", "Empty", 4), 4);
    EXPECT_EQ(ini.ReadInteger("S", "Missing", 5), 5);
    EXPECT_TRUE(ini.ReadBool("S", "Two", false));
    EXPECT_FALSE(ini.ReadBool("S", "Zero", true));
    EXPECT_TRUE(ini.ReadBool("S", "Word", true));
    EXPECT_FALSE(ini.ReadBool("S", "Word", false));
    EXPECT_EQ(ini.ReadString("S", "Empty", "d"), "");
    EXPECT_EQ(ini.ReadString("S", "Missing", "d"), "d");
}

TEST(IniFile, WritesCreateFileSectionAndKey) {
    TIniFile ini;
    ini.WriteString("General", "Name", "x");
    ini.WriteInteger("General", "Count", -12);
    ini.WriteBool("Other", "Flag", true);
    ini.WriteBool("Other", "Off", false);
    EXPECT_EQ(ini.Text(),
              "[General]\r\nName=x\r\nCount=-12\r\n\r\n[Other]\r\nFlag=1\r\nOff=0\r\n");
}

TEST(IniFile, RewriteKeepsEverythingElse) {
    TIniFile ini = Parsed(
        "; settings\n"
        "[General]\n"
        "  Key = old   \n"
        "garbage without equals\n"
        "\x7f\x01 binary-ish\n"
        "; trailing comment\n"
        "\n"
        "[General]\n"
        "Key=second\n"
        "[Tail]\n"
        "Z=9");
    ini.WriteString("general", "KEY", "new");
    ini.WriteString("General", "Added", "a");
    EXPECT_EQ(ini.Text(),
              "; settings\r\n"
              "[General]\r\n"
              "  Key =new\r\n"
              "Added=a\r\n"
              "garbage without equals\r\n"
              "\x7f\x01 binary-ish\r\n"
              "; trailing comment\r\n"
              "\r\n"
              "[General]\r\n"
              "Key=second\r\n"
              "[Tail]\r\n"
              "Z=9\r\n");
    EXPECT_EQ(ini.Value("General", "Key"), "new");
}

TEST(IniFile, KeyWithoutEqualsIsNotReplacedByAWrite) {
    TIniFile ini = Parsed("[S]\nK\n");
    ini.WriteString("S", "K", "1");
    EXPECT_EQ(ini.Text(), "[S]\r\nK=1\r\nK\r\n");
}

TEST(IniFile, NewKeyInEmptySectionFollowsTheHeader) {
    TIniFile ini = Parsed("[S]\n\n[T]\nA=1\n");
    ini.WriteString("S", "K", "v");
    EXPECT_EQ(ini.Text(), "[S]\r\nK=v\r\n\r\n[T]\r\nA=1\r\n");
}

TEST(IniFile, ValuesThatWouldNotReadBackAreQuoted) {
    const std::string values[] = {" lead", "trail ", "\"quoted\"", "\"", "\"\"", "\t", "a\"b"};
    for (const std::string& v : values) {
        TIniFile ini;
        ini.WriteString("S", "K", v);
        TIniFile again = Parsed(ini.Text());
        EXPECT_EQ(again.Value("S", "K"), v) << "value [" << v << "]";
    }
}

TEST(IniFile, LineBreaksInAValueCannotInjectKeys) {
    TIniFile ini;
    ini.WriteString("S", "K", "a\r\n[Evil]\nX=1");
    TIniFile again = Parsed(ini.Text());
    EXPECT_EQ(again.Value("S", "K"), "a  [Evil] X=1");
    EXPECT_EQ(again.Value("Evil", "X"), std::nullopt);
}

TEST(IniFile, ByteOrderMarkSurvivesRewrite) {
    TIniFile ini = Parsed("\xEF\xBB\xBF[S]\nK=1\n");
    ini.WriteString("S", "K", "2");
    EXPECT_EQ(ini.Text(), "\xEF\xBB\xBF[S]\r\nK=2\r\n");
}

}  // namespace
}  // namespace plumora

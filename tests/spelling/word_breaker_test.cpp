// Word breaking of comments and literals: a table of named rows, each a
// text and the words that are looked up in it.
#include <gtest/gtest.h>

#include "spelling/word_breaker.h"

namespace plumora {
namespace {

std::vector<std::string> Words(const std::string& text, TWordRules rules = {}) {
    std::vector<std::string> out;
    for (const TWordToken& t : BreakIntoWords(text, rules)) out.push_back(text.substr(t.Part.Start, t.Part.Length));
    return out;
}

using W = std::vector<std::string>;

TEST(WordBreaker, WhatIsAWordAndWhatIsNot) {
    struct Row {
        const char* Name;
        std::string Text;
        W Expected;
    } rows[] = {
        {"plain prose", "Reads the file, then stops.", {"Reads", "the", "file", "then", "stops"}},
        {"numbers", "loop 10 times, 3.5 and -7", {"loop", "times", "and"}},
        {"hex and octal literals", "mask &H1F and &hff, &O17 or &HFF&", {"mask", "and", "or"}},
        {"accelerator is no hex", "&File and &Help", {"File", "and", "Help"}},
        {"web addresses", "see http://example.com/x and www.vbforums.com", {"see", "and"}},
        {"e-mail", "mail john.doe@example.org now", {"mail", "now"}},
        {"windows paths", "saved in C:\\Temp\\data.txt or \\\\server\\share", {"saved", "in", "or"}},
        {"unix paths", "(see /usr/share/dict) and ~/notes", {"see", "and"}},
        {"relative file", "read src/app/main.cpp first", {"read", "first"}},
        {"slash between words", "and/or", {"and", "or"}},
        {"dotted names", "set Text1.Text, e.g. frmMain.Show", {"set"}},
        {"file patterns", "kept as *.bak and .tmp files", {"kept", "as", "and", "files"}},
        {"sentence end", "the end.Next line", {"the", "line"}},
        {"ALL CAPS", "the HTML and README files", {"the", "and", "files"}},
        {"caps with plural", "two DIBs, the DIB's size and URLs", {"two", "the", "size", "and"}},
        {"digits", "Text1 and Label2 and 2nd", {"and", "and"}},
        {"single letters", "a b x I", {}},
        {"no vowel", "txt msg lbl hWnd", {}},
        {"date pictures", "yyyy-mm-dd hh:nn:ss", {}},
        {"underscores", "cmdSave_Click and max_count", {"cmdSave", "Click", "and", "max", "count"}},
        {"apostrophes", "'quoted' users' don't", {"quoted", "users", "don't"}},
        {"typographic apostrophe", "don\x92t", {"don\x92t"}},
        {"hyphens split", "well-known", {"well", "known"}},
        {"accented letters", "caf\xE9 na\xEFve \xC9t\xE9", {"caf\xE9", "na\xEFve", "\xC9t\xE9"}},
        {"doubled quotes", "say \"\"hi\"\"", {"say", "hi"}},
        {"empty", "", {}},
    };
    for (const Row& r : rows) EXPECT_EQ(Words(r.Text), r.Expected) << r.Name;
}

TEST(WordBreaker, RulesLetCapitalsAndDigitsIn) {
    EXPECT_EQ(Words("the HOUSE Text1 42", {true, false}), (W{"the", "HOUSE"}));
    EXPECT_EQ(Words("the HOUSE Text1 42", {false, true}), (W{"the", "Text1"}));
    EXPECT_EQ(Words("the HOUSE Text1 42", {true, true}), (W{"the", "HOUSE", "Text1"}));
}

TEST(WordBreaker, TokensKnowTheRunTheyCameFrom) {
    const std::string text = "see cmdSave_Click";
    const auto tokens = BreakIntoWords(text, {});
    ASSERT_EQ(tokens.size(), 3u);
    EXPECT_EQ(text.substr(tokens[1].Run.Start, tokens[1].Run.Length), "cmdSave_Click");
    EXPECT_EQ(tokens[2].Run, tokens[1].Run);
    EXPECT_EQ(tokens[0].Run, tokens[0].Part);
}

TEST(WordBreaker, CamelCasePieces) {
    struct Row {
        std::string Word;
        W Pieces;
    } rows[] = {
        {"maxCount", {"max", "Count"}},         {"LoadInventory", {"Load", "Inventory"}},
        {"HTTPServer", {"HTTP", "Server"}},     {"getURL", {"get", "URL"}},
        {"loadDIBs", {"load", "DIBs"}},         {"plain", {"plain"}},
        {"Capital", {"Capital"}},               {"ABC", {"ABC"}},
    };
    for (const Row& r : rows) {
        W pieces;
        for (const TWordSpan& s : CamelCaseParts(r.Word)) pieces.push_back(r.Word.substr(s.Start, s.Length));
        EXPECT_EQ(pieces, r.Pieces) << r.Word;
    }
}

TEST(WordBreaker, UpperKeyFoldsTheCodePagesLetters) {
    EXPECT_EQ(UpperKey("caf\xE9 \x9A\xFF"), "CAF\xC9 \x8A\x9F");
    EXPECT_TRUE(IsWordLetter(0xE9));
    EXPECT_FALSE(IsWordLetter(0xD7));  // multiplication sign
    EXPECT_TRUE(IsLowerLetter(0xDF));  // sharp s has no capital here
}

}  // namespace
}  // namespace plumora

// What a file's spelling report looks at (literals, comments, past the
// description block), where it puts each word, and the names of the code.
#include <gtest/gtest.h>

#include "spelling/project_words.h"
#include "spelling/spell_report.h"
#include "spelling/vc_speller.h"
#include "support/temp_dir.h"

namespace plumora {
namespace {

std::vector<std::string> Pieces(const std::string& line, TSpellTargets targets = {}) {
    std::vector<TSpellPiece> pieces;
    SpellPieces(line, targets, pieces);
    std::vector<std::string> out;
    for (const TSpellPiece& p : pieces) {
        EXPECT_EQ(line.substr(p.Column, p.Text.size()), p.Text) << "column of " << p.Text;
        out.push_back(p.Text);
    }
    return out;
}

using S = std::vector<std::string>;

TEST(SpellPieces, LiteralsOfTheCodeThenTheComment) {
    EXPECT_EQ(Pieces("MsgBox \"Saved.\", , \"Title\" ' shows it"), (S{"Saved.", "Title", " shows it"}));
    EXPECT_EQ(Pieces("x = \"say \"\"hi\"\"\""), (S{"say \"\"hi\"\""}));
    EXPECT_EQ(Pieces("x = \"\" ' empty literal"), (S{" empty literal"}));
    EXPECT_EQ(Pieces("x = \"open ended"), (S{"open ended"}));
    EXPECT_EQ(Pieces("x = 1 ' a \"quoted\" word"), (S{" a \"quoted\" word"}));
    EXPECT_EQ(Pieces("10 Rem the old kind"), (S{" the old kind"}));
    EXPECT_EQ(Pieces("x = 1: Rem after a colon"), (S{" after a colon"}));
    EXPECT_EQ(Pieces("Remark = \"it\""), (S{"it"}));
    EXPECT_EQ(Pieces("x = \"a\" ' b", {true, false}), (S{" b"}));
    EXPECT_EQ(Pieces("x = \"a\" ' b", {false, true}), (S{"a"}));
    EXPECT_EQ(Pieces("x = 1 '"), S{});
}

TEST(SpellPieces, TheDescriptionBlockOfAFormIsLeftOut) {
    const std::vector<std::string> form = {
        "VERSION 5.00", "Object = \"{x}#1.0#0\"; \"COMCTL.OCX\"", "Begin VB.Form frmMain",
        "   Caption = \"Teh form\"", "   Begin VB.CommandButton cmdOK", "   End", "End",
        "Attribute VB_Name = \"frmMain\"", "' code starts"};
    EXPECT_EQ(FirstCodeLine(form), 7u);
    EXPECT_EQ(FirstCodeLine({"VERSION 1.0 CLASS", "BEGIN", "  MultiUse = -1", "END", "Option Explicit"}), 4u);
    EXPECT_EQ(FirstCodeLine({"Attribute VB_Name = \"modMain\"", "Sub Main()"}), 0u);
    EXPECT_EQ(FirstCodeLine({"VERSION 5.00", "Begin VB.Form f"}), 0u) << "an unclosed block hides nothing";
    EXPECT_EQ(FirstCodeLine({}), 0u);
}

TEST(SpellReport, FindsEachUnknownWordWithItsLineAndColumn) {
    testing::TempDir config;
    TVCSpeller speller(config.Str());
    const std::vector<std::string> lines = {
        "VERSION 5.00", "Begin VB.Form frmMain", "   Caption = \"Qiuck\"", "End",
        "' Recieve the data", "MsgBox \"All is fine\"", "\tx = \"Sucess\" ' and teh end"};
    std::vector<TSpellFinding> found;
    ASSERT_TRUE(FindMisspellings(lines, speller, {}, found));
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ((std::tuple{found[0].Line, found[0].Column, found[0].Word}), (std::tuple{5u, 3u, std::string("Recieve")}));
    EXPECT_EQ((std::tuple{found[1].Line, found[1].Column, found[1].Word}), (std::tuple{7u, 7u, std::string("Sucess")}));
    EXPECT_EQ((std::tuple{found[2].Line, found[2].Column, found[2].Word}), (std::tuple{7u, 21u, std::string("teh")}));

    AddQuickSuggestions(found, speller, 3, 2);
    ASSERT_FALSE(found[0].Suggestions.empty());
    EXPECT_EQ(found[0].Suggestions[0], "Receive");
    EXPECT_EQ(found[1].Suggestions[0], "Success");
    EXPECT_EQ(found[2].Suggestions[0], "the");
    EXPECT_LE(found[2].Suggestions.size(), 3u);
}

TEST(SpellReport, QuickSuggestionsAreTheSameOnOneThreadOrMany) {
    testing::TempDir config;
    TVCSpeller speller(config.Str());
    std::vector<TSpellFinding> one, many;
    // Enough distinct words that several threads get some.
    const std::vector<std::string> words = {"recieve", "teh", "hosue", "qiuck", "sucess", "adress"};
    for (int copy = 0; copy < 100; ++copy) {
        for (const std::string& w : words) {
            TSpellFinding f;
            f.Word = w + std::string(static_cast<std::size_t>(copy % 2), 'x');
            one.push_back(f);
        }
    }
    many = one;
    AddQuickSuggestions(one, speller, 5, 1);
    AddQuickSuggestions(many, speller, 5, 4);
    for (std::size_t i = 0; i < one.size(); ++i) EXPECT_EQ(one[i].Suggestions, many[i].Suggestions) << one[i].Word;
}

TEST(ProjectWords, NamesOfTheCodeButNotOfCommentsOrLiterals) {
    std::unordered_set<std::string> words;
    AddProjectWords({"Begin VB.CommandButton cmdSave", "Attribute VB_Name = \"modStock\"",
                     "Private Function CalcTotl(ByVal nQty As Long) As Long ' commnt",
                     "   s = \"litrl\" & txtName.Text: x = &HFF + 12",
                     "Private Declare Function SetTheme Lib \"uxtheme\" Alias \"SetWindowTheme\" () As Long"},
                    words);
    for (const char* known : {"CMDSAVE", "MODSTOCK", "CALCTOTL", "NQTY", "TXTNAME", "BYVAL", "TEXT", "UXTHEME",
                              "SETWINDOWTHEME"})
        EXPECT_TRUE(words.count(known)) << known;
    for (const char* unknown : {"COMMNT", "LITRL", "HFF", "12", "X"}) EXPECT_FALSE(words.count(unknown)) << unknown;
}

}  // namespace
}  // namespace plumora

// The speller's properties and results, with the real en_US dictionary and
// custom dictionaries in a temporary configuration directory.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "settings/ini_file.h"
#include "spelling/vc_speller.h"
#include "support/temp_dir.h"

namespace plumora {
namespace {

using testing::ReadAll;
using testing::TempDir;

class SpellerTest : public ::testing::Test {
protected:
    TempDir config;
    TVCSpeller speller{config.Str()};

    // Every word the check stops at, skipping on with ResumeCheck.
    std::vector<std::string> Stops(const std::string& text) {
        std::vector<std::string> words;
        speller.SetCheckText(text);
        for (auto rc = speller.ResultCode(); rc < 0; rc = speller.ResumeCheck())
            words.push_back(speller.MisspelledWord());
        EXPECT_EQ(speller.ResultCode(), TVCSpeller::kFinished);
        return words;
    }
};

TEST_F(SpellerTest, ATextWithoutUnknownWordsFinishesAtOnce) {
    ASSERT_TRUE(speller.Ready()) << speller.LoadError();
    speller.SetCheckText("Reads the data file and counts the items.   ");
    EXPECT_EQ(speller.ResultCode(), TVCSpeller::kFinished);
    EXPECT_FALSE(speller.ReplaceOccurred());
    EXPECT_EQ(speller.Text(), "Reads the data file and counts the items.   ");
}

TEST_F(SpellerTest, AnUnknownWordStopsTheCheckWithItsPlaceAndSuggestions) {
    speller.SetCheckText("the qiuck fox");
    ASSERT_EQ(speller.ResultCode(), TVCSpeller::kWordNotFound);
    EXPECT_EQ(speller.MisspelledWord(), "qiuck");
    EXPECT_EQ(speller.WordStart(), 4u);
    EXPECT_EQ(speller.WordLength(), 5u);
    EXPECT_EQ(speller.IRAction(), 0);
    speller.SetFindSuggestions("qiuck");
    ASSERT_GE(speller.SuggestionCount(), 1);
    EXPECT_EQ(speller.Suggestion(1), "quick");
    EXPECT_EQ(speller.Suggestion(0), "");
    EXPECT_EQ(speller.Suggestion(speller.SuggestionCount() + 1), "");
    EXPECT_EQ(speller.ResumeCheck(), TVCSpeller::kFinished);

    // A word that nothing resembles has no suggestions.
    speller.SetFindSuggestions("zuxqjvbwo");
    EXPECT_EQ(speller.SuggestionCount(), 0);
}

TEST_F(SpellerTest, ReplacingAWordKeepsTheLaterWordsInPlace) {
    speller.SetCheckText("teh cat sat on teh mat");
    ASSERT_EQ(speller.ResultCode(), TVCSpeller::kWordNotFound);
    speller.SetReplacementWord("the");
    speller.SetReplaceLastWord(1);
    EXPECT_TRUE(speller.ReplaceOccurred());
    EXPECT_EQ(speller.Text(), "the cat sat on teh mat");
    ASSERT_EQ(speller.ResumeCheck(), TVCSpeller::kWordNotFound);
    EXPECT_EQ(speller.WordStart(), 15u);
    speller.SetReplacementWord("a");
    speller.SetReplaceLastWord(1);
    EXPECT_EQ(speller.Text(), "the cat sat on a mat");
    EXPECT_EQ(speller.ResumeCheck(), TVCSpeller::kFinished);
    // Nothing is left to replace once the check is over.
    speller.SetReplaceLastWord(1);
    EXPECT_EQ(speller.Text(), "the cat sat on a mat");
}

TEST_F(SpellerTest, ReplaceListProposesTheReplacementInLaterChecksInTheWordsCase) {
    speller.SetCheckText("teh end");
    ASSERT_EQ(speller.ResultCode(), TVCSpeller::kWordNotFound);
    speller.SetReplacementWord("the");
    speller.SetMisspelledWord("teh");
    speller.SetAddToCommonIRList(TVCSpeller::kReplaceAlways);

    speller.SetCheckText("Teh start, teh middle");
    ASSERT_EQ(speller.ResultCode(), TVCSpeller::kReplacementProposed);
    EXPECT_EQ(speller.IRAction(), TVCSpeller::kReplaceAlways);
    EXPECT_EQ(speller.MisspelledWord(), "Teh");
    EXPECT_EQ(speller.ReplacementWord(), "The");
    ASSERT_EQ(speller.ResumeCheck(), TVCSpeller::kReplacementProposed);
    EXPECT_EQ(speller.ReplacementWord(), "the");
    EXPECT_EQ(speller.ResumeCheck(), TVCSpeller::kFinished);
    EXPECT_FALSE(speller.ReplaceOccurred()) << "without AutoReplace the user decides";

    speller.SetAutoReplace(true);
    speller.SetCheckText("Teh end of teh line");
    EXPECT_EQ(speller.ResultCode(), TVCSpeller::kFinished);
    EXPECT_TRUE(speller.ReplaceOccurred());
    EXPECT_EQ(speller.Text(), "The end of the line");
}

TEST_F(SpellerTest, IgnoreAllLastsAcrossChecksAndIgnoringLaterReplacesTheReplacement) {
    EXPECT_EQ(Stops("a qiuck look, qiuck again"), (std::vector<std::string>{"qiuck", "qiuck"}));
    speller.SetCheckText("qiuck");
    speller.SetAddToCommonIRList(TVCSpeller::kIgnoreAlways);
    // The rest of the same text and every later text.
    EXPECT_EQ(speller.ResumeCheck(), TVCSpeller::kFinished);
    EXPECT_TRUE(Stops("Qiuck and qiuck").empty());

    speller.SetCheckText("recieve");
    speller.SetReplacementWord("receive");
    speller.SetAddToCommonIRList(TVCSpeller::kReplaceAlways);
    speller.SetAddToCommonIRList(TVCSpeller::kIgnoreAlways);
    EXPECT_TRUE(Stops("recieve").empty()) << "the later choice wins";
}

TEST_F(SpellerTest, CheckWordTellsKnownFromUnknownWithoutDisturbingTheCheck) {
    speller.SetCheckText("one qiuck two hosue");
    ASSERT_EQ(speller.MisspelledWord(), "qiuck");
    speller.SetCheckWord("house");
    EXPECT_EQ(speller.ResultCode(), TVCSpeller::kFinished);
    speller.SetCheckWord("all right");
    EXPECT_EQ(speller.ResultCode(), TVCSpeller::kFinished);
    speller.SetCheckWord("hosue");
    EXPECT_EQ(speller.ResultCode(), TVCSpeller::kWordNotFound);
    EXPECT_EQ(speller.ResumeCheck(), TVCSpeller::kWordNotFound);
    EXPECT_EQ(speller.MisspelledWord(), "hosue");
}

TEST_F(SpellerTest, CountsStartAgainWithClearCounts) {
    Stops("the qiuck brown fox");
    EXPECT_EQ(speller.WordsChecked(), 4);
    EXPECT_EQ(speller.WordsFlagged(), 1);
    Stops("jumps");
    EXPECT_EQ(speller.WordsChecked(), 5);
    speller.SetClearCounts(1);
    EXPECT_EQ(speller.WordsChecked(), 0);
    EXPECT_EQ(speller.WordsFlagged(), 0);
}

TEST_F(SpellerTest, WordsCrossTheCodePageBoundaryBothWays) {
    // Windows-1252 bytes in, Windows-1252 suggestions out; the dictionary
    // itself is UTF-8.
    speller.SetCheckText("caf\xE9 and na\xEFve");
    ASSERT_EQ(speller.ResultCode(), TVCSpeller::kWordNotFound);
    EXPECT_EQ(speller.MisspelledWord(), "caf\xE9");
    speller.SetFindSuggestions("caf\xE9");
    ASSERT_GE(speller.SuggestionCount(), 1);
    EXPECT_EQ(speller.Suggestion(1), "cafe");
    // The right single quote of the code page is an apostrophe.
    EXPECT_TRUE(Stops("don\x92t and didn't").empty());
}

TEST_F(SpellerTest, ProjectNamesAreKnownWholeAndAsParts) {
    speller.SetProjectWords({"TXTQTY", "CMDSAVE_CLICK", "HWND"});
    EXPECT_TRUE(Stops("txtQty, cmdSave_Click and hWnd are in the code").empty());
    EXPECT_EQ(Stops("but qtyx is not"), (std::vector<std::string>{"qtyx"}));
}

TEST_F(SpellerTest, CamelCaseNamesAreRightWhenEachWordIs) {
    EXPECT_TRUE(Stops("LoadInventory reads the HTTPServer data").empty());
    EXPECT_EQ(Stops("LoadInvntory"), (std::vector<std::string>{"Invntory"}));
    speller.SetCheckText("call LoadInvntory");
    EXPECT_EQ(speller.WordStart(), 9u);
}

TEST_F(SpellerTest, CustomDictionaryTakesAWordForGood) {
    ASSERT_EQ(speller.CustomCount(), 1);
    EXPECT_EQ(speller.CustomFileName(-1), config.Str() + "/custom.dic");
    EXPECT_TRUE(speller.CustomStatus(-1) & kCustomCanTakeWords);
    speller.SetCheckText("Plumor\xE4s");
    ASSERT_EQ(speller.ResultCode(), TVCSpeller::kWordNotFound);
    std::string error;
    ASSERT_TRUE(speller.AddToCustom(-1, TVCSpeller::kIgnoreAlways, &error)) << error;
    EXPECT_EQ(ReadAll(config.Path() / "custom.dic"), "Plumor\xC3\xA4s\n");  // UTF-8
    EXPECT_EQ(speller.ResumeCheck(), TVCSpeller::kFinished);

    TVCSpeller later(config.Str());
    later.SetCheckText("PLUMOR\xC4S Plumor\xE4s");
    EXPECT_EQ(later.ResultCode(), TVCSpeller::kFinished);
    // Adding keeps the list's own lines.
    config.Write("custom.dic", "# mine\r\nfoo");
    TVCSpeller again(config.Str());
    again.SetCheckText("qiuck");
    ASSERT_TRUE(again.AddToCustom(-1, TVCSpeller::kIgnoreAlways, &error)) << error;
    EXPECT_EQ(ReadAll(config.Path() / "custom.dic"), "# mine\r\nfoo\nqiuck\n");
}

TEST_F(SpellerTest, AListThatCannotBeWrittenSaysSoAndKeepsItsWords) {
    const std::string locked = config.Write("locked.dic", "zorbulate\n");
    ASSERT_EQ(::chmod(locked.c_str(), 0444), 0);
    config.Write("open.dic", "");
    ASSERT_EQ(speller.CustomCount(), 3);
    EXPECT_EQ(speller.CustomFileName(-2), locked);
    EXPECT_EQ(speller.CustomStatus(-2) & kCustomCanTakeWords, 0);
    EXPECT_TRUE(speller.CustomStatus(-2) & kCustomWordsRead);
    EXPECT_TRUE(speller.CustomStatus(-3) & kCustomCanTakeWords);
    EXPECT_TRUE(Stops("zorbulate").empty()) << "its words are still known";
    speller.SetCheckText("qiuck");
    std::string error;
    EXPECT_FALSE(speller.AddToCustom(-2, TVCSpeller::kIgnoreAlways, &error));
    EXPECT_EQ(error, "Unable to write to " + locked);
    EXPECT_EQ(ReadAll(locked), "zorbulate\n");
    EXPECT_FALSE(speller.AddToCustom(-9, TVCSpeller::kIgnoreAlways, &error));
    EXPECT_EQ(speller.CustomStatus(-9), 0);
    EXPECT_EQ(speller.CustomFileName(-9), "");
}

TEST(SpellerConfig, ACustomDictionaryWhoseFolderCannotBeMadeCannotTakeWords) {
    TempDir dir;
    const std::string blocker = dir.Write("config", "a file, not a folder");
    TVCSpeller speller(blocker);
    ASSERT_TRUE(speller.Ready()) << speller.LoadError();
    ASSERT_EQ(speller.CustomCount(), 1);
    EXPECT_EQ(speller.CustomStatus(-1) & kCustomCanTakeWords, 0);
    speller.SetCheckText("qiuck");
    EXPECT_FALSE(speller.AddToCustom(-1, TVCSpeller::kIgnoreAlways));
}

TEST_F(SpellerTest, OptionsLiveInTheSpellersSectionOfTheSettingsFile) {
    config.Write("VBPLUMO3.INI", "[General]\r\nPreviewBeforeSaving=0\r\n");
    config.Write("extra.dic", "qiuck\n");
    EXPECT_TRUE(Stops("qiuck").empty());
    TSpellerOptions o = speller.Options();
    EXPECT_EQ(o.Language, "en_US");
    o.CheckAllCaps = true;
    o.UnusedDictionaries = {"extra.dic"};
    std::string error;
    ASSERT_TRUE(speller.ApplyOptions(o, error)) << error;
    EXPECT_EQ(ReadAll(config.Path() / "VBPLUMO3.INI"),
              "[General]\r\nPreviewBeforeSaving=0\r\n\r\n[VCSpeller]\r\nLanguage=en_US\r\n"
              "CheckAllCaps=1\r\nCheckWithDigits=0\r\nUnusedDictionaries=extra.dic\r\n");
    EXPECT_EQ(speller.CustomCount(), 1);
    EXPECT_EQ(Stops("qiuck HOUSX"), (std::vector<std::string>{"qiuck", "HOUSX"}));

    TVCSpeller later(config.Str());
    EXPECT_EQ(later.Options(), o);
}

TEST_F(SpellerTest, AMissingDictionaryEndsEveryCheckWithAPositiveCode) {
    TSpellerOptions o;
    o.Language = "xx_XX";
    speller.UseOptions(o);
    EXPECT_FALSE(speller.Ready());
    EXPECT_NE(speller.LoadError().find("xx_XX"), std::string::npos);
    EXPECT_NE(speller.LoadError().find("en_US"), std::string::npos) << "names what is installed";
    speller.SetCheckText("anything at all");
    EXPECT_EQ(speller.ResultCode(), TVCSpeller::kNoDictionary);
    EXPECT_EQ(speller.ResumeCheck(), TVCSpeller::kNoDictionary);
    EXPECT_EQ(speller.CustomCount(), 0);
    o.Language = "../en_US";
    speller.UseOptions(o);
    EXPECT_FALSE(speller.Ready()) << "a name, not a path";
    o.Language = "en_US";
    speller.UseOptions(o);
    EXPECT_TRUE(speller.Ready());
}

TEST_F(SpellerTest, PopupOptionsShowsTheOptionsHost) {
    struct Host : ISpellerOptionsHost {
        int Shown = 0;
        void ShowSpellerOptions(TVCSpeller&) override { ++Shown; }
    } host;
    speller.SetPopupOptions(1);  // no host: nothing happens
    speller.SetOptionsHost(&host);
    speller.SetPopupOptions(0);
    EXPECT_EQ(host.Shown, 0);
    speller.SetPopupOptions(1);
    EXPECT_EQ(host.Shown, 1);
}

TEST_F(SpellerTest, WordListsAddWordsForTheSpellersLife) {
    const std::string list = config.Write("words.txt", "\xEF\xBB\xBFqiuck\r\n# comment\r\n\r\nzorbulate extra\r\n");
    std::string error;
    ASSERT_TRUE(speller.AddWordList(list, error)) << error;
    EXPECT_TRUE(Stops("qiuck zorbulate").empty());
    EXPECT_FALSE(speller.AddWordList(config.Str() + "/missing.txt", error));
    EXPECT_NE(error.find("missing.txt"), std::string::npos);
}

}  // namespace
}  // namespace plumora

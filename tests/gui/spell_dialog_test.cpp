// The spelling dialog driven by scripted clicks: the check loop and its
// edge cases, the buttons, the speller's options, and a whole desktop run
// whose corrections land in the preview and the styled files.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

#include "app/frm_main.h"
#include "formatter/formatter.h"
#include "settings/frm_options.h"
#include "settings/option_set.h"
#include "spelling/frm_spell_dialog.h"
#include "spelling/frm_spell_options.h"
#include "support/example_project.h"
#include "support/expect_styled.h"
#include "support/scripted_hosts.h"
#include "support/temp_dir.h"
#include "ui/big_text.h"

namespace plumora {
namespace {

namespace fs = std::filesystem;
using testing::ReadAll;
using testing::ScopedConfigDir;
using testing::ScriptedCommandHost;
using testing::TempDir;

using TAction = std::function<void(TfrmSpellDialog&)>;

// What the dialog showed when it came up for a word.
struct TShown {
    std::string Misspell;
    std::string ReplaceWith;
    std::vector<std::string> Suggestions;
    bool ListEnabled;
    std::vector<std::string> Customs;
    bool AddCustomEnabled;
};

class SpellDialogTest : public ::testing::Test {
protected:
    TempDir config;
    ScopedConfigDir scope{config.Str()};
    ScriptedCommandHost host;
    TfrmSpellDialog dlg{host};
    std::vector<TShown> shown;
    // One action a word; when they run out, Ignore.
    std::vector<TAction> actions;

    void SetUp() override {
        dlg.SetModalRunner([this](TfrmSpellDialog& d) {
            TShown s;
            s.Misspell = d.Misspell()->text().toStdString();
            s.ReplaceWith = d.ReplaceWith()->text().toStdString();
            for (int i = 0; i < d.SuggestList()->count(); ++i)
                s.Suggestions.push_back(d.SuggestList()->item(i)->text().toStdString());
            s.ListEnabled = d.SuggestList()->isEnabled();
            for (int i = 0; i < d.Customs()->count(); ++i) s.Customs.push_back(d.Customs()->itemText(i).toStdString());
            s.AddCustomEnabled = d.AddCustomButton()->isEnabled();
            const std::size_t n = shown.size();
            shown.push_back(s);
            if (n < actions.size())
                actions[n](d);
            else
                d.IgnoreButtonClick();
        });
    }

    struct TResult {
        std::string Text;
        bool Replaced;
        bool Cancelled;
    };
    TResult Check(const std::string& text, const std::string& context = "context line") {
        TResult r{text, true, true};
        dlg.CheckSpelling(context, r.Text, r.Replaced, r.Cancelled);
        return r;
    }

    static TAction ReplaceWith(const char* word, bool all = false) {
        return [word, all](TfrmSpellDialog& d) {
            d.ReplaceWith()->setText(word);
            all ? d.ReplaceAllButtonClick() : d.ReplaceButtonClick();
        };
    }
};

TEST_F(SpellDialogTest, ATextWithoutUnknownWordsShowsNoDialog) {
    const TResult r = Check("Reads the data file.");
    EXPECT_EQ(r.Text, "Reads the data file.");
    EXPECT_FALSE(r.Replaced);
    EXPECT_FALSE(r.Cancelled);
    EXPECT_TRUE(shown.empty());
}

TEST_F(SpellDialogTest, IgnoreOnEveryWordLeavesTheText) {
    const TResult r = Check("teh qiuck fox");
    EXPECT_EQ(r.Text, "teh qiuck fox");
    EXPECT_FALSE(r.Replaced);
    EXPECT_FALSE(r.Cancelled);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].Misspell, "teh");
    EXPECT_EQ(shown[1].Misspell, "qiuck");
    // The first suggestion is proposed as the replacement.
    EXPECT_EQ(shown[1].Suggestions.front(), "quick");
    EXPECT_EQ(shown[1].ReplaceWith, "quick");
    EXPECT_TRUE(shown[1].ListEnabled);
    EXPECT_FALSE(dlg.isVisible());
}

TEST_F(SpellDialogTest, ReplaceWithAKnownWordReplacesWithoutAsking) {
    actions = {ReplaceWith("the"), ReplaceWith("quick")};
    const TResult r = Check("teh qiuck fox");
    EXPECT_EQ(r.Text, "the quick fox") << "no trace of the padding";
    EXPECT_TRUE(r.Replaced);
    EXPECT_FALSE(r.Cancelled);
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(SpellDialogTest, AReplacementTheDictionariesDoNotKnowIsConfirmed) {
    actions = {ReplaceWith("thhe"), ReplaceWith("qwik")};
    host.Answers = {MsgResult::No, MsgResult::Yes};
    const TResult r = Check("teh qiuck fox");
    ASSERT_EQ(host.Messages.size(), 2u);
    EXPECT_EQ(host.Messages[0].Text, "NOTE: Replacement word not in dictionary.  Continue?");
    EXPECT_EQ(host.Messages[0].Kind, MsgKind::Warning);
    EXPECT_EQ(host.Messages[0].Buttons, MsgButtons::YesNo);
    EXPECT_EQ(r.Text, "teh qwik fox") << "No keeps the word and moves on";
    EXPECT_TRUE(r.Replaced);
}

TEST_F(SpellDialogTest, CancelOnTheFirstWordStopsTheCheck) {
    actions = {[](TfrmSpellDialog& d) { d.CancelSpellcheckButtonClick(); }};
    TResult r = Check("teh qiuck fox");
    EXPECT_TRUE(r.Cancelled);
    EXPECT_FALSE(r.Replaced);
    EXPECT_EQ(r.Text, "teh qiuck fox");
    EXPECT_EQ(shown.size(), 1u);
    // Escape is Cancel Spellcheck too.
    shown.clear();
    actions = {[](TfrmSpellDialog& d) { d.reject(); }};
    r = Check("teh qiuck fox");
    EXPECT_TRUE(r.Cancelled);
    EXPECT_EQ(shown.size(), 1u);
}

TEST_F(SpellDialogTest, AfterCancelTheFormatterChecksNoFurtherLineInTheRun) {
    actions = {[](TfrmSpellDialog& d) { d.CancelSpellcheckButtonClick(); }};
    TOptionSet o = testing::OptionsWithoutOptionExplicit();
    o.SetBool(Opt::SpellingPerform, true);
    o.SetBool(Opt::SpellingComments, true);
    o.SetBool(Opt::SpellingLiterals, true);
    TVBSrcFormatter f(o, nullptr, &dlg);
    f.RunPass(testing::SplitLines("x = \"teh\" ' qiuck\ny = \"hosue\"\n' recieve"), 0);
    EXPECT_EQ(shown.size(), 1u);
    EXPECT_TRUE(f.SpellCancelled);
}

TEST_F(SpellDialogTest, NoSuggestionsKeepsTheReplacementText) {
    actions = {[](TfrmSpellDialog& d) {
        d.ReplaceWith()->setText("kept");
        d.Misspell()->setText("zuxqjvbwo");
        d.SuggestionsButton1Click();
        EXPECT_EQ(d.ReplaceWith()->text(), "kept");
        ASSERT_EQ(d.SuggestList()->count(), 1);
        EXPECT_EQ(d.SuggestList()->item(0)->text(), "[No suggestions]");
        EXPECT_FALSE(d.SuggestList()->isEnabled());
        EXPECT_FALSE(d.SuggestList()->item(0)->flags() & Qt::ItemIsEnabled);
        // Suggestions for the replacement field's text fill the list again.
        d.ReplaceWith()->setText("hosue");
        d.SuggestionsButton2Click();
        EXPECT_TRUE(d.SuggestList()->isEnabled());
        EXPECT_EQ(d.ReplaceWith()->text(), "house");
        d.SuggestListClick(1);
        EXPECT_EQ(d.ReplaceWith()->text(), d.SuggestList()->item(1)->text());
        d.IgnoreButtonClick();
    }};
    Check("zuxqjvbwo");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].Suggestions, std::vector<std::string>{"[No suggestions]"});
    EXPECT_EQ(shown[0].ReplaceWith, "");
    EXPECT_FALSE(shown[0].ListEnabled);
}

TEST_F(SpellDialogTest, ReplaceAllProposesTheReplacementFromThenOn) {
    actions = {ReplaceWith("the", true)};
    TResult r = Check("teh cat");
    EXPECT_EQ(r.Text, "the cat");
    r = Check("Teh end of teh day");
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[1].Misspell, "Teh");
    EXPECT_EQ(shown[1].ReplaceWith, "The") << "the list's replacement, in the word's case";
    EXPECT_EQ(shown[2].ReplaceWith, "the");
    EXPECT_EQ(r.Text, "Teh end of teh day") << "Ignore still leaves it";
}

TEST_F(SpellDialogTest, IgnoreAllHoldsForTheRestOfTheProgram) {
    actions = {[](TfrmSpellDialog& d) { d.IgnoreAllButtonClick(); }};
    Check("qiuck and qiuck");
    Check("qiuck again");
    EXPECT_EQ(shown.size(), 1u);
}

TEST_F(SpellDialogTest, AddToCustomWritesTheChosenListAndTheDialogStaysOpen) {
    config.Write("more.dic", "");
    config.Write("zlocked.dic", "");
    fs::permissions(config.Path() / "zlocked.dic", fs::perms::owner_read);
    actions = {[](TfrmSpellDialog& d) {
        d.Customs()->setCurrentIndex(1);
        d.AddCustomButtonClick();
        d.IgnoreButtonClick();
    }};
    Check("qiuck then qiuck");
    ASSERT_EQ(shown.size(), 1u) << "the word is known once added";
    EXPECT_EQ(shown[0].Customs, (std::vector<std::string>{"custom.dic", "more.dic"}));
    EXPECT_TRUE(shown[0].AddCustomEnabled);
    EXPECT_EQ(ReadAll(config.Path() / "more.dic"), "qiuck\n");
    EXPECT_FALSE(fs::exists(config.Path() / "custom.dic"));
    EXPECT_TRUE(host.Messages.empty());
}

TEST(SpellDialogConfig, WithoutAListThatTakesWordsAddToCustomIsOff) {
    TempDir dir;
    const std::string blocker = dir.Write("config", "a file, not a folder");
    ScopedConfigDir scope(blocker);
    ScriptedCommandHost host;
    TfrmSpellDialog dlg(host);
    bool enabled = true, listEnabled = true;
    int count = -1;
    dlg.SetModalRunner([&](TfrmSpellDialog& d) {
        enabled = d.AddCustomButton()->isEnabled();
        listEnabled = d.Customs()->isEnabled();
        count = d.Customs()->count();
        d.IgnoreButtonClick();
    });
    std::string text = "qiuck";
    bool replaced = false, cancelled = false;
    dlg.CheckSpelling("x", text, replaced, cancelled);
    EXPECT_FALSE(enabled);
    EXPECT_FALSE(listEnabled);
    EXPECT_EQ(count, 0);
}

TEST_F(SpellDialogTest, TheDialogShowsTheLineAndTheTextAsDesigned) {
    bool looked = false;
    actions = {[&](TfrmSpellDialog& d) {
        TBigText* view = d.txtDisplay();
        ASSERT_EQ(view->LineCount(), 2);
        EXPECT_EQ(view->LineText(0), "MsgBox \"teh end\" ' note");
        EXPECT_EQ(view->LineText(1), "teh end");
        EXPECT_EQ(view->LineBackColor(0), TColor::SystemWindow());
        EXPECT_EQ(view->LineBackColor(1), TColor::FromRgb(192, 192, 192));
        EXPECT_EQ(view->LineFontColor(1), TColor::FromRgb(0, 0, 0));
        looked = true;
        d.IgnoreButtonClick();
    }};
    Check("teh end", "MsgBox \"teh end\" ' note");
    EXPECT_TRUE(looked);

    EXPECT_EQ(dlg.windowTitle(), "Word Not Found in Dictionary");
    const Qt::WindowFlags flags = dlg.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(flags & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowMaximizeButtonHint | Qt::WindowSystemMenuHint));
    // Every control in reading order, as the keyboard walks it.
    const std::vector<std::pair<const char*, const char*>> order = {
        {"Misspell", ""},
        {"SuggestionsButton1", "&Suggestions"},
        {"ReplaceWith", ""},
        {"SuggestionsButton2", "S&uggestions"},
        {"SuggestList", ""},
        {"IgnoreButton", "&Ignore"},
        {"IgnoreAllButton", "I&gnore All"},
        {"ReplaceButton", "&Replace"},
        {"ReplaceAllButton", "R&eplace All"},
        {"OptionsButton", "&Options"},
        {"CancelSpellcheckButton", "&Cancel Spellcheck"},
        {"AddCustomButton", "&Add To Custom"},
        {"Customs", ""},
    };
    QWidget* w = dlg.findChild<QWidget*>(order[0].first);
    for (std::size_t i = 0; i < order.size(); ++i) {
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->objectName().toStdString(), order[i].first);
        if (auto* b = qobject_cast<QPushButton*>(w)) {
            EXPECT_EQ(b->text().toStdString(), order[i].second);
        }
        w = w->nextInFocusChain();
        while (w && w->focusPolicy() == Qt::NoFocus) w = w->nextInFocusChain();
    }
    for (auto [name, caption] : {std::pair{"lblContext", "Context of spelling error:"},
                                 std::pair{"lblNotInDictionary", "Not in Dictionary:"},
                                 std::pair{"lblReplaceWith", "Replace With:"}})
        EXPECT_EQ(dlg.findChild<QLabel*>(name)->text().toStdString(), caption);
}

TEST_F(SpellDialogTest, OptionsOpenTheSpellersDialogWhichStoresItsChoices) {
    config.Write("extra.dic", "qiuck\n");
    int opened = 0;
    dlg.SetOptionsRunner([&](QDialog& d) {
        ++opened;
        auto& options = dynamic_cast<TfrmSpellOptions&>(d);
        EXPECT_EQ(options.windowTitle(), "Spell Checker Options");
        EXPECT_EQ(options.cmbLanguage()->currentData().toString(), "en_US");
        ASSERT_EQ(options.lstCustom()->count(), 2);
        EXPECT_FALSE(options.lstCustom()->item(0)->flags() & Qt::ItemIsUserCheckable) << "custom.dic stays";
        options.lstCustom()->item(1)->setCheckState(Qt::Unchecked);
        options.chkDigits()->setChecked(true);
        options.AskDictionaryName = [](QWidget*) { return QString("project words"); };
        options.btnNewCustomClick();
        ASSERT_EQ(options.lstCustom()->count(), 3);
        EXPECT_EQ(options.lstCustom()->item(2)->checkState(), Qt::Checked);
        EXPECT_EQ(options.lstCustom()->item(1)->checkState(), Qt::Unchecked) << "kept across the refresh";
        options.accept();
    });
    actions = {[](TfrmSpellDialog& d) {
        d.OptionsButtonClick();
        EXPECT_EQ(d.Customs()->count(), 2) << "custom.dic and the new list";
        d.IgnoreButtonClick();
    }};
    Check("teh");
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(fs::exists(config.Path() / "project words.dic"));
    const std::string ini = ReadAll(config.Path() / "VBPLUMO3.INI");
    EXPECT_NE(ini.find("[VCSpeller]"), std::string::npos);
    EXPECT_NE(ini.find("CheckWithDigits=1"), std::string::npos);
    EXPECT_NE(ini.find("UnusedDictionaries=extra.dic"), std::string::npos);
    // extra.dic is out of use now, and words with digits are checked.
    actions.clear();
    shown.clear();
    Check("qiuck Text1");
    ASSERT_EQ(shown.size(), 2u);

    // "Configure Spell Checker" opens the same dialog without this one.
    TOptionSet o;
    TfrmOptions frmOptions(o, host);
    frmOptions.SetSpellCheckerOptions([this] { dlg.ConfigureSpeller(); });
    dlg.SetOptionsRunner([&](QDialog& d) {
        ++opened;
        d.reject();
    });
    frmOptions.findChild<QPushButton*>("btnSpellOptions")->click();
    EXPECT_EQ(opened, 2);
    EXPECT_FALSE(dlg.isVisible());
}

// A whole run from the main window: a word of a comment and a word of a
// literal are corrected in the dialog and show so in the preview and in
// the styled file.
TEST(SpellDialogRun, CorrectionsLandInThePreviewAndTheStyledFile) {
    TempDir config, work;
    ScopedConfigDir scope(config.Str());
    config.Write("VBPLUMO3.INI",
                 "[General]\r\nPreviewBeforeSaving=1\r\n[SpellCheck]\r\nSpellingPerform=1\r\n"
                 "SpellingComments=1\r\nSpellingLiterals=1\r\n[BackupInformation]\r\n"
                 "BackupOnlyNewFiles=1\r\nBackupMAKFiles=0\r\nBackupAllFiles=0\r\n");
    testing::CopyExampleProject("Inventory", "Inventory.vbp", work.Path() / "Inventory");
    const fs::path module = work.Path() / "Inventory" / "modInventory.bas";
    std::string text = ReadAll(module);
    for (auto [from, to] : {std::pair<std::string, std::string>{"of the application and", "of the aplication and"},
                            {"\"Export failed: \"", "\"Export faild: \""}}) {
        const std::size_t at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        text.replace(at, from.size(), to);
    }
    work.Write("Inventory/modInventory.bas", text);

    std::vector<std::string> messages;
    TfrmMain w(nullptr, [&](MsgKind, const std::string& t, MsgButtons) {
        messages.push_back(t);
        return MsgResult::Yes;
    });
    w.show();
    ASSERT_TRUE(w.OpenProjectFile((work.Path() / "Inventory" / "Inventory.vbp").string()));
    std::vector<std::string> asked;
    w.SpellDialog()->SetModalRunner([&](TfrmSpellDialog& d) {
        const std::string word = d.Misspell()->text().toStdString();
        asked.push_back(word);
        if (word == "aplication") {
            d.ReplaceWith()->setText("application");
            d.ReplaceButtonClick();
        } else if (word == "faild") {
            d.ReplaceWith()->setText("failed");
            d.ReplaceButtonClick();
        } else {
            d.IgnoreAllButtonClick();
        }
    });
    std::vector<TStyledLine> preview;
    w.RunHost().SetPreview([&](const std::string& name, const std::vector<std::string>&,
                               const std::vector<TStyledLine>& after) {
        if (name == "MODINVENTORY.BAS") preview = after;  // as the project names it
        return PreviewAnswer::Continue;
    });
    w.findChild<QAction*>("btnProcess")->trigger();

    EXPECT_EQ(messages.back(), "Conversion Completed.");
    EXPECT_NE(std::find(asked.begin(), asked.end(), "aplication"), asked.end());
    EXPECT_NE(std::find(asked.begin(), asked.end(), "faild"), asked.end());
    // The names of the code that the comments quote are known words.
    for (const char* name : {"LoadInventory", "SaveInventory", "FILE_VERSION", "ToRecord", "CItem"})
        EXPECT_EQ(std::find(asked.begin(), asked.end(), name), asked.end()) << name;
    auto line = [&](const std::string& part) -> const TStyledLine* {
        for (const TStyledLine& l : preview)
            if (l.Text.find(part) != std::string::npos) return &l;
        return nullptr;
    };
    const TStyledLine* comment = line("of the application and everything");
    const TStyledLine* literal = line("\"Export failed: \"");
    ASSERT_NE(comment, nullptr) << [&] {
        std::string all;
        for (const TStyledLine& l : preview) all += l.Text + "\n";
        return all;
    }();
    ASSERT_NE(literal, nullptr);
    EXPECT_TRUE(comment->Mark.IsChanged());
    EXPECT_TRUE(literal->Mark.IsChanged());
    EXPECT_EQ(line("aplication"), nullptr);
    const std::string styled = ReadAll(work.Path() / "Inventory" / "STYLED" / "MODINVENTORY.BAS");
    EXPECT_NE(styled.find("of the application and everything"), std::string::npos);
    EXPECT_NE(styled.find("\"Export failed: \""), std::string::npos);
    EXPECT_EQ(ReadAll(module), text) << "the source is untouched";
}

}  // namespace
}  // namespace plumora

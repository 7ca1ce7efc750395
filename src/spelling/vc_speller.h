// TVCSpeller: the spell-checking component that the spelling dialog drives
// step by step through its properties, backed by a Hunspell dictionary,
// custom word lists, the project's own names and the ignore and replace
// lists that live as long as the speller.
//
// A property that acts is a Set... call (SetCheckText, SetCheckWord,
// SetReplaceLastWord, SetAddToCommonIRList, SetPopupOptions...);
// ResumeCheck acts when read. Texts are Windows-1252 bytes, as the source
// lines they come from.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "spelling/custom_dictionaries.h"
#include "spelling/speller_options.h"
#include "spelling/word_breaker.h"

namespace plumora {

class THunspellDictionary;
class TVCSpeller;

// Shows the speller's options dialog (PopupOptions). The desktop supplies
// one; without it PopupOptions does nothing.
class ISpellerOptionsHost {
public:
    virtual ~ISpellerOptionsHost() = default;
    virtual void ShowSpellerOptions(TVCSpeller& speller) = 0;
};

class TVCSpeller {
public:
    // ResultCode values.
    static constexpr std::int16_t kFinished = 0;
    static constexpr std::int16_t kWordNotFound = -1;
    static constexpr std::int16_t kReplacementProposed = -2;  // IRAction 9, ReplacementWord
    static constexpr std::int16_t kCancelled = -3;             // written by the program
    static constexpr std::int16_t kNoDictionary = 1;           // see LoadError()
    // AddToCommonIRList actions, and the IRAction of a proposed replacement.
    static constexpr int kIgnoreAlways = 5;
    static constexpr int kReplaceAlways = 9;

    // `configDir` holds VBPLUMO3.INI (the speller's section) and the custom
    // dictionaries. Nothing is read until the speller is first used.
    explicit TVCSpeller(std::string configDir);
    ~TVCSpeller();
    TVCSpeller(const TVCSpeller&) = delete;
    TVCSpeller& operator=(const TVCSpeller&) = delete;

    // ---- Properties of the control ----------------------------------------
    // With AutoReplace, words on the replace list are replaced without
    // stopping; with AutoSuggest, suggestions for each word found are ready
    // at once. The component has no word dialog of its own, so AutoPopup
    // only records the wish.
    bool AutoPopup() const { return autoPopup_; }
    void SetAutoPopup(bool on) { autoPopup_ = on; }
    bool AutoReplace() const { return autoReplace_; }
    void SetAutoReplace(bool on) { autoReplace_ = on; }
    bool AutoSuggest() const { return autoSuggest_; }
    void SetAutoSuggest(bool on) { autoSuggest_ = on; }
    // 1 sets WordsChecked and WordsFlagged back to 0.
    void SetClearCounts(int value);

    // Starts checking `text` and runs to the first word that needs the user.
    void SetCheckText(std::string_view text);
    std::int16_t ResultCode() const { return resultCode_; }
    void SetResultCode(std::int16_t code) { resultCode_ = code; }
    // Continues after the current word; returns the new ResultCode.
    std::int16_t ResumeCheck();

    const std::string& MisspelledWord() const { return misspelled_; }
    void SetMisspelledWord(std::string_view word) { misspelled_ = word; }
    int IRAction() const { return irAction_; }
    const std::string& ReplacementWord() const { return replacement_; }
    void SetReplacementWord(std::string_view word) { replacement_ = word; }
    // 1 replaces the current word in Text by ReplacementWord.
    void SetReplaceLastWord(int value);
    bool ReplaceOccurred() const { return replaceOccurred_; }
    // The text being checked, with every replacement made so far.
    const std::string& Text() const { return text_; }

    // ResultCode becomes kWordNotFound when a word of `word` is unknown,
    // kFinished when all are known (or it holds none).
    void SetCheckWord(std::string_view word);
    // Looks up suggestions; read them with SuggestionCount and Suggestion.
    void SetFindSuggestions(std::string_view word);
    int SuggestionCount() const { return static_cast<int>(suggestions_.size()); }
    // Suggestion 1 to SuggestionCount; empty outside.
    std::string Suggestion(int index) const;

    // kIgnoreAlways: MisspelledWord is known from now on. kReplaceAlways:
    // from now on MisspelledWord is proposed to be replaced by
    // ReplacementWord (or replaced, with AutoReplace).
    void SetAddToCommonIRList(int action);

    // Custom dictionaries in use; dictionary i (1 to CustomCount) is
    // addressed as index -i.
    int CustomCount();
    int CustomStatus(int index);           // kCustomCanTakeWords, kCustomWordsRead
    std::string CustomFileName(int index);  // full path
    // Adds MisspelledWord to custom dictionary `index` (-1: custom.dic) with
    // action code 5; the word is known at once. False, with `error`, when
    // the list cannot take it.
    bool AddToCustom(int index, int action, std::string* error = nullptr);

    // 1 shows the options dialog of the options host.
    void SetPopupOptions(int value);
    void SetOptionsHost(ISpellerOptionsHost* host) { optionsHost_ = host; }

    // ---- Beyond the control -----------------------------------------------
    // Quick suggestions (QuickSuggest of the dictionary, at most `limit`)
    // instead of Hunspell's full search: for reports over whole projects.
    // 0 goes back to the full search.
    void SetQuickSuggestions(std::size_t limit);
    // A dictionary that knows what this speller's knows (language, custom
    // dictionaries, word lists), for looking up suggestions on another
    // thread; null when the speller is not Ready.
    std::unique_ptr<THunspellDictionary> NewDictionaryCopy();
    // Where the current word lies in Text.
    std::size_t WordStart() const { return word_.Start; }
    std::size_t WordLength() const { return word_.Length; }
    long WordsChecked() const { return wordsChecked_; }
    long WordsFlagged() const { return wordsFlagged_; }

    // Loads options, dictionary and lists on first use. False when the
    // dictionary cannot be loaded; LoadError says why.
    bool Ready();
    const std::string& LoadError() const { return loadError_; }

    // Names the code declares or uses, as UpperKey of each: known words.
    void SetProjectWords(std::unordered_set<std::string> upperKeys);
    // Words of a word list file (UTF-8) known for the speller's life.
    bool AddWordList(const std::string& path, std::string& error);

    const std::string& ConfigDir() const { return configDir_; }
    // The options in effect (read from the settings file on first use).
    const TSpellerOptions& Options();
    // Uses `options` from now on (dictionary and lists reloaded), without
    // storing them.
    void UseOptions(const TSpellerOptions& options);
    // UseOptions, then writes them to the speller's section of the
    // settings file; false with `error` when it cannot be written.
    bool ApplyOptions(const TSpellerOptions& options, std::string& error);
    // Every custom dictionary of the configuration directory, used or not.
    std::vector<TCustomDictionary> AllCustomDictionaries();

    // True when the word (Windows-1252) needs no correction.
    bool IsKnown(std::string_view word);
    // The unknown words of `text`, in order.
    std::vector<TWordSpan> UnknownWords(std::string_view text);

private:
    void LoadOptionsOnce();
    void Load();
    void Advance();
    bool IsProjectWord(std::string_view word) const;
    TCustomDictionary* UsedCustom(int index);
    void ForgetLookups();

    std::string configDir_;
    bool autoPopup_ = false;
    bool autoReplace_ = false;
    bool autoSuggest_ = false;
    std::size_t quickSuggestions_ = 0;

    bool optionsRead_ = false;
    bool loaded_ = false;
    TSpellerOptions options_;
    std::string loadError_;
    std::unique_ptr<THunspellDictionary> dictionary_;
    std::vector<TCustomDictionary> customs_;
    std::vector<std::string> sessionWords_;  // UTF-8, from word lists
    std::unordered_set<std::string> projectWords_;
    std::unordered_set<std::string> ignored_;                     // UpperKey
    std::unordered_map<std::string, std::string> replacements_;  // UpperKey -> word
    std::unordered_map<std::string, bool> knownCache_;
    std::unordered_map<std::string, std::vector<std::string>> suggestCache_;
    ISpellerOptionsHost* optionsHost_ = nullptr;

    // The check in progress.
    std::string text_;
    std::vector<TWordSpan> pending_;  // unknown words after the current one
    std::size_t next_ = 0;
    TWordSpan word_;
    std::int16_t resultCode_ = kFinished;
    std::string misspelled_;
    std::string replacement_;
    int irAction_ = 0;
    bool replaceOccurred_ = false;
    std::vector<std::string> suggestions_;
    long wordsChecked_ = 0;
    long wordsFlagged_ = 0;
};

}  // namespace plumora

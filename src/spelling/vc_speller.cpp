// The speller: the check loop behind the properties, and what it knows.
#include "spelling/vc_speller.h"

#include <filesystem>

#include "settings/ini_file.h"
#include "spelling/hunspell_dictionary.h"
#include "spelling/word_encoding.h"
#include "viewers/windows_1252.h"

namespace plumora {

namespace {

std::string SettingsFileIn(const std::string& dir) {
    return (std::filesystem::path(dir) / "VBPLUMO3.INI").string();
}

// The replacement written the way the word was: "Teh" becomes "The" and
// "TEH" becomes "THE" when the list says teh -> the.
std::string MatchCase(const std::string& word, const std::string& replacement) {
    if (word.empty() || replacement.empty()) return replacement;
    bool allUpper = word.size() > 1;
    for (char c : word)
        if (IsLowerLetter(static_cast<unsigned char>(c))) allUpper = false;
    if (allUpper) return UpperKey(replacement);
    std::string out = replacement;
    if (IsUpperLetter(static_cast<unsigned char>(word[0])))
        out[0] = static_cast<char>(Windows1252Upper(static_cast<unsigned char>(out[0])));
    return out;
}

}  // namespace

TVCSpeller::TVCSpeller(std::string configDir) : configDir_(std::move(configDir)) {}

TVCSpeller::~TVCSpeller() = default;

void TVCSpeller::LoadOptionsOnce() {
    if (optionsRead_) return;
    optionsRead_ = true;
    TIniFile ini(SettingsFileIn(configDir_));
    if (ini.Load()) options_.Load(ini);
}

const TSpellerOptions& TVCSpeller::Options() {
    LoadOptionsOnce();
    return options_;
}

void TVCSpeller::Load() {
    loaded_ = true;
    LoadOptionsOnce();
    ForgetLookups();
    loadError_.clear();
    auto dictionary = std::make_unique<THunspellDictionary>();
    if (!dictionary->Load(options_.Language, loadError_)) {
        dictionary_.reset();
        return;
    }
    dictionary_ = std::move(dictionary);
    customs_ = ListCustomDictionaries(configDir_);
    for (TCustomDictionary& d : customs_) {
        if (!options_.Uses(d.Name)) continue;
        ReadCustomDictionary(d);
        for (const std::string& w : d.Words) dictionary_->AddUtf8(w);
    }
    for (const std::string& w : sessionWords_) dictionary_->AddUtf8(w);
}

bool TVCSpeller::Ready() {
    if (!loaded_) Load();
    return dictionary_ != nullptr;
}

void TVCSpeller::UseOptions(const TSpellerOptions& options) {
    optionsRead_ = true;
    options_ = options;
    loaded_ = false;
}

bool TVCSpeller::ApplyOptions(const TSpellerOptions& options, std::string& error) {
    UseOptions(options);
    TIniFile ini(SettingsFileIn(configDir_));
    // A settings file that could not be read is never replaced.
    if (!ini.Load()) {
        error = "Unable to write to " + ini.Path();
        return false;
    }
    options.Save(ini);
    return ini.Save(&error);
}

std::vector<TCustomDictionary> TVCSpeller::AllCustomDictionaries() {
    std::vector<TCustomDictionary> all = ListCustomDictionaries(configDir_);
    for (TCustomDictionary& d : all) ReadCustomDictionary(d);
    return all;
}

void TVCSpeller::ForgetLookups() {
    knownCache_.clear();
    suggestCache_.clear();
}

void TVCSpeller::SetQuickSuggestions(std::size_t limit) {
    if (limit != quickSuggestions_) suggestCache_.clear();
    quickSuggestions_ = limit;
}

std::unique_ptr<THunspellDictionary> TVCSpeller::NewDictionaryCopy() {
    if (!Ready()) return nullptr;
    auto copy = std::make_unique<THunspellDictionary>();
    std::string error;
    if (!copy->Load(options_.Language, error)) return nullptr;
    for (const TCustomDictionary& d : customs_)
        if (options_.Uses(d.Name))
            for (const std::string& w : d.Words) copy->AddUtf8(w);
    for (const std::string& w : sessionWords_) copy->AddUtf8(w);
    return copy;
}

void TVCSpeller::SetProjectWords(std::unordered_set<std::string> upperKeys) {
    projectWords_ = std::move(upperKeys);
}

bool TVCSpeller::AddWordList(const std::string& path, std::string& error) {
    std::vector<std::string> words;
    if (!ReadWordList(path, words, error)) return false;
    for (const std::string& w : words) {
        sessionWords_.push_back(w);
        if (dictionary_) dictionary_->AddUtf8(w);
    }
    ForgetLookups();
    return true;
}

bool TVCSpeller::IsProjectWord(std::string_view word) const {
    return !projectWords_.empty() && projectWords_.count(UpperKey(word)) > 0;
}

bool TVCSpeller::IsKnown(std::string_view word) {
    if (!Ready()) return false;
    if (!ignored_.empty() && ignored_.count(UpperKey(word))) return true;
    std::string key(word);
    auto it = knownCache_.find(key);
    if (it != knownCache_.end()) return it->second;
    const bool known = dictionary_->Spell(word);
    knownCache_.emplace(std::move(key), known);
    return known;
}

std::vector<TWordSpan> TVCSpeller::UnknownWords(std::string_view text) {
    std::vector<TWordSpan> unknown;
    if (!Ready()) return unknown;
    const TWordRules rules{options_.CheckAllCaps, options_.CheckWithDigits};
    for (const TWordToken& t : BreakIntoWords(text, rules)) {
        ++wordsChecked_;
        const std::string_view part = text.substr(t.Part.Start, t.Part.Length);
        if (IsProjectWord(text.substr(t.Run.Start, t.Run.Length)) || IsProjectWord(part)) continue;
        if (IsKnown(part)) continue;
        // A name written in camelCase is right when each of its words is.
        const std::vector<TWordSpan> pieces = CamelCaseParts(part);
        if (pieces.size() == 1) {
            unknown.push_back(t.Part);
            continue;
        }
        for (const TWordSpan& p : pieces) {
            const std::string_view piece = part.substr(p.Start, p.Length);
            if (!WorthChecking(piece, rules) || IsProjectWord(piece) || IsKnown(piece)) continue;
            unknown.push_back({t.Part.Start + p.Start, p.Length});
        }
    }
    return unknown;
}

void TVCSpeller::SetClearCounts(int value) {
    if (value != 1) return;
    wordsChecked_ = 0;
    wordsFlagged_ = 0;
}

void TVCSpeller::SetCheckText(std::string_view text) {
    text_.assign(text);
    pending_.clear();
    next_ = 0;
    word_ = {};
    misspelled_.clear();
    replacement_.clear();
    irAction_ = 0;
    replaceOccurred_ = false;
    suggestions_.clear();
    if (!Ready()) {
        resultCode_ = kNoDictionary;
        return;
    }
    pending_ = UnknownWords(text_);
    Advance();
}

std::int16_t TVCSpeller::ResumeCheck() {
    if (resultCode_ > 0 && !dictionary_) return resultCode_;
    Advance();
    return resultCode_;
}

// Moves to the next word that needs the user. The words were found when the
// text was set; each is asked again, since an Ignore All or a word added to
// a custom dictionary on the way may have made it known.
void TVCSpeller::Advance() {
    irAction_ = 0;
    while (next_ < pending_.size()) {
        word_ = pending_[next_++];
        const std::string word = text_.substr(word_.Start, word_.Length);
        auto r = replacements_.find(UpperKey(word));
        if (r != replacements_.end()) {
            misspelled_ = word;
            replacement_ = MatchCase(word, r->second);
            if (autoReplace_) {
                SetReplaceLastWord(1);
                continue;
            }
            irAction_ = kReplaceAlways;
            resultCode_ = kReplacementProposed;
        } else {
            if (IsKnown(word)) continue;
            misspelled_ = word;
            resultCode_ = kWordNotFound;
        }
        ++wordsFlagged_;
        if (autoSuggest_) SetFindSuggestions(misspelled_);
        return;
    }
    word_ = {text_.size(), 0};
    resultCode_ = kFinished;
}

void TVCSpeller::SetReplaceLastWord(int value) {
    if (value != 1 || word_.Start + word_.Length > text_.size() || word_.Length == 0) return;
    text_.replace(word_.Start, word_.Length, replacement_);
    const auto delta = static_cast<std::ptrdiff_t>(replacement_.size()) -
                       static_cast<std::ptrdiff_t>(word_.Length);
    for (std::size_t i = next_; i < pending_.size(); ++i)
        pending_[i].Start = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(pending_[i].Start) + delta);
    word_.Length = replacement_.size();
    replaceOccurred_ = true;
}

void TVCSpeller::SetCheckWord(std::string_view word) {
    if (!Ready()) {
        resultCode_ = kNoDictionary;
        return;
    }
    // Looking up a word is not part of the counted check.
    const long checked = wordsChecked_;
    const bool unknown = !UnknownWords(word).empty();
    wordsChecked_ = checked;
    resultCode_ = unknown ? kWordNotFound : kFinished;
}

void TVCSpeller::SetFindSuggestions(std::string_view word) {
    suggestions_.clear();
    if (!Ready() || word.empty()) return;
    auto it = suggestCache_.find(std::string(word));
    if (it == suggestCache_.end()) {
        it = suggestCache_
                 .emplace(std::string(word), quickSuggestions_ > 0
                                                 ? dictionary_->QuickSuggest(word, quickSuggestions_)
                                                 : dictionary_->Suggest(word))
                 .first;
    }
    suggestions_ = it->second;
}

std::string TVCSpeller::Suggestion(int index) const {
    if (index < 1 || index > SuggestionCount()) return {};
    return suggestions_[static_cast<std::size_t>(index - 1)];
}

void TVCSpeller::SetAddToCommonIRList(int action) {
    const std::string key = UpperKey(misspelled_);
    if (key.empty()) return;
    if (action == kIgnoreAlways) {
        ignored_.insert(key);
        replacements_.erase(key);
    } else if (action == kReplaceAlways) {
        replacements_[key] = replacement_;
        ignored_.erase(key);
    }
}

TCustomDictionary* TVCSpeller::UsedCustom(int index) {
    if (!Ready() || index >= 0) return nullptr;
    int n = 0;
    for (TCustomDictionary& d : customs_)
        if (options_.Uses(d.Name) && ++n == -index) return &d;
    return nullptr;
}

int TVCSpeller::CustomCount() {
    if (!Ready()) return 0;
    int n = 0;
    for (const TCustomDictionary& d : customs_)
        if (options_.Uses(d.Name)) ++n;
    return n;
}

int TVCSpeller::CustomStatus(int index) {
    const TCustomDictionary* d = UsedCustom(index);
    return d ? d->Status : 0;
}

std::string TVCSpeller::CustomFileName(int index) {
    const TCustomDictionary* d = UsedCustom(index);
    return d ? d->Path : std::string();
}

bool TVCSpeller::AddToCustom(int index, int action, std::string* error) {
    std::string why;
    TCustomDictionary* d = UsedCustom(index);
    if (action != kIgnoreAlways || !d || misspelled_.empty()) {
        why = d ? "There is no word to add." : "There is no such custom dictionary.";
    } else if (AddCustomWord(*d, Windows1252ToUtf8(misspelled_), why)) {
        dictionary_->Add1252(misspelled_);
        ForgetLookups();
        return true;
    }
    if (error) *error = why;
    return false;
}

void TVCSpeller::SetPopupOptions(int value) {
    if (value == 1 && optionsHost_) optionsHost_->ShowSpellerOptions(*this);
}

}  // namespace plumora

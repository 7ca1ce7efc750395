// One Hunspell dictionary (LANG.aff and LANG.dic) with the conversions that
// let the speller speak Windows-1252 to it, whatever the dictionary's own
// encoding. Also finds the dictionaries installed on the machine.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class Hunspell;

namespace plumora {

class TDictionaryCodec;

// Directories searched for LANG.aff/LANG.dic, in order: the entries of
// $DICPATH (separated by ':'), then the system's Hunspell directories.
std::vector<std::string> DictionaryDirectories();

// The languages (file stems such as "en_US") that have both files in one of
// the directories, sorted, each once.
std::vector<std::string> InstalledLanguages();

class THunspellDictionary {
public:
    THunspellDictionary();
    ~THunspellDictionary();
    THunspellDictionary(const THunspellDictionary&) = delete;
    THunspellDictionary& operator=(const THunspellDictionary&) = delete;

    // Loads the language's files from the first directory that has both.
    // On failure returns false, sets `error` and leaves no dictionary loaded.
    bool Load(const std::string& language, std::string& error);
    bool Loaded() const { return hunspell_ != nullptr; }
    const std::string& Language() const { return language_; }
    // The .dic file that was loaded.
    const std::string& Path() const { return path_; }

    // A Windows-1252 word. A word that the dictionary's encoding cannot
    // write is not in it.
    bool Spell(std::string_view word) const;
    // Suggestions as Windows-1252 words; those the code page cannot write
    // are left out.
    std::vector<std::string> Suggest(std::string_view word) const;
    // A quicker search for reports over whole projects: the words one edit
    // away (two letters swapped, a letter too many, one missing, one wrong)
    // and the word split in two, at most `limit` of them, in that order.
    std::vector<std::string> QuickSuggest(std::string_view word, std::size_t limit) const;
    // Known from now on (for this object's life); the word in UTF-8 or
    // Windows-1252. Returns false when the dictionary cannot write it.
    bool AddUtf8(std::string_view word);
    bool Add1252(std::string_view word);

private:
    bool ToDictionary(std::string_view word1252, std::string& out) const;

    std::unique_ptr<Hunspell> hunspell_;
    std::unique_ptr<TDictionaryCodec> codec_;
    std::string language_;
    std::string path_;
};

}  // namespace plumora

// The speller's own options, kept in VBPLUMO3.INI in a section of their own
// (they belong to the speller, not to the formatter's option catalogue).
#pragma once

#include <string>
#include <vector>

namespace plumora {

class TIniFile;

struct TSpellerOptions {
    static constexpr const char* kSection = "VCSpeller";
    // The dictionary the program was designed around ("american.vtd").
    static constexpr const char* kStandardLanguage = "en_US";

    std::string Language = kStandardLanguage;  // a Hunspell dictionary's name
    bool CheckAllCaps = false;
    bool CheckWithDigits = false;
    // Custom dictionaries (file names) that the user switched off.
    // custom.dic is always in use.
    std::vector<std::string> UnusedDictionaries;

    bool Uses(const std::string& dictionaryName) const;

    void Load(const TIniFile& ini);
    // Takes only the keys that `ini` holds (the language and which words are
    // checked), leaving the rest: for a project style file over the user's
    // own settings. The custom dictionaries stay the user's.
    void LoadPresent(const TIniFile& ini);
    void Save(TIniFile& ini) const;

    friend bool operator==(const TSpellerOptions&, const TSpellerOptions&) = default;
};

}  // namespace plumora

// The speller's section of the settings file.
#include "spelling/speller_options.h"

#include <algorithm>

#include "settings/ini_file.h"
#include "spelling/custom_dictionaries.h"

namespace plumora {

namespace {

constexpr const char* kLanguage = "Language";
constexpr const char* kAllCaps = "CheckAllCaps";
constexpr const char* kDigits = "CheckWithDigits";
constexpr const char* kUnused = "UnusedDictionaries";
// File names in one value; a name cannot hold this on Windows.
constexpr char kSeparator = '|';

}  // namespace

bool TSpellerOptions::Uses(const std::string& name) const {
    return name == kFirstCustomDictionary ||
           std::find(UnusedDictionaries.begin(), UnusedDictionaries.end(), name) ==
               UnusedDictionaries.end();
}

void TSpellerOptions::Load(const TIniFile& ini) {
    const TSpellerOptions defaults;
    Language = ini.ReadString(kSection, kLanguage, defaults.Language);
    if (Language.empty()) Language = defaults.Language;
    CheckAllCaps = ini.ReadBool(kSection, kAllCaps, defaults.CheckAllCaps);
    CheckWithDigits = ini.ReadBool(kSection, kDigits, defaults.CheckWithDigits);
    UnusedDictionaries.clear();
    const std::string unused = ini.ReadString(kSection, kUnused, "");
    std::size_t start = 0;
    while (start <= unused.size()) {
        const std::size_t end = std::min(unused.find(kSeparator, start), unused.size());
        if (end > start) UnusedDictionaries.push_back(unused.substr(start, end - start));
        start = end + 1;
    }
}

void TSpellerOptions::LoadPresent(const TIniFile& ini) {
    if (const auto language = ini.Value(kSection, kLanguage); language && !language->empty())
        Language = *language;
    if (ini.Value(kSection, kAllCaps)) CheckAllCaps = ini.ReadBool(kSection, kAllCaps, CheckAllCaps);
    if (ini.Value(kSection, kDigits)) CheckWithDigits = ini.ReadBool(kSection, kDigits, CheckWithDigits);
}

void TSpellerOptions::Save(TIniFile& ini) const {
    ini.WriteString(kSection, kLanguage, Language);
    ini.WriteBool(kSection, kAllCaps, CheckAllCaps);
    ini.WriteBool(kSection, kDigits, CheckWithDigits);
    std::string unused;
    for (const std::string& name : UnusedDictionaries) {
        if (!unused.empty()) unused.push_back(kSeparator);
        unused += name;
    }
    ini.WriteString(kSection, kUnused, unused);
}

}  // namespace plumora

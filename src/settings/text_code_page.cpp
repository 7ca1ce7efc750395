// The stored code page of the source text.
#include "settings/text_code_page.h"

#include "settings/config_dir.h"
#include "settings/ini_file.h"
#include "text/code_page.h"

namespace plumora {

int LoadTextCodePage(const TIniFile& ini) {
    const int number = ini.ReadInteger(kTextSection, kCodePageKey, kDefaultCodePage);
    return IsTextCodePage(number) ? number : kDefaultCodePage;
}

void SaveTextCodePage(TIniFile& ini, int codePage) {
    ini.WriteInteger(kTextSection, kCodePageKey, IsTextCodePage(codePage) ? codePage : kDefaultCodePage);
}

bool StoreTextCodePage(int codePage, std::string& error) {
    TIniFile ini(SettingsFilePath());
    if (!ini.Load()) {
        error = "Unable to write to " + ini.Path();
        return false;
    }
    // The file is left as it is when it already says so, or says nothing
    // and the default is chosen.
    if (!IsTextCodePage(codePage)) codePage = kDefaultCodePage;
    const bool stored = ini.Value(kTextSection, kCodePageKey).has_value();
    if (LoadTextCodePage(ini) == codePage && (stored || codePage == kDefaultCodePage)) return true;
    SaveTextCodePage(ini, codePage);
    return ini.Save(&error);
}

}  // namespace plumora

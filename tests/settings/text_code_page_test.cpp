// The code page of the source text in the settings file.
#include <string>

#include <gtest/gtest.h>

#include "settings/config_dir.h"
#include "settings/ini_file.h"
#include "settings/text_code_page.h"
#include "support/temp_dir.h"

namespace plumora {
namespace {

TEST(TextCodePage, StoredNumbersThatAreNotOfferedReadAsWindows1252) {
    const struct {
        const char* Text;
        int Expected;
    } rows[] = {
        {"", 1252},
        {"[Text]\nCodePage=932\n", 932},
        {"[text]\ncodepage = 65001\n", 65001},
        {"[Text]\nCodePage=437\n", 1252},
        {"[Text]\nCodePage=Shift-JIS\n", 1252},
        {"[General]\nCodePage=932\n", 1252},
    };
    for (const auto& row : rows) {
        TIniFile ini;
        ini.Parse(row.Text);
        EXPECT_EQ(LoadTextCodePage(ini), row.Expected) << row.Text;
    }
}

TEST(TextCodePage, StoringKeepsTheRestOfTheFile) {
    testing::TempDir config;
    testing::ScopedConfigDir scope(config.Str());
    config.Write("VBPLUMO3.INI", "[General]\r\nPreviewBeforeSaving=0\r\n");
    std::string error;
    ASSERT_TRUE(StoreTextCodePage(949, error)) << error;
    const std::string text = testing::ReadAll(SettingsFilePath());
    EXPECT_NE(text.find("PreviewBeforeSaving=0"), std::string::npos);
    EXPECT_NE(text.find("[Text]\r\nCodePage=949"), std::string::npos) << text;
    ASSERT_TRUE(StoreTextCodePage(1, error));  // not offered: the default goes in
    TIniFile ini(SettingsFilePath());
    ASSERT_TRUE(ini.Load());
    EXPECT_EQ(LoadTextCodePage(ini), 1252);
}

}  // namespace
}  // namespace plumora

// Encodings of the bound controls' compound values in the settings file.
#include "settings/ini_control_values.h"

#include <algorithm>

#include "settings/config_dir.h"
#include "settings/ini_file.h"

namespace plumora {

namespace {

constexpr std::uint32_t kSystemColorFlag = 0x80000000u;

}  // namespace

int ClampItemIndex(int index, int count) { return std::clamp(index, -1, std::max(count, 0) - 1); }

std::string ResolveSettingsFile(const std::string& name) {
    if (name.find('/') != std::string::npos) return name;
    return ConfigDir() + "/" + name;
}

int RgbToIniColor(std::uint32_t rgb) {
    const std::uint32_t r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    return static_cast<int>((b << 16) | (g << 8) | r);
}

std::optional<std::uint32_t> IniColorToRgb(int stored) {
    const auto bits = static_cast<std::uint32_t>(stored);
    if (bits & kSystemColorFlag) return std::nullopt;
    const std::uint32_t r = bits & 0xFF, g = (bits >> 8) & 0xFF, b = (bits >> 16) & 0xFF;
    return (r << 16) | (g << 8) | b;
}

std::optional<int> IniSystemColorIndex(int stored) {
    const auto bits = static_cast<std::uint32_t>(stored);
    if (!(bits & kSystemColorFlag)) return std::nullopt;
    return static_cast<int>(bits & 0xFF);
}

void LoadMemoLook(const TIniFile& ini, const std::string& section, const std::string& prefix,
                  TMemoLook& look) {
    look.BGColor = ini.ReadInteger(section, prefix + "BGColor", look.BGColor);
    look.FontName = ini.ReadString(section, prefix + "FontName", look.FontName);
    look.FontColor = ini.ReadInteger(section, prefix + "FontColor", look.FontColor);
    look.FontSize = ini.ReadInteger(section, prefix + "FontSize", look.FontSize);
    look.Bold = ini.ReadBool(section, prefix + "FontBold", false) || look.Bold;
    look.Italic = ini.ReadBool(section, prefix + "FontItalic", false) || look.Italic;
    look.Underline = ini.ReadBool(section, prefix + "FontUnderline", false) || look.Underline;
    look.StrikeOut = ini.ReadBool(section, prefix + "FontStrikeOut", false) || look.StrikeOut;
}

void SaveMemoLook(TIniFile& ini, const std::string& section, const std::string& prefix,
                  const TMemoLook& look) {
    ini.WriteInteger(section, prefix + "BGColor", look.BGColor);
    ini.WriteString(section, prefix + "FontName", look.FontName);
    ini.WriteInteger(section, prefix + "FontColor", look.FontColor);
    ini.WriteInteger(section, prefix + "FontSize", look.FontSize);
    ini.WriteBool(section, prefix + "FontBold", look.Bold);
    ini.WriteBool(section, prefix + "FontItalic", look.Italic);
    ini.WriteBool(section, prefix + "FontUnderline", look.Underline);
    ini.WriteBool(section, prefix + "FontStrikeOut", look.StrikeOut);
}

void LoadToolBarPlace(const TIniFile& ini, const std::string& section, const std::string& prefix,
                      TToolBarPlace& place) {
    place.Docked = ini.ReadInteger(section, prefix + "Docked", place.Docked);
    place.FloatTop = ini.ReadInteger(section, prefix + "FloatTop", 0);
    place.FloatLeft = ini.ReadInteger(section, prefix + "FloatLeft", 0);
    place.FloatWidth = ini.ReadInteger(section, prefix + "FloatWidth", 0);
    place.FloatHeight = ini.ReadInteger(section, prefix + "FloatHeight", 0);
}

void SaveToolBarPlace(TIniFile& ini, const std::string& section, const std::string& prefix,
                      const TToolBarPlace& place) {
    ini.WriteInteger(section, prefix + "Docked", place.Docked);
    ini.WriteInteger(section, prefix + "FloatTop", place.FloatTop);
    ini.WriteInteger(section, prefix + "FloatLeft", place.FloatLeft);
    ini.WriteInteger(section, prefix + "FloatWidth", place.FloatWidth);
    ini.WriteInteger(section, prefix + "FloatHeight", place.FloatHeight);
}

}  // namespace plumora

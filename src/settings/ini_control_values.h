// The stored form of the bound controls' compound values (a memo's colours and
// font, a tool bar's dock and floating rectangle), the choice-index clamp and
// where a bare settings file name lives. The Qt controls only copy these into
// and out of their widgets.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace plumora {

class TIniFile;

// A choice index as a radio group takes it: -1 (none) .. count-1.
int ClampItemIndex(int index, int count);

// A bare file name ("VBPLUMO3.INI") names a file in the configuration
// directory; a name with a directory part is used as it is.
std::string ResolveSettingsFile(const std::string& name);

// Colours are stored as Windows colour numbers: 0x00BBGGRR for a fixed colour,
// 0x80000000 + index for a system colour (5 window, 8 window text, 15 button).
int RgbToIniColor(std::uint32_t rgb);  // rgb is 0xRRGGBB
std::optional<std::uint32_t> IniColorToRgb(int stored);  // nullopt: a system colour
std::optional<int> IniSystemColorIndex(int stored);      // nullopt: a fixed colour

// A memo's look under eight keys: prefix + "BGColor", "FontName", "FontColor",
// "FontSize", "FontBold", "FontItalic", "FontUnderline", "FontStrikeOut".
struct TMemoLook {
    int BGColor = 0;
    std::string FontName;
    int FontColor = 0;
    int FontSize = 0;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
};

// Colours, name and size keep `look`'s values when missing; a style key stored
// as true adds the style, and nothing ever removes one.
void LoadMemoLook(const TIniFile& ini, const std::string& section, const std::string& prefix,
                  TMemoLook& look);
void SaveMemoLook(TIniFile& ini, const std::string& section, const std::string& prefix,
                  const TMemoLook& look);

// A tool bar's place: prefix + "Docked" (0 floating, 1 top, 2 bottom, 3 left,
// 4 right), "FloatTop", "FloatLeft", "FloatWidth", "FloatHeight".
struct TToolBarPlace {
    int Docked = 1;
    int FloatTop = 0;
    int FloatLeft = 0;
    int FloatWidth = 0;
    int FloatHeight = 0;
};

// Docked defaults to `place.Docked`, the floating rectangle to 0.
void LoadToolBarPlace(const TIniFile& ini, const std::string& section, const std::string& prefix,
                      TToolBarPlace& place);
void SaveToolBarPlace(TIniFile& ini, const std::string& section, const std::string& prefix,
                      const TToolBarPlace& place);

}  // namespace plumora

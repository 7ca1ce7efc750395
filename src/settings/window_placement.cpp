// The main window's placement, kept in section frmMain of the settings file
// under the names of the fields of a Windows placement record.
#include <string>

#include "settings/ini_file.h"
#include "settings/recent_files.h"

namespace plumora {

namespace {

struct TField {
    const char* Key;
    int TWindowPlacement::*Member;
};

constexpr TField kFields[] = {
    {"PlaceFlags", &TWindowPlacement::Flags},
    {"PlaceMinPosX", &TWindowPlacement::MinPosX},
    {"PlaceMinPosY", &TWindowPlacement::MinPosY},
    {"PlaceMaxPosX", &TWindowPlacement::MaxPosX},
    {"PlaceMaxPosY", &TWindowPlacement::MaxPosY},
    {"PlaceNormPosL", &TWindowPlacement::NormLeft},
    {"PlaceNormPosT", &TWindowPlacement::NormTop},
    {"PlaceNormPosR", &TWindowPlacement::NormRight},
    {"PlaceNormPosB", &TWindowPlacement::NormBottom},
};

}  // namespace

TWindowPlacement LoadWindowPlacement(const TIniFile& ini, const std::string& section) {
    TWindowPlacement placement;
    for (const TField& f : kFields) placement.*f.Member = ini.ReadInteger(section, f.Key, 0);
    return placement;
}

void SaveWindowPlacement(TIniFile& ini, const TWindowPlacement& placement,
                         const std::string& section) {
    for (const TField& f : kFields) ini.WriteInteger(section, f.Key, placement.*f.Member);
}

}  // namespace plumora

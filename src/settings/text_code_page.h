// Where the code page of the source text is kept: section Text, key
// CodePage of the settings file, a section of the program's own beside the
// option sections (a project's style file never carries it).
#pragma once

#include <string>

namespace plumora {

class TIniFile;

inline constexpr const char* kTextSection = "Text";
inline constexpr const char* kCodePageKey = "CodePage";

// The stored code page; Windows-1252 when none is stored or the number is
// not one of the code pages offered.
int LoadTextCodePage(const TIniFile& ini);
void SaveTextCodePage(TIniFile& ini, int codePage);

// Reads the settings file and writes it back with the code page, unless it
// says so already (no entry counts as Windows-1252); false with `error` set
// when the file cannot be read or written (nothing is written over a file
// that could not be read).
bool StoreTextCodePage(int codePage, std::string& error);

}  // namespace plumora

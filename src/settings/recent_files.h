// The recent-files list of the main window (section RecentFiles of the
// settings file) and the main window's placement (section frmMain), as plain
// data so that the desktop only has to show them.
#pragma once

#include <string>
#include <vector>

namespace plumora {

class TIniFile;

class TRecentFiles {
public:
    static constexpr int kMaxEntries = 6;

    // Most recent first.
    const std::vector<std::string>& Entries() const { return entries_; }

    // Puts `path` at the top; an entry equal to it (exactly: paths are case
    // sensitive here) moves instead of repeating; the list keeps at most six
    // entries, dropping the oldest. An empty path is ignored.
    void Add(const std::string& path);
    void Remove(const std::string& path);

    // Reads Item6 down to Item1, skipping "Nothing Found" and empty values,
    // each put on top, so Item1 ends up first.
    void Load(const TIniFile& ini);
    // Writes Item1..ItemN; keys are never deleted. A higher key that still
    // holds a path removed with Remove() is set to "Nothing Found", so the
    // removed path does not come back at the next start.
    void Save(TIniFile& ini) const;

private:
    std::vector<std::string> entries_;
    std::vector<std::string> removed_;
};

struct TWindowPlacement {
    int Flags = 0;
    int MinPosX = 0, MinPosY = 0;
    int MaxPosX = 0, MaxPosY = 0;
    int NormLeft = 0, NormTop = 0, NormRight = 0, NormBottom = 0;

    // The placement is applied only when its normal rectangle is not empty.
    bool Usable() const { return NormLeft < NormRight; }
};

TWindowPlacement LoadWindowPlacement(const TIniFile& ini, const std::string& section = "frmMain");
void SaveWindowPlacement(TIniFile& ini, const TWindowPlacement& placement,
                         const std::string& section = "frmMain");

}  // namespace plumora

// The recent-files list kept in section RecentFiles of the settings file.
#include "settings/recent_files.h"

#include <algorithm>
#include <string>

#include "settings/ini_file.h"

namespace plumora {

namespace {

constexpr const char* kSection = "RecentFiles";
constexpr const char* kNothing = "Nothing Found";

std::string ItemKey(int number) { return "Item" + std::to_string(number); }

}  // namespace

void TRecentFiles::Add(const std::string& path) {
    if (path.empty()) return;
    std::erase(entries_, path);
    std::erase(removed_, path);
    entries_.insert(entries_.begin(), path);
    if (entries_.size() > static_cast<std::size_t>(kMaxEntries)) entries_.resize(kMaxEntries);
}

void TRecentFiles::Remove(const std::string& path) {
    if (std::erase(entries_, path) > 0) removed_.push_back(path);
}

void TRecentFiles::Load(const TIniFile& ini) {
    entries_.clear();
    removed_.clear();
    for (int number = kMaxEntries; number >= 1; --number) {
        std::string path = ini.ReadString(kSection, ItemKey(number), kNothing);
        if (path != kNothing) Add(path);
    }
}

void TRecentFiles::Save(TIniFile& ini) const {
    int number = 1;
    for (const std::string& path : entries_) ini.WriteString(kSection, ItemKey(number++), path);
    for (; number <= kMaxEntries; ++number) {
        std::optional<std::string> stale = ini.Value(kSection, ItemKey(number));
        if (stale && std::find(removed_.begin(), removed_.end(), *stale) != removed_.end()) {
            ini.WriteString(kSection, ItemKey(number), kNothing);
        }
    }
}

}  // namespace plumora

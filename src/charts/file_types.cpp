// Extensions and their case-blind tally for the file-type chart.
#include "charts/file_types.h"

#include <algorithm>

namespace plumora {

namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string ChartExtension(std::string_view name) {
    std::size_t separator = name.find_last_of(":\\/");
    std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos) return {};
    if (separator != std::string_view::npos && dot < separator) return {};
    return std::string(name.substr(dot));
}

bool TNoCaseLess::operator()(const std::string& a, const std::string& b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) {
                                            return static_cast<unsigned char>(LowerAscii(x)) <
                                                   static_cast<unsigned char>(LowerAscii(y));
                                        });
}

void TExtensionTally::Add(const std::string& extension) {
    auto [entry, added] = entries_.try_emplace(extension, TIntObject{1});
    if (!added) ++entry->second.Value;
}

}  // namespace plumora

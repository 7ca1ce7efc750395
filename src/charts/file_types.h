// The file-type chart's tally: extensions counted without regard to case,
// listed alphabetically, each labelled as it was first seen.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace plumora {

// The extension of a file name, full stop included: the text from the last
// full stop after the last ':', '\' or '/'; empty when there is none.
std::string ChartExtension(std::string_view name);

// The counter attached to each distinct extension.
struct TIntObject {
    std::int64_t Value = 0;
};

// Orders texts by their lower-cased ASCII letters, so ".frm" and ".FRM" are
// one key.
struct TNoCaseLess {
    bool operator()(const std::string& a, const std::string& b) const;
};

class TExtensionTally {
public:
    // Adds a new extension with a counter of 1; an extension already present
    // (without regard to case) keeps its first spelling and counts one more.
    void Add(const std::string& extension);

    // In alphabetical order without regard to case.
    const std::map<std::string, TIntObject, TNoCaseLess>& Entries() const { return entries_; }

private:
    std::map<std::string, TIntObject, TNoCaseLess> entries_;
};

}  // namespace plumora

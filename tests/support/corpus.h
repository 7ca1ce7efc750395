// The shared corpus of real Visual Basic projects and the option sets that
// the corpus and mutation tests style it with.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "settings/option_set.h"

namespace plumora::testing {

std::filesystem::path CorpusDir();

// True in the AddressSanitizer build, which is many times slower: corpus
// tests then take a fixed sample.
bool SanitizedBuild();

// Every source file below the corpus, sorted; with `step` > 1 every
// step-th of them.
std::vector<std::filesystem::path> CorpusSourceFiles(std::size_t step = 1);

// The kind a project would give a file of this name.
std::uint8_t KindOfFileName(const std::string& name);

struct TNamedOptions {
    std::string Name;
    TOptionSet Options;
};

// Loads tests/data/options/<name>.ini over the defaults.
TOptionSet OptionsFromTestIni(const std::string& name);

// The defaults and the four every-rule sets of tests/data/options.
std::vector<TNamedOptions> CorpusOptionSets();

}  // namespace plumora::testing

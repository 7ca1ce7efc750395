// The shared corpus and its option sets.
#include "support/corpus.h"

#include <algorithm>
#include <stdexcept>

#include "io/paths.h"
#include "project/file_kind.h"
#include "settings/ini_file.h"

namespace plumora::testing {

namespace fs = std::filesystem;

fs::path CorpusDir() { return fs::path(PLUMORA_SOURCE_DIR) / ".." / "shared" / "corpus"; }

bool SanitizedBuild() {
#if defined(__SANITIZE_ADDRESS__)
    return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    return true;
#else
    return false;
#endif
#else
    return false;
#endif
}

namespace {
bool IsSourceFile(const fs::path& p) {
    const std::string ext = UpperExtension(p.filename().string());
    return ext == ".BAS" || ext == ".FRM" || ext == ".CLS" || ext == ".CTL" || ext == ".PAG" ||
           ext == ".DSR";
}
}  // namespace

std::vector<fs::path> CorpusSourceFiles(std::size_t step) {
    std::vector<fs::path> files;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(CorpusDir(), ec), end; it != end; it.increment(ec)) {
        if (ec) break;
        if (it->is_regular_file(ec) && IsSourceFile(it->path())) files.push_back(it->path());
    }
    std::sort(files.begin(), files.end());
    if (step > 1) {
        std::vector<fs::path> sample;
        for (std::size_t i = 0; i < files.size(); i += step) sample.push_back(files[i]);
        files.swap(sample);
    }
    return files;
}

std::uint8_t KindOfFileName(const std::string& name) {
    return KindFromExtension(UpperExtension(name));
}

TOptionSet OptionsFromTestIni(const std::string& name) {
    const fs::path path = fs::path(PLUMORA_SOURCE_DIR) / "tests" / "data" / "options" / (name + ".ini");
    TIniFile ini(path.string());
    if (!fs::is_regular_file(path) || !ini.Load())
        throw std::runtime_error("cannot read the test options " + path.string());
    TOptionSet options;
    options.Load(ini);
    return options;
}

std::vector<TNamedOptions> CorpusOptionSets() {
    std::vector<TNamedOptions> sets;
    sets.push_back({"defaults", TOptionSet()});
    for (const char* name : {"every-rule", "every-rule-headers-after", "every-rule-inline-fallback1",
                             "every-rule-remove"})
        sets.push_back({name, OptionsFromTestIni(name)});
    return sets;
}

}  // namespace plumora::testing

// Styles every source file of the real projects in the shared corpus with the
// default options and with every rule switched on (in four variants): the
// safety net must never fire, description blocks must come out byte for byte,
// a second styling must change nothing, and no line may gain trailing blanks.
// Prints a table per corpus folder and option set; lists every file that fails.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <iostream>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "formatter/formatter.h"
#include "formatter/line_ops.h"
#include "formatter/style_file.h"
#include "io/text_lines.h"
#include "settings/ini_file.h"
#include "settings/option_set.h"
#include "support/corpus.h"

namespace plumora::testing {
namespace {

namespace fs = std::filesystem;

// The index of the End that closes the description block of a file that
// starts with VERSION, or -1.
long DescriptionEnd(const std::vector<std::string>& lines) {
    if (lines.empty() || !StartsWithNoCase(TrimLeftView(lines[0]), "VERSION ")) return -1;
    int depth = 0;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        std::string_view t = TrimView(lines[i]);
        if (StartsWithNoCase(t, "BEGIN") && (t.size() == 5 || t[5] == ' ')) {
            ++depth;
        } else if (t.size() == 3 && StartsWithNoCase(t, "END") && depth > 0 && --depth == 0) {
            return long(i);
        }
    }
    return -1;
}

bool EndsWithBlank(std::string_view line) {
    return !line.empty() && (line.back() == ' ' || line.back() == '\t');
}

struct TFileResult {
    bool Unsafe = false, Unstable = false, Litter = false, Description = false;
    std::string Problems;
};

TFileResult CheckFile(const std::vector<std::string>& lines, const std::string& name,
                      const TOptionSet& options) {
    TFileResult r;
    TVBSrcFormatter formatter(options);
    const TStyleResult first = StyleFile(formatter, lines, name, KindOfFileName(name));
    const std::vector<std::string> once = StyledLines(formatter.Output, first.EndOfFileMark);
    if (first.SafetyNet || !first.Refusal.empty()) {
        r.Unsafe = true;
        r.Problems += " " + (first.SafetyNet ? first.SafetyNet->Message() : first.Refusal);
    }
    const long descriptionEnd = DescriptionEnd(lines);
    for (long i = 0; i <= descriptionEnd; ++i) {
        if (std::size_t(i) >= once.size() ||
            once[std::size_t(i)] != TabsToSpaces(lines[std::size_t(i)], 4)) {
            r.Description = true;
            r.Problems += " description block changed at line " + std::to_string(i + 1);
            break;
        }
    }
    std::multiset<std::string_view> sourceWithBlanks;
    for (const auto& l : lines)
        if (EndsWithBlank(l)) sourceWithBlanks.insert(l);
    for (std::size_t k = 0; k < once.size(); ++k) {
        const std::string& l = once[k];
        if (!EndsWithBlank(l)) continue;
        auto it = sourceWithBlanks.find(l);
        if (it != sourceWithBlanks.end()) {
            sourceWithBlanks.erase(it);
            continue;
        }
        r.Litter = true;
        r.Problems += " styled line " + std::to_string(k + 1) + " gained trailing blanks: [" + l + "]";
        break;
    }
    const TStyleResult second = StyleFile(formatter, once, name, KindOfFileName(name));
    const std::vector<std::string> twice = StyledLines(formatter.Output, second.EndOfFileMark);
    if (twice != once) {
        std::size_t k = 0;
        while (k < once.size() && k < twice.size() && once[k] == twice[k])
            ++k;
        r.Unstable = true;
        r.Problems += " a second styling changed styled line " + std::to_string(k + 1) + ": [" +
                      (k < once.size() ? once[k] : std::string("<end>")) + "] -> [" +
                      (k < twice.size() ? twice[k] : std::string("<end>")) + "]";
    }
    return r;
}

struct TTally {
    int Files = 0, Unsafe = 0, Unstable = 0, Litter = 0, Description = 0;
};

TEST(Corpus, EveryFileStylesSafelyStablyAndCleanlyWithEveryOptionSet) {
    if (!fs::is_directory(CorpusDir()))
        GTEST_SKIP() << "no corpus at " << CorpusDir().string()
                     << " (the shared sample projects are not checked out here)";
    const std::vector<fs::path> files = CorpusSourceFiles(SanitizedBuild() ? 4 : 1);
    ASSERT_FALSE(files.empty()) << "no source files below " << CorpusDir().string();

    const std::vector<TNamedOptions> sets = CorpusOptionSets();
    std::atomic<std::size_t> next{0};
    std::mutex mutex;
    std::vector<std::string> failures;
    std::map<std::pair<std::string, std::string>, TTally> tally;  // (set, folder)
    auto worker = [&] {
        for (std::size_t i; (i = next++) < files.size();) {
            std::vector<std::string> lines;
            TIoResult read = ReadTextLines(files[i].string(), lines);
            const std::string rel = fs::relative(files[i], CorpusDir()).string();
            const std::string folder = rel.substr(0, rel.find('/'));
            for (const TNamedOptions& set : sets) {
                TFileResult r;
                if (!read.Ok)
                    r.Problems = " unreadable: " + read.Error;
                else
                    r = CheckFile(lines, files[i].filename().string(), set.Options);
                std::lock_guard<std::mutex> lock(mutex);
                TTally& t = tally[{set.Name, folder}];
                ++t.Files;
                t.Unsafe += r.Unsafe;
                t.Unstable += r.Unstable;
                t.Litter += r.Litter;
                t.Description += r.Description;
                if (!r.Problems.empty()) failures.push_back(rel + " [" + set.Name + "]" + r.Problems);
            }
        }
    };
    const unsigned threads = std::max(1u, std::min(2u, std::thread::hardware_concurrency()));
    std::vector<std::thread> pool;
    for (unsigned t = 0; t < threads; ++t) pool.emplace_back(worker);
    for (auto& t : pool) t.join();

    std::cout << "option set / folder: files, unstable, safety net, litter, description\n";
    for (const auto& [key, t] : tally)
        std::cout << "  " << key.first << " / " << key.second << ": " << t.Files << ", "
                  << t.Unstable << ", " << t.Unsafe << ", " << t.Litter << ", " << t.Description
                  << "\n";
    std::sort(failures.begin(), failures.end());
    std::string list;
    for (std::size_t k = 0; k < failures.size() && k < 60; ++k) list += "\n  " + failures[k];
    EXPECT_TRUE(failures.empty()) << failures.size() << " failures in " << files.size()
                                  << " files (first 60):" << list;
}

}  // namespace
}  // namespace plumora::testing

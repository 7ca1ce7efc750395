// Styles every source file of the real projects in the shared corpus with the
// default options and with every rule switched on: the safety net must never
// fire, description blocks must come out byte for byte, and (defaults) a
// second styling must change nothing. Lists every file that fails.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "formatter/formatter.h"
#include "formatter/line_ops.h"
#include "support/expect_styled.h"
#include "io/text_lines.h"
#include "settings/option_set.h"

namespace plumora::testing {
namespace {

namespace fs = std::filesystem;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

fs::path CorpusDir() { return fs::path(PLUMORA_SOURCE_DIR) / ".." / "shared" / "corpus"; }

bool IsSourceFile(const fs::path& p) {
    std::string ext = p.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::toupper(c)); });
    return ext == ".BAS" || ext == ".FRM" || ext == ".CLS" || ext == ".CTL" || ext == ".PAG" ||
           ext == ".DSR";
}

std::vector<fs::path> SourceFiles() {
    std::vector<fs::path> files;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(CorpusDir(), ec), end; it != end; it.increment(ec)) {
        if (ec) break;
        if (it->is_regular_file(ec) && IsSourceFile(it->path())) files.push_back(it->path());
    }
    std::sort(files.begin(), files.end());
    // The sanitizer build is many times slower; a fixed quarter of the files
    // still covers every project and keeps the run to seconds.
    if (kSanitized) {
        std::vector<fs::path> sample;
        for (std::size_t i = 0; i < files.size(); i += 4) sample.push_back(files[i]);
        files.swap(sample);
    }
    return files;
}

TOptionSet EveryRule() {
    TOptionSet o = EveryRewriteRule();
    o.SetBool(Opt::SingleLineCommentBlocks, true);
    o.SetBool(Opt::SpecialRemoveComments, true);
    return o;
}

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

std::vector<std::string> Texts(const TStyledLines& lines) {
    std::vector<std::string> out;
    out.reserve(lines.size());
    for (const auto& l : lines) out.push_back(l.Text);
    return out;
}

// What went wrong with one file, empty when nothing did.
std::string CheckFile(const fs::path& path, const TOptionSet& defaults, const TOptionSet& every) {
    std::vector<std::string> lines;
    TIoResult read = ReadTextLines(path.string(), lines);
    if (!read.Ok) return "unreadable: " + read.Error;
    std::string problems;
    const long descriptionEnd = DescriptionEnd(lines);
    for (const TOptionSet* options : {&defaults, &every}) {
        const char* name = options == &defaults ? "defaults" : "every rule";
        TVBSrcFormatter formatter(*options);
        formatter.FileName = path.filename().string();
        formatter.StyleLines(lines);
        if (formatter.SafetyNetReport)
            problems += std::string(" [") + name + "] " + formatter.SafetyNetReport->Message();
        for (long i = 0; i <= descriptionEnd; ++i) {
            if (std::size_t(i) >= formatter.Output.size() ||
                formatter.Output[std::size_t(i)].Text != TabsToSpaces(lines[std::size_t(i)], 4)) {
                problems += std::string(" [") + name + "] description block changed at line " +
                            std::to_string(i + 1);
                break;
            }
        }
        if (options == &defaults) {
            const std::vector<std::string> once = Texts(formatter.Output);
            formatter.StyleLines(once);
            const std::vector<std::string> twice = Texts(formatter.Output);
            if (twice != once) {
                std::size_t k = 0;
                while (k < once.size() && k < twice.size() && once[k] == twice[k]) ++k;
                problems += " [defaults] a second styling changed styled line " +
                            std::to_string(k + 1);
            }
        }
    }
    return problems;
}

TEST(Corpus, EveryFileStylesSafelyStablyAndKeepsItsDescriptionBlock) {
    if (!fs::is_directory(CorpusDir()))
        GTEST_SKIP() << "no corpus at " << CorpusDir().string()
                     << " (the shared sample projects are not checked out here)";
    const std::vector<fs::path> files = SourceFiles();
    ASSERT_FALSE(files.empty()) << "no source files below " << CorpusDir().string();

    const TOptionSet defaults;
    const TOptionSet every = EveryRule();
    std::atomic<std::size_t> next{0};
    std::mutex mutex;
    std::vector<std::string> failures;
    auto worker = [&] {
        for (std::size_t i; (i = next++) < files.size();) {
            std::string problem = CheckFile(files[i], defaults, every);
            if (problem.empty()) continue;
            std::lock_guard<std::mutex> lock(mutex);
            failures.push_back(fs::relative(files[i], CorpusDir()).string() + ":" + problem);
        }
    };
    const unsigned threads = std::max(1u, std::min(2u, std::thread::hardware_concurrency()));
    std::vector<std::thread> pool;
    for (unsigned t = 0; t < threads; ++t) pool.emplace_back(worker);
    for (auto& t : pool) t.join();

    std::sort(failures.begin(), failures.end());
    std::string list;
    for (const auto& f : failures) list += "\n  " + f;
    EXPECT_TRUE(failures.empty()) << failures.size() << " of " << files.size()
                                  << " files failed:" << list;
}

}  // namespace
}  // namespace plumora::testing

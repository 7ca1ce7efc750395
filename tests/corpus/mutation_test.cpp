// Random damage to real code, styled with random option sets: styling must
// never crash, and whatever it would write must pass the safety net and stay
// the same when styled again. Fixed seed, fixed budget of files, so a
// failure repeats and the run takes seconds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "formatter/style_file.h"
#include "io/text_lines.h"
#include "settings/ini_file.h"
#include "settings/option_catalogue.h"
#include "support/corpus.h"

namespace plumora::testing {
namespace {

namespace fs = std::filesystem;

using TRandom = std::mt19937;

int Pick(TRandom& rnd, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rnd);
}

// Options of every formatter rule with random values; spelling (which needs
// a person) and the output settings stay as they are.
TOptionSet RandomOptions(TRandom& rnd) {
    TOptionSet o;
    for (const OptionDef& d : OptionCatalogue()) {
        const std::string section = d.Section;
        if (section == "SpellCheck" || section == "BackupInformation" ||
            section == "UserInformation" || d.Id == Opt::PreviewBeforeSaving)
            continue;
        switch (d.Kind) {
            case OptionKind::Check:
            case OptionKind::Radio: o.SetBool(d.Id, Pick(rnd, 0, 1) == 1); break;
            case OptionKind::Choice: o.SetInt(d.Id, Pick(rnd, 0, d.Max)); break;
            case OptionKind::Number:
                // Small values make more rules meet (frames of one line,
                // columns the code overruns).
                o.SetInt(d.Id, Pick(rnd, 0, 3) == 0 ? Pick(rnd, d.Min, d.Max) : Pick(rnd, d.Min, 8));
                break;
            case OptionKind::Text:
                if (d.Id == Opt::SingleLineCommentBlockCharacters)
                    o.SetText(d.Id, Pick(rnd, 0, 4) == 0 ? "" : "=-");
                if (d.Id == Opt::SpecialRemoveCommentCharacters)
                    o.SetText(d.Id, Pick(rnd, 0, 3) == 0 ? "" : "!");
                break;
        }
    }
    return o;
}

void Mutate(std::vector<std::string>& lines, TRandom& rnd) {
    if (lines.empty()) return;
    const int edits = Pick(rnd, 1, 8);
    for (int e = 0; e < edits && !lines.empty(); ++e) {
        const std::size_t i = std::size_t(Pick(rnd, 0, int(lines.size()) - 1));
        std::string& line = lines[i];
        const std::size_t at = line.empty() ? 0 : std::size_t(Pick(rnd, 0, int(line.size())));
        switch (Pick(rnd, 0, 9)) {
            case 0: std::swap(line, lines[std::size_t(Pick(rnd, 0, int(lines.size()) - 1))]); break;
            case 1: lines.insert(lines.begin() + std::ptrdiff_t(i), line); break;
            case 2: line.resize(at); break;
            case 3:  // cut in two lines
                lines.insert(lines.begin() + std::ptrdiff_t(i) + 1, line.substr(at));
                lines[i].resize(at);
                break;
            case 4:  // join with ":"
                if (i + 1 < lines.size()) {
                    line += ": " + lines[i + 1];
                    lines.erase(lines.begin() + std::ptrdiff_t(i) + 1);
                }
                break;
            case 5: line += " _"; break;
            case 6: line.insert(at, "\""); break;
            case 7: line.insert(at, Pick(rnd, 0, 1) ? "Rem " : ": Rem x: "); break;
            case 8: line.insert(at, Pick(rnd, 0, 1) ? " ' note _" : "'"); break;
            default:
                line.insert(at, Pick(rnd, 0, 1) ? " Then " : (Pick(rnd, 0, 1) ? " Else " : "\t"));
                break;
        }
    }
}

// With PLUMORA_MUTATION_DUMP=DIR each failing input is written there with
// the options it was styled with, to replay with plumora-cli format --ini.
void DumpFailure(std::size_t n, const std::vector<std::string>& lines, const TOptionSet& options,
                 const char* kind = "failure") {
    const char* dir = std::getenv("PLUMORA_MUTATION_DUMP");
    if (!dir) return;
    const fs::path base = fs::path(dir) / (kind + std::to_string(n));
    std::ofstream source(base.string() + ".bas", std::ios::binary);
    for (const auto& l : lines) source << l << "\r\n";
    TIniFile ini(base.string() + ".ini");
    options.Save(ini);
    ini.Save();
}

TEST(Mutation, DamagedRealCodeNeverCrashesAndWhatWouldBeWrittenIsSafeAndStable) {
    std::vector<fs::path> files = CorpusSourceFiles(SanitizedBuild() ? 8 : 2);
    if (files.empty()) {
        for (const auto& e : fs::recursive_directory_iterator(fs::path(PLUMORA_SOURCE_DIR) / "examples")) {
            const std::string ext = e.path().extension().string();
            if (ext == ".bas" || ext == ".frm" || ext == ".cls" || ext == ".ctl" || ext == ".BAS" ||
                ext == ".FRM")
                files.push_back(e.path());
        }
        std::sort(files.begin(), files.end());
    }
    ASSERT_FALSE(files.empty());
    // PLUMORA_MUTATION_SEED and PLUMORA_MUTATION_ROUNDS explore further.
    const char* seed = std::getenv("PLUMORA_MUTATION_SEED");
    const char* budget = std::getenv("PLUMORA_MUTATION_ROUNDS");
    TRandom rnd(seed ? unsigned(std::atoi(seed)) : 20261208u);
    const int rounds = budget ? std::atoi(budget) : SanitizedBuild() ? 150 : 1500;
    int written = 0, refused = 0;
    std::vector<std::string> failures;
    for (int round = 0; round < rounds && failures.size() < 10; ++round) {
        const fs::path& file = files[std::size_t(Pick(rnd, 0, int(files.size()) - 1))];
        std::vector<std::string> all;
        if (!ReadTextLines(file.string(), all).Ok || all.empty()) continue;
        // A window of the file keeps each round short.
        const std::size_t from = std::size_t(Pick(rnd, 0, int(all.size()) - 1));
        std::vector<std::string> lines(all.begin() + std::ptrdiff_t(from),
                                       all.begin() + std::ptrdiff_t(std::min(all.size(), from + 80)));
        Mutate(lines, rnd);
        const TOptionSet options = RandomOptions(rnd);
        TVBSrcFormatter formatter(options);
        const std::string name = file.filename().string();
        const TStyleResult once = StyleFile(formatter, lines, name, KindOfFileName(name));
        if (once.SafetyNet || !once.Refusal.empty()) {
            // PLUMORA_MUTATION_REFUSALS=1 lists them, to see what the
            // safety net catches.
            if (std::getenv("PLUMORA_MUTATION_REFUSALS"))
            {
                std::cout << "refused, round " << round << ": "
                          << (once.SafetyNet ? once.SafetyNet->Message() : once.Refusal) << "\n";
                DumpFailure(std::size_t(round), lines, options, "refused");
            }
            ++refused;
            continue;
        }
        ++written;
        const std::vector<std::string> styled = StyledLines(formatter.Output, once.EndOfFileMark);
        const TStyleResult twice = StyleFile(formatter, styled, name, KindOfFileName(name));
        const std::vector<std::string> again = StyledLines(formatter.Output, twice.EndOfFileMark);
        // The later passes must change nothing of what the first wrote.
        TVBSrcFormatter full(options);
        full.AllPasses = true;
        StyleFile(full, lines, name, KindOfFileName(name));
        if (StyledLines(full.Output, once.EndOfFileMark) != styled) {
            DumpFailure(failures.size(), lines, options);
            failures.push_back("round " + std::to_string(round) + " (" + name +
                               "): passes 2 and 3 changed what pass 1 wrote");
            continue;
        }
        if (twice.SafetyNet || again != styled) {
            DumpFailure(failures.size(), lines, options);
            std::size_t k = 0;
            while (k < styled.size() && k < again.size() && styled[k] == again[k]) ++k;
            std::string input;
            for (std::size_t k = 0; k < lines.size() && k < 30; ++k) input += lines[k] + "\n";
            failures.push_back("round " + std::to_string(round) + " (" + name + "): " +
                               (twice.SafetyNet ? twice.SafetyNet->Message()
                                                : "a second styling changed styled line " +
                                                      std::to_string(k + 1) + ": [" +
                                                      (k < styled.size() ? styled[k] : "") +
                                                      "] -> [" + (k < again.size() ? again[k] : "") +
                                                      "]") +
                               "\n--- input ---\n" + input);
        }
    }
    std::cout << rounds << " rounds: " << written << " styled files would be written, " << refused
              << " refused by the safety net\n";
    std::string list;
    for (const auto& f : failures) list += "\n" + f;
    EXPECT_TRUE(failures.empty()) << failures.size() << " failures:" << list;
}

}  // namespace
}  // namespace plumora::testing

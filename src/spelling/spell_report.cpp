// Finding the unknown words of a file's comments and literals.
#include "spelling/spell_report.h"

#include <algorithm>
#include <atomic>
#include <map>
#include <memory>
#include <thread>

#include "formatter/line_ops.h"
#include "spelling/hunspell_dictionary.h"
#include "spelling/vc_speller.h"

namespace plumora {

namespace {

bool IsBlockBegin(std::string_view line) {
    const std::string_view t = TrimView(line);
    return StartsWithNoCase(t, "BEGIN") && (t.size() == 5 || IsTrimmed(t[5]));
}

bool IsBlockEnd(std::string_view line) {
    const std::string_view t = TrimView(line);
    return t.size() == 3 && StartsWithNoCase(t, "END");
}

}  // namespace

void SpellPieces(std::string_view line, const TSpellTargets& targets, std::vector<TSpellPiece>& out) {
    const std::string_view code = CodePart(line);
    if (targets.Literals) {
        for (std::size_t i = 0; i < code.size(); ++i) {
            if (code[i] != '"') continue;
            const std::size_t start = i + 1;
            std::size_t j = start;
            while (j < code.size()) {
                if (code[j] == '"') {
                    if (j + 1 < code.size() && code[j + 1] == '"') {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            if (j > start) out.push_back({start, std::string(code.substr(start, j - start))});
            i = j;
        }
    }
    if (!targets.Comments) return;
    if (const int apostrophe = CommentStart(line); apostrophe > 0) {
        const auto start = static_cast<std::size_t>(apostrophe);
        if (start < line.size()) out.push_back({start, std::string(line.substr(start))});
    } else if (const int rem = RemStart(line); rem > 0) {
        const auto start = static_cast<std::size_t>(rem - 1 + 3);
        if (start < line.size()) out.push_back({start, std::string(line.substr(start))});
    }
}

std::size_t FirstCodeLine(const std::vector<std::string>& lines) {
    if (lines.empty() || !StartsWithNoCase(TrimLeftView(lines[0]), "VERSION ")) return 0;
    int depth = 0;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (IsBlockBegin(lines[i])) {
            ++depth;
        } else if (depth > 0 && IsBlockEnd(lines[i]) && --depth == 0) {
            return i + 1;
        }
    }
    return 0;
}

bool FindMisspellings(const std::vector<std::string>& lines, TVCSpeller& speller,
                      const TSpellTargets& targets, std::vector<TSpellFinding>& out) {
    if (!speller.Ready()) return false;
    std::vector<TSpellPiece> pieces;
    for (std::size_t n = FirstCodeLine(lines); n < lines.size(); ++n) {
        pieces.clear();
        SpellPieces(lines[n], targets, pieces);
        for (const TSpellPiece& piece : pieces) {
            speller.SetCheckText(piece.Text);
            for (std::int16_t rc = speller.ResultCode(); rc < 0; rc = speller.ResumeCheck()) {
                TSpellFinding f;
                f.Line = n + 1;
                f.Column = piece.Column + speller.WordStart() + 1;
                f.Word = speller.MisspelledWord();
                out.push_back(std::move(f));
            }
            if (speller.ResultCode() > 0) return false;
        }
    }
    return true;
}

void AddQuickSuggestions(std::vector<TSpellFinding>& findings, TVCSpeller& speller,
                         std::size_t limit, unsigned threads) {
    if (limit == 0 || findings.empty()) return;
    std::map<std::string, std::vector<std::string>> suggestions;
    for (const TSpellFinding& f : findings) suggestions[f.Word];
    std::vector<std::pair<const std::string, std::vector<std::string>>*> work;
    for (auto& entry : suggestions) work.push_back(&entry);

    // A dictionary takes a moment to load: a thread is worth it only for a
    // good number of words.
    constexpr std::size_t kWordsPerThread = 200;
    const std::size_t wanted = std::max<std::size_t>(1, work.size() / kWordsPerThread);
    std::vector<std::unique_ptr<THunspellDictionary>> dictionaries;
    for (std::size_t t = 0; t < std::min<std::size_t>(wanted, std::max(1u, threads)); ++t) {
        auto d = speller.NewDictionaryCopy();
        if (!d) break;
        dictionaries.push_back(std::move(d));
    }
    if (dictionaries.empty()) return;
    std::atomic<std::size_t> next{0};
    auto worker = [&](const THunspellDictionary& dictionary) {
        for (std::size_t i = next++; i < work.size(); i = next++)
            work[i]->second = dictionary.QuickSuggest(work[i]->first, limit);
    };
    std::vector<std::thread> pool;
    for (std::size_t t = 1; t < dictionaries.size(); ++t) pool.emplace_back(worker, std::cref(*dictionaries[t]));
    worker(*dictionaries[0]);
    for (std::thread& th : pool) th.join();
    for (TSpellFinding& f : findings) f.Suggestions = suggestions[f.Word];
}

}  // namespace plumora

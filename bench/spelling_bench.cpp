// The speller on real comments and literals: PhotoDemon from the shared
// corpus (about 420,000 lines; PLUMORA_CORPUS_DIR names the corpus when it
// is not beside the repository), else the bundled example. Reports the
// speller's words per second through the check loop that the dialog and
// the report use, and the time of the whole spell report of the project
// (names of the code, every unknown word, quick suggestions), which is
// what `plumora-cli spell` spends besides printing.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <unordered_set>
#include <vector>

#include "project/app_state.h"
#include "project/open_project.h"
#include "settings/option_set.h"
#include "host/command_host.h"
#include "spelling/project_words.h"
#include "spelling/spell_report.h"
#include "spelling/vc_speller.h"

namespace {

namespace fs = std::filesystem;

class TQuietHost : public plumora::ICommandHost {
public:
    plumora::MsgResult ShowMessage(plumora::MsgKind, const std::string&, plumora::MsgButtons) override {
        return plumora::MsgResult::Ok;
    }
    void SetHourglass(bool) override {}
    void GaugeShow(bool) override {}
    void GaugeSetMax(int) override {}
    void GaugeSetPosition(int) override {}
};

// The corpus beside the repository, or where PLUMORA_CORPUS_DIR says.
std::string ProjectFile() {
    const char* env = std::getenv("PLUMORA_CORPUS_DIR");
    const fs::path corpus = env ? fs::path(env) : fs::path(PLUMORA_SOURCE_DIR) / ".." / "shared" / "corpus";
    const fs::path photoDemon = corpus / "photodemon" / "PhotoDemon.vbp";
    if (fs::exists(photoDemon)) return photoDemon.string();
    return (fs::path(PLUMORA_SOURCE_DIR) / "examples" / "Inventory" / "Inventory.vbp").string();
}

// The project's lines, read once, with its names.
struct TProject {
    std::vector<std::vector<std::string>> Files;
    std::unordered_set<std::string> Names;
    std::size_t Lines = 0;
};

const TProject& Project() {
    static const TProject project = [] {
        TProject p;
        TQuietHost host;
        plumora::TAppState state;
        plumora::TOptionSet options;
        if (!plumora::OpenProject(state, options, host, ProjectFile())) return p;
        p.Names = plumora::CollectProjectWords(*state.Project);
        for (plumora::RFile* f = state.Project->Head.get(); f->Next; f = f->Next.get()) {
            state.Project->LoadLines(f);
            p.Lines += f->Lines.size();
            p.Files.push_back(f->Lines);
            state.Project->ReleaseLines(f);
        }
        return p;
    }();
    return project;
}

// Every comment and literal through SetCheckText and ResumeCheck.
void BM_SpellerWords(benchmark::State& state) {
    const TProject& project = Project();
    std::vector<plumora::TSpellPiece> pieces;
    for (const auto& file : project.Files)
        for (std::size_t n = plumora::FirstCodeLine(file); n < file.size(); ++n)
            plumora::SpellPieces(file[n], {}, pieces);
    plumora::TVCSpeller speller(fs::temp_directory_path().string() + "/plumora-bench-no-config");
    speller.SetProjectWords(project.Names);
    if (!speller.Ready()) {
        state.SkipWithError(speller.LoadError().c_str());
        return;
    }
    long words = 0, flagged = 0;
    for (auto _ : state) {
        speller.SetClearCounts(1);
        for (const plumora::TSpellPiece& piece : pieces) {
            speller.SetCheckText(piece.Text);
            while (speller.ResultCode() < 0) speller.ResumeCheck();
        }
        words += speller.WordsChecked();
        flagged += speller.WordsFlagged();
    }
    state.counters["words/s"] = benchmark::Counter(static_cast<double>(words), benchmark::Counter::kIsRate);
    state.counters["words"] = static_cast<double>(words / state.iterations());
    state.counters["unknown"] = static_cast<double>(flagged / state.iterations());
}
BENCHMARK(BM_SpellerWords)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

// The spell report of the whole project, as the command line makes it.
void BM_SpellReport(benchmark::State& state) {
    const TProject& project = Project();
    std::size_t found = 0;
    for (auto _ : state) {
        plumora::TVCSpeller speller(fs::temp_directory_path().string() + "/plumora-bench-no-config");
        speller.SetProjectWords(project.Names);
        std::vector<plumora::TSpellFinding> findings;
        for (const auto& file : project.Files) plumora::FindMisspellings(file, speller, {}, findings);
        plumora::AddQuickSuggestions(findings, speller, 5, std::max(1u, std::thread::hardware_concurrency()));
        found = findings.size();
        benchmark::DoNotOptimize(findings.data());
    }
    state.counters["lines"] = static_cast<double>(project.Lines);
    state.counters["unknown"] = static_cast<double>(found);
}
BENCHMARK(BM_SpellReport)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(5.0);

}  // namespace

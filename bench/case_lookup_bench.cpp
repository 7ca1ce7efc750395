// Projects written on Windows name their files in another letter case than
// the disk holds them. A generated project of 5,000 modules whose every
// project line differs from the disk in case (directory and file name):
// the time to open and list it (plumora-cli list), to style every file in
// memory (the dry run of plumora-cli style --check), and of the whole
// processing run (default options: every file copied, styled and written,
// so 10,001 files are created, which on a slow disk costs more than all the
// rest). Each must stay linear in the number of files; each is reported in
// ms per run, with files/second.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "host/quiet_run_host.h"
#include "processing/check_project.h"
#include "processing/process_command.h"
#include "project/app_state.h"
#include "project/open_project.h"
#include "settings/option_set.h"

namespace {

namespace fs = std::filesystem;

constexpr int kFiles = 5000;

class TMismatchedProject {
public:
    TMismatchedProject()
        : dir_(fs::temp_directory_path() / ("plumora_case_bench_" + std::to_string(::getpid()))) {
        fs::create_directories(dir_ / "MODULES");
        fs::create_directories(dir_ / "config");
        std::ofstream vbp(dir_ / "Cases.vbp", std::ios::binary);
        vbp << "Type=Exe\r\n";
        for (int n = 0; n < kFiles; ++n) {
            const std::string id = std::to_string(n);
            std::ofstream(dir_ / "MODULES" / ("MOD" + id + ".BAS"), std::ios::binary)
                << "Attribute VB_Name = \"mod" << id << "\"\r\nSub S" << id << "()\r\nx = " << id
                << "\r\nEnd Sub\r\n";
            vbp << "Module=mod" << id << "; modules\\mod" << id << ".bas\r\n";
        }
        std::ofstream(dir_ / "config" / "VBPLUMO3.INI", std::ios::binary)
            << "[General]\r\nPreviewBeforeSaving=0\r\n";
        ::setenv("PLUMORA_CONFIG_DIR", (dir_ / "config").c_str(), 1);
    }
    ~TMismatchedProject() {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    std::string ProjectFile() const { return (dir_ / "Cases.vbp").string(); }

private:
    fs::path dir_;
};

const std::string& MismatchedProject() {
    static const TMismatchedProject project;
    static const std::string path = project.ProjectFile();
    return path;
}


// Opens the project afresh (untimed but for `timeOpen`) and hands it to
// `step`, which returns an error text or nothing; reports files per second.
template <class Step>
void Measure(benchmark::State& state, bool timeOpen, Step step) {
    MismatchedProject();  // made before the clock runs
    for (auto _ : state) {
        if (!timeOpen) state.PauseTiming();
        plumora::TAppState app;
        plumora::TOptionSet options;
        plumora::TQuietRunHost host;
        if (!plumora::OpenProject(app, options, host, MismatchedProject()) ||
            app.Project->FileCount() != kFiles) {
            state.SkipWithError("the project did not open with every file");
            return;
        }
        if (!timeOpen) state.ResumeTiming();
        if (const char* error = step(app, options, host)) {
            state.SkipWithError(error);
            return;
        }
    }
    state.counters["files/s"] = benchmark::Counter(kFiles, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_ListMismatchedProject(benchmark::State& state) {
    Measure(state, true, [](plumora::TAppState&, plumora::TOptionSet&,
                            plumora::TQuietRunHost&) -> const char* { return nullptr; });
}
BENCHMARK(BM_ListMismatchedProject)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

void BM_CheckMismatchedProject(benchmark::State& state) {
    Measure(state, false,
            [](plumora::TAppState& app, plumora::TOptionSet& options,
               plumora::TQuietRunHost& host) -> const char* {
                const plumora::TCheckReport report =
                    plumora::CheckProject(*app.Project, options, app.VBTabStops, &host);
                return report.Changed.size() == kFiles ? nullptr
                                                       : "the dry run did not style every file";
            });
}
BENCHMARK(BM_CheckMismatchedProject)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

void BM_StyleMismatchedProject(benchmark::State& state) {
    Measure(state, false,
            [](plumora::TAppState& app, plumora::TOptionSet& options,
               plumora::TQuietRunHost& host) -> const char* {
                const plumora::TRunReport report =
                    plumora::RunProcessCommand(app, options, host, nullptr);
                return report.Outcome == plumora::TRunOutcome::Completed &&
                               report.Styled.size() == kFiles
                           ? nullptr
                           : "the run did not complete";
            });
}
BENCHMARK(BM_StyleMismatchedProject)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

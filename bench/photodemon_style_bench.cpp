// The processing run as `plumora-cli style PhotoDemon.vbp --yes --out DIR`
// does it, on the real project of the shared corpus (539 files, about 420,000
// lines), on one core and on every core: open, backup copies, rewritten
// project, styling, files written. The output goes to memory-backed storage
// where the machine has it, so the figure is the program's, not the disk's.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <string>
#include <thread>

#include "formatter/formatter.h"
#include "host/quiet_run_host.h"
#include "processing/process_project.h"
#include "project/app_state.h"
#include "project/open_project.h"
#include "settings/option_set.h"

namespace {

namespace fs = std::filesystem;

fs::path Project() {
    return fs::path(PLUMORA_SOURCE_DIR) / ".." / "shared" / "corpus" / "photodemon" / "PhotoDemon.vbp";
}

fs::path Scratch() {
    const fs::path shm = "/dev/shm";
    const fs::path base = fs::is_directory(shm) ? shm : fs::temp_directory_path();
    return base / ("plumora_pd_bench_" + std::to_string(::getpid()));
}


void BM_StylePhotoDemon(benchmark::State& state) {
    if (!fs::exists(Project())) {
        state.SkipWithError("no corpus beside the repository (../shared/corpus)");
        return;
    }
    const fs::path scratch = Scratch();
    fs::create_directories(scratch / "config");
    ::setenv("PLUMORA_CONFIG_DIR", (scratch / "config").c_str(), 1);
    std::size_t styled = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::error_code ec;
        fs::remove_all(scratch / "out", ec);
        state.ResumeTiming();
        plumora::TAppState app;
        plumora::TOptionSet options;
        plumora::TQuietRunHost host;
        if (!plumora::OpenProject(app, options, host, Project().string())) {
            state.SkipWithError("cannot open PhotoDemon.vbp");
            break;
        }
        plumora::TVBSrcFormatter formatter(options, &host);
        formatter.VBTabStops = app.VBTabStops;
        plumora::TRunContext context;
        context.Project = app.Project.get();
        context.ProjectVBVersion = app.ProjectVBVersion;
        context.Options = &options;
        context.Host = &host;
        context.ProcessingCancelled = &app.ProcessingCancelled;
        context.OutputDirOverride = (scratch / "out").string();
        context.Workers = unsigned(state.range(0));
        const plumora::TRunReport report = plumora::ProcessProject(formatter, context);
        if (report.Outcome != plumora::TRunOutcome::Completed) {
            state.SkipWithError("the run did not complete");
            break;
        }
        styled = report.Styled.size();
    }
    std::error_code ec;
    fs::remove_all(scratch, ec);
    state.counters["files"] = double(styled);
    state.counters["cores"] = double(state.range(0) ? state.range(0) : std::thread::hardware_concurrency());
}
// 1: one core; 0: every core of the machine.
BENCHMARK(BM_StylePhotoDemon)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

}  // namespace

// Begin Processing from the main window, as the desktop runs it: progress
// window, a message pump per line, the Running state. The preview is off and
// the styled code goes into a temporary directory. Measures the example
// project and, when present, the PhotoDemon project of the sample corpus
// (or the project named by PLUMORA_BENCH_PROJECT).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <QAction>
#include <QApplication>

#include "app/frm_main.h"

namespace {

namespace fs = std::filesystem;

struct TBenchDirs {
    fs::path Root;
    TBenchDirs() {
        std::string pattern = (fs::temp_directory_path() / "plumora-run-bench-XXXXXX").string();
        Root = ::mkdtemp(pattern.data()) ? fs::path(pattern) : fs::path();
    }
    ~TBenchDirs() {
        std::error_code ec;
        if (!Root.empty()) fs::remove_all(Root, ec);
    }
};

void BM_DesktopRun(benchmark::State& state, const std::string& project) {
    if (!fs::exists(project)) {
        state.SkipWithError("project not found");
        return;
    }
    TBenchDirs dirs;
    if (dirs.Root.empty()) {
        state.SkipWithError("no temporary directory");
        return;
    }
    const fs::path out = dirs.Root / "out";
    ::setenv("PLUMORA_CONFIG_DIR", dirs.Root.c_str(), 1);
    std::ofstream(dirs.Root / "VBPLUMO3.INI")
        << "[General]\r\nPreviewBeforeSaving=0\r\n[BackupInformation]\r\nBackupNewCodeDirectory="
        << out.string() << "/\r\n";

    int problems = 0;
    plumora::TfrmMain w(nullptr, [&](plumora::MsgKind kind, const std::string&,
                                     plumora::MsgButtons) {
        if (kind == plumora::MsgKind::Error || kind == plumora::MsgKind::Warning) ++problems;
        return kind == plumora::MsgKind::Question ? plumora::MsgResult::Yes : plumora::MsgResult::Ok;
    });
    w.show();
    if (!w.OpenProjectFile(project)) {
        state.SkipWithError("project could not be opened");
        return;
    }
    long files = 0, lines = 0;
    for (plumora::RFile* f = w.State().Project->Head.get(); f->Next; f = f->Next.get()) {
        ++files;
        lines += f->LineCount;
    }
    QAction* process = w.findChild<QAction*>("btnProcess");
    for (auto _ : state) process->trigger();
    state.counters["files/s"] =
        benchmark::Counter(static_cast<double>(files), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["lines/s"] =
        benchmark::Counter(static_cast<double>(lines), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["files"] = static_cast<double>(files);
    state.counters["problems"] = problems;
    w.close();
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    const std::string example = std::string(PLUMORA_SOURCE_DIR) + "/examples/Inventory/Inventory.vbp";
    const char* chosen = std::getenv("PLUMORA_BENCH_PROJECT");
    const std::string large =
        chosen ? chosen : "/work/shared/corpus/photodemon/PhotoDemon.vbp";
    benchmark::RegisterBenchmark("DesktopRun/Inventory", BM_DesktopRun, example)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("DesktopRun/Large", BM_DesktopRun, large)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Iterations(1);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

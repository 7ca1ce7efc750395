// Opening a chart from the chart selector, as the user does with "C&reate":
// the statistics walk over the project, the chart window in the main window
// and its first painting. Measures every chart of the PhotoDemon project of
// the sample corpus (539 files), or of the project named by
// PLUMORA_BENCH_PROJECT. The goal is under 1 s per chart.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QImage>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/frm_main.h"
#include "charts/chart_items.h"
#include "charts/frm_chart_selector.h"

namespace {

namespace fs = std::filesystem;

std::unique_ptr<plumora::TfrmMain> gMain;
long gFiles = 0;
std::vector<std::vector<double>> gRunsMs(plumora::ChartItems().size());

void BM_OpenChart(benchmark::State& state) {
    const int item = static_cast<int>(state.range(0));
    plumora::TfrmChartSelector* selector = gMain->ChartSelector();
    selector->lbxChoices()->setCurrentRow(item);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        selector->btnCreateChartClick();
        QMdiSubWindow* child = gMain->Mdi()->activeSubWindow();
        if (!child) {
            state.SkipWithError("no chart window was opened");
            return;
        }
        QImage image(child->size(), QImage::Format_RGB32);
        child->render(&image);
        const auto stop = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(image.constBits());
        gRunsMs[static_cast<std::size_t>(item)].push_back(
            std::chrono::duration<double, std::milli>(stop - start).count());
        state.PauseTiming();
        child->close();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenChart)
    ->DenseRange(0, 6)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    const char* named = std::getenv("PLUMORA_BENCH_PROJECT");
    const std::string project = named ? named : "/work/shared/corpus/photodemon/PhotoDemon.vbp";
    if (!fs::exists(project)) {
        std::printf("chart window: %s not found; nothing measured\n", project.c_str());
        return 0;
    }
    std::string pattern = (fs::temp_directory_path() / "plumora-chart-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) {
        std::fprintf(stderr, "no temporary directory\n");
        return 1;
    }
    ::setenv("PLUMORA_CONFIG_DIR", pattern.c_str(), 1);
    gMain = std::make_unique<plumora::TfrmMain>(
        nullptr, [](plumora::MsgKind kind, const std::string&, plumora::MsgButtons) {
            return kind == plumora::MsgKind::Question ? plumora::MsgResult::Yes
                                                      : plumora::MsgResult::Ok;
        });
    gMain->resize(1024, 700);
    gMain->show();
    if (!gMain->OpenProjectFile(project)) {
        std::fprintf(stderr, "%s could not be opened\n", project.c_str());
        return 1;
    }
    for (plumora::RFile* f = gMain->State().Project->Head.get(); f->Next; f = f->Next.get())
        ++gFiles;
    gMain->ChartSelector()->SetProject(gMain->State().Project.get());

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    for (std::size_t i = 0; i < gRunsMs.size(); ++i) {
        std::vector<double>& runs = gRunsMs[i];
        if (runs.empty()) continue;
        std::sort(runs.begin(), runs.end());
        std::printf("chart \"%s\" of %ld files opened and painted: median %.1f ms over %zu runs "
                    "(target < 1000 ms)\n",
                    plumora::ChartItems()[i].ListText.c_str(), gFiles, runs[runs.size() / 2],
                    runs.size());
    }
    gMain.reset();
    std::error_code ec;
    fs::remove_all(pattern, ec);
    return 0;
}

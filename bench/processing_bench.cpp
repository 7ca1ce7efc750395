// The whole processing run on a generated project of 500 files and 500,000
// lines on disk (default options, "Copy all files in the .Mak file"): open,
// backup copies, rewritten project, three passes, styled files written.
// Reports files/second, lines/second, the most source texts held at once and
// the peak resident memory.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "formatter/formatter.h"
#include "host/run_host.h"
#include "processing/process_command.h"
#include "project/app_state.h"
#include "project/open_project.h"
#include "settings/option_set.h"

namespace {

namespace fs = std::filesystem;

constexpr int kFiles = 500;
constexpr int kLinesPerFile = 1000;

// About 1000 lines of ordinary module code, badly indented, with comments.
std::string GeneratedModule(int n) {
    std::string text = "Attribute VB_Name = \"mod" + std::to_string(n) + "\"\r\nOption Explicit\r\n";
    int lines = 2;
    for (int p = 0; lines + 24 <= kLinesPerFile; ++p) {
        const std::string id = std::to_string(p);
        text += "\r\n' Totals of order " + id + "\r\n";
        text += "Public Function Total" + id + "(ByVal Order As Long) As Currency\r\n";
        text += "Dim i As Long, total As Currency\r\nDim item As CItem\r\n";
        text += "For i = 1 To mOrders.Count\r\nSet item = mOrders(i)\r\n";
        text += "If item.Quantity > 0 Then\r\ntotal = total + item.Quantity   ' running sum\r\n";
        text += "ElseIf item.Quantity < 0 Then\r\nMsgBox \"Negative: \" & i, vbExclamation\r\n";
        text += "Else\r\nDebug.Print \"empty \"\"\" & item.Code\r\nEnd If\r\n";
        text += "Select Case item.Category\r\nCase 1, 2\r\ntotal = total + 1\r\nCase Else\r\n";
        text += "total = total - 1\r\nEnd Select\r\nNext i\r\nTotal" + id + " = total\r\n";
        text += "End Function\r\n";
        lines += 24;
    }
    while (lines++ < kLinesPerFile) text += "' filler\r\n";
    return text;
}

// The project on disk for the life of the process, removed at the end.
class TGeneratedProject {
public:
    TGeneratedProject() : dir_(fs::temp_directory_path() / ("plumora_bench_" + std::to_string(::getpid()))) {
        fs::create_directories(dir_ / "Modules");
        fs::create_directories(dir_ / "config");
        std::ofstream vbp(dir_ / "Bench.vbp", std::ios::binary);
        vbp << "Type=Exe\r\n";
        for (int n = 0; n < kFiles; ++n) {
            std::string name = "Mod" + std::to_string(n) + ".bas";
            std::ofstream(dir_ / "Modules" / name, std::ios::binary) << GeneratedModule(n);
            vbp << "Module=Mod" << n << "; Modules\\" << name << "\r\n";
        }
        ::setenv("PLUMORA_CONFIG_DIR", (dir_ / "config").c_str(), 1);
    }
    ~TGeneratedProject() {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    std::string ProjectFile() const { return (dir_ / "Bench.vbp").string(); }

private:
    fs::path dir_;
};

const std::string& GeneratedProject() {
    static const TGeneratedProject project;
    static const std::string path = project.ProjectFile();
    return path;
}

// Answers Yes, never cancels, and notes how many source texts are loaded
// whenever a pass starts.
class BenchHost : public plumora::IRunHost {
public:
    plumora::TSourceMgt* Project = nullptr;
    int MaxLoaded = 0;

    plumora::MsgResult ShowMessage(plumora::MsgKind, const std::string&, plumora::MsgButtons) override {
        return plumora::MsgResult::Yes;
    }
    void SetHourglass(bool) override {}
    void GaugeShow(bool) override {}
    void GaugeSetMax(int) override {}
    void GaugeSetPosition(int) override {}
    void SetLabel(const std::string&) override {
        int loaded = 0;
        for (auto* f = Project->Head.get(); f; f = f->Next.get()) loaded += f->Loaded ? 1 : 0;
        MaxLoaded = std::max(MaxLoaded, loaded);
    }
    void SetRange(int, int) override {}
    void SetPosition(int) override {}
    bool PumpMessages() override { return false; }
};

void BM_ProcessProject(benchmark::State& state) {
    const std::string& project = GeneratedProject();
    int maxLoaded = 0;
    for (auto _ : state) {
        plumora::TAppState app;
        plumora::TOptionSet options;
        BenchHost host;
        if (!plumora::OpenProject(app, options, host, project)) {
            state.SkipWithError("cannot open the generated project");
            return;
        }
        host.Project = app.Project.get();
        plumora::TRunReport report = plumora::RunProcessCommand(app, options, host, nullptr);
        if (report.Outcome != plumora::TRunOutcome::Completed || report.Styled.size() != kFiles) {
            state.SkipWithError("the run did not complete");
            return;
        }
        maxLoaded = std::max(maxLoaded, host.MaxLoaded);
    }
    struct rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    state.counters["files/s"] = benchmark::Counter(kFiles, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["lines/s"] =
        benchmark::Counter(double(kFiles) * kLinesPerFile, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["texts_held"] = maxLoaded;
    state.counters["peak_rss_MiB"] = double(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_ProcessProject)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

}  // namespace

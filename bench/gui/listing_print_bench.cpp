// Printing a 20,000-line listing to a PDF file, as "Print to File" of the
// print dialog does: every page with its header and rows drawn onto a
// high-resolution PDF printer. The goal is under 3 s.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <QApplication>
#include <QPrinter>

#include "ui/big_text.h"
#include "ui/listing_report.h"

namespace {

namespace fs = std::filesystem;

constexpr int kLines = 20'000;

std::vector<double> gRunsMs;
int gPages = 0;
std::string gPdf;

void FillView(plumora::TBigText& view) {
    const plumora::TColor black = plumora::TColor::FromRgb(0, 0, 0);
    for (int n = 0; n < kLines; ++n) {
        std::string line;
        switch (n % 6) {
            case 0: line = "Public Sub Routine" + std::to_string(n) + "(ByVal Count As Long)"; break;
            case 1: line = "    Dim i As Long, total As Currency ' running total"; break;
            case 2: line = "    For i = 1 To Count"; break;
            case 3: line = "        total = total + Prices(i) * Quantities(i)"; break;
            case 4: line = "    Next i"; break;
            default: line = "End Sub"; break;
        }
        view.AppendLine(line, black, plumora::TColor::SystemWindow());
    }
}

void BM_PrintListingToPdf(benchmark::State& state) {
    plumora::TBigText view;
    FillView(view);
    plumora::TListingReport report(view, "File: C:\\VB\\Big.bas");
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(gPdf));
        plumora::TListingReport::SetDefaultPageLayout(printer);
        gPages = report.Render(printer);
        const auto stop = std::chrono::steady_clock::now();
        if (gPages == 0 || report.Row() != kLines) {
            state.SkipWithError("the listing was not printed completely");
            return;
        }
        gRunsMs.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
    }
}
BENCHMARK(BM_PrintListingToPdf)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    std::string pattern = (fs::temp_directory_path() / "plumora-listing-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) {
        std::fprintf(stderr, "no temporary directory\n");
        return 1;
    }
    gPdf = (fs::path(pattern) / "listing.pdf").string();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    if (!gRunsMs.empty()) {
        std::sort(gRunsMs.begin(), gRunsMs.end());
        std::error_code ec;
        const auto bytes = fs::file_size(gPdf, ec);
        std::printf("listing of %d lines printed to PDF: %d pages, %.0f KB, median %.0f ms over "
                    "%zu runs (target < 3000 ms)\n",
                    kLines, gPages, ec ? 0.0 : bytes / 1024.0, gRunsMs[gRunsMs.size() / 2],
                    gRunsMs.size());
    }
    std::error_code ec;
    fs::remove_all(pattern, ec);
    return 0;
}

// Styles a large generated module (over a million lines of mixed, realistic
// code) through all passes, with the default options and with every rule on;
// reports lines/second.
#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "formatter/formatter.h"
#include "settings/ini_file.h"
#include "settings/option_set.h"

namespace {

// One procedure of about 50 lines using every block kind, comments, string
// literals, continuation lines, a label and a line-numbered stretch; the
// indentation is deliberately off so that the indentation rule has work.
void AppendProcedure(std::vector<std::string>& lines, int n) {
    const std::string id = std::to_string(n);
    const char* body[] = {
        "' Recalculates the totals of one order and updates the status line.",
        "' Called from the grid's AfterEdit event.",
        "Dim i As Long, total As Currency",
        "Dim item As CItem",
        "\tDim text As String",
        "On Error GoTo Failed",
        "If mOrders Is Nothing Then Exit Function",
        "For i = 1 To mOrders.Count",
        "Set item = mOrders(i)",
        "If item.Quantity > 0 Then",
        "total = total + item.Quantity * item.UnitPrice   ' running sum",
        "ElseIf item.Quantity < 0 Then",
        "MsgBox \"Negative quantity in line \" & i & \": can't continue\", vbExclamation",
        "Else",
        "Debug.Print \"empty line \"\"\" & item.Code & \"\"\"\"",
        "End If",
        "Select Case item.Category",
        "Case icTools, icParts",
        "text = \"T\": total = total + 1",
        "Case Else",
        "text = Format$(total, \"0.00\") & _",
        "\" (\" & item.Code & \")\"",
        "End Select",
        "Next i",
        "With lblStatus",
        ".Caption = \"Total: \" & text",
        ".Refresh",
        "End With",
        "Do While total > 1000",
        "total = total / 2",
        "Loop",
        "While i > 0",
        "i = i - 1",
        "Wend",
        "100 If total > 0 Then",
        "110 Recalc = total",
        "120 End If",
        "Rem done: \"all\" lines",
        "Exit Function",
        "Failed:",
        "Recalc = -1",
    };
    lines.push_back("");
    lines.push_back("Public Function Recalc" + id + "(ByVal Order As Long) As Currency");
    for (const char* line : body) lines.emplace_back(line);
    lines.push_back("End Function");
}

std::vector<std::string> GeneratedModule(std::size_t minLines) {
    std::vector<std::string> lines = {
        "Attribute VB_Name = \"modOrders\"",
        "Option Explicit",
        "Private Type OrderLine",
        "Code As String",
        "Quantity As Long",
        "End Type",
        "Private mOrders As Collection",
    };
    for (int n = 0; lines.size() < minLines; ++n) AppendProcedure(lines, n);
    return lines;
}

const std::vector<std::string>& LargeModule() {
    static const std::vector<std::string> lines = GeneratedModule(1'000'000);
    return lines;
}

void ReportRate(benchmark::State& state, std::size_t lines) {
    state.counters["lines"] = double(lines);
    state.counters["lines_per_second"] = benchmark::Counter(
        double(lines) * double(state.iterations()), benchmark::Counter::kIsRate);
}

// One formatter styling file after file, as a processing run uses it: after
// the first file its line buffers are reused.
void BM_StyleLargeModule(benchmark::State& state) {
    const std::vector<std::string>& lines = LargeModule();
    const plumora::TOptionSet options;  // the defaults
    plumora::TVBSrcFormatter formatter(options);
    formatter.StyleLines(lines);  // warm-up: the buffers of an earlier file
    for (auto _ : state) {
        formatter.StyleLines(lines);
        benchmark::DoNotOptimize(formatter.Output.data());
    }
    ReportRate(state, lines.size());
}
BENCHMARK(BM_StyleLargeModule)->Unit(benchmark::kMillisecond);

// A fresh formatter for the one file, as plumora-cli format uses it: every
// output line is a new allocation.
void BM_StyleLargeModuleFreshFormatter(benchmark::State& state) {
    const std::vector<std::string>& lines = LargeModule();
    const plumora::TOptionSet options;
    for (auto _ : state) {
        plumora::TVBSrcFormatter formatter(options);
        formatter.StyleLines(lines);
        benchmark::DoNotOptimize(formatter.Output.data());
    }
    ReportRate(state, lines.size());
}
BENCHMARK(BM_StyleLargeModuleFreshFormatter)->Unit(benchmark::kMillisecond);

// Every rule that rewrites code, as the corpus test uses them
// (tests/data/options/every-rule.ini): all splits, Next variables, As
// alignment, fixed comment columns, frames, sub and function headers, blank
// lines by the rules. Spelling aside, which waits for the user.
plumora::TOptionSet EveryRule() {
    plumora::TOptionSet o;
    plumora::TIniFile ini(std::string(PLUMORA_SOURCE_DIR) + "/tests/data/options/every-rule.ini");
    if (!ini.Load()) throw std::runtime_error("cannot read tests/data/options/every-rule.ini");
    o.Load(ini);
    return o;
}

void BM_StyleLargeModuleEveryRule(benchmark::State& state) {
    const std::vector<std::string>& lines = LargeModule();
    const plumora::TOptionSet options = EveryRule();
    plumora::TVBSrcFormatter formatter(options);
    formatter.StyleLines(lines);
    for (auto _ : state) {
        formatter.StyleLines(lines);
        benchmark::DoNotOptimize(formatter.Output.data());
    }
    ReportRate(state, lines.size());
}
BENCHMARK(BM_StyleLargeModuleEveryRule)->Unit(benchmark::kMillisecond);

}  // namespace

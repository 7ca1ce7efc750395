// Splitting is linear in the length of a line: one line of 40,000 `x=1:`
// statements, one of 300,000, and a Dim of 40,000 variables, each styled
// with its split rule on. Reports the time of one styling.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "formatter/formatter.h"
#include "settings/option_set.h"

namespace {

std::vector<std::string> Statements(int n) {
    std::string line;
    line.reserve(std::size_t(n) * 4);
    for (int k = 0; k < n; ++k) line += "x=1:";
    return {"Sub S()", line, "End Sub"};
}

std::vector<std::string> Declaration(int n) {
    std::string line = "Dim v0";
    for (int k = 1; k < n; ++k) line += ", v" + std::to_string(k);
    line += " As Long";
    return {"Sub S()", line, "End Sub"};
}

void Style(benchmark::State& state, const std::vector<std::string>& lines, plumora::Opt rule) {
    plumora::TOptionSet options;
    options.SetBool(rule, true);
    plumora::TVBSrcFormatter formatter(options);
    for (auto _ : state) {
        formatter.StyleLines(lines);
        benchmark::DoNotOptimize(formatter.Output.data());
    }
    state.counters["pieces"] = double(formatter.Output.size());
}

void BM_ColonStatements(benchmark::State& state) {
    Style(state, Statements(int(state.range(0))), plumora::Opt::MultiStatementSplit);
}
BENCHMARK(BM_ColonStatements)->Arg(40000)->Arg(300000)->Unit(benchmark::kMillisecond);

void BM_DimOfManyVariables(benchmark::State& state) {
    Style(state, Declaration(int(state.range(0))), plumora::Opt::MultiVarSplit);
}
BENCHMARK(BM_DimOfManyVariables)->Arg(40000)->Unit(benchmark::kMillisecond);

}  // namespace

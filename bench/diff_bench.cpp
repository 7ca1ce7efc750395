// Speed of the line comparison: a real-looking 20,000-line module against a
// copy with 5% of its lines changed, all-blank texts, unrelated modules and
// a fragmented worst case. Each figure is one whole comparison into views.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "host/line_sink.h"
#include "viewers/vis_diff.h"

namespace {

using Lines = std::vector<std::string>;

class CountingSink : public plumora::ILineSink {
public:
    std::size_t Count = 0;
    void Clear() override { Count = 0; }
    void AppendLine(const std::string&, plumora::TColor, plumora::TColor) override { ++Count; }
    void Refresh() override {}
};

// A module of routines with the usual furniture: header comments, Dim
// blocks, If/For/Select blocks, many blank lines and repeated closers.
Lines MakeModule(int lines, unsigned seed) {
    std::mt19937 rng(seed);
    auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    const char* types[] = {"Long", "String", "Integer", "Boolean", "Variant", "Double"};
    const char* names[] = {"i", "j", "n", "sName", "lCount", "bFound", "vItem", "dTotal", "rs"};
    Lines out = {"Attribute VB_Name = \"modBench\"", "Option Explicit", ""};
    int routine = 0;
    while (static_cast<int>(out.size()) < lines) {
        const std::string name = "Routine" + std::to_string(++routine);
        out.push_back("'------------------------------------------------------------");
        out.push_back("' " + name + ": does its part of the work");
        out.push_back("'------------------------------------------------------------");
        out.push_back("Public Function " + name + "(ByVal nIndex As Long) As Boolean");
        for (int d = 1 + pick(4); d > 0; --d)
            out.push_back(std::string("    Dim ") + names[pick(9)] + std::to_string(pick(50)) +
                          " As " + types[pick(6)]);
        out.push_back("");
        out.push_back("    On Error GoTo ErrHandler");
        for (int block = 1 + pick(5); block > 0; --block) {
            const std::string v = names[pick(9)];
            switch (pick(3)) {
                case 0:
                    out.push_back("    If " + v + " > " + std::to_string(pick(100)) + " Then");
                    out.push_back("        " + v + " = " + v + " + 1");
                    out.push_back("    Else");
                    out.push_back("        Call LogLine(\"" + name + "\", " + v + ")");
                    out.push_back("    End If");
                    break;
                case 1:
                    out.push_back("    For i = 1 To " + std::to_string(1 + pick(200)));
                    out.push_back("        dTotal = dTotal + Values(i) * " + std::to_string(pick(9)));
                    out.push_back("    Next i");
                    break;
                default:
                    out.push_back("    Select Case nIndex");
                    out.push_back("        Case " + std::to_string(pick(10)));
                    out.push_back("            " + v + " = " + std::to_string(pick(1000)));
                    out.push_back("        Case Else");
                    out.push_back("            " + v + " = 0");
                    out.push_back("    End Select");
                    break;
            }
            out.push_back("");
        }
        out.push_back("    " + name + " = True");
        out.push_back("    Exit Function");
        out.push_back("ErrHandler:");
        out.push_back("    " + name + " = False");
        out.push_back("End Function");
        out.push_back("");
    }
    out.resize(lines);
    return out;
}

// Changes `percent` of the lines: a third edited, a third deleted, a third
// replaced by two new lines.
Lines ChangeSome(Lines text, int percent, unsigned seed) {
    std::mt19937 rng(seed);
    const int changes = static_cast<int>(text.size()) * percent / 100;
    for (int c = 0; c < changes; ++c) {
        const int at = std::uniform_int_distribution<int>(0, static_cast<int>(text.size()) - 1)(rng);
        switch (c % 3) {
            case 0: text[at] += " ' edited"; break;
            case 1: text.erase(text.begin() + at); break;
            default:
                text[at] = "    Debug.Print \"new " + std::to_string(c) + "\"";
                text.insert(text.begin() + at, "    ' added line " + std::to_string(c));
                break;
        }
    }
    return text;
}

void Compare(benchmark::State& state, const Lines& left, const Lines& right) {
    CountingSink l, r;
    plumora::TVisDiff diff;
    diff.LeftView = &l;
    diff.RightView = &r;
    for (auto _ : state) {
        diff.CompareLists(left, right);
        benchmark::DoNotOptimize(l.Count);
    }
    state.counters["rows"] = static_cast<double>(l.Count);
    state.counters["lines/s"] = benchmark::Counter(
        static_cast<double>(left.size() + right.size()), benchmark::Counter::kIsIterationInvariantRate);
}

void BM_Module20000With5PercentChanged(benchmark::State& state) {
    static const Lines before = MakeModule(20000, 1);
    static const Lines after = ChangeSome(before, 5, 2);
    Compare(state, before, after);
}
BENCHMARK(BM_Module20000With5PercentChanged)->Unit(benchmark::kMillisecond);

void BM_AllBlank5000Against5000(benchmark::State& state) {
    static const Lines blank(5000, "");
    Compare(state, blank, blank);
}
BENCHMARK(BM_AllBlank5000Against5000)->Unit(benchmark::kMillisecond);

// The same with one line in the middle changed, so that no single run
// covers the texts and the longest runs must be searched for.
void BM_AllBlank5000AgainstOneChanged(benchmark::State& state) {
    static const Lines blank(5000, "");
    static const Lines changed = [] {
        Lines out(5000, "");
        out[2500] = "x = 1";
        return out;
    }();
    Compare(state, blank, changed);
}
BENCHMARK(BM_AllBlank5000AgainstOneChanged)->Unit(benchmark::kMillisecond);

// Blank texts where the right one is broken every tenth line: many short
// runs of the same length, one after the other.
void BM_AllBlankAgainstInterruptedBlank5000(benchmark::State& state) {
    static const Lines blank(5000, "");
    static const Lines interrupted = [] {
        Lines out(5000, "");
        for (std::size_t k = 9; k < out.size(); k += 10) out[k] = "x = 1";
        return out;
    }();
    Compare(state, blank, interrupted);
}
BENCHMARK(BM_AllBlankAgainstInterruptedBlank5000)->Unit(benchmark::kMillisecond);

void BM_UnrelatedModules20000(benchmark::State& state) {
    static const Lines one = MakeModule(20000, 3);
    static const Lines other = MakeModule(20000, 4);
    Compare(state, one, other);
}
BENCHMARK(BM_UnrelatedModules20000)->Unit(benchmark::kMillisecond);

}  // namespace

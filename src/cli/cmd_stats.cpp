// plumora-cli stats: opens a project and prints the point tables of its
// statistics charts, as aligned text or as CSV for spreadsheets.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "charts/chart_items.h"
#include "charts/create_chart.h"
#include "cli/commands.h"
#include "cli/std_out.h"
#include "cli/terminal_host.h"
#include "project/app_state.h"
#include "project/open_project.h"
#include "settings/option_set.h"

namespace plumora::cli {

namespace {

struct THeadings {
    const char* Label;
    const char* Value;
};

THeadings HeadingsOf(TChartKind kind) {
    switch (kind) {
        case TChartKind::ckFileSizes: return {"File", "Bytes"};
        case TChartKind::ckFileTypes: return {"Extension", "Files"};
        case TChartKind::ckRoutines: return {"File", "Routines"};
        case TChartKind::ckGlobals: return {"File", "Globals"};
        case TChartKind::ckLineCounts: return {"File", "Lines"};
        case TChartKind::ckCommentPercent: return {"File", "Comments %"};
        case TChartKind::ckBlankPercent: return {"File", "Whitespace %"};
    }
    return {"Label", "Value"};
}

std::string ValueText(double value) {
    char buffer[64];
    if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15) {
        std::snprintf(buffer, sizeof buffer, "%.0f", value);
    } else {
        std::snprintf(buffer, sizeof buffer, "%g", value);
    }
    return buffer;
}

void PrintText(const TChartTable& table, std::string& out) {
    THeadings headings = HeadingsOf(table.Kind);
    out += table.Caption + "\n";
    out += "  " + table.Title + (table.Series == TSeriesKind::skPie ? " (pie)\n\n" : " (bar)\n\n");

    std::vector<std::pair<std::string, std::string>> rows;
    rows.emplace_back(headings.Label, headings.Value);
    for (const TChartPoint& p : table.Points) {
        rows.emplace_back(p.Label.empty() ? "(none)" : PrintableText(p.Label), ValueText(p.Value));
    }
    std::size_t labelWidth = 0;
    std::size_t valueWidth = 0;
    for (const auto& [label, value] : rows) {
        labelWidth = std::max(labelWidth, label.size());
        valueWidth = std::max(valueWidth, value.size());
    }
    for (const auto& [label, value] : rows) {
        out += label + std::string(labelWidth - label.size() + 2, ' ');
        out += std::string(valueWidth - value.size(), ' ') + value + "\n";
    }
    if (table.Points.empty()) out += "(no files)\n";
}

// A field as RFC 4180 wants it. A label that a spreadsheet would take for a
// formula gets a leading apostrophe, so opening the file never runs one.
std::string CsvField(const std::string& text, bool guardFormula) {
    std::string value = text;
    if (guardFormula && !value.empty() &&
        (value[0] == '=' || value[0] == '+' || value[0] == '-' || value[0] == '@' ||
         value[0] == '\t' || value[0] == '\r')) {
        value.insert(value.begin(), '\'');
    }
    bool quote = value.find_first_of(",\"\r\n") != std::string::npos ||
                 (!value.empty() && (value.front() == ' ' || value.back() == ' ')) ||
                 value != text;
    if (!quote) return value;
    std::string out = "\"";
    for (char c : value) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

void PrintCsv(const TChartTable& table, std::string& out) {
    for (const TChartPoint& p : table.Points) {
        out += CsvField(table.Title, false) + "," + CsvField(p.Label, true) + "," +
               ValueText(p.Value) + "\r\n";
    }
}

std::optional<int> ParseChartNumber(const std::string& text) {
    if (text.size() != 1 || text[0] < '1' || text[0] > '0' + static_cast<int>(ChartItems().size()))
        return std::nullopt;
    return text[0] - '0';
}

}  // namespace

int RunStats(const std::vector<std::string>& args) {
    bool assumeYes = false;
    bool csv = false;
    bool optionsEnded = false;
    std::optional<int> chart;
    std::vector<std::string> projects;
    const std::string chartRange = "1 to " + std::to_string(ChartItems().size());
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg == "--yes") {
            assumeYes = true;
        } else if (!optionsEnded && arg == "--csv") {
            csv = true;
        } else if (!optionsEnded && (arg == "--chart" || arg.starts_with("--chart="))) {
            std::string number;
            if (arg == "--chart") {
                if (i + 1 >= args.size()) return UsageError("stats: --chart needs a number from " + chartRange);
                number = args[++i];
            } else {
                number = arg.substr(8);
            }
            chart = ParseChartNumber(number);
            if (!chart) {
                return UsageError("stats: --chart takes a number from " + chartRange + ", not '" +
                                  number + "'");
            }
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            return UsageError("stats: unknown option '" + arg + "'");
        } else {
            projects.push_back(arg);
        }
    }
    if (projects.empty()) return UsageError("stats: missing PROJECT");
    if (projects.size() > 1) return UsageError("stats: more than one PROJECT given");

    TAppState state;
    TOptionSet options;
    TerminalCommandHost host(assumeYes);
    if (!OpenProject(state, options, host, projects[0])) return kExitFailed;

    std::vector<int> indexes;
    if (chart) {
        indexes.push_back(*chart - 1);
    } else {
        for (std::size_t i = 0; i < ChartItems().size(); ++i) indexes.push_back(static_cast<int>(i));
    }

    std::string out;
    if (csv) out += "Chart,Label,Value\r\n";
    int exitCode = kExitOk;
    for (int index : indexes) {
        std::optional<TChartTable> table = CreateChartTable(state.Project.get(), index, host);
        if (!table) {
            exitCode = kExitFailed;
            break;
        }
        if (csv) {
            PrintCsv(*table, out);
        } else {
            if (index != indexes.front()) out += "\n";
            PrintText(*table, out);
        }
    }
    WriteOut(out);
    CloseProject(state);
    return exitCode;
}

}  // namespace plumora::cli

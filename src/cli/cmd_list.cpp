// plumora-cli list: opens a project the way the desktop does and prints its
// source file entries as a table.
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/std_out.h"
#include "cli/terminal_host.h"
#include "project/app_state.h"
#include "project/open_project.h"
#include "settings/option_set.h"

namespace plumora::cli {

namespace {

const char* KindName(std::uint8_t kind) {
    switch (kind) {
        case fkForm: return "form";
        case fkModule: return "module";
        case fkCustomControl: return "custom control";
        case fkClass: return "class";
        case fkUserControl: return "user control";
    }
    return "unknown";
}

std::string SizeText(double size) {
    if (size < 0) return "-";
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.0f", size);
    return buffer;
}

std::string TableText(const std::vector<std::vector<std::string>>& rows) {
    // Numbers are right-aligned, text left-aligned; the last column is not
    // padded so paths are never followed by trailing blanks.
    const std::vector<bool> rightAligned = {false, false, true, true, false};
    std::vector<std::size_t> widths(rightAligned.size(), 0);
    for (const auto& row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], row[c].size());
    }
    std::string out;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0) line += "  ";
            std::string pad(widths[c] - row[c].size(), ' ');
            bool last = c + 1 == row.size();
            if (rightAligned[c]) {
                line += pad + row[c];
            } else {
                line += row[c];
                if (!last) line += pad;
            }
        }
        out += line + "\n";
    }
    return out;
}

}  // namespace

int RunList(const std::vector<std::string>& args) {
    bool assumeYes = false;
    bool optionsEnded = false;
    std::vector<std::string> projects;
    for (const std::string& arg : args) {
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg == "--yes") {
            assumeYes = true;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            return UsageError("list: unknown option '" + arg + "'");
        } else {
            projects.push_back(arg);
        }
    }
    if (projects.empty()) return UsageError("list: missing PROJECT");
    if (projects.size() > 1) return UsageError("list: more than one PROJECT given");

    TAppState state;
    TOptionSet options;
    TerminalCommandHost host(assumeYes);
    if (!OpenProject(state, options, host, projects[0])) return kExitFailed;

    std::vector<std::vector<std::string>> rows;
    rows.push_back({"Name", "Kind", "Size", "Lines", "Path"});
    for (const RFile* f = state.Project->Head.get(); f->Next; f = f->Next.get()) {
        // Names and paths come from the project file: a control byte in
        // them must not reach the terminal.
        rows.push_back({PrintableText(f->Name), std::to_string(f->Kind) + " " + KindName(f->Kind),
                        SizeText(f->Size), std::to_string(f->LineCount), PrintableText(f->FullPath)});
    }
    WriteOut(TableText(rows));
    WriteOut("VB version: " + std::to_string(state.ProjectVBVersion) +
             (state.ProjectVBVersion == 4 ? " (.VBP)" : " (.MAK)") + "\n");
    CloseProject(state);
    return kExitOk;
}

}  // namespace plumora::cli

// plumora-cli diff: compares two files line by line with the engine of the
// viewers' Diff command and prints its rows side by side, or a unified diff.
#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/std_out.h"
#include "io/text_lines.h"
#include "viewers/diff_rows.h"
#include "viewers/line_matching.h"
#include "viewers/unified_diff.h"

namespace plumora::cli {

namespace {

struct DiffArgs {
    std::string OldPath;
    std::string NewPath;
    bool Unified = false;
};

// Left column width: the longest left line, but no wider than this; longer
// lines are printed whole and push the separator out.
constexpr std::size_t kMaxLeftWidth = 60;

bool ParseArgs(const std::vector<std::string>& args, DiffArgs& out, int& status) {
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (const std::string& a : args) {
        if (!optionsEnded && a == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && (a == "--unified" || a == "-u")) {
            out.Unified = true;
        } else if (!optionsEnded && a.size() > 1 && a[0] == '-') {
            status = UsageError("unknown option '" + a + "' for diff");
            return false;
        } else {
            files.push_back(a);
        }
    }
    if (files.size() != 2) {
        status = UsageError("diff needs two files, OLD and NEW (got " +
                            std::to_string(files.size()) + ")");
        return false;
    }
    out.OldPath = files[0];
    out.NewPath = files[1];
    return true;
}

bool ReadSide(const std::string& path, std::vector<std::string>& lines) {
    const TIoResult read = ReadTextLines(path, lines);
    if (!read.Ok) std::cerr << "plumora-cli: " << read.Error << "\n";
    return read.Ok;
}

bool HasNul(const std::vector<std::string>& lines) {
    return std::any_of(lines.begin(), lines.end(),
                       [](const std::string& l) { return l.find('\0') != std::string::npos; });
}

void AppendPadded(std::string& out, const std::string& text, std::size_t width, bool right) {
    if (right) out.append(width > text.size() ? width - text.size() : 0, ' ');
    out += text;
    if (!right) out.append(width > text.size() ? width - text.size() : 0, ' ');
}

// One row per line: kind, left number and text, "|", right number and text.
std::string SideBySide(const std::vector<TDiffRow>& rows, const std::vector<std::string>& left,
                       const std::vector<std::string>& right) {
    std::size_t textWidth = 0;
    for (const auto& line : left) textWidth = std::max(textWidth, line.size());
    textWidth = std::min(textWidth, kMaxLeftWidth);
    const std::size_t numberWidth =
        std::to_string(std::max<std::size_t>({left.size(), right.size(), 1})).size();
    static const std::string kNone;
    std::string out;
    for (const TDiffRow& row : rows) {
        AppendPadded(out, RowKindName(row.Kind), 8, false);
        out += ' ';
        AppendPadded(out, row.Left >= 0 ? std::to_string(row.Left + 1) : kNone, numberWidth, true);
        out += ' ';
        AppendPadded(out, row.Left >= 0 ? left[row.Left] : kNone, textWidth, false);
        out += " |";
        if (row.Right >= 0) {
            out += ' ';
            AppendPadded(out, std::to_string(row.Right + 1), numberWidth, true);
            if (!right[row.Right].empty()) {
                out += ' ';
                out += right[row.Right];
            }
        }
        out += '\n';
    }
    return out;
}

}  // namespace

int RunDiff(const std::vector<std::string>& args) {
    DiffArgs a;
    int status = kExitUsage;
    if (!ParseArgs(args, a, status)) return status;

    std::vector<std::string> oldLines, newLines;
    // A file that cannot be read is a failure, not a usage error.
    if (!ReadSide(a.OldPath, oldLines) || !ReadSide(a.NewPath, newLines)) return kExitFailed;

    const std::vector<TDiffRow> rows = LayOutRows(MatchLines(oldLines, newLines));
    const bool equal = AllMatched(rows);
    std::string out;
    if (HasNul(oldLines) || HasNul(newLines)) {
        // Rows of binary bytes help nobody and upset terminals.
        if (!equal) out = "Binary files " + a.OldPath + " and " + a.NewPath + " differ\n";
    } else if (a.Unified) {
        out = UnifiedDiffFromRows(rows, oldLines, newLines, a.OldPath, a.NewPath);
    } else {
        out = SideBySide(rows, oldLines, newLines);
    }
    if (!WriteOut(ForTerminal(std::move(out)))) return kExitFailed;
    return equal ? kExitOk : kExitFailed;
}

}  // namespace plumora::cli

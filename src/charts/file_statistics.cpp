// Counting the lines of one file for the statistics charts.
#include "charts/file_statistics.h"

#include <algorithm>
#include <array>

namespace plumora {

namespace {

bool IsTrimChar(char c) { return static_cast<unsigned char>(c) <= 32; }

std::string_view Trim(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsTrimChar(text[begin])) ++begin;
    while (end > begin && IsTrimChar(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

// The keywords are compared case-sensitively and with their blank: "Sub Main"
// counts, "function f" and "Private Static Function" do not.
constexpr std::array<std::string_view, 8> kRoutinePrefixes = {
    "Function ",        "Private Function ", "Static Function ", "Public Function ",
    "Sub ",             "Private Sub ",      "Static Sub ",      "Public Sub ",
};

bool StartsWithGlobal(std::string_view code) {
    constexpr std::string_view kGlobal = "GLOBAL ";
    if (code.size() < kGlobal.size()) return false;
    for (std::size_t i = 0; i < kGlobal.size(); ++i) {
        char c = code[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != kGlobal[i]) return false;
    }
    return true;
}

bool IsRoutineCode(std::string_view code) {
    return std::any_of(kRoutinePrefixes.begin(), kRoutinePrefixes.end(),
                       [code](std::string_view prefix) { return code.starts_with(prefix); });
}

std::int64_t GlobalsOfCode(std::string_view code) {
    if (!StartsWithGlobal(code)) return 0;
    return 1 + std::count(code.begin(), code.end(), ',');
}

}  // namespace

std::size_t StatsCommentStart(std::string_view line) {
    bool inString = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"') {
            inString = !inString;
        } else if (line[i] == '\'' && !inString) {
            return i;
        }
    }
    return std::string_view::npos;
}

std::string_view StatsCodeText(std::string_view line) {
    std::size_t comment = StatsCommentStart(line);
    if (comment != std::string_view::npos) line = line.substr(0, comment);
    return Trim(line);
}

bool IsStatsRoutineLine(std::string_view line) { return IsRoutineCode(StatsCodeText(line)); }

std::int64_t StatsGlobalsOfLine(std::string_view line) { return GlobalsOfCode(StatsCodeText(line)); }

void CountStatsLine(std::string_view line, TFileLineStats& stats) {
    bool hasComment = StatsCommentStart(line) != std::string_view::npos;
    std::string_view code = StatsCodeText(line);
    if (hasComment) ++stats.CommentLines;
    if (!code.empty()) {
        ++stats.CodeLines;
        if (IsRoutineCode(code)) ++stats.Routines;
        stats.Globals += GlobalsOfCode(code);
    } else if (!hasComment) {
        ++stats.BlankLines;
    }
}

TFileLineStats CountFileLines(const std::vector<std::string>& lines) {
    TFileLineStats stats;
    for (const std::string& line : lines) CountStatsLine(line, stats);
    return stats;
}

std::int64_t PercentHalfEven(std::int64_t numerator, std::int64_t denominator) {
    if (denominator <= 0) denominator = 1;
    const std::int64_t scaled = numerator * 100;
    std::int64_t quotient = scaled / denominator;
    const std::int64_t twiceRest = 2 * (scaled % denominator);
    if (twiceRest > denominator || (twiceRest == denominator && quotient % 2 != 0)) ++quotient;
    return quotient;
}

std::int64_t CommentPercent(const TFileLineStats& stats) {
    return PercentHalfEven(stats.CommentLines, stats.CodeLines);
}

std::int64_t BlankPercent(const TFileLineStats& stats) {
    return PercentHalfEven(stats.BlankLines, stats.CodeLines);
}

}  // namespace plumora

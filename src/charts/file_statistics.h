// What the statistics count in one file's lines: routines, globals, comment,
// blank and code lines, and the two percentages built from them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace plumora {

// 0-based index of the apostrophe that starts the line's comment: the first
// one outside a double-quoted string, where every double quote switches
// between inside and outside. npos when the line has no comment.
std::size_t StatsCommentStart(std::string_view line);

// The line cut before its comment, then trimmed at both ends (every character
// code 0 to 32).
std::string_view StatsCodeText(std::string_view line);

// One line's contribution to each count.
bool IsStatsRoutineLine(std::string_view line);
std::int64_t StatsGlobalsOfLine(std::string_view line);

struct TFileLineStats {
    std::int64_t Routines = 0;
    std::int64_t Globals = 0;
    std::int64_t CommentLines = 0;  // lines holding a comment apostrophe
    std::int64_t CodeLines = 0;     // lines with text left once the comment is cut
    std::int64_t BlankLines = 0;    // lines without comment, empty once trimmed
};

// Adds one line to the counts.
void CountStatsLine(std::string_view line, TFileLineStats& stats);
TFileLineStats CountFileLines(const std::vector<std::string>& lines);

// numerator * 100 / denominator rounded to the nearest integer, halves to
// even. Computed on integers so that 12.5 is exactly a half. A denominator
// of 0 counts as 1 (a file without code).
std::int64_t PercentHalfEven(std::int64_t numerator, std::int64_t denominator);

std::int64_t CommentPercent(const TFileLineStats& stats);
std::int64_t BlankPercent(const TFileLineStats& stats);

}  // namespace plumora

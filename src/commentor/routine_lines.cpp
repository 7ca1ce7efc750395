// Line tests and routine searches of the commentor.
#include "commentor/routine_lines.h"

#include <algorithm>
#include <array>

#include "formatter/line_ops.h"

namespace plumora {

namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

}  // namespace

bool IsRoutineLine(std::string_view line) {
    static constexpr std::array<std::string_view, 8> kStarts = {
        "Function ",        "Private Function ", "Static Function ", "Public Function ",
        "Sub ",             "Private Sub ",      "Static Sub ",      "Public Sub "};
    std::string_view text = TrimLeftView(line);
    return std::any_of(kStarts.begin(), kStarts.end(),
                       [&](std::string_view start) { return StartsWith(text, start); });
}

bool IsRoutineEndLine(std::string_view line) {
    std::string text(TrimLeftView(line));
    text += ' ';
    return StartsWith(text, "End Sub ") || StartsWith(text, "End Function ");
}

bool IsBlockCommentLine(std::string_view line) { return !line.empty() && line[0] == '\''; }

std::optional<std::size_t> FindRoutineDown(const std::vector<std::string>& lines,
                                           std::size_t from) {
    for (std::size_t i = from; i < lines.size(); ++i) {
        if (IsRoutineLine(lines[i])) return i;
    }
    return std::nullopt;
}

std::optional<std::size_t> FindRoutineUp(const std::vector<std::string>& lines,
                                         std::size_t from, std::size_t lowest) {
    if (lines.empty()) return std::nullopt;
    if (from >= lines.size()) from = lines.size() - 1;
    for (std::size_t i = from + 1; i-- > lowest;) {
        if (IsRoutineLine(lines[i])) return i;
    }
    return std::nullopt;
}

}  // namespace plumora

// The checks that keep unloadable files from being written.
#include "formatter/style_refusals.h"

#include <algorithm>

#include "formatter/classifier.h"
#include "formatter/line_ops.h"
#include "formatter/statement_kind.h"

namespace plumora {

namespace {

std::string LineNumber(std::size_t index) { return std::to_string(index + 1); }

bool IsBlockBegin(std::string_view trimmed) {
    return StartsWithNoCase(trimmed, "BEGIN") && (trimmed.size() == 5 || trimmed[5] == ' ');
}

bool IsBlockEnd(std::string_view trimmed) {
    return trimmed.size() == 3 && StartsWithNoCase(trimmed, "END");
}

}  // namespace

std::string RefuseSource(const std::vector<std::string>& lines, std::string_view fileName) {
    const std::string file(fileName);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].find('\0') != std::string::npos) {
            return file + ": line " + LineNumber(i) +
                   " holds a NUL byte, so this is not a Visual Basic source file (text saved as "
                   "UTF-16 or Unicode must be saved as ANSI first). The file was not styled.";
        }
    }
    if (lines.empty() || !StartsWithNoCase(TrimView(lines[0]), "VERSION ")) return {};

    // The description block: the Begin ... End nesting after VERSION. It
    // must close before the code starts.
    int depth = 0;
    std::size_t firstBegin = lines.size();
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string_view t = TrimView(lines[i]);
        if (IsBlockBegin(t)) {
            if (depth++ == 0 && firstBegin == lines.size()) firstBegin = i;
        } else if (IsBlockEnd(t) && depth > 0) {
            if (--depth == 0) return {};
        } else if (IsProcedureStart(Classify(t))) {
            break;
        }
    }
    if (firstBegin == lines.size()) {
        return file + ": the form description that starts with VERSION on line 1 has no "
                      "Begin ... End block before the code; Visual Basic could not load the "
                      "file. The file was not styled.";
    }
    return file + ": the form description block that begins on line " + LineNumber(firstBegin) +
           " has no End closing it before the code; Visual Basic could not load the file. The "
           "file was not styled.";
}

std::string RefuseStyled(const std::vector<std::string>& source, const TStyledLines& styled,
                         std::string_view fileName, int tabStops) {
    // Source lines already over the limit were the user's; the pieces that
    // styling makes of them (split, re-indented) may stay long.
    std::vector<std::string> longSource;
    for (const std::string& line : source)
        if (line.size() > kVBMaxLineLength)
            longSource.emplace_back(TrimView(TabsToSpaces(line, tabStops)));
    for (std::size_t i = 0; i < styled.size(); ++i) {
        const std::string& text = styled[i].Text;
        if (text.size() <= kVBMaxLineLength) continue;
        const std::string_view code = TrimView(text);
        const bool fromLongSource =
            std::any_of(longSource.begin(), longSource.end(), [&](const std::string& s) {
                return s.size() >= code.size() && s.find(code) != std::string_view::npos;
            });
        if (fromLongSource) continue;
        return std::string(fileName) + ": styled line " + LineNumber(i) + " would be " +
               std::to_string(text.size()) + " characters long, more than the " +
               std::to_string(kVBMaxLineLength) +
               " that Visual Basic accepts (the source line was within the limit; deep nesting "
               "indents it too far). The file was not written.";
    }
    return {};
}

}  // namespace plumora

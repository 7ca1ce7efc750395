// Text and line operations shared by the formatter rules.
#include "formatter/line_ops.h"

#include <algorithm>

#include "formatter/code_scan.h"

namespace plumora {

std::string LeftPart(std::string_view text, int n) {
    if (n <= 0) return {};
    return std::string(text.substr(0, static_cast<std::size_t>(n)));
}

std::string RightPart(std::string_view text, int n) {
    if (n <= 0) return {};
    std::size_t k = std::min(text.size(), static_cast<std::size_t>(n));
    return std::string(text.substr(text.size() - k));
}

int FindText(std::string_view text, std::string_view sought) {
    return FindTextFrom(1, text, sought);
}

int FindTextFrom(int start, std::string_view text, std::string_view sought) {
    if (start < 1) start = 1;
    if (static_cast<std::size_t>(start) > text.size()) return 0;
    std::size_t p = text.find(sought, static_cast<std::size_t>(start - 1));
    return p == std::string_view::npos ? 0 : static_cast<int>(p) + 1;
}

std::string Blanks(int n) { return n <= 0 ? std::string() : std::string(std::size_t(n), ' '); }

int LeadingBlanks(std::string_view text) {
    std::size_t p = text.find_first_not_of(' ');
    return static_cast<int>(p == std::string_view::npos ? text.size() : p);
}

std::string RepeatToLength(std::string_view pattern, int n) {
    n = std::min(n, 1000);
    if (n <= 0 || pattern.empty()) return {};
    std::string out;
    out.reserve(std::size_t(n));
    while (out.size() < std::size_t(n)) out.append(pattern);
    out.resize(std::size_t(n));
    return out;
}

std::string_view TrimLeftView(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsTrimmed(text[i])) ++i;
    return text.substr(i);
}

std::string_view TrimRightView(std::string_view text) {
    std::size_t n = text.size();
    while (n > 0 && IsTrimmed(text[n - 1])) --n;
    return text.substr(0, n);
}

std::string_view TrimView(std::string_view text) { return TrimRightView(TrimLeftView(text)); }

void UpperInto(std::string_view text, std::string& out) {
    out.assign(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
}

static char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (UpperAscii(text[i]) != UpperAscii(prefix[i])) return false;
    return true;
}

std::string TabsToSpaces(std::string_view line, int tabStops) {
    std::string out;
    TabsToSpacesInto(line, tabStops, out);
    return out;
}

void TabsToSpacesInto(std::string_view line, int tabStops, std::string& out) {
    if (line.find('\t') == std::string_view::npos) {
        out.assign(line);
        return;
    }
    out.clear();
    for (char c : line) {
        if (c == '\t')
            out.append(std::size_t(std::max(tabStops, 0)), ' ');
        else
            out.push_back(c);
    }
}

std::size_t SplitLineNumber(std::string_view line, std::string_view& number,
                            std::string_view& statement) {
    std::size_t i = 0;
    while (i < line.size() && line[i] == ' ') ++i;
    std::size_t d = i;
    while (d < line.size() && line[d] >= '0' && line[d] <= '9') ++d;
    if (d == i || (d < line.size() && line[d] != ' ')) {
        number = {};
        statement = line.substr(i);
        return 0;
    }
    number = line.substr(i, d - i);
    while (d < line.size() && line[d] == ' ') ++d;
    statement = line.substr(d);
    return number.size();
}

int CommentStart(std::string_view line) {
    const TLineScan scan = ScanLine(line);
    return scan.Comment == kNone ? 0 : int(scan.Comment) + 1;
}

int RemStart(std::string_view line) {
    const TLineScan scan = ScanLine(line);
    return scan.Rem == kNone ? 0 : int(scan.Rem) + 1;
}

void CleanCodeInto(std::string_view line, std::string& out) {
    CleanCodeInto(line, ScanLine(line), out);
}

void CleanCodeInto(std::string_view line, const TLineScan& scan, std::string& out) {
    const std::string_view code = TrimLeftView(line.substr(0, scan.CodeEnd));
    out.clear();
    for (std::size_t i = 0; i < code.size();) {
        if (std::size_t n = LiteralLengthAt(code, i)) {
            i += n;
            continue;
        }
        out.push_back(UpperChar(code[i]));
        ++i;
    }
    out.resize(TrimRightView(out).size());
}

void StripComment(std::string& line) {
    int p = CommentStart(line);
    if (p <= 0) return;
    line.resize(TrimRightView(std::string_view(line).substr(0, std::size_t(p - 1))).size());
}

std::string CommentText(std::string_view line) {
    int p = CommentStart(line);
    if (p <= 0) return {};
    return std::string(line.substr(std::size_t(p)));
}

bool IsCommentLine(std::string_view line) {
    std::size_t p = line.find_first_not_of(' ');
    return p != std::string_view::npos && line[p] == '\'';
}

std::string_view CodePart(std::string_view line) { return line.substr(0, ScanLine(line).CodeEnd); }

bool HasStringLiteral(std::string_view line) { return ScanLine(line).Quote; }

void StripLiterals(std::string& line) {
    bool inLiteral = false;
    std::size_t w = 0;
    for (char c : line) {
        if (c == '"')
            inLiteral = !inLiteral;
        else if (!inLiteral)
            line[w++] = c;
    }
    line.resize(w);
}

int FindOutsideQuotes(std::string_view text, char c) {
    bool inLiteral = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"')
            inLiteral = !inLiteral;
        else if (!inLiteral && text[i] == c)
            return int(i) + 1;
    }
    return 0;
}

bool IsInsideLiteral(int n, std::string_view text) {
    if (n < 1 || std::size_t(n) > text.size()) return false;
    auto quotes = std::count(text.begin(), text.begin() + (n - 1), '"');
    return quotes % 2 == 1;
}

}  // namespace plumora

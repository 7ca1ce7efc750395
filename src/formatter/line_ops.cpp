// Text and line operations shared by the formatter rules.
#include "formatter/line_ops.h"

#include <algorithm>

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

namespace {

struct CommentScan {
    int Apostrophe = 0;  // 1-based position of the comment's apostrophe
    int Rem = 0;         // 1-based position of a Rem statement's keyword
};

bool IsRemAt(std::string_view line, std::size_t i) {
    if (i + 3 > line.size()) return false;
    if (UpperAscii(line[i]) != 'R' || UpperAscii(line[i + 1]) != 'E' ||
        UpperAscii(line[i + 2]) != 'M')
        return false;
    return i + 3 == line.size() || IsTrimmed(line[i + 3]);
}

// One walk finds whichever comes first outside literals: an apostrophe, or a
// Rem keyword where a statement starts (line start, after a line number, after
// a ":" separator).
CommentScan ScanComment(std::string_view line) {
    CommentScan scan;
    std::string_view number, statement;
    SplitLineNumber(line, number, statement);
    std::size_t i = line.size() - statement.size();
    bool inLiteral = false;
    bool atStatement = true;
    for (; i < line.size(); ++i) {
        char c = line[i];
        if (!inLiteral) {
            if (c == '\'') {
                scan.Apostrophe = int(i) + 1;
                return scan;
            }
            if (atStatement && IsRemAt(line, i)) {
                scan.Rem = int(i) + 1;
                return scan;
            }
            if (c == ':')
                atStatement = true;
            else if (!IsTrimmed(c))
                atStatement = false;
        }
        if (c == '"') inLiteral = !inLiteral;
    }
    return scan;
}

}  // namespace

int CommentStart(std::string_view line) { return ScanComment(line).Apostrophe; }

// The same walk as ScanComment, copying what it passes over.
void CleanCodeInto(std::string_view line, std::string& out) {
    out.clear();
    std::string_view number, statement;
    SplitLineNumber(line, number, statement);
    std::size_t i = line.size() - TrimLeftView(line).size();
    const std::size_t statementStart = line.size() - statement.size();
    for (; i < statementStart; ++i) out.push_back(line[i]);
    bool inLiteral = false;
    bool atStatement = true;
    for (; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') {
            inLiteral = !inLiteral;
            continue;
        }
        if (inLiteral) continue;
        if (c == '\'') break;
        if (atStatement && IsRemAt(line, i)) break;
        if (c == ':')
            atStatement = true;
        else if (!IsTrimmed(c))
            atStatement = false;
        out.push_back(UpperAscii(c));
    }
    out.resize(TrimRightView(out).size());
}

int RemStart(std::string_view line) { return ScanComment(line).Rem; }

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

std::string_view CodePart(std::string_view line) {
    CommentScan scan = ScanComment(line);
    int p = scan.Apostrophe ? scan.Apostrophe : scan.Rem;
    if (p > 0) line = line.substr(0, std::size_t(p - 1));
    return TrimRightView(line);
}

bool HasStringLiteral(std::string_view line) {
    return CodePart(line).find('"') != std::string_view::npos;
}

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

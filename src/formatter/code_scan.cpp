// The literal- and comment-aware scanner shared by every formatter rule and
// by the safety net.
#include "formatter/code_scan.h"

#include <array>
#include <cstring>

namespace plumora {

namespace {

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }
constexpr bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// A word inside a date literal: a month name (or its first three letters or
// more) or a time marker.
bool IsDateWord(std::string_view w) {
    static constexpr std::array<std::string_view, 12> kMonths = {
        "JANUARY", "FEBRUARY", "MARCH",     "APRIL",   "MAY",      "JUNE",
        "JULY",    "AUGUST",   "SEPTEMBER", "OCTOBER", "NOVEMBER", "DECEMBER"};
    if (w.size() > 9) return false;
    char u[10];
    for (std::size_t k = 0; k < w.size(); ++k) u[k] = UpperChar(w[k]);
    const std::string_view up(u, w.size());
    if (up == "AM" || up == "PM" || up == "A" || up == "P") return true;
    if (up.size() < 3) return false;
    for (auto m : kMonths)
        if (m.substr(0, up.size()) == up) return true;
    return false;
}

bool IsWordAt(std::string_view s, std::size_t i, std::string_view upperWord) {
    if (i + upperWord.size() > s.size()) return false;
    if (i > 0 && IsWordChar(s[i - 1])) return false;
    for (std::size_t k = 0; k < upperWord.size(); ++k)
        if (UpperChar(s[i + k]) != upperWord[k]) return false;
    return i + upperWord.size() == s.size() || !IsWordChar(s[i + upperWord.size()]);
}

bool IsRemAt(std::string_view line, std::size_t i) {
    return i + 3 <= line.size() && UpperChar(line[i]) == 'R' && UpperChar(line[i + 1]) == 'E' &&
           UpperChar(line[i + 2]) == 'M' && (i + 3 == line.size() || IsBlankChar(line[i + 3]));
}

// A string literal that runs to the end of the line is closed when its quotes
// (the opening one included) are even in number.
bool ClosesString(std::string_view literal) {
    std::size_t quotes = 0;
    for (char c : literal) quotes += c == '"';
    return quotes % 2 == 0;
}

}  // namespace

bool EndsWithContinuationMark(std::string_view text) {
    std::size_t n = text.size();
    while (n > 0 && IsBlankChar(text[n - 1])) --n;
    return n > 0 && text[n - 1] == '_' && (n == 1 || IsBlankChar(text[n - 2]));
}

std::size_t DateLiteralLength(std::string_view text, std::size_t i) {
    if (i >= text.size() || text[i] != '#') return 0;
    if (i > 0 && (IsWordChar(text[i - 1]) || text[i - 1] == '#')) return 0;  // x# suffix
    const std::size_t close = text.find('#', i + 1);
    if (close == std::string_view::npos || close == i + 1) return 0;
    const std::string_view body = text.substr(i + 1, close - i - 1);
    bool digit = false, separator = false, month = false;
    for (std::size_t k = 0; k < body.size();) {
        const char c = body[k];
        if (IsLetter(c)) {
            std::size_t e = k;
            while (e < body.size() && IsLetter(body[e])) ++e;
            if (!IsDateWord(body.substr(k, e - k))) return 0;
            month = month || e - k >= 3;
            k = e;
            continue;
        }
        if (IsDigit(c))
            digit = true;
        else if (c == '/' || c == '-' || c == ':')
            separator = true;
        else if (c != ' ' && c != ',' && c != '.')
            return 0;
        ++k;
    }
    if (!digit || !(separator || month)) return 0;
    return close - i + 1;
}

std::size_t LiteralLengthAt(std::string_view line, std::size_t i) {
    if (i >= line.size()) return 0;
    if (line[i] == '#') return DateLiteralLength(line, i);
    if (line[i] != '"') return 0;
    std::size_t j = i + 1;
    while (j < line.size()) {
        if (line[j] == '"') {
            if (j + 1 < line.size() && line[j + 1] == '"') {
                j += 2;
                continue;
            }
            return j + 1 - i;
        }
        ++j;
    }
    return line.size() - i;
}

TLineScan ScanLine(std::string_view line) {
    TLineScan scan;
    std::size_t i = 0;
    while (i < line.size() && IsBlankChar(line[i])) ++i;
    // A line number: digits followed by a blank or the end.
    std::size_t d = i;
    while (d < line.size() && IsDigit(line[d])) ++d;
    std::size_t codeEnd = 0;  // one past the last non-blank code character
    if (d > i && (d == line.size() || IsBlankChar(line[d]))) {
        codeEnd = d;  // the line number is code
        for (i = d; i < line.size() && IsBlankChar(line[i]);) ++i;
    }
    bool atStatement = true;
    for (; i < line.size();) {
        const char c = line[i];
        if (c == '"') {
            scan.Quote = true;
            const std::size_t n = LiteralLengthAt(line, i);
            scan.OpenLiteral = i + n == line.size() && !ClosesString(line.substr(i, n));
            i += n;
            codeEnd = i;
            atStatement = false;
            continue;
        }
        if (c == '#') {
            if (std::size_t n = DateLiteralLength(line, i)) {
                i += n;
                codeEnd = i;
                atStatement = false;
                continue;
            }
        }
        if (c == '\'') {
            scan.Comment = i;
            break;
        }
        if (atStatement && (c == 'R' || c == 'r') && IsRemAt(line, i)) {
            scan.Rem = i;
            break;
        }
        if (c == ':') {
            if (i + 1 < line.size() && line[i + 1] == '=') {
                i += 2;
                codeEnd = i;
                atStatement = false;
                continue;
            }
            if (scan.Colon == kNone) scan.Colon = i;
            atStatement = true;
            codeEnd = i + 1;
            ++i;
            continue;
        }
        if (IsBlankChar(c)) {
            ++i;
            continue;
        }
        if (IsWordChar(c)) {
            std::size_t e = i + 1;
            while (e < line.size() && IsWordChar(line[e])) ++e;
            // A statement starts after Then and Else of a single-line If.
            const char u = UpperChar(c);
            atStatement = e - i == 4 && (u == 'T' || u == 'E') &&
                          (IsWordAt(line, i, "THEN") || IsWordAt(line, i, "ELSE"));
            i = e;
            codeEnd = i;
            continue;
        }
        atStatement = false;
        ++i;
        codeEnd = i;
    }
    scan.CodeEnd = codeEnd;
    if (scan.OpenLiteral) return scan;  // a "_" in an open literal continues nothing
    scan.Continued = EndsWithContinuationMark(line.substr(0, codeEnd));
    if (scan.HasComment())
        scan.CommentContinued = EndsWithContinuationMark(line.substr(scan.CommentStart()));
    return scan;
}

std::size_t FindOutsideLiterals(std::string_view text, char c, std::size_t from) {
    for (std::size_t i = 0; i < text.size();) {
        if (std::size_t n = LiteralLengthAt(text, i)) {
            i += n;
            continue;
        }
        if (text[i] == c && i >= from) return i;
        ++i;
    }
    return kNone;
}

std::size_t FindWordOutsideLiterals(std::string_view text, std::string_view upperWord,
                                    std::size_t from) {
    for (std::size_t i = 0; i < text.size();) {
        if (std::size_t n = LiteralLengthAt(text, i)) {
            i += n;
            continue;
        }
        if (i >= from && IsWordAt(text, i, upperWord)) return i;
        ++i;
    }
    return kNone;
}

void ExpandTabs(std::string_view line, int tabStops, std::string& out, bool commentText) {
    if (line.empty() || std::memchr(line.data(), '\t', line.size()) == nullptr) {
        out.assign(line);
        return;
    }
    out.clear();
    const std::size_t width = tabStops > 0 ? std::size_t(tabStops) : 0;
    bool inString = false;
    bool inComment = commentText;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '\t' && !inString) {
            out.append(width, ' ');
            continue;
        }
        out.push_back(c);
        if (inComment) continue;
        if (c == '"')
            inString = !inString;
        else if (c == '\'' && !inString)
            inComment = true;
    }
}

}  // namespace plumora

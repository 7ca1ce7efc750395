// Word breaking for comments and literals.
#include "spelling/word_breaker.h"

#include "viewers/windows_1252.h"

namespace plumora {

namespace {

bool IsBlank(unsigned char c) { return c <= 32 || c == 0xA0; }
bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool IsAlnum(unsigned char c) { return IsWordLetter(c) || IsDigit(c); }
// The typewriter apostrophe and the right single quote of the code page.
bool IsApostrophe(unsigned char c) { return c == '\'' || c == 0x92; }
bool IsRunChar(unsigned char c) { return IsAlnum(c) || IsApostrophe(c) || c == '_'; }

bool IsVowel(unsigned char c) {
    switch (c) {
        case 'a': case 'e': case 'i': case 'o': case 'u': case 'y':
        case 'A': case 'E': case 'I': case 'O': case 'U': case 'Y':
            return true;
        default:
            return c >= 0x80 && IsWordLetter(c);  // accented letters: give them the benefit
    }
}

bool HasLowerAt(std::string_view s, std::size_t i) {
    return i < s.size() && IsLowerLetter(static_cast<unsigned char>(s[i]));
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
    if (s.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (Windows1252Upper(static_cast<unsigned char>(s[i])) !=
            Windows1252Upper(static_cast<unsigned char>(prefix[i])))
            return false;
    return true;
}

// A blank-separated piece that names something rather than saying it.
bool IsAddressOrPath(std::string_view chunk) {
    // Opening punctuation does not change what follows: (see C:\x), <www.x>.
    std::size_t b = 0;
    while (b < chunk.size() && (chunk[b] == '(' || chunk[b] == '<' || chunk[b] == '[' ||
                                chunk[b] == '"' || chunk[b] == '{' || chunk[b] == '\''))
        ++b;
    const std::string_view s = chunk.substr(b);
    if (s.find("://") != std::string_view::npos || StartsWithNoCase(s, "www.")) return true;
    if (s.find('\\') != std::string_view::npos) return true;
    if (!s.empty() && (s[0] == '/' || s[0] == '~')) return true;
    // .bak, *.bak, ?.tmp: an extension or a file pattern
    for (std::size_t i = 0; i + 1 < s.size(); ++i) {
        if (s[i] != '.' || !IsAlnum(static_cast<unsigned char>(s[i + 1]))) continue;
        if (i == 0 || s[i - 1] == '*' || s[i - 1] == '?') return true;
    }
    if (s.rfind("./", 0) == 0 || s.rfind("../", 0) == 0) return true;
    if (s.size() >= 3 && IsWordLetter(static_cast<unsigned char>(s[0])) && s[1] == ':' &&
        (s[2] == '/' || s[2] == '\\'))
        return true;
    for (std::size_t i = 1; i + 1 < s.size(); ++i) {
        const auto before = static_cast<unsigned char>(s[i - 1]);
        const auto after = static_cast<unsigned char>(s[i + 1]);
        // user@host and name.ext, obj.Member, e.g., 1.5
        if ((s[i] == '@' || s[i] == '.') && IsAlnum(before) && IsAlnum(after)) return true;
    }
    // dir/file.ext (but not and/or)
    const std::size_t slash = s.rfind('/');
    if (slash != std::string_view::npos && s.find('.', slash) != std::string_view::npos) {
        const std::size_t dot = s.find('.', slash);
        if (dot + 1 < s.size() && IsAlnum(static_cast<unsigned char>(s[dot + 1]))) return true;
    }
    return false;
}

// &H1F, &hff, &O17 written after an ampersand.
bool IsRadixLiteral(std::string_view text, std::size_t runStart, std::size_t runEnd) {
    if (runStart == 0 || text[runStart - 1] != '&' || runEnd - runStart < 2) return false;
    const char radix = static_cast<char>(Windows1252Upper(static_cast<unsigned char>(text[runStart])));
    for (std::size_t i = runStart + 1; i < runEnd; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const bool ok = radix == 'H'   ? (IsDigit(c) || (Windows1252Upper(c) >= 'A' && Windows1252Upper(c) <= 'F'))
                        : radix == 'O' ? (c >= '0' && c <= '7')
                                       : false;
        if (!ok) return false;
    }
    return true;
}

void TrimApostrophes(std::string_view text, std::size_t& start, std::size_t& end) {
    while (start < end && (IsApostrophe(static_cast<unsigned char>(text[start])) || text[start] == '_'))
        ++start;
    while (end > start && (IsApostrophe(static_cast<unsigned char>(text[end - 1])) || text[end - 1] == '_'))
        --end;
}

void AddRun(std::string_view text, std::size_t start, std::size_t end, const TWordRules& rules,
            std::vector<TWordToken>& out) {
    TrimApostrophes(text, start, end);
    if (start >= end) return;
    const TWordSpan run{start, end - start};
    std::size_t p = start;
    while (p < end) {
        std::size_t q = p;
        while (q < end && text[q] != '_') ++q;
        std::size_t a = p, b = q;
        TrimApostrophes(text, a, b);
        if (a < b && WorthChecking(text.substr(a, b - a), rules)) out.push_back({run, {a, b - a}});
        p = q + 1;
    }
}

}  // namespace

bool IsWordLetter(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
    switch (c) {
        case 0x8A: case 0x8C: case 0x8E: case 0x9A: case 0x9C: case 0x9E: case 0x9F:
            return true;
        default:
            return c >= 0xC0 && c != 0xD7 && c != 0xF7;
    }
}

bool IsUpperLetter(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return true;
    if (c == 0x8A || c == 0x8C || c == 0x8E || c == 0x9F) return true;
    return c >= 0xC0 && c <= 0xDE && c != 0xD7;
}

bool IsLowerLetter(unsigned char c) { return IsWordLetter(c) && !IsUpperLetter(c); }

std::string UpperKey(std::string_view word) {
    std::string key(word);
    for (char& c : key) c = static_cast<char>(Windows1252Upper(static_cast<unsigned char>(c)));
    return key;
}

namespace {

// DIBs, DIB's, URLs: the plural or possessive of a word in capitals.
std::string_view WithoutPluralS(std::string_view word) {
    std::string_view w = word;
    if (w.size() > 2 && (w.back() == 's')) {
        w.remove_suffix(1);
        if (IsApostrophe(static_cast<unsigned char>(w.back()))) w.remove_suffix(1);
        for (char c : w)
            if (!IsUpperLetter(static_cast<unsigned char>(c))) return word;
        if (w.size() > 1) return w;
    }
    return word;
}

}  // namespace

bool WorthChecking(std::string_view word, const TWordRules& rules) {
    if (!rules.CheckAllCaps) word = WithoutPluralS(word);
    std::size_t letters = 0, digits = 0, uppers = 0, vowels = 0;
    for (char ch : word) {
        const auto c = static_cast<unsigned char>(ch);
        if (IsDigit(c)) ++digits;
        if (!IsWordLetter(c)) continue;
        ++letters;
        if (IsUpperLetter(c)) ++uppers;
        if (IsVowel(c)) ++vowels;
    }
    if (digits > 0 && !rules.CheckWithDigits) return false;
    if (letters == 0 || letters + digits < 2) return false;
    if (digits == 0 && letters < 2) return false;
    if (uppers == letters && letters > 1 && !rules.CheckAllCaps) return false;
    // yyyy, mmm, dddd: the pictures of a date format, not words
    bool oneLetter = true;
    for (char ch : word)
        if (Windows1252Upper(static_cast<unsigned char>(ch)) != Windows1252Upper(static_cast<unsigned char>(word[0])))
            oneLetter = false;
    return vowels > 0 && !oneLetter;
}

std::vector<TWordSpan> CamelCaseParts(std::string_view word) {
    std::vector<TWordSpan> parts;
    std::size_t start = 0;
    for (std::size_t i = 1; i < word.size(); ++i) {
        const auto prev = static_cast<unsigned char>(word[i - 1]);
        const auto c = static_cast<unsigned char>(word[i]);
        const bool lowerToUpper = IsLowerLetter(prev) && IsUpperLetter(c);
        // ...but DIBs is one word in capitals with its plural s.
        const bool pluralS = i + 2 == word.size() && word[i + 1] == 's';
        const bool acronymEnd =
            IsUpperLetter(prev) && IsUpperLetter(c) && HasLowerAt(word, i + 1) && !pluralS;
        if (lowerToUpper || acronymEnd) {
            parts.push_back({start, i - start});
            start = i;
        }
    }
    parts.push_back({start, word.size() - start});
    return parts;
}

std::vector<TWordToken> BreakIntoWords(std::string_view text, const TWordRules& rules) {
    std::vector<TWordToken> out;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && IsBlank(static_cast<unsigned char>(text[i]))) ++i;
        std::size_t chunkEnd = i;
        while (chunkEnd < text.size() && !IsBlank(static_cast<unsigned char>(text[chunkEnd]))) ++chunkEnd;
        if (i < chunkEnd && !IsAddressOrPath(text.substr(i, chunkEnd - i))) {
            std::size_t p = i;
            while (p < chunkEnd) {
                if (!IsRunChar(static_cast<unsigned char>(text[p]))) {
                    ++p;
                    continue;
                }
                std::size_t q = p;
                while (q < chunkEnd && IsRunChar(static_cast<unsigned char>(text[q]))) ++q;
                if (!IsRadixLiteral(text, p, q)) AddRun(text, p, q, rules, out);
                p = q;
            }
        }
        i = chunkEnd;
    }
    return out;
}

}  // namespace plumora

// Substring search over the lines of a view.
#include "text/line_search.h"

#include <algorithm>

#include "text/code_page.h"
#include "text/windows_1252.h"

namespace plumora {

namespace {

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// A match may start only where a character starts, and letters fold only
// where they are characters of their own: the trail byte of a double-byte
// character is a letter in ASCII but no letter of the text.
bool ContainsByCharacters(std::string_view line, std::string_view text, bool matchCase,
                          const TTextCodec& codec) {
    for (std::size_t start = 0; start + text.size() <= line.size();
         start += codec.CharLength(line, start)) {
        std::size_t i = 0;
        while (i < text.size()) {
            const std::size_t length = codec.CharLength(line, start + i);
            if (i + length > text.size()) break;
            const std::string_view a = line.substr(start + i, length);
            const std::string_view b = text.substr(i, length);
            if (length == 1 && !matchCase ? AsciiUpper(a[0]) != AsciiUpper(b[0]) : a != b) break;
            i += length;
        }
        if (i == text.size()) return true;
    }
    return false;
}

}  // namespace

bool LineContains(std::string_view line, std::string_view text, bool matchCase,
                  const TTextCodec& codec) {
    if (codec.CodePage() != kDefaultCodePage) return ContainsByCharacters(line, text, matchCase, codec);
    if (matchCase) return line.find(text) != std::string_view::npos;
    auto same = [](char a, char b) {
        return Windows1252Upper(static_cast<unsigned char>(a)) ==
               Windows1252Upper(static_cast<unsigned char>(b));
    };
    return std::search(line.begin(), line.end(), text.begin(), text.end(), same) != line.end();
}

bool LineContains(std::string_view line, std::string_view text, bool matchCase) {
    return LineContains(line, text, matchCase, TTextCodec::Of(kDefaultCodePage));
}

int FindLine(int lineCount, const TLineAt& lineAt, int topLine, std::string_view text, bool down,
             bool matchCase, const TTextCodec& codec) {
    if (lineCount <= 0) return -1;
    if (down) {
        for (int n = std::max(topLine + 1, 0); n < lineCount; ++n)
            if (LineContains(lineAt(n), text, matchCase, codec)) return n;
    } else {
        for (int n = std::min(topLine - 1, lineCount - 1); n >= 0; --n)
            if (LineContains(lineAt(n), text, matchCase, codec)) return n;
    }
    return -1;
}

int FindLine(int lineCount, const TLineAt& lineAt, int topLine, std::string_view text, bool down,
             bool matchCase) {
    return FindLine(lineCount, lineAt, topLine, text, down, matchCase,
                    TTextCodec::Of(kDefaultCodePage));
}

}  // namespace plumora

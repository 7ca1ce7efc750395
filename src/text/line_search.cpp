// Substring search over the lines of a view.
#include "text/line_search.h"

#include <algorithm>

#include "text/windows_1252.h"

namespace plumora {

bool LineContains(std::string_view line, std::string_view text, bool matchCase) {
    if (matchCase) return line.find(text) != std::string_view::npos;
    auto same = [](char a, char b) {
        return Windows1252Upper(static_cast<unsigned char>(a)) ==
               Windows1252Upper(static_cast<unsigned char>(b));
    };
    return std::search(line.begin(), line.end(), text.begin(), text.end(), same) != line.end();
}

int FindLine(int lineCount, const TLineAt& lineAt, int topLine, std::string_view text, bool down,
             bool matchCase) {
    if (lineCount <= 0) return -1;
    if (down) {
        for (int n = std::max(topLine + 1, 0); n < lineCount; ++n)
            if (LineContains(lineAt(n), text, matchCase)) return n;
    } else {
        for (int n = std::min(topLine - 1, lineCount - 1); n >= 0; --n)
            if (LineContains(lineAt(n), text, matchCase)) return n;
    }
    return -1;
}

}  // namespace plumora

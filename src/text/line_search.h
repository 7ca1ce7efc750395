// The search of the line views: from the first visible line down or up, one
// line at a time, never wrapping round.
#pragma once

#include <functional>
#include <string_view>

namespace plumora {

class TTextCodec;

// True when `line` holds `text` as a substring; without `matchCase` both are
// compared in upper case (Windows-1252 letters included).
bool LineContains(std::string_view line, std::string_view text, bool matchCase);
// The same in the text's code page: a match starts only where a character
// starts, and only ASCII letters of other code pages fold.
bool LineContains(std::string_view line, std::string_view text, bool matchCase,
                  const TTextCodec& codec);

// Gives the bytes of line n (0 <= n < line count).
using TLineAt = std::function<std::string_view(int)>;

// Searches the lines after `topLine` (down) or before it (up) for `text` and
// returns the first matching line, or -1. The top line itself is never
// searched, so repeating a search from a found line moves on from it.
int FindLine(int lineCount, const TLineAt& lineAt, int topLine, std::string_view text, bool down,
             bool matchCase);
int FindLine(int lineCount, const TLineAt& lineAt, int topLine, std::string_view text, bool down,
             bool matchCase, const TTextCodec& codec);

}  // namespace plumora

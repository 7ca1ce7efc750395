// Word breaking for the text of comments and string literals, which is
// prose mixed with code: numbers, hex literals, addresses, paths and names
// written in camelCase or with underscores. Works on Windows-1252 bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace plumora {

struct TWordSpan {
    std::size_t Start = 0;
    std::size_t Length = 0;
    friend bool operator==(const TWordSpan&, const TWordSpan&) = default;
};

// What the user can ask to have checked besides ordinary words.
struct TWordRules {
    bool CheckAllCaps = false;     // "HTML", "README"
    bool CheckWithDigits = false;  // "Text1", "2nd"
};

// One word to look up. `Part` is the word; `Run` is the name it stands in
// (parts joined by underscores, such as cmdSave_Click), which may be known
// as a whole.
struct TWordToken {
    TWordSpan Run;
    TWordSpan Part;
};

// The words of `text` worth looking up, in order. Left out: whatever sits
// in a blank-separated piece that is a web or e-mail address, a file path, a
// file pattern or extension (*.bak, .txt) or a dotted name (file.ext,
// Text1.Text, e.g.); hex and octal literals (&H1F,
// &O17); and parts that WorthChecking refuses. Letters, digits, apostrophes
// and underscores make up a run; underscores split it into parts, and
// apostrophes at either end of a part are not part of the word.
std::vector<TWordToken> BreakIntoWords(std::string_view text, const TWordRules& rules);

// False for what is not prose: fewer than two letters, digits (unless the
// rules say so; a number never), ALL CAPS (unless the rules say so), and
// abbreviations without a vowel (txt, msg, lbl, the Wnd of hWnd), which are
// names in code rather than words, and one letter repeated (the yyyy and
// mm of a date format).
bool WorthChecking(std::string_view word, const TWordRules& rules);

// The pieces of a camelCase or PascalCase word, relative to its start:
// "maxCount" gives max|Count, "HTTPServer" gives HTTP|Server. A word
// without an inner capital is one piece.
std::vector<TWordSpan> CamelCaseParts(std::string_view word);

// Windows-1252 letter classes used by the rules above.
bool IsWordLetter(unsigned char c);
bool IsUpperLetter(unsigned char c);
bool IsLowerLetter(unsigned char c);

// Upper case within the code page: the key under which names and ignored
// words are compared without regard to case.
std::string UpperKey(std::string_view word);

}  // namespace plumora

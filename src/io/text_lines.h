// Reading a text file into lines: CR, LF and CR LF all end a line, bytes are
// kept exactly (Windows-1252, NUL, Ctrl-Z), failures come back as values.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace plumora {

// Outcome of a disk operation: Ok, or a message for the user naming the file.
struct TIoResult {
    bool Ok = true;
    std::string Error;

    static TIoResult Success() { return {}; }
    static TIoResult Failure(std::string message) { return {false, std::move(message)}; }
};

// Splits bytes into lines without their line ends. A line end is CR, LF or
// CR LF; text after the last line end is one more line; empty text has no
// lines. Appends to `lines`.
void SplitTextLines(std::string_view text, std::vector<std::string>& lines);

// The line end that writing `text` back in its own style takes: LF for a
// text whose every line ends in a bare LF (a checkout with LF line ends),
// else CR LF, the line end of Visual Basic's own files.
std::string_view LineEndStyle(bool sawCR, bool sawLF);
std::string_view LineEndOf(std::string_view text);

// Reads the file at `localPath` (a path of this system, not a project path)
// into `lines`, replacing their content. On failure `lines` is left empty.
TIoResult ReadTextLines(const std::string& localPath, std::vector<std::string>& lines);
// The same, and `lineEnd` receives LineEndOf the file's bytes.
TIoResult ReadTextLines(const std::string& localPath, std::vector<std::string>& lines,
                        std::string& lineEnd);

// Counts the lines of the file the way ReadTextLines would split them,
// without keeping the text.
TIoResult CountTextLines(const std::string& localPath, std::size_t& count);

}  // namespace plumora

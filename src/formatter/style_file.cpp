// One source file through the passes and the safety net.
#include "formatter/style_file.h"

#include "formatter/style_refusals.h"

namespace plumora {

namespace {

// A Ctrl-Z at the very end of the file, on a line of its own or after the
// last line's text. Styling would treat it as a blank (codes up to 32 are
// trimmed) and could move or drop it.
bool DetachEndOfFileMark(const std::vector<std::string>& lines, std::vector<std::string>& copy) {
    if (lines.empty() || lines.back().empty() || lines.back().back() != kEndOfFileMark)
        return false;
    copy = lines;
    copy.back().pop_back();
    if (copy.back().empty()) copy.pop_back();
    return true;
}

bool SameText(const std::vector<std::string>& source, const TStyledLines& styled, bool mark) {
    // With a detached mark the source's last line is the mark itself (or
    // ends with it); compare without it and then the mark's own place.
    std::size_t n = source.size();
    if (mark) {
        if (source.back().size() != 1) return false;  // text before the mark moved
        --n;
    }
    if (n != styled.size()) return false;
    for (std::size_t i = 0; i < n; ++i)
        if (source[i] != styled[i].Text) return false;
    return true;
}

}  // namespace

TStyleResult StyleFile(TVBSrcFormatter& formatter, const std::vector<std::string>& lines,
                       std::string_view fileName, std::uint8_t fileKind) {
    TStyleResult result;
    formatter.FileName = std::string(fileName);
    formatter.FileKind = fileKind;
    std::vector<std::string> withoutMark;
    result.EndOfFileMark = DetachEndOfFileMark(lines, withoutMark);
    const std::vector<std::string>& source = result.EndOfFileMark ? withoutMark : lines;
    result.Refusal = RefuseSource(source, fileName);
    if (!result.Refusal.empty()) {
        formatter.Output.clear();
        result.Completed = true;
        return result;
    }
    result.Completed = formatter.StyleLines(source);
    if (!result.Completed) return result;
    result.Refusal = RefuseStyled(source, formatter.Output, fileName, formatter.VBTabStops);
    result.SafetyNet = CheckStyledCode(source, formatter.Output, formatter.Options(),
                                       fileName, formatter.VBTabStops);
    result.Changed = !SameText(lines, formatter.Output, result.EndOfFileMark);
    return result;
}

std::string StyledText(const TStyledLines& lines, bool endOfFileMark, std::string_view lineEnd) {
    std::size_t size = endOfFileMark ? 1 : 0;
    for (const TStyledLine& line : lines) size += line.Text.size() + lineEnd.size();
    std::string text;
    text.reserve(size);
    for (const TStyledLine& line : lines) {
        text.append(line.Text);
        text.append(lineEnd);
    }
    if (endOfFileMark) text.push_back(kEndOfFileMark);
    return text;
}

std::vector<std::string> StyledLines(const TStyledLines& lines, bool endOfFileMark) {
    std::vector<std::string> out;
    out.reserve(lines.size() + 1);
    for (const TStyledLine& line : lines) out.push_back(line.Text);
    if (endOfFileMark) out.emplace_back(1, kEndOfFileMark);
    return out;
}

}  // namespace plumora

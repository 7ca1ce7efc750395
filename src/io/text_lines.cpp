// Line splitting shared by the in-memory and the on-disk readers. The file is
// read in fixed blocks, so a huge file or a huge single line never costs more
// than the lines themselves.
#include "io/text_lines.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "io/read_open.h"

namespace plumora {

namespace {

constexpr std::size_t kBlockSize = 64 * 1024;

// The first CR or LF at or after `i`. (find_first_of with a two-byte set
// looks each byte up in the set with a call of its own: most of the time of
// reading a project went there.)
std::size_t FindLineEnd(std::string_view s, std::size_t i) {
    for (const char* p = s.data() + i, *e = s.data() + s.size(); p < e; ++p)
        if (*p == '\n' || *p == '\r') return std::size_t(p - s.data());
    return std::string_view::npos;
}

// Carries the state of a split across block boundaries: a CR at the very end
// of one block may be the first half of a CR LF pair.
class TLineScanner {
public:
    // `append(piece)` receives bytes of the current line, `end()` is called at
    // each line end.
    template <typename Append, typename End>
    void Feed(std::string_view block, Append&& append, End&& end) {
        std::size_t i = 0;
        if (pendingCR_ && !block.empty()) {
            pendingCR_ = false;
            if (block[0] == '\n') i = 1;
        }
        while (i < block.size()) {
            std::size_t pos = FindLineEnd(block, i);
            if (pos == std::string_view::npos) {
                append(block.substr(i));
                openLine_ = true;
                return;
            }
            append(block.substr(i, pos - i));
            end();
            openLine_ = false;
            if (block[pos] == '\r') {
                if (pos + 1 < block.size()) {
                    if (block[pos + 1] == '\n') ++pos;
                } else {
                    pendingCR_ = true;
                }
            }
            i = pos + 1;
        }
    }

    // True when bytes follow the last line end: they form one more line.
    bool OpenLine() const { return openLine_; }

private:
    bool pendingCR_ = false;
    bool openLine_ = false;
};

std::string ErrnoText(int err) { return std::strerror(err); }

// Opens `localPath` for reading and feeds its blocks to `consume`.
template <typename Consume>
TIoResult ReadBlocks(const std::string& localPath, Consume&& consume) {
    std::string error;
    const int fd = OpenRegularForReading(localPath, error);
    if (fd < 0) return TIoResult::Failure(error);
    std::string block(kBlockSize, '\0');
    for (;;) {
        ssize_t got = ::read(fd, block.data(), block.size());
        if (got < 0) {
            if (errno == EINTR) continue;
            int err = errno;
            ::close(fd);
            return TIoResult::Failure("Cannot read " + localPath + ": " + ErrnoText(err));
        }
        if (got == 0) break;
        consume(std::string_view(block.data(), static_cast<std::size_t>(got)));
    }
    ::close(fd);
    return TIoResult::Success();
}

}  // namespace

void SplitTextLines(std::string_view text, std::vector<std::string>& lines) {
    TLineScanner scanner;
    std::string current;
    scanner.Feed(
        text, [&](std::string_view piece) { current.append(piece); },
        [&] {
            lines.push_back(std::move(current));
            current.clear();
        });
    if (scanner.OpenLine()) lines.push_back(std::move(current));
}

std::string_view LineEndStyle(bool sawCR, bool sawLF) { return sawLF && !sawCR ? "\n" : "\r\n"; }

std::string_view LineEndOf(std::string_view text) {
    return LineEndStyle(text.find('\r') != std::string_view::npos,
                        text.find('\n') != std::string_view::npos);
}

TIoResult ReadTextLines(const std::string& localPath, std::vector<std::string>& lines) {
    std::string lineEnd;
    return ReadTextLines(localPath, lines, lineEnd);
}

TIoResult ReadTextLines(const std::string& localPath, std::vector<std::string>& lines,
                        std::string& lineEnd) {
    lines.clear();
    bool sawCR = false;
    bool sawLF = false;
    TLineScanner scanner;
    std::string current;
    TIoResult result = ReadBlocks(localPath, [&](std::string_view block) {
        sawCR = sawCR || block.find('\r') != std::string_view::npos;
        sawLF = sawLF || block.find('\n') != std::string_view::npos;
        scanner.Feed(
            block, [&](std::string_view piece) { current.append(piece); },
            [&] {
                lines.push_back(std::move(current));
                current.clear();
            });
    });
    if (!result.Ok) {
        lines.clear();
        return result;
    }
    if (scanner.OpenLine()) lines.push_back(std::move(current));
    lineEnd = LineEndStyle(sawCR, sawLF);
    return result;
}

TIoResult CountTextLines(const std::string& localPath, std::size_t& count) {
    count = 0;
    TLineScanner scanner;
    TIoResult result = ReadBlocks(localPath, [&](std::string_view block) {
        scanner.Feed(block, [](std::string_view) {}, [&] { ++count; });
    });
    if (!result.Ok) {
        count = 0;
        return result;
    }
    if (scanner.OpenLine()) ++count;
    return result;
}

}  // namespace plumora

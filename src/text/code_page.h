// The code pages that Visual Basic source may be written in, and reading
// their bytes as characters for display. Source text stays bytes everywhere
// else: only what is shown is decoded, and only what the user types is
// encoded back.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace plumora {

inline constexpr int kDefaultCodePage = 1252;
inline constexpr int kUtf8CodePage = 65001;

struct TCodePageInfo {
    int Number;           // the Windows code page number; 65001 for UTF-8
    const char* Caption;  // as menus and the options show it
    const char* Name;     // short, for messages: "Windows-1252", "Shift-JIS"
};

// The code pages offered, in the order of the menu: Windows-1252 first.
const std::vector<TCodePageInfo>& TextCodePages();
bool IsTextCodePage(int number);
// The entry of `number`; Windows-1252's for a number not offered.
const TCodePageInfo& CodePageInfo(int number);

// A bytes-to-Unicode table of one code page. Bytes that do not make a
// character of the code page (a lone lead byte, a byte the page leaves
// undefined, broken UTF-8) read as U+10F700 + byte, a private-use character
// that no code page uses (the Chinese and Japanese pages put their own
// characters into the private-use area of the first plane) and that Encode
// turns back into the same byte, so that text read and written again without
// an edit keeps its bytes. Windows-1252 keeps its five undefined bytes as
// the control characters of the same number.
class TTextCodec {
public:
    // The codec of `codePage`; Windows-1252 for a number not offered.
    static const TTextCodec& Of(int codePage);

    int CodePage() const { return number_; }
    // 932, 936, 949, 950: characters of one or two bytes.
    bool IsDoubleByte() const { return doubleByte_; }

    // Length in bytes of the character starting at `pos` (at least 1; 0 at
    // or after the end).
    std::size_t CharLength(std::string_view bytes, std::size_t pos) const;
    // The character starting at `pos` and its length in bytes.
    char32_t CharAt(std::string_view bytes, std::size_t pos, std::size_t& length) const;
    // Columns that character takes in a fixed-pitch view: its byte count in
    // the Windows code pages (a double-byte character is shown full width),
    // 1 or 2 (East Asian wide) in UTF-8.
    int Columns(char32_t ch, std::size_t length) const;

    // Appends the text of `bytes` as UTF-16.
    void Decode(std::string_view bytes, std::u16string& out) const;
    // Appends the bytes of `text`. A character the code page cannot hold
    // becomes "?"; the result is false when that happened.
    bool Encode(std::u16string_view text, std::string& out) const;

    struct TTables;  // the decoding and encoding tables, built on first use

private:
    TTextCodec(int number, const TTables* tables, bool doubleByte)
        : number_(number), tables_(tables), doubleByte_(doubleByte) {}

    int number_;
    const TTables* tables_;  // null for Windows-1252 and UTF-8
    bool doubleByte_;
};

// Stands for an undecodable byte (0x80 to 0xFF) when added to it.
inline constexpr char32_t kByteEscapeBase = 0x10F700;

}  // namespace plumora

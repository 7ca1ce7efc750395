// Windows-1252 conversions for the line views and their search.
#include "text/windows_1252.h"

#include <array>

namespace plumora {

namespace {

// 0x80..0x9F; the undefined positions keep their own number.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

}  // namespace

char16_t Windows1252ToUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
    return byte;
}

void Windows1252ToUtf16(std::string_view text, std::u16string& out) {
    out.reserve(out.size() + text.size());
    for (char c : text) out.push_back(Windows1252ToUnicode(static_cast<unsigned char>(c)));
}

bool Utf16ToWindows1252(std::u16string_view text, std::string& out) {
    out.reserve(out.size() + text.size());
    for (char16_t ch : text) {
        if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) {
            out.push_back(static_cast<char>(ch));
            continue;
        }
        bool found = false;
        for (std::size_t i = 0; i < kHighControls.size(); ++i) {
            if (kHighControls[i] == ch) {
                out.push_back(static_cast<char>(0x80 + i));
                found = true;
                break;
            }
        }
        if (!found) return false;
    }
    return true;
}

unsigned char Windows1252Upper(unsigned char byte) {
    if (byte >= 'a' && byte <= 'z') return byte - 0x20;
    if (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7) return byte - 0x20;
    switch (byte) {
        case 0x9A: return 0x8A;  // š
        case 0x9C: return 0x8C;  // œ
        case 0x9E: return 0x8E;  // ž
        case 0xFF: return 0x9F;  // ÿ
        default: return byte;
    }
}

}  // namespace plumora

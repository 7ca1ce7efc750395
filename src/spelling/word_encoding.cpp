// Conversions for words between Windows-1252, UTF-8 and dictionary encodings.
#include "spelling/word_encoding.h"

#include <algorithm>
#include <cctype>

#include "viewers/windows_1252.h"

#if __has_include(<iconv.h>)
#include <iconv.h>
#define PLUMORA_HAVE_ICONV 1
#endif

namespace plumora {

namespace {

void AppendUtf8(char32_t cp, std::string& out) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Decodes one character at `i`; false for a malformed sequence (overlong
// forms, surrogates and values beyond U+10FFFF included).
bool NextUtf8(std::string_view s, std::size_t& i, char32_t& cp) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = b(i);
    int extra = 0;
    if (c < 0x80) {
        cp = c;
    } else if (c >= 0xC2 && c <= 0xDF) {
        cp = c & 0x1F, extra = 1;
    } else if (c >= 0xE0 && c <= 0xEF) {
        cp = c & 0x0F, extra = 2;
    } else if (c >= 0xF0 && c <= 0xF4) {
        cp = c & 0x07, extra = 3;
    } else {
        return false;
    }
    if (i + extra >= s.size() && extra > 0) return false;
    for (int k = 1; k <= extra; ++k) {
        if ((b(i + k) & 0xC0) != 0x80) return false;
        cp = (cp << 6) | (b(i + k) & 0x3F);
    }
    if ((extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
        (cp >= 0xD800 && cp <= 0xDFFF))
        return false;
    i += extra + 1;
    return true;
}

// The eight places where ISO 8859-15 differs from ISO 8859-1.
constexpr struct {
    unsigned char Byte;
    char32_t Code;
} kLatin9[] = {{0xA4, 0x20AC}, {0xA6, 0x0160}, {0xA8, 0x0161}, {0xB4, 0x017D},
               {0xB8, 0x017E}, {0xBC, 0x0152}, {0xBD, 0x0153}, {0xBE, 0x0178}};

char32_t Latin9ToUnicode(unsigned char byte) {
    for (const auto& e : kLatin9)
        if (e.Byte == byte) return e.Code;
    return byte;
}

bool UnicodeToLatin9(char32_t cp, unsigned char& byte) {
    for (const auto& e : kLatin9) {
        if (e.Code == cp) return byte = e.Byte, true;
        if (e.Byte == cp) return false;  // the Latin-1 character that was replaced
    }
    if (cp > 0xFF) return false;
    byte = static_cast<unsigned char>(cp);
    return true;
}

bool UnicodeTo1252(char32_t cp, unsigned char& byte) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return byte = static_cast<unsigned char>(cp), true;
    if (cp > 0xFFFF) return false;
    std::string one;
    if (!Utf16ToWindows1252(std::u16string(1, static_cast<char16_t>(cp)), one)) return false;
    byte = static_cast<unsigned char>(one[0]);
    return true;
}

std::string Normalised(std::string name) {
    std::string out;
    for (char c : name)
        if (std::isalnum(static_cast<unsigned char>(c)))
            out.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    return out;
}

#ifdef PLUMORA_HAVE_ICONV
bool IconvConvert(void* cd, std::string_view in, std::string& out) {
    auto handle = static_cast<iconv_t>(cd);
    iconv(handle, nullptr, nullptr, nullptr, nullptr);
    out.clear();
    std::string buffer(in.size() * 4 + 16, '\0');
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char* dst = buffer.data();
    std::size_t dstLeft = buffer.size();
    if (iconv(handle, &src, &srcLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1)) return false;
    out.assign(buffer.data(), buffer.size() - dstLeft);
    return true;
}
#endif

}  // namespace

std::string Windows1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) AppendUtf8(Windows1252ToUnicode(static_cast<unsigned char>(c)), out);
    return out;
}

bool Utf8ToWindows1252(std::string_view utf8, std::string& out) {
    out.clear();
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t cp = 0;
        unsigned char byte = 0;
        if (!NextUtf8(utf8, i, cp) || !UnicodeTo1252(cp, byte)) return false;
        out.push_back(static_cast<char>(byte));
    }
    return true;
}

std::string WordListLineToUtf8(std::string_view line) {
    std::size_t i = 0;
    char32_t cp = 0;
    while (i < line.size() && NextUtf8(line, i, cp)) {
    }
    return i == line.size() ? std::string(line) : Windows1252ToUtf8(line);
}

TDictionaryCodec::TDictionaryCodec(std::string encoding) {
    const std::string n = Normalised(encoding);
    if (n == "UTF8" || n.empty()) {
        kind_ = Kind::Utf8;
    } else if (n == "ISO88591" || n == "LATIN1") {
        kind_ = Kind::Latin1;
    } else if (n == "ISO885915" || n == "LATIN9") {
        kind_ = Kind::Latin9;
    } else if (n == "MICROSOFTCP1252" || n == "CP1252" || n == "WINDOWS1252") {
        kind_ = Kind::Cp1252;
    } else {
#ifdef PLUMORA_HAVE_ICONV
        iconv_t to = iconv_open(encoding.c_str(), "UTF-8");
        iconv_t from = iconv_open("UTF-8", encoding.c_str());
        if (to != reinterpret_cast<iconv_t>(-1) && from != reinterpret_cast<iconv_t>(-1)) {
            toDict_ = to;
            fromDict_ = from;
            kind_ = Kind::Iconv;
        } else {
            if (to != reinterpret_cast<iconv_t>(-1)) iconv_close(to);
            if (from != reinterpret_cast<iconv_t>(-1)) iconv_close(from);
        }
#endif
    }
}

TDictionaryCodec::~TDictionaryCodec() {
#ifdef PLUMORA_HAVE_ICONV
    if (toDict_) iconv_close(static_cast<iconv_t>(toDict_));
    if (fromDict_) iconv_close(static_cast<iconv_t>(fromDict_));
#endif
}

bool TDictionaryCodec::FromUtf8(std::string_view utf8, std::string& out) const {
    switch (kind_) {
        case Kind::Utf8:
            out.assign(utf8);
            return true;
        case Kind::Cp1252:
            return Utf8ToWindows1252(utf8, out);
        case Kind::Latin1:
        case Kind::Latin9: {
            out.clear();
            for (std::size_t i = 0; i < utf8.size();) {
                char32_t cp = 0;
                unsigned char byte = 0;
                if (!NextUtf8(utf8, i, cp)) return false;
                if (kind_ == Kind::Latin1 ? cp > 0xFF : !UnicodeToLatin9(cp, byte)) return false;
                out.push_back(static_cast<char>(kind_ == Kind::Latin1 ? cp : byte));
            }
            return true;
        }
        case Kind::Iconv:
#ifdef PLUMORA_HAVE_ICONV
            return IconvConvert(toDict_, utf8, out);
#else
            [[fallthrough]];
#endif
        case Kind::Unknown:
            break;
    }
    return false;
}

bool TDictionaryCodec::ToUtf8(std::string_view bytes, std::string& out) const {
    switch (kind_) {
        case Kind::Utf8: {
            std::size_t i = 0;
            char32_t cp = 0;
            while (i < bytes.size() && NextUtf8(bytes, i, cp)) {
            }
            if (i != bytes.size()) return false;
            out.assign(bytes);
            return true;
        }
        case Kind::Cp1252:
            out = Windows1252ToUtf8(bytes);
            return true;
        case Kind::Latin1:
        case Kind::Latin9:
            out.clear();
            for (char c : bytes) {
                const auto b = static_cast<unsigned char>(c);
                AppendUtf8(kind_ == Kind::Latin1 ? b : Latin9ToUnicode(b), out);
            }
            return true;
        case Kind::Iconv:
#ifdef PLUMORA_HAVE_ICONV
            return IconvConvert(fromDict_, bytes, out);
#else
            [[fallthrough]];
#endif
        case Kind::Unknown:
            break;
    }
    return false;
}

}  // namespace plumora

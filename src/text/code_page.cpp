// Code page tables. Windows-1252 and UTF-8 are decoded here directly; the
// other Windows code pages are read once into tables from the system's own
// converter (glibc's iconv; on Windows the code page services), so that
// decoding a line is a table lookup per character.
#include "text/code_page.h"

#include <array>
#include <cerrno>
#include <map>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "text/windows_1252.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace plumora {

struct TTextCodec::TTables {
    std::array<char16_t, 256> Single{};  // 0 where the byte is no character
    std::array<bool, 256> Lead{};        // starts a double-byte character
    std::vector<char16_t> Double;        // by lead * 256 + trail; 0: none
    std::unordered_map<char16_t, std::uint16_t> Reverse;  // character -> bytes (lead * 256 + trail)
};

namespace {

constexpr char16_t kReplacement = u'?';

char32_t Escape(unsigned char byte) { return kByteEscapeBase + byte; }

bool IsEscape(char32_t u) { return u >= kByteEscapeBase + 0x80 && u <= kByteEscapeBase + 0xFF; }

// The converter of the system between the code page and UTF-16.
class TSystemConverter {
public:
    explicit TSystemConverter(int number) : number_(number) {
#ifndef _WIN32
        const std::string name = "CP" + std::to_string(number);
        toUnicode_ = iconv_open("UTF-16LE", name.c_str());
        fromUnicode_ = iconv_open(name.c_str(), "UTF-16LE");
#endif
    }
    ~TSystemConverter() {
#ifndef _WIN32
        if (toUnicode_ != reinterpret_cast<iconv_t>(-1)) iconv_close(toUnicode_);
        if (fromUnicode_ != reinterpret_cast<iconv_t>(-1)) iconv_close(fromUnicode_);
#endif
    }
    TSystemConverter(const TSystemConverter&) = delete;
    TSystemConverter& operator=(const TSystemConverter&) = delete;

    enum class TResult { Character, Incomplete, Invalid };

    // Decodes exactly the bytes given, which must make one character of one
    // UTF-16 unit.
    TResult Decode(std::string_view bytes, char16_t& out) {
#ifdef _WIN32
        if (bytes.size() == 1 && IsDBCSLeadByteEx(static_cast<UINT>(number_), static_cast<BYTE>(bytes[0])))
            return TResult::Incomplete;
        wchar_t units[4];
        const int n = MultiByteToWideChar(static_cast<UINT>(number_), MB_ERR_INVALID_CHARS, bytes.data(),
                                          static_cast<int>(bytes.size()), units, 4);
        if (n != 1) return TResult::Invalid;
        out = static_cast<char16_t>(units[0]);
        return TResult::Character;
#else
        if (toUnicode_ == reinterpret_cast<iconv_t>(-1)) return TResult::Invalid;
        iconv(toUnicode_, nullptr, nullptr, nullptr, nullptr);
        char in[4];
        for (std::size_t i = 0; i < bytes.size() && i < sizeof in; ++i) in[i] = bytes[i];
        char outBuffer[16];
        char* inPtr = in;
        std::size_t inLeft = bytes.size();
        char* outPtr = outBuffer;
        std::size_t outLeft = sizeof outBuffer;
        if (iconv(toUnicode_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1))
            return errno == EINVAL ? TResult::Incomplete : TResult::Invalid;
        // A converter that waits for combining marks (Vietnamese) hands out
        // the character only when told the input has ended.
        iconv(toUnicode_, nullptr, nullptr, &outPtr, &outLeft);
        if (sizeof outBuffer - outLeft != 2) return TResult::Invalid;
        out = static_cast<char16_t>(static_cast<unsigned char>(outBuffer[0]) |
                                    (static_cast<unsigned char>(outBuffer[1]) << 8));
        return TResult::Character;
#endif
    }

    // The bytes the system writes for `u`; false when it writes none or more
    // than two.
    bool Encode(char16_t u, std::uint16_t& bytes) {
        char out[8];
        std::size_t length = 0;
#ifdef _WIN32
        const wchar_t unit = static_cast<wchar_t>(u);
        BOOL defaulted = FALSE;
        const int n = WideCharToMultiByte(static_cast<UINT>(number_), WC_NO_BEST_FIT_CHARS, &unit, 1, out,
                                          sizeof out, nullptr, &defaulted);
        if (n <= 0 || defaulted) return false;
        length = static_cast<std::size_t>(n);
#else
        if (fromUnicode_ == reinterpret_cast<iconv_t>(-1)) return false;
        iconv(fromUnicode_, nullptr, nullptr, nullptr, nullptr);
        char in[2] = {static_cast<char>(u & 0xFF), static_cast<char>(u >> 8)};
        char* inPtr = in;
        std::size_t inLeft = 2;
        char* outPtr = out;
        std::size_t outLeft = sizeof out;
        if (iconv(fromUnicode_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1))
            return false;
        iconv(fromUnicode_, nullptr, nullptr, &outPtr, &outLeft);
        length = sizeof out - outLeft;
#endif
        if (length == 1) {
            bytes = static_cast<unsigned char>(out[0]);
            return true;
        }
        if (length == 2) {
            bytes = static_cast<std::uint16_t>((static_cast<unsigned char>(out[0]) << 8) |
                                               static_cast<unsigned char>(out[1]));
            return true;
        }
        return false;
    }

private:
    [[maybe_unused]] int number_;
#ifndef _WIN32
    iconv_t toUnicode_ = reinterpret_cast<iconv_t>(-1);
    iconv_t fromUnicode_ = reinterpret_cast<iconv_t>(-1);
#endif
};

std::unique_ptr<TTextCodec::TTables> BuildTables(int number, bool doubleByte) {
    auto t = std::make_unique<TTextCodec::TTables>();
    TSystemConverter converter(number);
    // Every code page offered keeps ASCII as it is.
    for (int b = 0; b < 0x80; ++b) t->Single[b] = static_cast<char16_t>(b);
    for (int b = 0x80; b < 0x100; ++b) {
        const char byte = static_cast<char>(b);
        char16_t u = 0;
        switch (converter.Decode(std::string_view(&byte, 1), u)) {
            case TSystemConverter::TResult::Character: t->Single[b] = u; break;
            case TSystemConverter::TResult::Incomplete: t->Lead[b] = doubleByte; break;
            case TSystemConverter::TResult::Invalid: break;
        }
    }
    if (doubleByte) {
        t->Double.assign(0x10000, 0);
        for (int lead = 0x80; lead < 0x100; ++lead) {
            if (!t->Lead[lead]) continue;
            for (int trail = 0x40; trail < 0x100; ++trail) {
                const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
                char16_t u = 0;
                if (converter.Decode(std::string_view(pair, 2), u) == TSystemConverter::TResult::Character)
                    t->Double[static_cast<std::size_t>(lead << 8 | trail)] = u;
            }
        }
    }
    // Where several byte sequences read as one character, writing it back
    // uses the sequence the system itself writes.
    // The system's sequence counts only when it reads back as the same
    // character here (glibc writes some characters as a look-alike, the yen
    // sign as a backslash for one).
    auto readsAs = [&](std::uint16_t bytes) -> char16_t {
        if (bytes <= 0xFF) return t->Single[bytes];
        return t->Double.empty() ? char16_t(0) : t->Double[bytes];
    };
    auto addReverse = [&](char16_t u, std::uint16_t bytes) {
        if (t->Reverse.count(u)) return;
        std::uint16_t canonical = 0;
        const bool own = converter.Encode(u, canonical) && readsAs(canonical) == u;
        t->Reverse.emplace(u, own ? canonical : bytes);
    };
    for (int b = 0x80; b < 0x100; ++b)
        if (t->Single[b]) addReverse(t->Single[b], static_cast<std::uint16_t>(b));
    for (std::size_t i = 0; i < t->Double.size(); ++i)
        if (t->Double[i]) addReverse(t->Double[i], static_cast<std::uint16_t>(i));
    return t;
}

bool IsDoubleBytePage(int number) {
    return number == 932 || number == 936 || number == 949 || number == 950;
}

void AppendUtf16(char32_t ch, std::u16string& out) {
    if (ch >= 0x10000) {
        ch -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (ch >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (ch & 0x3FF)));
    } else {
        out.push_back(static_cast<char16_t>(ch));
    }
}

// One UTF-8 character at `pos`; 0 when the bytes there make none.
std::size_t Utf8At(std::string_view s, std::size_t pos, char32_t& ch) {
    const auto b0 = static_cast<unsigned char>(s[pos]);
    if (b0 < 0x80) {
        ch = b0;
        return 1;
    }
    std::size_t length;
    char32_t min;
    if ((b0 & 0xE0) == 0xC0) length = 2, ch = b0 & 0x1F, min = 0x80;
    else if ((b0 & 0xF0) == 0xE0) length = 3, ch = b0 & 0x0F, min = 0x800;
    else if ((b0 & 0xF8) == 0xF0) length = 4, ch = b0 & 0x07, min = 0x10000;
    else return 0;
    if (pos + length > s.size()) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto b = static_cast<unsigned char>(s[pos + i]);
        if ((b & 0xC0) != 0x80) return 0;
        ch = (ch << 6) | (b & 0x3F);
    }
    if (ch < min || ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF)) return 0;
    return length;
}

void AppendUtf8(char32_t ch, std::string& out) {
    if (ch < 0x80) {
        out.push_back(static_cast<char>(ch));
    } else if (ch < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (ch >> 6)));
        out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    } else if (ch < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (ch >> 12)));
        out.push_back(static_cast<char>(0x80 | ((ch >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (ch >> 18)));
        out.push_back(static_cast<char>(0x80 | ((ch >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((ch >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    }
}

// Characters a fixed-pitch font shows two columns wide.
bool IsWide(char32_t ch) {
    return (ch >= 0x1100 && ch <= 0x115F) || (ch >= 0x2E80 && ch <= 0x303E) ||
           (ch >= 0x3041 && ch <= 0x33FF) || (ch >= 0x3400 && ch <= 0x4DBF) ||
           (ch >= 0x4E00 && ch <= 0x9FFF) || (ch >= 0xA000 && ch <= 0xA4CF) ||
           (ch >= 0xAC00 && ch <= 0xD7A3) || (ch >= 0xF900 && ch <= 0xFAFF) ||
           (ch >= 0xFE30 && ch <= 0xFE4F) || (ch >= 0xFF00 && ch <= 0xFF60) ||
           (ch >= 0xFFE0 && ch <= 0xFFE6) || (ch >= 0x20000 && ch <= 0x3FFFD);
}

}  // namespace

const std::vector<TCodePageInfo>& TextCodePages() {
    static const std::vector<TCodePageInfo> pages = {
        {1252, "Western European (Windows-1252)", "Windows-1252"},
        {1250, "Central European (Windows-1250)", "Windows-1250"},
        {1251, "Cyrillic (Windows-1251)", "Windows-1251"},
        {1253, "Greek (Windows-1253)", "Windows-1253"},
        {1254, "Turkish (Windows-1254)", "Windows-1254"},
        {1255, "Hebrew (Windows-1255)", "Windows-1255"},
        {1256, "Arabic (Windows-1256)", "Windows-1256"},
        {1257, "Baltic (Windows-1257)", "Windows-1257"},
        {1258, "Vietnamese (Windows-1258)", "Windows-1258"},
        {874, "Thai (Windows-874)", "Windows-874"},
        {932, "Japanese (Shift-JIS, 932)", "Shift-JIS"},
        {936, "Chinese Simplified (GBK, 936)", "GBK"},
        {949, "Korean (Unified Hangul, 949)", "Unified Hangul"},
        {950, "Chinese Traditional (Big5, 950)", "Big5"},
        {kUtf8CodePage, "Unicode (UTF-8)", "UTF-8"},
    };
    return pages;
}

const TCodePageInfo& CodePageInfo(int number) {
    for (const TCodePageInfo& page : TextCodePages())
        if (page.Number == number) return page;
    return TextCodePages().front();
}

bool IsTextCodePage(int number) {
    for (const TCodePageInfo& page : TextCodePages())
        if (page.Number == number) return true;
    return false;
}

const TTextCodec& TTextCodec::Of(int codePage) {
    static std::mutex mutex;
    static std::map<int, std::unique_ptr<TTables>> tables;
    static std::map<int, TTextCodec> codecs;
    if (!IsTextCodePage(codePage)) codePage = kDefaultCodePage;
    const std::lock_guard<std::mutex> lock(mutex);
    const auto found = codecs.find(codePage);
    if (found != codecs.end()) return found->second;
    const TTables* t = nullptr;
    if (codePage != kDefaultCodePage && codePage != kUtf8CodePage) {
        auto& slot = tables[codePage];
        slot = BuildTables(codePage, IsDoubleBytePage(codePage));
        t = slot.get();
    }
    return codecs.emplace(codePage, TTextCodec(codePage, t, IsDoubleBytePage(codePage))).first->second;
}

char32_t TTextCodec::CharAt(std::string_view bytes, std::size_t pos, std::size_t& length) const {
    length = 0;
    if (pos >= bytes.size()) return 0;
    const auto b = static_cast<unsigned char>(bytes[pos]);
    length = 1;
    if (b < 0x80) return b;
    if (number_ == kDefaultCodePage) return Windows1252ToUnicode(b);
    if (number_ == kUtf8CodePage) {
        char32_t ch = 0;
        const std::size_t n = Utf8At(bytes, pos, ch);
        if (n == 0) return Escape(b);
        length = n;
        return ch;
    }
    if (doubleByte_ && tables_->Lead[b] && pos + 1 < bytes.size()) {
        const auto trail = static_cast<unsigned char>(bytes[pos + 1]);
        if (const char16_t u = tables_->Double[static_cast<std::size_t>(b << 8 | trail)]) {
            length = 2;
            return u;
        }
    }
    return tables_->Single[b] ? char32_t(tables_->Single[b]) : Escape(b);
}

std::size_t TTextCodec::CharLength(std::string_view bytes, std::size_t pos) const {
    if (pos >= bytes.size()) return 0;
    if (number_ == kDefaultCodePage || static_cast<unsigned char>(bytes[pos]) < 0x80) return 1;
    std::size_t length = 0;
    CharAt(bytes, pos, length);
    return length;
}

int TTextCodec::Columns(char32_t ch, std::size_t length) const {
    if (number_ != kUtf8CodePage) return static_cast<int>(length);
    return IsWide(ch) ? 2 : 1;
}

void TTextCodec::Decode(std::string_view bytes, std::u16string& out) const {
    out.reserve(out.size() + bytes.size());
    if (number_ == kDefaultCodePage) {
        Windows1252ToUtf16(bytes, out);
        return;
    }
    for (std::size_t pos = 0; pos < bytes.size();) {
        std::size_t length = 0;
        AppendUtf16(CharAt(bytes, pos, length), out);
        pos += length;
    }
}

bool TTextCodec::Encode(std::u16string_view text, std::string& out) const {
    bool complete = true;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t u = text[i];
        // A surrogate pair stands for one character beyond the 16-bit range.
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            u = 0x10000 + ((u - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        if (u < 0x80) {
            out.push_back(static_cast<char>(u));
            continue;
        }
        if (IsEscape(u)) {
            out.push_back(static_cast<char>(u - kByteEscapeBase));
            continue;
        }
        if (number_ == kUtf8CodePage) {
            if (u >= 0xD800 && u <= 0xDFFF) {
                out.push_back(static_cast<char>(kReplacement));
                complete = false;
            } else {
                AppendUtf8(u, out);
            }
            continue;
        }
        if (number_ == kDefaultCodePage) {
            std::string one;
            const char16_t unit = u <= 0xFFFF ? static_cast<char16_t>(u) : char16_t(0xFFFF);
            if (Utf16ToWindows1252(std::u16string_view(&unit, 1), one)) {
                out += one;
            } else {
                out.push_back(static_cast<char>(kReplacement));
                complete = false;
            }
            continue;
        }
        const auto found = u <= 0xFFFF ? tables_->Reverse.find(static_cast<char16_t>(u)) : tables_->Reverse.end();
        if (found == tables_->Reverse.end()) {
            out.push_back(static_cast<char>(kReplacement));
            complete = false;
        } else if (found->second > 0xFF) {
            out.push_back(static_cast<char>(found->second >> 8));
            out.push_back(static_cast<char>(found->second & 0xFF));
        } else {
            out.push_back(static_cast<char>(found->second));
        }
    }
    return complete;
}

}  // namespace plumora

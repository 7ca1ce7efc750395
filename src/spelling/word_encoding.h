// Words cross three encodings: source lines are Windows-1252 bytes, word
// lists on disk and terminal output are UTF-8, and a Hunspell dictionary
// wants its own SET encoding. These convert between them.
#pragma once

#include <string>
#include <string_view>

namespace plumora {

// Every byte has a character, so this always succeeds.
std::string Windows1252ToUtf8(std::string_view text);

// False (and `out` unspecified) when the text is not valid UTF-8 or holds a
// character that Windows-1252 cannot write.
bool Utf8ToWindows1252(std::string_view utf8, std::string& out);

// A word list line as written by a user: UTF-8 when it is valid UTF-8,
// otherwise taken as Windows-1252 (lists written by older editors). Returns
// the line as UTF-8.
std::string WordListLineToUtf8(std::string_view line);

// Conversion between UTF-8 and one dictionary encoding (the SET line of a
// Hunspell .aff file: UTF-8, ISO8859-1, ISO8859-15, microsoft-cp1252 and,
// where the C library offers iconv, any other it knows).
class TDictionaryCodec {
public:
    explicit TDictionaryCodec(std::string encoding = "UTF-8");
    ~TDictionaryCodec();
    TDictionaryCodec(const TDictionaryCodec&) = delete;
    TDictionaryCodec& operator=(const TDictionaryCodec&) = delete;

    // False when the encoding is not known here.
    bool Usable() const { return kind_ != Kind::Unknown; }
    // False when a character has no place in the other encoding.
    bool FromUtf8(std::string_view utf8, std::string& out) const;
    bool ToUtf8(std::string_view bytes, std::string& out) const;

private:
    enum class Kind { Utf8, Latin1, Latin9, Cp1252, Iconv, Unknown };
    Kind kind_ = Kind::Unknown;
    void* toDict_ = nullptr;    // iconv descriptors when Kind::Iconv
    void* fromDict_ = nullptr;
};

}  // namespace plumora

// A Windows INI file held in memory: read once, changed in memory, written
// back atomically. Section and key names match without regard to case;
// comments, blank lines and unknown lines survive a rewrite.
//
// Line rules: a line whose first non-blank character is "[" and that holds a
// "]" starts a section named by the text between them; a line starting with
// ";" is a comment; any other line with an "=" is a key (the name is the
// trimmed text before the first "=", and must not be empty). Everything else
// is kept as it is and never matches. Lines end in CR LF, LF or CR when read
// and in CR LF when written; a UTF-8 byte order mark is kept.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plumora {

class TIniFile {
public:
    TIniFile() = default;
    explicit TIniFile(std::string path) : path_(std::move(path)) {}

    // Reads the file at Path(). A missing file is an empty INI file and not an
    // error; returns false only when the file exists but cannot be read (or
    // holds NUL bytes, or is larger than kMaxFileSize): then the content is
    // empty, LoadError() says why, and Save() refuses, so a file that could not
    // be understood is never replaced by a file without its content.
    bool Load();
    const std::string& LoadError() const { return loadError_; }
    // Parses text as if it were the file's content.
    void Parse(std::string_view text);

    // Writes the file: a temporary file in the same directory, then rename.
    // Creates the directory when missing. On failure returns false and sets
    // `error` to "Unable to write to <path>"; the old file stays as it was.
    bool Save(std::string* error = nullptr) const;

    const std::string& Path() const { return path_; }

    // Raw value: trimmed, one pair of enclosing double quotes removed, cut to
    // 1023 characters; nullopt when the section or key is absent. The first
    // section and the first key of a name win when names repeat.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;

    // Encodings used by every reader and writer of the settings file.
    std::string ReadString(std::string_view section, std::string_view key,
                           const std::string& def) const;
    int ReadInteger(std::string_view section, std::string_view key, int def) const;
    bool ReadBool(std::string_view section, std::string_view key, bool def) const;

    // A value that would not read back as written (blanks at either end, or
    // enclosed in quotes) is written inside one pair of quotes; CR, LF and NUL
    // cannot be stored in a line and are written as blanks.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int value);
    void WriteBool(std::string_view section, std::string_view key, bool value);

    // The file's text as Save() would write it (lines end with CR LF).
    std::string Text() const;

    // Longest value a reader returns, and the largest file Load() accepts.
    static constexpr std::size_t kMaxValueLength = 1023;
    static constexpr std::size_t kMaxFileSize = 16 * 1024 * 1024;

private:
    struct TSpan {  // lines [header, end) of one section; header == npos: absent
        std::size_t Header;
        std::size_t End;
    };
    TSpan FindSection(std::string_view section) const;
    std::size_t FindKey(const TSpan& span, std::string_view key) const;

    std::string path_;
    std::vector<std::string> lines_;
    bool bom_ = false;
    std::string loadError_;
};

// The text to write after "=" so that a reader gives `value` back (quoted
// when it has blanks at either end or is itself enclosed in quotes).
std::string EncodeIniValue(std::string_view value);

// The integer encoding on its own: "0x"/"0X" (longer than 2 characters) or "$"
// prefix is hexadecimal, otherwise decimal; nullopt for anything else.
std::optional<int> ParseIniInteger(std::string_view text);

}  // namespace plumora

// The INI store: parsing lines, finding sections and keys, reading values and
// rewriting single lines so that everything else in the file stays as it was.
#include "settings/ini_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "io/atomic_write.h"
#include "io/read_open.h"
#include "io/text_lines.h"

namespace plumora {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) return false;
    }
    return true;
}

enum class LineKind { Other, Section, Comment, Key };

struct TLine {
    LineKind Kind = LineKind::Other;
    std::string_view Name;   // section or key name, trimmed
    std::size_t Equals = 0;  // position of the "=" of a key line
};

TLine Classify(std::string_view line) {
    TLine result;
    std::string_view t = Trim(line);
    if (t.empty()) return result;
    if (t.front() == ';') {
        result.Kind = LineKind::Comment;
        return result;
    }
    if (t.front() == '[') {
        std::size_t close = t.find(']');
        if (close != std::string_view::npos) {
            result.Kind = LineKind::Section;
            result.Name = Trim(t.substr(1, close - 1));
        }
        return result;  // "[" without "]": garbage, never a key either
    }
    std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return result;
    std::string_view name = Trim(line.substr(0, eq));
    if (name.empty()) return result;
    result.Kind = LineKind::Key;
    result.Name = name;
    result.Equals = eq;
    return result;
}

std::string_view RawValue(std::string_view line, std::size_t equals) {
    std::string_view v = Trim(line.substr(equals + 1));
    if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
    return v;
}

// The text to put after "=" so that RawValue gives `value` back.
std::string EncodeValueText(std::string_view value) {
    std::string v(value);
    for (char& c : v) {
        if (c == '\r' || c == '\n' || c == '\0') c = ' ';
    }
    bool needsQuotes = !v.empty() && (IsBlank(v.front()) || IsBlank(v.back()) ||
                                      (v.size() >= 2 && v.front() == '"' && v.back() == '"'));
    return needsQuotes ? "\"" + v + "\"" : v;
}

bool ReadFileBytes(const std::string& path, std::string& bytes, bool& missing, std::string& error) {
    missing = false;
    int err = 0;
    std::string openError;
    const int fd = OpenRegularForReading(path, openError, &err);
    if (fd < 0) {
        if (err == ENOENT || err == ENOTDIR) {  // no such file
            missing = true;
            return true;
        }
        // A directory, FIFO or device where the settings file should be.
        error = err ? path + ": " + std::strerror(err)
                    : path + ": " + openError.substr(openError.rfind(": ") + 2);
        return false;
    }
    char block[64 * 1024];
    for (;;) {
        ssize_t got = ::read(fd, block, sizeof block);
        if (got < 0) {
            if (errno == EINTR) continue;
            error = path + ": " + std::strerror(errno);
            ::close(fd);
            return false;
        }
        if (got == 0) break;
        if (bytes.size() + static_cast<std::size_t>(got) > TIniFile::kMaxFileSize) {
            ::close(fd);
            error = path + ": too large for a settings file";
            return false;
        }
        bytes.append(block, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return true;
}

}  // namespace

std::string EncodeIniValue(std::string_view value) { return EncodeValueText(value); }

bool TIniFile::Load() {
    lines_.clear();
    bom_ = false;
    loadError_.clear();
    std::string bytes;
    bool missing = false;
    if (!ReadFileBytes(path_, bytes, missing, loadError_)) return false;
    if (missing) return true;
    if (bytes.find('\0') != std::string::npos) {
        loadError_ = path_ + ": not a text file";
        return false;
    }
    Parse(bytes);
    return true;
}

void TIniFile::Parse(std::string_view text) {
    lines_.clear();
    loadError_.clear();
    bom_ = text.substr(0, kBom.size()) == kBom;
    if (bom_) text.remove_prefix(kBom.size());
    SplitTextLines(text, lines_);
}

bool TIniFile::Save(std::string* error) const {
    std::string reason;
    if (loadError_.empty() && AtomicWriteFile(path_, Text(), &reason)) return true;
    if (error) *error = "Unable to write to " + path_;
    return false;
}

std::string TIniFile::Text() const {
    std::string out;
    if (bom_) out.append(kBom);
    for (const std::string& line : lines_) {
        out += line;
        out += "\r\n";
    }
    return out;
}

TIniFile::TSpan TIniFile::FindSection(std::string_view section) const {
    TSpan span{std::string::npos, lines_.size()};
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        TLine line = Classify(lines_[i]);
        if (line.Kind != LineKind::Section) continue;
        if (span.Header != std::string::npos) {
            span.End = i;
            break;
        }
        if (SameName(line.Name, section)) span.Header = i;
    }
    return span;
}

std::size_t TIniFile::FindKey(const TSpan& span, std::string_view key) const {
    if (span.Header == std::string::npos) return std::string::npos;
    for (std::size_t i = span.Header + 1; i < span.End; ++i) {
        TLine line = Classify(lines_[i]);
        if (line.Kind == LineKind::Key && SameName(line.Name, key)) return i;
    }
    return std::string::npos;
}

std::optional<std::string> TIniFile::Value(std::string_view section, std::string_view key) const {
    std::size_t at = FindKey(FindSection(section), key);
    if (at == std::string::npos) return std::nullopt;
    std::string_view v = RawValue(lines_[at], Classify(lines_[at]).Equals);
    return std::string(v.substr(0, kMaxValueLength));
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 const std::string& def) const {
    std::optional<std::string> v = Value(section, key);
    return v ? *v : def;
}

int TIniFile::ReadInteger(std::string_view section, std::string_view key, int def) const {
    std::optional<std::string> v = Value(section, key);
    if (!v) return def;
    return ParseIniInteger(*v).value_or(def);
}

bool TIniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    std::string encoded = EncodeIniValue(value);
    TSpan span = FindSection(section);
    if (span.Header == std::string::npos) {
        if (!lines_.empty() && !Trim(lines_.back()).empty()) lines_.emplace_back();
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(std::string(key) + "=" + encoded);
        return;
    }
    std::size_t at = FindKey(span, key);
    if (at != std::string::npos) {
        // Keep the key's own spelling and spacing; only the value changes.
        std::string& line = lines_[at];
        line.erase(Classify(line).Equals + 1);
        line += encoded;
        return;
    }
    std::size_t insertAt = span.Header + 1;
    for (std::size_t i = span.Header + 1; i < span.End; ++i) {
        if (Classify(lines_[i]).Kind == LineKind::Key) insertAt = i + 1;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt),
                  std::string(key) + "=" + encoded);
}

void TIniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    WriteString(section, key, std::to_string(value));
}

void TIniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

}  // namespace plumora

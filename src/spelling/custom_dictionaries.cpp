// Custom dictionaries on disk.
#include "spelling/custom_dictionaries.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "io/atomic_write.h"
#include "spelling/word_encoding.h"

namespace plumora {

namespace fs = std::filesystem;

namespace {

bool NameLess(const TCustomDictionary& a, const TCustomDictionary& b) { return a.Name < b.Name; }

// The directory that a new file in `dir` would need: the nearest one that
// exists, since the writer creates the missing ones below it.
bool DirectoryWritable(fs::path dir) {
    std::error_code ec;
    while (!dir.empty() && !fs::exists(dir, ec)) {
        const fs::path parent = dir.parent_path();
        if (parent == dir) break;
        dir = parent;
    }
    if (dir.empty()) dir = ".";
    return fs::is_directory(dir, ec) && ::access(dir.c_str(), W_OK) == 0;
}

// A file without its owner's write bit is read-only (as the read-only
// attribute on Windows), even for a user whom the system would let write.
bool CanTakeWords(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode) || !(st.st_mode & S_IWUSR) || ::access(path.c_str(), W_OK) != 0)
            return false;
        std::error_code ec;
        const fs::path real = fs::weakly_canonical(path, ec);
        return DirectoryWritable((ec ? fs::path(path) : real).parent_path());
    }
    return DirectoryWritable(fs::path(path).parent_path());
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream s;
    s << in.rdbuf();
    if (in.bad()) return false;
    bytes = std::move(s).str();
    return true;
}

void ParseWords(std::string_view bytes, std::vector<std::string>& words) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    while (!bytes.empty()) {
        std::size_t end = bytes.find_first_of("\r\n");
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
        line = line.substr(0, line.find_first_of(" \t"));
        if (line.empty() || line.front() == '#') continue;
        words.push_back(WordListLineToUtf8(line));
    }
}

}  // namespace

std::vector<TCustomDictionary> ListCustomDictionaries(const std::string& dir) {
    std::vector<TCustomDictionary> list;
    TCustomDictionary first;
    first.Name = kFirstCustomDictionary;
    first.Path = (fs::path(dir) / first.Name).string();
    list.push_back(first);
    std::vector<TCustomDictionary> others;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& p = it->path();
        std::error_code e2;
        if (p.extension() != ".dic" || p.filename() == kFirstCustomDictionary ||
            !fs::is_regular_file(p, e2))
            continue;
        TCustomDictionary d;
        d.Name = p.filename().string();
        d.Path = p.string();
        others.push_back(std::move(d));
    }
    std::sort(others.begin(), others.end(), NameLess);
    list.insert(list.end(), others.begin(), others.end());
    return list;
}

void ReadCustomDictionary(TCustomDictionary& d) {
    d.Words.clear();
    d.Error.clear();
    d.Status = 0;
    std::error_code ec;
    if (fs::exists(d.Path, ec)) {
        std::string bytes;
        if (ReadWholeFile(d.Path, bytes)) {
            ParseWords(bytes, d.Words);
            d.Status |= kCustomWordsRead;
        } else {
            d.Error = "cannot read " + d.Path;
        }
    }
    // A list whose words could not be read is not written either: the
    // rewrite would drop them.
    if (d.Error.empty() && CanTakeWords(d.Path)) d.Status |= kCustomCanTakeWords;
}

bool AddCustomWord(TCustomDictionary& d, std::string_view word, std::string& error) {
    if (!(d.Status & kCustomCanTakeWords)) {
        error = "Unable to write to " + d.Path;
        return false;
    }
    std::string bytes;
    std::error_code ec;
    if (fs::exists(d.Path, ec) && !ReadWholeFile(d.Path, bytes)) {
        error = "Unable to write to " + d.Path + ": it cannot be read";
        return false;
    }
    if (!bytes.empty() && bytes.back() != '\n') bytes.push_back('\n');
    bytes.append(word);
    bytes.push_back('\n');
    std::string reason;
    if (!AtomicWriteFile(d.Path, bytes, &reason)) {
        error = "Unable to write to " + d.Path + ": " + reason;
        return false;
    }
    d.Words.emplace_back(word);
    d.Status |= kCustomWordsRead;
    return true;
}

bool CreateCustomDictionary(const std::string& dir, const std::string& name, std::string& path,
                            std::string& error) {
    std::string file = name;
    while (!file.empty() && file.back() == ' ') file.pop_back();
    while (!file.empty() && file.front() == ' ') file.erase(file.begin());
    if (file.empty() || file.find_first_of("/\\:") != std::string::npos || file == "." || file == "..") {
        error = "\"" + name + "\" is not a file name";
        return false;
    }
    if (fs::path(file).extension() != ".dic") file += ".dic";
    const fs::path target = fs::path(dir) / file;
    std::error_code ec;
    if (fs::exists(target, ec)) {
        error = "A dictionary named " + file + " exists already";
        return false;
    }
    std::string reason;
    if (!AtomicWriteFile(target.string(), "", &reason)) {
        error = "Unable to write to " + target.string() + ": " + reason;
        return false;
    }
    path = target.string();
    return true;
}

bool ReadWordList(const std::string& path, std::vector<std::string>& words, std::string& error) {
    std::error_code ec;
    std::string bytes;
    if (fs::is_directory(path, ec) || !ReadWholeFile(path, bytes)) {
        error = "cannot read the word list " + path;
        return false;
    }
    ParseWords(bytes, words);
    return true;
}

}  // namespace plumora

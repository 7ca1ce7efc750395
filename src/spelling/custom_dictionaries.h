// Custom dictionaries: plain UTF-8 word lists, one word a line, in the
// configuration directory. custom.dic comes first and takes the words that
// the user adds; any other *.dic file there is a list of its own.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace plumora {

inline constexpr const char* kFirstCustomDictionary = "custom.dic";

// Status bits of a custom dictionary.
inline constexpr int kCustomCanTakeWords = 1;  // a word can be added to it
inline constexpr int kCustomWordsRead = 2;     // its words are known

struct TCustomDictionary {
    std::string Path;  // full path
    std::string Name;  // file name, as listed to the user
    int Status = 0;
    std::string Error;               // why its words could not be read
    std::vector<std::string> Words;  // UTF-8, as read
};

// custom.dic (also before it exists) and then the directory's other *.dic
// files by name; none of them read yet.
std::vector<TCustomDictionary> ListCustomDictionaries(const std::string& dir);

// Reads the words and sets the status. A missing file has no words and can
// take words when its directory can be created or written.
void ReadCustomDictionary(TCustomDictionary& dictionary);

// Adds one word (UTF-8) at the end of the list, rewriting the file whole so
// that a failure leaves the old list. Returns false with `error` set.
bool AddCustomWord(TCustomDictionary& dictionary, std::string_view word, std::string& error);

// Creates an empty list NAME.dic (".dic" added when missing) in `dir`.
// Refuses names with a path in them and lists that exist. On success sets
// `path`.
bool CreateCustomDictionary(const std::string& dir, const std::string& name, std::string& path,
                            std::string& error);

// The words of a word list file (UTF-8; a line that is not UTF-8 is read as
// Windows-1252). Blank lines and lines starting with '#' are skipped; a
// word ends at the first blank. Returns false with `error` set when the file
// cannot be read.
bool ReadWordList(const std::string& path, std::vector<std::string>& words, std::string& error);

}  // namespace plumora

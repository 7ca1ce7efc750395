// Hunspell behind Windows-1252 words.
#include "spelling/hunspell_dictionary.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

#include <hunspell.hxx>

#include "spelling/word_breaker.h"
#include "spelling/word_encoding.h"
#include "viewers/windows_1252.h"

namespace plumora {

namespace fs = std::filesystem;

std::vector<std::string> DictionaryDirectories() {
    std::vector<std::string> dirs;
    if (const char* env = std::getenv("DICPATH")) {
        std::string_view rest = env;
        while (!rest.empty()) {
            const std::size_t colon = rest.find(':');
            const std::string_view item = rest.substr(0, colon);
            if (!item.empty()) dirs.emplace_back(item);
            if (colon == std::string_view::npos) break;
            rest.remove_prefix(colon + 1);
        }
    }
    for (const char* d : {"/usr/share/hunspell", "/usr/local/share/hunspell", "/usr/share/myspell",
                          "/usr/share/myspell/dicts"})
        dirs.emplace_back(d);
    return dirs;
}

std::vector<std::string> InstalledLanguages() {
    std::set<std::string> found;
    for (const std::string& dir : DictionaryDirectories()) {
        std::error_code ec;
        for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
            const fs::path& p = it->path();
            if (p.extension() != ".dic") continue;
            fs::path aff = p;
            aff.replace_extension(".aff");
            std::error_code e2;
            // Hyphenation patterns share the extension; they have no .aff.
            if (fs::is_regular_file(p, e2) && fs::is_regular_file(aff, e2))
                found.insert(p.stem().string());
        }
    }
    return {found.begin(), found.end()};
}

THunspellDictionary::THunspellDictionary() = default;
THunspellDictionary::~THunspellDictionary() = default;

bool THunspellDictionary::Load(const std::string& language, std::string& error) {
    hunspell_.reset();
    codec_.reset();
    language_ = language;
    path_.clear();
    // A language is a file stem; anything that walks directories is not one.
    if (language.empty() || language.find_first_of("/\\") != std::string::npos ||
        language.find("..") != std::string::npos) {
        error = "\"" + language + "\" is not a dictionary name";
        return false;
    }
    for (const std::string& dir : DictionaryDirectories()) {
        const fs::path aff = fs::path(dir) / (language + ".aff");
        const fs::path dic = fs::path(dir) / (language + ".dic");
        std::error_code ec;
        if (!fs::is_regular_file(aff, ec) || !fs::is_regular_file(dic, ec)) continue;
        // Hunspell reports unreadable files only on stderr and then knows no
        // word at all; a file that cannot be opened is reported here instead.
        for (const fs::path& f : {aff, dic}) {
            if (!std::ifstream(f, std::ios::binary)) {
                error = "the dictionary file " + f.string() + " cannot be read";
                return false;
            }
        }
        auto h = std::make_unique<Hunspell>(aff.c_str(), dic.c_str());
        auto codec = std::make_unique<TDictionaryCodec>(h->get_dict_encoding());
        if (!codec->Usable()) {
            error = "the dictionary " + dic.string() + " is written in " + h->get_dict_encoding() +
                    ", which this program cannot convert";
            return false;
        }
        hunspell_ = std::move(h);
        codec_ = std::move(codec);
        path_ = dic.string();
        return true;
    }
    error = "no Hunspell dictionary \"" + language + "\" is installed";
    const std::vector<std::string> installed = InstalledLanguages();
    if (!installed.empty()) {
        error += " (installed:";
        for (const auto& l : installed) error += " " + l;
        error += ")";
    }
    return false;
}

bool THunspellDictionary::ToDictionary(std::string_view word1252, std::string& out) const {
    return codec_->FromUtf8(Windows1252ToUtf8(word1252), out);
}

bool THunspellDictionary::Spell(std::string_view word) const {
    if (!hunspell_) return false;
    std::string w;
    return ToDictionary(word, w) && hunspell_->spell(w);
}

std::vector<std::string> THunspellDictionary::Suggest(std::string_view word) const {
    std::vector<std::string> out;
    std::string w;
    if (!hunspell_ || !ToDictionary(word, w)) return out;
    for (const std::string& s : hunspell_->suggest(w)) {
        std::string utf8, ansi;
        if (codec_->ToUtf8(s, utf8) && Utf8ToWindows1252(utf8, ansi)) out.push_back(std::move(ansi));
    }
    return out;
}

namespace {

// The candidate written the way the word was: capitalised or in capitals.
std::string WithCaseOf(std::string_view word, std::string candidate) {
    bool allUpper = word.size() > 1;
    for (char c : word)
        if (IsLowerLetter(static_cast<unsigned char>(c))) allUpper = false;
    if (allUpper) return UpperKey(candidate);
    if (!word.empty() && !candidate.empty() && IsUpperLetter(static_cast<unsigned char>(word[0])))
        candidate[0] = static_cast<char>(Windows1252Upper(static_cast<unsigned char>(candidate[0])));
    return candidate;
}

std::string LowerAscii(std::string_view word) {
    std::string out(word);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

}  // namespace

namespace {

// The letters a typist hits instead of `c`: its neighbours on a QWERTY
// keyboard and the letters that sound alike.
std::string_view NearLetters(char c) {
    switch (c) {
        case 'a': return "qwsz";  case 'b': return "vghn";  case 'c': return "xdfvks";
        case 'd': return "serfcx"; case 'e': return "wrds";  case 'f': return "drtgvcp";
        case 'g': return "ftyhbvj"; case 'h': return "gyujnb"; case 'i': return "uojky";
        case 'j': return "huikmng"; case 'k': return "jiolmc"; case 'l': return "kop";
        case 'm': return "njk";   case 'n': return "bhjm";  case 'o': return "ipkl";
        case 'p': return "olf";   case 'q': return "wak";   case 'r': return "etdf";
        case 's': return "awedxzc"; case 't': return "ryfgd"; case 'u': return "yihj";
        case 'v': return "cfgbw"; case 'w': return "qeasv"; case 'x': return "zsdc";
        case 'y': return "tughi"; case 'z': return "asxs";
        default: return "";
    }
}

constexpr std::string_view kVowels = "aeiouy";

}  // namespace

std::vector<std::string> THunspellDictionary::QuickSuggest(std::string_view word,
                                                           std::size_t limit) const {
    std::vector<std::string> out;
    if (!hunspell_ || word.empty() || limit == 0) return out;
    const std::string w = LowerAscii(word);
    std::set<std::string> seen{std::string(word)};
    auto tryWord = [&](std::string candidate) {
        if (out.size() >= limit) return;
        candidate = WithCaseOf(word, std::move(candidate));
        if (seen.insert(candidate).second && Spell(candidate)) out.push_back(std::move(candidate));
    };
    // Trying every letter in place of every letter costs hundreds of
    // look-ups a word; a wrong letter is mostly a vowel, a neighbouring key
    // or a letter that sounds alike, a fraction of that.
    // Letters to put in place of w[i].
    auto likely = [&](std::size_t i) {
        std::string set(kVowels);
        set.append(NearLetters(w[i]));
        std::sort(set.begin(), set.end());
        set.erase(std::unique(set.begin(), set.end()), set.end());
        return set;
    };
    for (std::size_t i = 0; i + 1 < w.size(); ++i) {  // swapped
        std::string c = w;
        std::swap(c[i], c[i + 1]);
        tryWord(std::move(c));
    }
    for (std::size_t i = 0; i < w.size(); ++i) tryWord(w.substr(0, i) + w.substr(i + 1));  // too many
    for (std::size_t i = 0; i <= w.size(); ++i)  // missing
        for (char l : std::string_view("etaoinsrhldcumfpgwybvkxjqz'")) tryWord(w.substr(0, i) + l + w.substr(i));
    for (std::size_t i = 0; i < w.size(); ++i) {  // wrong
        for (char l : likely(i)) {
            if (l == w[i]) continue;
            std::string c = w;
            c[i] = l;
            tryWord(std::move(c));
        }
    }
    for (std::size_t i = 1; i < w.size() && out.size() < limit; ++i) {  // two words
        const std::string left = WithCaseOf(word, w.substr(0, i));
        const std::string right = w.substr(i);
        const bool shortOk = i > 1 || left == "a" || left == "A" || left == "I";
        if (shortOk && right.size() > 1 && Spell(left) && Spell(right)) {
            std::string pair = left + " " + right;
            if (seen.insert(pair).second) out.push_back(std::move(pair));
        }
    }
    return out;
}

bool THunspellDictionary::AddUtf8(std::string_view word) {
    std::string w;
    if (!hunspell_ || !codec_->FromUtf8(word, w)) return false;
    hunspell_->add(w);
    return true;
}

bool THunspellDictionary::Add1252(std::string_view word) { return AddUtf8(Windows1252ToUtf8(word)); }

}  // namespace plumora

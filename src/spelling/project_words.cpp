// Collecting the names of a project's code.
#include "spelling/project_words.h"

#include "formatter/line_ops.h"
#include "project/source_mgt.h"
#include "spelling/word_breaker.h"

namespace plumora {

namespace {

bool IsNameStart(unsigned char c) { return IsWordLetter(c) || c == '_'; }
bool IsNameChar(unsigned char c) { return IsNameStart(c) || (c >= '0' && c <= '9'); }

void AddNamesOfCode(std::string_view code, std::unordered_set<std::string>& words) {
    bool inLiteral = false;
    for (std::size_t i = 0; i < code.size();) {
        const auto c = static_cast<unsigned char>(code[i]);
        if (c == '"') {
            inLiteral = !inLiteral;
            ++i;
            continue;
        }
        // Numbers and the &H1F, &O17 literals are no names.
        const bool radix = c == '&' && i + 1 < code.size() &&
                           (code[i + 1] == 'H' || code[i + 1] == 'h' || code[i + 1] == 'O' || code[i + 1] == 'o');
        if (inLiteral || !IsNameStart(c)) {
            std::size_t j = i + 1;
            if (!inLiteral && ((c >= '0' && c <= '9') || radix))
                while (j < code.size() && IsNameChar(static_cast<unsigned char>(code[j]))) ++j;
            i = j;
            continue;
        }
        std::size_t j = i + 1;
        while (j < code.size() && IsNameChar(static_cast<unsigned char>(code[j]))) ++j;
        if (j - i > 1) words.insert(UpperKey(code.substr(i, j - i)));
        i = j;
    }
}

// Attribute VB_Name = "modMain": the module's name is written as a literal.
void AddModuleName(std::string_view line, std::unordered_set<std::string>& words) {
    line = TrimView(line);
    if (!StartsWithNoCase(line, "Attribute VB_Name")) return;
    const std::size_t open = line.find('"');
    if (open == std::string_view::npos) return;
    const std::size_t close = line.find('"', open + 1);
    if (close == std::string_view::npos || close == open + 1) return;
    words.insert(UpperKey(line.substr(open + 1, close - open - 1)));
}

// Declare Function X Lib "uxtheme" Alias "SetWindowTheme": the library and
// entry names are literals, but names all the same.
void AddDeclaredLibraryNames(std::string_view code, std::unordered_set<std::string>& words) {
    std::string_view t = TrimView(code);
    for (std::string_view scope : {"Public ", "Private ", "Global "})
        if (StartsWithNoCase(t, scope)) t = TrimLeftView(t.substr(scope.size()));
    if (!StartsWithNoCase(t, "Declare ")) return;
    for (std::size_t open = t.find('"'); open != std::string_view::npos; open = t.find('"', open + 1)) {
        const std::size_t close = t.find('"', open + 1);
        if (close == std::string_view::npos) return;
        if (close > open + 1) words.insert(UpperKey(t.substr(open + 1, close - open - 1)));
        open = close;
    }
}

}  // namespace

void AddProjectWords(const std::vector<std::string>& lines, std::unordered_set<std::string>& words) {
    for (const std::string& line : lines) {
        const std::string_view code = CodePart(line);
        AddNamesOfCode(code, words);
        AddDeclaredLibraryNames(code, words);
        AddModuleName(line, words);
    }
}

std::unordered_set<std::string> CollectProjectWords(TSourceMgt& project) {
    std::unordered_set<std::string> words;
    for (RFile* f = project.Head.get(); f && f->Next; f = f->Next.get()) {
        if (f->Size < 0) continue;  // not on disk: nothing but a placeholder line
        const bool wasLoaded = f->Loaded;
        project.LoadLines(f);
        AddProjectWords(f->Lines, words);
        if (!wasLoaded) project.ReleaseLines(f);
    }
    return words;
}

}  // namespace plumora

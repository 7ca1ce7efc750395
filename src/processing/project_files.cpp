// The file lines of both project grammars and their flattened form.
#include "processing/project_files.h"

#include <array>

#include "io/paths.h"

namespace plumora {

namespace {

bool IsOutsideExtension(std::string_view path) {
    std::string ext = UpperExtension(path);
    return ext == ".DLL" || ext == ".VBX" || ext == ".OCX";
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= 32) text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= 32) text.remove_suffix(1);
    return text;
}

// The parts of a .VBP file line: the text before the path, the path and
// whether the path is quoted. How the path is found depends on the key.
struct TVbpFileLine {
    bool IsFile = false;
    bool ProjectFile = true;
    std::string Prefix;  // up to the path, as the rewrite writes it
    std::string Path;
    bool Quoted = false;
};

TVbpFileLine ParseVbpLine(std::string_view line) {
    TVbpFileLine out;
    std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return out;
    std::string_view key = line.substr(0, eq);
    static constexpr std::array<std::string_view, 7> kAfterEquals = {
        "Form", "UserControl", "PropertyPage", "Designer", "UserDocument", "RelatedDoc", "ResFile32"};
    bool afterEquals = false;
    for (std::string_view k : kAfterEquals) afterEquals = afterEquals || key == k;
    bool afterSemicolon = key == "Module" || key == "Class" || key == "Object";
    std::string_view value;
    if (afterEquals) {
        value = TrimBlanks(line.substr(eq + 1));
        out.Prefix = std::string(TrimBlanks(line.substr(0, eq + 1)));
    } else if (afterSemicolon) {
        std::size_t semi = line.find(';');
        if (semi == std::string_view::npos) return out;
        value = TrimBlanks(line.substr(semi + 1));
        out.Prefix = std::string(TrimBlanks(line.substr(0, semi + 1))) + " ";
    } else {
        return out;
    }
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        value = value.substr(1, value.size() - 2);
        out.Quoted = true;
    }
    if (value.empty()) return out;
    out.IsFile = true;
    out.ProjectFile = key != "Object";
    out.Path = std::string(value);
    return out;
}

}  // namespace

std::vector<TListedFile> ListedProjectFiles(const std::vector<std::string>& lines, int vbVersion) {
    std::vector<TListedFile> files;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (vbVersion < 4) {
            if (line.find('=') != std::string::npos || TrimBlanks(line).empty()) continue;
            files.push_back({i, line, !IsOutsideExtension(line)});
        } else {
            TVbpFileLine parsed = ParseVbpLine(line);
            if (parsed.IsFile) files.push_back({i, parsed.Path, parsed.ProjectFile});
        }
    }
    return files;
}

std::string CompanionName(std::string_view name) {
    std::string ext = UpperExtension(name);
    const char* companion = nullptr;
    if (ext == ".FRM") companion = "FRX";
    else if (ext == ".CTL") companion = "CTX";
    else if (ext == ".PAG") companion = "PGX";
    else if (ext == ".DSR") companion = "DSX";
    else if (ext == ".DOB") companion = "DOX";
    if (!companion) return {};
    std::string out(name.substr(0, name.size() - ext.size() + 1));
    std::string_view written = name.substr(name.size() - ext.size() + 1);
    bool lower = false;
    for (char c : written) lower = lower || (c >= 'a' && c <= 'z');
    for (const char* c = companion; *c; ++c) out += lower ? static_cast<char>(*c - 'A' + 'a') : *c;
    return out;
}

std::string RewriteMakLine(std::string_view line) {
    if (line.find('=') != std::string_view::npos || IsOutsideExtension(line)) return std::string(line);
    return FileNamePart(line);
}

std::string RewriteVbpLine(std::string_view line) {
    TVbpFileLine parsed = ParseVbpLine(line);
    if (!parsed.IsFile || !parsed.ProjectFile) return std::string(line);
    std::string bare = FileNamePart(parsed.Path);
    if (parsed.Quoted) bare = "\"" + bare + "\"";
    return parsed.Prefix + bare;
}

}  // namespace plumora

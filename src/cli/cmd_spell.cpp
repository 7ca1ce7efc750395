// plumora-cli spell: reports the words of comments and string literals that
// the dictionaries do not know, as file:line:column: word (suggestions).
// It never changes a file.
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <string>
#include <thread>
#include <unordered_set>
#include <vector>

#include "cli/commands.h"
#include "cli/std_out.h"
#include "cli/terminal_host.h"
#include "io/text_lines.h"
#include "project/app_state.h"
#include "project/open_project.h"
#include "project/project_reader.h"
#include "settings/config_dir.h"
#include "settings/ini_file.h"
#include "settings/option_set.h"
#include "settings/project_style.h"
#include "spelling/project_words.h"
#include "spelling/spell_report.h"
#include "spelling/vc_speller.h"
#include "spelling/word_encoding.h"

namespace plumora::cli {

namespace {

namespace fs = std::filesystem;

constexpr int kShownSuggestions = 5;

struct SpellArgs {
    std::vector<std::string> Inputs;
    std::vector<std::string> WordLists;
    std::string Language;
    bool Comments = false;
    bool Literals = false;
    bool Suggestions = true;
    bool AssumeYes = false;
};

bool IsProjectFile(const std::string& path) {
    std::string ext = fs::path(path).extension().string();
    for (char& c : ext) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return ext == ".VBP" || ext == ".MAK";
}

int ParseArgs(const std::vector<std::string>& args, SpellArgs& out) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (optionsEnded || a == "-" || a.empty() || a[0] != '-') {
            out.Inputs.push_back(a);
        } else if (a == "--") {
            optionsEnded = true;
        } else if (a == "--comments") {
            out.Comments = true;
        } else if (a == "--literals") {
            out.Literals = true;
        } else if (a == "--no-suggestions") {
            out.Suggestions = false;
        } else if (a == "--yes") {
            out.AssumeYes = true;
        } else if (a == "--dictionary" || a == "--words") {
            if (i + 1 >= args.size()) return UsageError("spell: " + a + " needs a value");
            if (a == "--dictionary")
                out.Language = args[++i];
            else
                out.WordLists.push_back(args[++i]);
        } else {
            return UsageError("spell: unknown option '" + a + "'");
        }
    }
    if (out.Inputs.empty()) return UsageError("spell: missing FILE or PROJECT");
    std::size_t projects = 0;
    for (const std::string& in : out.Inputs) projects += IsProjectFile(in);
    if (projects > 1 || (projects == 1 && out.Inputs.size() > 1))
        return UsageError("spell: give one PROJECT, or source files");
    // Neither flag: both kinds of text.
    if (!out.Comments && !out.Literals) out.Comments = out.Literals = true;
    return kExitOk;
}

// One file to report on: the name printed and the lines.
struct SpellFile {
    std::string Shown;
    std::vector<std::string> Lines;
    bool Read = false;
};

void PrintFinding(const std::string& shown, const TSpellFinding& f) {
    std::string line = shown + ':' + std::to_string(f.Line) + ':' + std::to_string(f.Column) +
                       ": " + Windows1252ToUtf8(f.Word);
    if (!f.Suggestions.empty()) {
        line += " (";
        for (std::size_t k = 0; k < f.Suggestions.size(); ++k)
            line += (k ? ", " : "") + Windows1252ToUtf8(f.Suggestions[k]);
        line += ')';
    }
    WriteOut(line + '\n');
}

// Reads the files named on the command line.
bool ReadFiles(const std::vector<std::string>& names, std::vector<SpellFile>& files) {
    bool ok = true;
    for (const std::string& name : names) {
        SpellFile f;
        f.Shown = name;
        std::error_code ec;
        if (!fs::is_regular_file(name, ec)) {
            std::cerr << "plumora-cli: " << PrintableText(name) << ": "
                      << (fs::exists(name, ec) ? "not a regular file" : "no such file") << "\n";
            ok = false;
        } else if (!IsTextFile(fs::absolute(name, ec).string())) {
            std::cerr << "plumora-cli: " << PrintableText(name) << ": not a text file\n";
            ok = false;
        } else if (TIoResult r = ReadTextLines(name, f.Lines); !r.Ok) {
            std::cerr << "plumora-cli: " << PrintableText(r.Error) << "\n";
            ok = false;
        } else {
            f.Read = true;
        }
        files.push_back(std::move(f));
    }
    return ok;
}

}  // namespace

int RunSpell(const std::vector<std::string>& args) {
    SpellArgs opts;
    if (int status = ParseArgs(args, opts); status != kExitOk) return status;

    TVCSpeller speller(ConfigDir());
    // A project style file (found from the project, or the first file) sets
    // the team's dictionary and which words count; --dictionary wins.
    TSpellerOptions spellerOptions = speller.Options();
    if (const std::string styleFile = FindProjectStyleFile(SourceDirectory(opts.Inputs[0]));
        !styleFile.empty()) {
        TIniFile ini(styleFile);
        if (!ini.Load()) {
            std::cerr << "plumora-cli: cannot read the project style file "
                      << PrintableText(ini.LoadError()) << "\n";
            return kExitFailed;
        }
        spellerOptions.LoadPresent(ini);
    }
    if (!opts.Language.empty()) spellerOptions.Language = opts.Language;
    speller.UseOptions(spellerOptions);
    if (!speller.Ready()) {
        std::cerr << "plumora-cli: " << speller.LoadError() << "\n";
        return kExitUsage;
    }
    for (const std::string& list : opts.WordLists) {
        std::string error;
        if (!speller.AddWordList(list, error)) {
            std::cerr << "plumora-cli: " << PrintableText(error) << "\n";
            return kExitUsage;
        }
    }
    const TSpellTargets targets{opts.Comments, opts.Literals};

    // Every finding first, then the suggestions for all of them at once.
    std::vector<TSpellFinding> findings;
    std::vector<std::pair<std::string, std::size_t>> fileStarts;  // shown name, first finding
    bool allRead = true;
    auto check = [&](const SpellFile& file) {
        fileStarts.emplace_back(PrintableText(file.Shown), findings.size());
        if (!FindMisspellings(file.Lines, speller, targets, findings)) {
            std::cerr << "plumora-cli: " << speller.LoadError() << "\n";
            allRead = false;
        }
    };

    if (IsProjectFile(opts.Inputs[0])) {
        TerminalCommandHost host(opts.AssumeYes);
        TAppState state;
        TOptionSet options;
        if (!OpenProject(state, options, host, opts.Inputs[0])) return kExitFailed;
        TSourceMgt& project = *state.Project;
        speller.SetProjectWords(CollectProjectWords(project));
        for (RFile* f = project.Head.get(); f->Next; f = f->Next.get()) {
            SpellFile file;
            file.Shown = f->FullPath;
            if (TIoResult r = ReadTextLines(f->FullPath, file.Lines); !r.Ok) {
                std::cerr << "plumora-cli: " << PrintableText(r.Error) << "\n";
                allRead = false;
                continue;
            }
            check(file);
        }
    } else {
        std::vector<SpellFile> files;
        allRead = ReadFiles(opts.Inputs, files);
        std::unordered_set<std::string> words;
        for (const SpellFile& f : files) AddProjectWords(f.Lines, words);
        speller.SetProjectWords(std::move(words));
        for (const SpellFile& f : files)
            if (f.Read) check(f);
    }

    // Hunspell's full search takes tens of milliseconds a word, too slow for
    // the thousands of unknown words of a big project: the quick search,
    // spread over the processor's cores.
    if (opts.Suggestions)
        AddQuickSuggestions(findings, speller, kShownSuggestions,
                            std::max(1u, std::thread::hardware_concurrency()));
    for (std::size_t k = 0; k < fileStarts.size(); ++k) {
        const std::size_t end = k + 1 < fileStarts.size() ? fileStarts[k + 1].second : findings.size();
        for (std::size_t i = fileStarts[k].second; i < end; ++i) PrintFinding(fileStarts[k].first, findings[i]);
    }
    const bool found = !findings.empty();
    return found || !allRead ? kExitFailed : kExitOk;
}

}  // namespace plumora::cli

// plumora-cli format: styles source files with the options of the settings
// file and prints them, checks them (--check) or writes them to a directory.
#include <filesystem>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/std_out.h"
#include "cli/terminal_host.h"
#include "viewers/unified_diff.h"
#include "formatter/style_file.h"
#include "io/atomic_write.h"
#include "io/paths.h"
#include "io/text_lines.h"
#include "project/file_kind.h"
#include "project/project_reader.h"
#include "settings/config_dir.h"
#include "settings/ini_file.h"
#include "settings/option_set.h"

namespace plumora::cli {

namespace {

namespace fs = std::filesystem;

struct FormatArgs {
    std::vector<std::string> Files;
    std::string Ini;
    std::string OutputDir;
    bool Check = false;
    bool Diff = false;
};

// Parses the arguments; returns false (after printing the usage error) when
// they are wrong.
bool ParseArgs(const std::vector<std::string>& args, FormatArgs& out, int& status) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--check") {
            out.Check = true;
        } else if (a == "--diff") {
            out.Diff = true;
            out.Check = true;
        } else if (a == "--ini" || a == "--output") {
            if (i + 1 >= args.size()) {
                status = UsageError(a + " needs a value");
                return false;
            }
            (a == "--ini" ? out.Ini : out.OutputDir) = args[++i];
        } else if (a.size() > 1 && a[0] == '-') {
            status = UsageError("unknown option '" + a + "' for format");
            return false;
        } else {
            out.Files.push_back(a);
        }
    }
    if (out.Files.empty()) {
        status = UsageError("format needs at least one source file");
        return false;
    }
    if (out.Check && !out.OutputDir.empty()) {
        status = UsageError("--check and --diff write nothing; they cannot be combined with --output");
        return false;
    }
    return true;
}

bool SameFile(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    if (fs::equivalent(a, b, ec)) return true;
    return fs::weakly_canonical(a, ec) == fs::weakly_canonical(b, ec) && !ec;
}

}  // namespace

int RunFormat(const std::vector<std::string>& args) {
    FormatArgs opts;
    int status = kExitOk;
    if (!ParseArgs(args, opts, status)) return status;

    TerminalCommandHost host(false);
    TOptionSet options;
    const std::string iniPath = opts.Ini.empty() ? SettingsFilePath() : opts.Ini;
    if (!opts.Ini.empty()) {
        if (const std::string problem = IniArgumentProblem(opts.Ini); !problem.empty())
            return UsageError(problem);
    }
    TIniFile ini(iniPath);
    if (!ini.Load()) {
        std::cerr << "plumora-cli: cannot read the settings file " << ini.LoadError() << "\n";
        return kExitFailed;
    }
    options.Load(ini);
    options.LoadCommentHeaders(host);
    if (options.Bool(Opt::SpellingPerform))
        std::cerr << "plumora-cli: spell checking asks about each word, which the desktop program "
                     "does; styled without it (plumora-cli spell reports the unknown words)\n";

    TVBSrcFormatter formatter(options);
    formatter.VBTabStops = ReadVBTabStops();

    int exitCode = kExitOk;
    std::set<std::string> writtenNames;
    for (const std::string& file : opts.Files) {
        auto fail = [&](const std::string& message) {
            std::cerr << "plumora-cli: " << file << ": " << message << "\n";
            exitCode = kExitFailed;
        };
        std::error_code ec;
        if (!fs::is_regular_file(file, ec)) {
            fail(fs::exists(file, ec) ? "not a regular file" : "no such file");
            continue;
        }
        if (fs::file_size(file, ec) == 0 && !ec) {
            std::cerr << "plumora-cli: " << file << ": empty file, nothing to style\n";
            continue;
        }
        // The same admission test as the project reader: a file whose first
        // byte is not text (a binary VB3 form, an image) is refused, and so
        // is one that cannot be read or is saved as UTF-8 or UTF-16.
        if (const TTextCheck text = CheckTextFile(fs::absolute(file, ec).string(), true); !text.Ok) {
            fail(text.Reason == kNotAsciiReason
                     ? std::string("not a text file; a binary form must be saved as text in Visual Basic first")
                     : "this file " + text.Reason);
            continue;
        }
        std::vector<std::string> lines;
        TIoResult read = ReadTextLines(file, lines);
        if (!read.Ok) {
            fail(read.Error);
            continue;
        }

        const std::string name = fs::path(file).filename().string();
        const TStyleResult styled =
            StyleFile(formatter, lines, name, KindFromExtension(UpperExtension(name)));
        if (!styled.Refusal.empty()) {
            std::cerr << "plumora-cli: " << PrintableMessage(styled.Refusal) << "\n";
            exitCode = kExitFailed;
            continue;
        }
        if (styled.SafetyNet) {
            // A rule changed the code itself: nothing is written for this file.
            TSafetyNetReport net = *styled.SafetyNet;
            net.FileName = file;
            std::cerr << "plumora-cli: " << net.Message() << "\n";
            exitCode = kExitFailed;
            continue;
        }
        const bool changes = styled.Changed;

        if (opts.Check) {
            if (changes) {
                if (opts.Diff) {
                    WriteOut(ForTerminal(UnifiedDiff(
                        lines, StyledLines(formatter.Output, styled.EndOfFileMark), file,
                        file + " (styled)")));
                } else {
                    WriteOut("would change: " + PrintableText(file) + "\n");
                }
                if (exitCode == kExitOk) exitCode = kExitFailed;
            }
            continue;
        }
        if (opts.OutputDir.empty()) {
            // The styled text itself is the output: its bytes go out as they are.
            if (!WriteOut(StyledText(formatter.Output, styled.EndOfFileMark))) break;
            continue;
        }

        const fs::path target = fs::path(opts.OutputDir) / name;
        bool clash = false;
        for (const std::string& input : opts.Files)
            if (SameFile(target, input)) clash = true;
        if (clash) {
            fail("not written: " + target.string() + " is an input file");
            continue;
        }
        if (!writtenNames.insert(name).second) {
            fail("not written: another input named " + name + " was already written to " +
                 opts.OutputDir);
            continue;
        }
        std::string reason;
        // A link planted in DIR is replaced, never written through.
        if (!AtomicReplaceFile(target.string(), StyledText(formatter.Output, styled.EndOfFileMark), &reason)) {
            fail("cannot write " + target.string() + ": " + reason);
            continue;
        }
    }
    return exitCode;
}

}  // namespace plumora::cli

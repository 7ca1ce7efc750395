// plumora-cli format: styles source files with the options that apply to
// them (defaults, the user's settings file, the project style file, --ini)
// and prints them, checks them (--check), writes them to a directory
// (--output) or over themselves (--in-place). `-` reads standard input, as
// editors run formatters. The styled text keeps the input's line ends.
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/std_out.h"
#include "cli/terminal_host.h"
#include "formatter/style_file.h"
#include "io/atomic_write.h"
#include "io/native.h"
#include "io/paths.h"
#include "io/text_lines.h"
#include "project/file_kind.h"
#include "project/project_reader.h"
#include "settings/config_dir.h"
#include "settings/option_set.h"
#include "settings/project_style.h"
#include "viewers/unified_diff.h"

namespace plumora::cli {

namespace {

namespace fs = std::filesystem;

constexpr const char* kStdinName = "<stdin>";

struct FormatArgs {
    std::vector<std::string> Files;
    std::string Ini;
    std::string OutputDir;
    std::string StdinFilename;
    bool Stdin = false;  // the one input is "-"
    bool Check = false;
    bool Diff = false;
    bool InPlace = false;
};

// Returns kExitOk when the arguments are usable, else the usage status.
int ParseArgs(const std::vector<std::string>& args, FormatArgs& out) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool option = !optionsEnded && a.size() > 1 && a[0] == '-';
        if (!optionsEnded && a == "--") {
            optionsEnded = true;
        } else if (option && a == "--check") {
            out.Check = true;
        } else if (option && a == "--diff") {
            out.Diff = true;
            out.Check = true;
        } else if (option && (a == "--in-place" || a == "-i")) {
            out.InPlace = true;
        } else if (option && (a == "--ini" || a == "--output" || a == "--stdin-filename")) {
            if (i + 1 >= args.size()) return UsageError(a + " needs a value");
            (a == "--ini" ? out.Ini : a == "--output" ? out.OutputDir : out.StdinFilename) = args[++i];
        } else if (option) {
            return UsageError("unknown option '" + a + "' for format");
        } else {
            out.Files.push_back(a);
        }
    }
    if (out.Files.empty()) return UsageError("format needs at least one source file (or - for standard input)");
    for (const std::string& f : out.Files) out.Stdin = out.Stdin || f == "-";
    if (out.Stdin && out.Files.size() > 1)
        return UsageError("format - reads one source from standard input; give no other file");
    if (!out.Stdin && !out.StdinFilename.empty())
        return UsageError("--stdin-filename names the text read with format -");
    if (out.Check && !out.OutputDir.empty())
        return UsageError("--check and --diff write nothing; they cannot be combined with --output");
    if (out.InPlace && (out.Check || !out.OutputDir.empty() || out.Stdin))
        return UsageError("--in-place writes over the files given; it cannot be combined with "
                          "--check, --diff, --output or -");
    if (out.Stdin && !out.OutputDir.empty())
        return UsageError("format - prints the styled text; --output needs files");
    if (!out.Ini.empty()) {
        if (const std::string problem = IniArgumentProblem(out.Ini); !problem.empty())
            return UsageError(problem);
    }
    return kExitOk;
}

bool SameFile(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    if (fs::equivalent(a, b, ec)) return true;
    return fs::weakly_canonical(a, ec) == fs::weakly_canonical(b, ec) && !ec;
}

// The options and the formatter for the sources under one project style file
// (or none). Sources in different folders may have different style files.
struct TFormatSetup {
    TOptionSet Options;
    std::unique_ptr<TVBSrcFormatter> Formatter;
};

class TSetups {
public:
    TSetups(const std::string& ini, TerminalCommandHost& host) : ini_(ini), host_(host) {}

    // The setup for sources in `dir`; nullptr (after a message) when a
    // settings file cannot be read.
    TFormatSetup* For(const std::string& dir) {
        const TOptionLayers layers = OptionLayersFor(dir, ini_);
        auto found = setups_.find(layers.ProjectFile);
        if (found != setups_.end()) return found->second.get();
        auto setup = std::make_unique<TFormatSetup>();
        std::string error, warning;
        const bool loaded = LoadOptionLayers(layers, setup->Options, nullptr, error, &warning);
        if (!warning.empty() && !userWarned_) {
            userWarned_ = true;
            std::cerr << "plumora-cli: " << PrintableMessage(warning) << "\n";
        }
        if (!loaded) {
            std::cerr << "plumora-cli: " << PrintableMessage(error) << "\n";
            return nullptr;
        }
        setup->Options.LoadCommentHeaders(host_);
        if (setup->Options.Bool(Opt::SpellingPerform) && !spellNoted_) {
            spellNoted_ = true;
            std::cerr << "plumora-cli: spell checking asks about each word, which the desktop "
                         "program does; styled without it (plumora-cli spell reports the unknown words)\n";
        }
        setup->Formatter = std::make_unique<TVBSrcFormatter>(setup->Options);
        setup->Formatter->VBTabStops = ReadVBTabStops();
        return (setups_[layers.ProjectFile] = std::move(setup)).get();
    }

private:
    std::string ini_;
    TerminalCommandHost& host_;
    std::map<std::string, std::unique_ptr<TFormatSetup>> setups_;
    bool spellNoted_ = false;
    bool userWarned_ = false;
};

// One source read: its lines and the line end it uses.
struct TSource {
    std::string Shown;  // the name in messages
    std::string Name;   // file name: its extension gives the kind
    std::string Dir;    // where its project style file is looked for
    std::vector<std::string> Lines;
    std::string LineEnd = "\r\n";
    bool Empty = false;
};

// Reads a source file given on the command line; false after reporting why not.
bool ReadSourceFile(const std::string& file, TSource& source) {
    auto fail = [&](const std::string& message) {
        std::cerr << "plumora-cli: " << PrintableText(file) << ": " << message << "\n";
        return false;
    };
    source.Shown = file;
    source.Name = fs::path(file).filename().string();
    source.Dir = SourceDirectory(file);
    std::error_code ec;
    if (!fs::is_regular_file(file, ec))
        return fail(fs::exists(file, ec) ? "not a regular file" : "no such file");
    if (fs::file_size(file, ec) == 0 && !ec) {
        source.Empty = true;
        return true;
    }
    // The same admission test as the project reader: a file whose first
    // byte is not text (a binary VB3 form, an image) is refused, and so
    // is one that cannot be read or is saved as UTF-8 or UTF-16.
    if (const TTextCheck text = CheckTextFile(fs::absolute(file, ec).string(), true); !text.Ok) {
        return fail(text.Reason == kNotAsciiReason
                        ? std::string("not a text file; a binary form must be saved as text in Visual Basic first")
                        : "this file " + text.Reason);
    }
    const TIoResult read = ReadTextLines(file, source.Lines, source.LineEnd);
    if (!read.Ok) return fail(PrintableText(read.Error));
    return true;
}

// Reads the one source of `format -`.
bool ReadSourceFromStdin(const std::string& stdinFilename, TSource& source) {
    source.Shown = stdinFilename.empty() ? kStdinName : stdinFilename;
    source.Name = stdinFilename.empty() ? kStdinName : fs::path(stdinFilename).filename().string();
    source.Dir = stdinFilename.empty() ? std::string(".") : SourceDirectory(stdinFilename);
    std::string bytes;
    if (const TIoResult read = ReadStandardInput(bytes); !read.Ok) {
        std::cerr << "plumora-cli: " << read.Error << "\n";
        return false;
    }
    source.Empty = bytes.empty();
    SplitTextLines(bytes, source.Lines);
    source.LineEnd = LineEndOf(bytes);
    return true;
}

// Why `file` must not be rewritten in place; empty when it may be.
std::string InPlaceProblem(const std::string& file) {
    std::error_code ec;
    const fs::perms perms = fs::status(file, ec).permissions();
    if (!ec && (perms & fs::perms::owner_write) == fs::perms::none) return "the file is read-only";
    return {};
}

}  // namespace

int RunFormat(const std::vector<std::string>& args) {
    FormatArgs opts;
    if (int status = ParseArgs(args, opts); status != kExitOk) return status;

    TerminalCommandHost host(false);
    TSetups setups(opts.Ini, host);

    int exitCode = kExitOk;
    std::set<std::string> writtenNames;
    for (const std::string& file : opts.Files) {
        TSource source;
        const bool read = opts.Stdin ? ReadSourceFromStdin(opts.StdinFilename, source)
                                     : ReadSourceFile(file, source);
        if (!read) {
            exitCode = kExitFailed;
            continue;
        }
        const std::string shown = PrintableText(source.Shown);
        if (source.Empty) {
            if (!opts.Stdin) std::cerr << "plumora-cli: " << shown << ": empty file, nothing to style\n";
            continue;
        }
        TFormatSetup* setup = setups.For(source.Dir);
        if (!setup) {
            exitCode = kExitFailed;
            continue;
        }
        TVBSrcFormatter& formatter = *setup->Formatter;
        const TStyleResult styled = StyleFile(formatter, source.Lines, source.Name,
                                              KindFromExtension(UpperExtension(source.Name)));
        if (!styled.Refusal.empty() || styled.SafetyNet) {
            std::string message = styled.Refusal;
            if (styled.SafetyNet) {
                // A rule changed the code itself: nothing is written for this file.
                TSafetyNetReport net = *styled.SafetyNet;
                net.FileName = source.Shown;
                message = net.Message();
            }
            std::cerr << "plumora-cli: " << PrintableMessage(message) << "\n";
            if (opts.InPlace) std::cerr << "plumora-cli: " << shown << ": left as it was\n";
            exitCode = kExitFailed;
            continue;
        }
        const std::string text = StyledText(formatter.Output, styled.EndOfFileMark, source.LineEnd);

        if (opts.Check) {
            if (styled.Changed) {
                if (opts.Diff) {
                    WriteOut(ForTerminal(UnifiedDiff(
                        source.Lines, StyledLines(formatter.Output, styled.EndOfFileMark),
                        source.Shown, source.Shown + " (styled)")));
                } else {
                    WriteOut("would change: " + shown + "\n");
                }
                if (exitCode == kExitOk) exitCode = kExitFailed;
            }
            continue;
        }
        if (opts.InPlace) {
            if (!styled.Changed) continue;
            std::string reason = InPlaceProblem(file);
            // The file keeps its permissions; a link keeps pointing at it.
            if (reason.empty() && !AtomicWriteFile(file, text, &reason)) reason = "cannot write: " + reason;
            if (!reason.empty()) {
                std::cerr << "plumora-cli: " << shown << ": not written: " << PrintableText(reason) << "\n";
                exitCode = kExitFailed;
            }
            continue;
        }
        if (opts.OutputDir.empty()) {
            // The styled text itself is the output: its bytes go out as they are.
            if (!WriteOut(text)) break;
            continue;
        }

        auto fail = [&](const std::string& message) {
            std::cerr << "plumora-cli: " << shown << ": " << PrintableText(message) << "\n";
            exitCode = kExitFailed;
        };
        const fs::path target = fs::path(opts.OutputDir) / source.Name;
        bool clash = false;
        for (const std::string& input : opts.Files)
            if (SameFile(target, input)) clash = true;
        if (clash) {
            fail("not written: " + target.string() + " is an input file");
            continue;
        }
        if (!writtenNames.insert(source.Name).second) {
            fail("not written: another input named " + source.Name + " was already written to " +
                 opts.OutputDir);
            continue;
        }
        std::string reason;
        // A link planted in DIR is replaced, never written through.
        if (!AtomicReplaceFile(target.string(), text, &reason)) {
            fail("cannot write " + target.string() + ": " + reason);
            continue;
        }
    }
    return exitCode;
}

}  // namespace plumora::cli

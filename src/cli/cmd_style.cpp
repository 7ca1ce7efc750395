// plumora-cli style: the processing run of the desktop's Begin Processing on
// a whole project, into its output directory, or as a dry run (--check).
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/std_out.h"
#include "cli/terminal_run_host.h"
#include "io/native.h"
#include "io/paths.h"
#include "processing/check_project.h"
#include "viewers/unified_diff.h"
#include "processing/process_command.h"
#include "project/app_state.h"
#include "project/open_project.h"
#include "settings/option_set.h"
#include "settings/project_style.h"

namespace plumora::cli {

namespace {

namespace fs = std::filesystem;

struct StyleArgs {
    std::string Project;
    std::string Ini;
    std::string OutputDir;
    std::vector<std::string> Only;
    bool AssumeYes = false;
    bool Check = false;
    bool Diff = false;
};

// Returns kExitOk when the arguments are usable, else the usage status.
int ParseArgs(const std::vector<std::string>& args, StyleArgs& out) {
    bool optionsEnded = false;
    bool inOnly = false;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        bool option = !optionsEnded && a.size() > 1 && a[0] == '-';
        if (!optionsEnded && a == "--") {
            optionsEnded = true;
            inOnly = false;
        } else if (option && a == "--yes") {
            out.AssumeYes = true;
            inOnly = false;
        } else if (option && a == "--check") {
            out.Check = true;
            inOnly = false;
        } else if (option && a == "--diff") {
            out.Diff = true;
            out.Check = true;
            inOnly = false;
        } else if (option && (a == "--ini" || a == "--out")) {
            if (i + 1 >= args.size()) return UsageError("style: " + a + " needs a value");
            (a == "--ini" ? out.Ini : out.OutputDir) = args[++i];
            inOnly = false;
        } else if (option && a == "--only") {
            inOnly = true;
        } else if (option) {
            return UsageError("style: unknown option '" + a + "'");
        } else if (inOnly) {
            out.Only.push_back(a);
        } else {
            positional.push_back(a);
        }
    }
    if (positional.empty()) return UsageError("style: missing PROJECT");
    if (positional.size() > 1) return UsageError("style: more than one PROJECT given");
    out.Project = positional[0];
    if (out.Check && !out.OutputDir.empty())
        return UsageError("style: --check and --diff write nothing; they cannot be combined with --out");
    if (!out.Ini.empty()) {
        if (const std::string problem = IniArgumentProblem(out.Ini); !problem.empty())
            return UsageError("style: " + problem);
    }
    return kExitOk;
}

// Selects only the entries named by --only (by file name, any letter case).
int SelectOnly(TSourceMgt& project, const std::vector<std::string>& only) {
    if (only.empty()) return kExitOk;
    for (RFile* f = project.Head.get(); f->Next; f = f->Next.get()) f->Selected = false;
    for (const std::string& wanted : only) {
        std::string name = FileNamePart(wanted);
        bool found = false;
        for (RFile* f = project.Head.get(); f->Next; f = f->Next.get()) {
            if (EqualsIgnoreAsciiCase(f->Name, name)) {
                f->Selected = true;
                found = true;
            }
        }
        if (!found) return UsageError("style: the project has no file named '" + wanted + "'");
    }
    return kExitOk;
}

int RunCheck(TAppState& state, const TOptionSet& options, TerminalRunHost& host, bool diff) {
    TChangedFileVisitor printDiff;
    if (diff) {
        printDiff = [](const std::string& name, const std::vector<std::string>& source,
                       const std::vector<std::string>& styled) {
            WriteOut(ForTerminal(UnifiedDiff(source, styled, name, name + " (styled)")));
        };
    }
    TCheckReport report =
        CheckProject(*state.Project, options, state.VBTabStops, &host, printDiff);
    host.ShowProgressWindow(false);
    if (!diff)
        for (const std::string& name : report.Changed)
            WriteOut("would change: " + PrintableText(name) + "\n");
    for (const std::string& name : report.Unavailable)
        std::cerr << "plumora-cli: " << PrintableText(name) << ": NOT AVAILABLE (cannot be read)\n";
    for (const std::string& message : report.Rejected)
        std::cerr << "plumora-cli: " << PrintableMessage(message) << "\n";
    if (report.Cancelled) {
        std::cerr << "plumora-cli: cancelled\n";
        return kExitFailed;
    }
    return report.Changed.empty() && report.Unavailable.empty() && report.Rejected.empty()
               ? kExitOk
               : kExitFailed;
}

}  // namespace

int RunStyle(const std::vector<std::string>& args) {
    StyleArgs opts;
    if (int status = ParseArgs(args, opts); status != kExitOk) return status;

    TerminalRunHost host(opts.AssumeYes, IsTerminal(2));
    TAppState state;
    TOptionSet options;
    if (!OpenProject(state, options, host, opts.Project)) return kExitFailed;
    // The open read the user's own settings; a project style file beside
    // the project (or above it) and --ini come over them.
    const TOptionLayers layers = OptionLayersFor(state.Project->ProjectDir, opts.Ini);
    if (!layers.ProjectFile.empty() || !layers.IniArgument.empty()) {
        TOptionLayers over = layers;
        over.UserFile.clear();
        std::string error;
        if (!LoadOptionLayers(over, options, nullptr, error)) {
            std::cerr << "plumora-cli: " << PrintableMessage(error) << "\n";
            return kExitFailed;
        }
        options.LoadCommentHeaders(host);
    }
    if (int status = SelectOnly(*state.Project, opts.Only); status != kExitOk) return status;
    if (options.Bool(Opt::SpellingPerform))
        std::cerr << "plumora-cli: spell checking asks about each word, which the desktop program "
                     "does; styled without it (plumora-cli spell reports the unknown words)\n";

    if (opts.Check) return RunCheck(state, options, host, opts.Diff);

    std::string override;
    if (!opts.OutputDir.empty()) {
        std::error_code ec;
        override = fs::absolute(opts.OutputDir, ec).lexically_normal().string();
        if (ec) override = opts.OutputDir;
    }
    TRunReport report = RunProcessCommand(state, options, host, nullptr, override);
    switch (report.Outcome) {
        case TRunOutcome::Completed:
            WriteOut("styled " + std::to_string(report.Styled.size()) + " file" +
                     (report.Styled.size() == 1 ? "" : "s") + " into " +
                     PrintableText(report.OutputDir) + "\n");
            return report.Unavailable.empty() && report.Rejected.empty() && !report.LogFailed
                       ? kExitOk
                       : kExitFailed;
        case TRunOutcome::Declined:
            std::cerr << "plumora-cli: nothing styled (answer the question with --yes)\n";
            return kExitFailed;
        case TRunOutcome::Cancelled:
            std::cerr << "plumora-cli: cancelled after " << report.Styled.size() << " file"
                      << (report.Styled.size() == 1 ? "" : "s") << "\n";
            return kExitFailed;
        default:
            return kExitFailed;
    }
}

}  // namespace plumora::cli

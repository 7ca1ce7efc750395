// plumora-cli: the headless front end. main only dispatches; every
// subcommand calls a core service and reports its result.
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/std_out.h"
#include "io/native.h"
#include "io/read_open.h"

namespace plumora::cli {

const std::vector<CliCommand>& Commands() {
    static const std::vector<CliCommand> commands = {
        {"list", "PROJECT", "open a .VBP or .MAK project and list its source files",
         "  --yes     answer OK when a listed file is not a text file (leave it out and go on)\n",
         RunList},
        {"format", "FILE...|-", "style source files and print them (keeping their line ends)",
         "  --ini FILE    options from FILE, over the project style file and VBPLUMO3.INI\n"
         "    --check       write nothing; exit 1 when a file would change\n"
         "    --diff        like --check, and print a unified diff of each file it would change\n"
         "    --output DIR  write the styled files into DIR (never over an input)\n"
         "    -i, --in-place  write each file that would change over itself (exit 1 when one\n"
         "                  is refused; a refused file is left as it was)\n"
         "    -             read one source from standard input, print it styled\n"
         "    --stdin-filename NAME  the name of that source: its extension gives its kind\n"
         "                  (.FRM a form), its folder the project style file\n",
         RunFormat},
        {"diff", "OLD NEW", "compare two files line by line (exit 0 equal, 1 different)",
         "  --unified  print a unified diff with 3 lines of context instead of rows\n", RunDiff},
        {"formtree", "FILE.FRM", "print the tree of a form's controls with their properties",
         "  --no-properties  print the blocks only\n", RunFormTree},
        {"style", "PROJECT", "style the selected files of a project into its output directory",
         "  --yes         answer Yes to the questions (start the run; clean up after Ctrl-C)\n"
         "    --ini FILE    options from FILE, over the project style file and VBPLUMO3.INI\n"
         "    --out DIR     write into DIR instead of the BackupNewCodeDirectory setting\n"
         "    --only FILE...  style only these files of the project (by file name)\n"
         "    --check       write nothing; exit 1 when a selected file would change\n"
         "    --diff        like --check, and print a unified diff of each file it would change\n",
         RunStyle},
        {"stats", "PROJECT", "print the point tables of the seven statistics charts",
         "  --chart N  only chart N (1 to 7, in the chart selector's order)\n"
         "    --csv      print CSV (Chart,Label,Value) for spreadsheets\n"
         "    --yes      answer OK when a listed file is not a text file\n",
         RunStats},
#ifdef PLUMORA_WITH_SPELLING
        {"spell", "FILE...|PROJECT",
         "report unknown words of comments and literals (exit 1 when any)",
         "  --comments         check comments only\n"
         "    --literals         check string literals only\n"
         "    --dictionary LANG  the Hunspell dictionary to use (default en_US)\n"
         "    --words FILE       words to accept, one a line (may be repeated)\n"
         "    --no-suggestions   report the words without looking up suggestions\n"
         "    --yes              answer OK when a listed file is not a text file\n",
         RunSpell},
#endif
        {"options", "[PATH]", "print the options used for sources in PATH (default: here)",
         "  --dump      print every option as an INI file, each with where it came from\n"
         "    --ini FILE  as for format and style\n",
         RunOptions},
    };
    return commands;
}

int UsageError(const std::string& message) {
    std::cerr << "plumora-cli: " << message << "\n"
              << "Try 'plumora-cli --help'.\n";
    return kExitUsage;
}

std::string IniArgumentProblem(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return "settings file not found: " + path;
        return "settings file " + path + ": " + std::strerror(errno);
    }
    if (!S_ISREG(st.st_mode)) return "settings file " + path + " is " + NotAFileText(st.st_mode) + ", not a file";
    return {};
}

static void PrintUsage(std::ostream& out) {
    out << "Plumora/VB 3.0 - styles classic Visual Basic (VB3 to VB6) source code\n\n"
        << "Usage: plumora-cli COMMAND [OPTIONS] ARGUMENTS\n"
        << "       plumora-cli --help | --version\n\n"
        << "Commands:\n";
    for (const auto& c : Commands()) {
        std::string head = std::string(c.Name) + " " + c.Arguments;
        out << "  " << head;
        for (std::size_t n = head.size(); n < 26; ++n) out << ' ';
        out << c.Summary << "\n";
        if (c.Options && *c.Options) out << "    " << std::string(c.Options).substr(2);
    }
#ifndef PLUMORA_WITH_SPELLING
    out << "\nThis build has no spell checker: the spell command is not available.\n";
#endif
    out << "\nOptions are read from VBPLUMO3.INI in " << ConfigDirRule() << ",\n"
        << "then from the project style file .plumora.ini in the source's folder or the\n"
        << "nearest folder above it, then from --ini FILE; each key from the last that has it.\n"
        << "\nExit status: 0 done, 1 failed (or, with --check, a file would change; for diff,\n"
        << "the files differ), 2 usage.\n";
}

}  // namespace plumora::cli

int main(int argc, char** argv) {
    using namespace plumora::cli;
    plumora::UseBinaryStandardStreams();
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        PrintUsage(std::cerr);
        return kExitUsage;
    }
    const std::string& first = args[0];
    if (first == "--help" || first == "-h" || first == "help") {
        std::ostringstream usage;
        PrintUsage(usage);
        WriteOut(usage.str());
        return FinishOutput(kExitOk);
    }
    if (first == "--version") {
        WriteOut(std::string("plumora-cli ") + PLUMORA_VERSION_STRING + " (Plumora/VB 3.0)\n");
        return FinishOutput(kExitOk);
    }
    for (const auto& c : Commands()) {
        if (first == c.Name) {
            std::vector<std::string> rest(args.begin() + 1, args.end());
            try {
                return FinishOutput(c.Run(rest));
            } catch (const std::exception& e) {
                std::cerr << "plumora-cli: internal error: " << e.what() << "\n";
                return kExitUsage;
            }
        }
    }
    return UsageError("unknown command '" + first + "'");
}

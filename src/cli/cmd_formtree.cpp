// plumora-cli formtree: prints the control tree of a form file the way the
// form tree window shows it, with each block's property lines.
#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/std_out.h"
#include "formtree/form_nodes.h"
#include "formtree/form_parser.h"
#include "io/paths.h"
#include "io/text_lines.h"
#include "project/project_reader.h"

namespace plumora::cli {

namespace {

// Beyond this depth the indentation stops growing and the depth is written
// out instead, so that a pathologically deep file does not print gigabytes
// of blanks.
constexpr int kMaxIndentDepth = 40;

void Indent(std::string& out, int depth) {
    out.append(static_cast<std::size_t>(std::min(depth, kMaxIndentDepth)) * 2, ' ');
    if (depth > kMaxIndentDepth) {
        out += '[';
        out += std::to_string(depth);
        out += "] ";
    }
}

bool HasFormDescription(const std::string& path) {
    std::string ext = UpperExtension(path);
    return ext == ".FRM" || ext == ".CTL" || ext == ".PAG" || ext == ".DOB";
}

int Fail(const std::string& message) {
    std::cerr << "plumora-cli: formtree: " << message << "\n";
    return kExitFailed;
}

}  // namespace

int RunFormTree(const std::vector<std::string>& args) {
    bool withProperties = true;
    bool optionsEnded = false;
    std::vector<std::string> files;
    for (const std::string& arg : args) {
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg == "--no-properties") {
            withProperties = false;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            return UsageError("formtree: unknown option '" + arg + "'");
        } else {
            files.push_back(arg);
        }
    }
    if (files.empty()) return UsageError("formtree: missing FILE.FRM");
    if (files.size() > 1) return UsageError("formtree: more than one FILE given");
    const std::string& file = files[0];

    if (!HasFormDescription(file)) {
        return Fail(file + " is not a form file: the tree is read from the Begin/End blocks of "
                           ".FRM files (and of .CTL, .PAG and .DOB files).");
    }
    std::string local = LocatePath(file).value_or(file);
    std::vector<std::string> lines;
    TIoResult read = ReadTextLines(local, lines);
    if (!read.Ok) return Fail(read.Error);
    if (lines.empty()) return Fail(file + " is empty.");
    bool binary = std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
        return line.find('\0') != std::string::npos;
    });
    if (binary || !IsTextFile(local)) {
        return Fail(file + " is not a text file (a form saved in binary format cannot be read).");
    }

    std::string name = FileNamePart(file);
    TFormTree tree = ParseFormTree(lines, name, name);
    if (tree.BlockCount() == 0) return Fail(file + " contains no Begin/End control blocks.");

    std::string out;
    for (const TFormNode& node : FormTreeNodes(tree)) {
        if (!withProperties && SelectsPropertyList(node)) continue;
        Indent(out, node.Depth);
        out += node.Text;
        out += '\n';
        for (const TPropertyRow& row : FormPropertyRows(node)) {
            Indent(out, node.Depth + 1);
            if (!row.Name.empty()) out += row.Name + " ";
            out += "= " + row.Value + "\n";
        }
    }
    WriteOut(ForTerminal(std::move(out)));
    if (tree.UnclosedBlocks > 0) {
        std::cerr << "plumora-cli: formtree: warning: " << file << ": " << tree.UnclosedBlocks
                  << " control block(s) not closed by End before the last line.\n";
    }
    return kExitOk;
}

}  // namespace plumora::cli

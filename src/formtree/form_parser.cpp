// The Begin/End block parser of the form structure tree, written as a loop
// over an explicit stack of open blocks instead of one call per level.
#include "formtree/form_parser.h"

#include "formatter/line_ops.h"

namespace plumora {

namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

struct TOpenBlock {
    RFormBlock* Block;
    RFormProperty* LastProperty;  // where the next property line is linked
};

void AddProperty(TFormTree& tree, TOpenBlock& open, std::string_view trimmed) {
    std::string name, value;
    SplitPropertyLine(trimmed, name, value);
    RFormProperty* property = tree.NewProperty(std::move(name), std::move(value));
    if (open.LastProperty) open.LastProperty->Next = property;
    else open.Block->Properties = property;
    open.LastProperty = property;
}

// The first child keeps its place; each later one goes directly after it.
void InsertChild(RFormBlock* parent, RFormBlock* child) {
    if (!parent->FirstChild) {
        parent->FirstChild = child;
        return;
    }
    child->NextSibling = parent->FirstChild->NextSibling;
    parent->FirstChild->NextSibling = child;
}

}  // namespace

void SplitPropertyLine(std::string_view trimmed, std::string& name, std::string& value) {
    std::size_t eq = trimmed.find('=');
    if (eq == std::string_view::npos) {
        name.clear();
        value.assign(TrimView(trimmed));
        return;
    }
    name.assign(TrimView(trimmed.substr(0, eq)));
    value.assign(TrimView(trimmed.substr(eq + 1)));
}

void SplitBlockHeader(std::string_view rest, std::string& blockClass, std::string& blockName) {
    rest = TrimView(rest);
    std::size_t blank = rest.find(' ');
    if (blank == std::string_view::npos) {
        blockClass.clear();
        blockName.assign(rest);
        return;
    }
    blockClass.assign(TrimView(rest.substr(0, blank)));
    blockName.assign(TrimView(rest.substr(blank + 1)));
}

TFormTree ParseFormTree(const std::vector<std::string>& lines, std::string_view projectName,
                        std::string_view fileName) {
    TFormTree tree(projectName, fileName);
    // The stack holds the "File" record at level 0 and one entry per open
    // block above it; its size minus one is the level of the top entry.
    std::vector<TOpenBlock> open;
    open.push_back({tree.FileRecord(), nullptr});
    std::size_t cursor = 0;

    while (!open.empty()) {
        if (cursor + 1 >= lines.size()) {
            // Every open level ends here at once.
            tree.UnclosedBlocks = open.size() - 1;
            break;
        }
        std::string_view text = TrimView(lines[cursor]);
        std::size_t level = open.size() - 1;

        if (level > 0 && !StartsWith(text, "Begin") && !StartsWith(text, "End")) {
            AddProperty(tree, open.back(), text);
        }
        if (StartsWithNoCase(text, "BEGIN")) {
            std::string blockClass, blockName;
            SplitBlockHeader(text.substr(5), blockClass, blockName);
            RFormBlock* child = tree.NewBlock(std::move(blockClass), std::move(blockName));
            InsertChild(open.back().Block, child);
            ++cursor;
            open.push_back({child, nullptr});
            if (open.size() - 1 > tree.MaxDepth) tree.MaxDepth = open.size() - 1;
            continue;
        }
        if (StartsWithNoCase(text, "END")) {
            // The level below takes over and steps over the line that ended
            // the nested block.
            open.pop_back();
            if (!open.empty()) ++cursor;
            continue;
        }
        ++cursor;
    }
    return tree;
}

}  // namespace plumora

// Flattening the parsed form into the node list the tree widget shows.
#include "formtree/form_nodes.h"

#include <utility>

#include "io/paths.h"

namespace plumora {

int FormBlockIcon(std::string_view blockClass) {
    std::string upper = AsciiUpper(blockClass);
    if (upper == "FILE") return ftiFile;
    if (upper == "FORM" || upper == "VB.FORM") return ftiForm;
    return ftiControl;
}

std::vector<TFormNode> FormTreeNodes(const TFormTree& tree) {
    std::vector<TFormNode> nodes;
    const RFormBlock* root = tree.Root();
    nodes.push_back({0, root->BlockClass + ": " + root->BlockName, ftiRoot, nullptr});

    // Pending blocks with their depth. A block's sibling is pushed below its
    // first child so that the whole subtree comes out before the sibling; the
    // stack never holds more than one pending sibling per level.
    std::vector<std::pair<const RFormBlock*, int>> pending;
    pending.emplace_back(tree.FileRecord(), 1);
    while (!pending.empty()) {
        auto [block, depth] = pending.back();
        pending.pop_back();
        nodes.push_back({depth, block->BlockClass + ": " + block->BlockName,
                         FormBlockIcon(block->BlockClass), nullptr});
        if (block->Properties) nodes.push_back({depth + 1, "Properties", ftiProperties, block});
        if (block->NextSibling) pending.emplace_back(block->NextSibling, depth);
        if (block->FirstChild) pending.emplace_back(block->FirstChild, depth + 1);
    }
    return nodes;
}

bool SelectsPropertyList(const TFormNode& node) { return AsciiUpper(node.Text) == "PROPERTIES"; }

std::vector<TPropertyRow> FormPropertyRows(const TFormNode& node) {
    std::vector<TPropertyRow> rows;
    if (!SelectsPropertyList(node) || !node.PropertiesOf) return rows;
    for (const RFormProperty* p = node.PropertiesOf->Properties; p; p = p->Next) {
        rows.push_back({p->PropName, p->PropValue});
    }
    return rows;
}

}  // namespace plumora

// Building the form tree of one project entry: what the form tree window
// holds for its whole life.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "formtree/form_nodes.h"
#include "formtree/form_tree.h"

namespace plumora {

class TSourceMgt;
struct RFile;

struct TFormTreeModel {
    std::string Caption;  // "Form tree for " and the project file name
    TFormTree Tree;
    std::vector<TFormNode> Nodes;  // point into Tree
    bool Unreadable = false;       // the file could not be read: no blocks at all
};

// Loads the entry's lines, parses and flattens them, and releases the lines
// again; the model keeps copies of every text. Nothing (nullopt) when the
// project has no files or `entry` is missing or the blank entry. A file that
// cannot be read gives just the root and the "File" node.
std::optional<TFormTreeModel> BuildFormTree(TSourceMgt& project, RFile* entry);

}  // namespace plumora

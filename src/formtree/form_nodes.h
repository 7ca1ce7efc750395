// The form tree as a tree widget draws it: nodes in display order, each with
// its depth, text and icon number, and the property rows behind a
// "Properties" node.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "formtree/form_tree.h"

namespace plumora {

// Icon numbers of the tree's image list.
enum FormTreeIcon : int {
    ftiRoot = 0,        // the project's root node
    ftiForm = 1,        // a block of class Form or VB.Form
    ftiFile = 3,        // the "File" node
    ftiProperties = 4,  // a "Properties" node, and each row of the property list
    ftiControl = 5,     // every other block
};

struct TFormNode {
    int Depth = 0;  // 0 for the root; children are one deeper than their parent
    std::string Text;
    int Icon = ftiControl;
    // For a "Properties" node: the block whose property lines it lists.
    const RFormBlock* PropertiesOf = nullptr;
};

// The icon of a block node, decided by its class in upper case.
int FormBlockIcon(std::string_view blockClass);

// Root "Form: <project>", then the "File" record and everything below it:
// each block, its "Properties" node when it has property lines, its children,
// then its following siblings. The walk keeps its own stack, so any depth is
// fine.
std::vector<TFormNode> FormTreeNodes(const TFormTree& tree);

// Selecting a node refills the property list only when the node's text in
// upper case is "PROPERTIES".
bool SelectsPropertyList(const TFormNode& node);

struct TPropertyRow {
    std::string Name;   // the row's caption
    std::string Value;  // the second column
};

// The rows of the property list for a "Properties" node, in file order;
// empty for any other node.
std::vector<TPropertyRow> FormPropertyRows(const TFormNode& node);

// The two columns of the property list, with their widths in pixels.
struct TPropertyColumn {
    const char* Caption;
    int Width;
};
inline constexpr TPropertyColumn kFormPropertyColumns[] = {{"Property", 85}, {"Value", 85}};

}  // namespace plumora

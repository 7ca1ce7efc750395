// The rules of the project tree that need no window: which image a file kind
// gets, which state image mirrors a selection, the toggle, and the numbered
// captions of the recent-files menu.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace plumora {

class TSourceMgt;
struct RFile;

// Image indexes of the tree's image list.
constexpr int kRootImage = 0;
// State image indexes: 1 selected for processing, 2 not selected.
constexpr int kStateSelected = 1;
constexpr int kStateNotSelected = 2;

// Image of a file node by `RFile::Kind`; nullopt for kinds that get no node
// (custom controls, and codes the reader never assigns).
std::optional<int> KindImage(std::uint8_t kind);

inline int StateImage(bool selected) { return selected ? kStateSelected : kStateNotSelected; }

// Flips the entry's selection the way a double click does: state 2 goes to 1,
// anything else to 2. Returns the new state image.
int ToggleSelection(RFile& entry, int currentState);

// Sets `Selected` of every file entry of the chain that has a tree node.
void SetAllSelected(TSourceMgt& project, bool selected);

// "&1  path": the caption of recent-file entry `number` (1 at the top).
std::string RecentFileCaption(int number, const std::string& path);

}  // namespace plumora

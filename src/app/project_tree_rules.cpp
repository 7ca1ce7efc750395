// Tree images, toggling and recent-file captions as plain functions.
#include "app/project_tree_rules.h"

#include "project/file_kind.h"
#include "project/source_mgt.h"

namespace plumora {

std::optional<int> KindImage(std::uint8_t kind) {
    switch (kind) {
        case fkForm: return 1;
        case fkModule: return 4;
        case fkClass: return 8;
        case fkUserControl: return 7;
        default: return std::nullopt;
    }
}

int ToggleSelection(RFile& entry, int currentState) {
    entry.Selected = currentState == kStateNotSelected;
    return StateImage(entry.Selected);
}

void SetAllSelected(TSourceMgt& project, bool selected) {
    // Entries without a node (custom controls) are not the user's to change.
    for (RFile* f = project.Head.get(); f && f->Next; f = f->Next.get())
        if (KindImage(f->Kind)) f->Selected = selected;
}

std::string RecentFileCaption(int number, const std::string& path) {
    return "&" + std::to_string(number) + "  " + path;
}

}  // namespace plumora

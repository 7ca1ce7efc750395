// The form tree command on the project model.
#include "formtree/form_tree_build.h"

#include "formtree/form_parser.h"
#include "project/source_mgt.h"

namespace plumora {

std::optional<TFormTreeModel> BuildFormTree(TSourceMgt& project, RFile* entry) {
    if (project.FileCount() == 0 || !entry || entry->IsBlank()) return std::nullopt;
    project.LoadLines(entry);
    TFormTreeModel model{"Form tree for " + project.ProjectName,
                         ParseFormTree(entry->Lines, project.ProjectName, entry->Name), {}};
    model.Nodes = FormTreeNodes(model.Tree);
    project.ReleaseLines(entry);
    return model;
}

}  // namespace plumora

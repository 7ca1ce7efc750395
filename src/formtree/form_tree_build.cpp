// The form tree command on the project model.
#include "formtree/form_tree_build.h"

#include "formtree/form_parser.h"
#include "io/paths.h"
#include "io/text_lines.h"
#include "project/source_mgt.h"

namespace plumora {

std::optional<TFormTreeModel> BuildFormTree(TSourceMgt& project, RFile* entry) {
    if (project.FileCount() == 0 || !entry || entry->IsBlank()) return std::nullopt;
    project.LoadLines(entry);
    TFormTreeModel model{"Form tree for " + project.ProjectName,
                         ParseFormTree(entry->Lines, project.ProjectName, entry->Name), {}};
    model.Nodes = FormTreeNodes(model.Tree);
    // LoadLines stands in the line "NOT AVAILABLE" for a file it cannot
    // read; only then is the file tried again, to tell the two apart.
    if (entry->Lines == std::vector<std::string>{"NOT AVAILABLE"}) {
        std::vector<std::string> probe;
        std::optional<std::string> local = LocatePath(entry->FullPath);
        model.Unreadable = !local || !ReadTextLines(*local, probe).Ok;
    }
    project.ReleaseLines(entry);
    return model;
}

}  // namespace plumora

// A parsed form: the two top records ("Form" for the project, "File" for the
// form file) with the file's blocks nested under "File". The tree owns every
// record in flat storage, so that a form nested ten thousand levels deep is
// freed without recursion.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "formtree/form_records.h"

namespace plumora {

class TFormTree {
public:
    TFormTree(std::string_view projectName, std::string_view fileName);
    TFormTree(TFormTree&&) = default;
    TFormTree& operator=(TFormTree&&) = default;
    TFormTree(const TFormTree&) = delete;
    TFormTree& operator=(const TFormTree&) = delete;

    RFormBlock* Root() const { return root_; }        // "Form": project file name
    RFormBlock* FileRecord() const { return file_; }  // "File": the form's file name

    RFormBlock* NewBlock(std::string blockClass, std::string blockName);
    RFormProperty* NewProperty(std::string name, std::string value);

    // What the parse saw, for callers that want to warn about broken files.
    std::size_t BlockCount() const { return blocks_.size() - 2; }  // without the top records
    std::size_t UnclosedBlocks = 0;  // blocks still open when the lines ran out
    std::size_t MaxDepth = 0;        // deepest nesting of a file block (1 = under "File")

private:
    std::vector<std::unique_ptr<RFormBlock>> blocks_;
    std::vector<std::unique_ptr<RFormProperty>> properties_;
    RFormBlock* root_ = nullptr;
    RFormBlock* file_ = nullptr;
};

}  // namespace plumora

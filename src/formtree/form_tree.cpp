// Storage of the form tree's records.
#include "formtree/form_tree.h"

namespace plumora {

TFormTree::TFormTree(std::string_view projectName, std::string_view fileName) {
    root_ = NewBlock("Form", std::string(projectName));
    file_ = NewBlock("File", std::string(fileName));
    root_->FirstChild = file_;
}

RFormBlock* TFormTree::NewBlock(std::string blockClass, std::string blockName) {
    auto block = std::make_unique<RFormBlock>();
    block->BlockClass = std::move(blockClass);
    block->BlockName = std::move(blockName);
    blocks_.push_back(std::move(block));
    return blocks_.back().get();
}

RFormProperty* TFormTree::NewProperty(std::string name, std::string value) {
    auto property = std::make_unique<RFormProperty>();
    property->PropName = std::move(name);
    property->PropValue = std::move(value);
    properties_.push_back(std::move(property));
    return properties_.back().get();
}

}  // namespace plumora

// The records that the form structure tree is built from: one per Begin/End
// block of a form file and one per property line of a block.
#pragma once

#include <string>

namespace plumora {

struct RFormProperty {
    std::string PropName;   // text before the first "=", trimmed
    std::string PropValue;  // text after the first "=", trimmed
    RFormProperty* Next = nullptr;
};

struct RFormBlock {
    std::string BlockClass;  // the control's class as written ("VB.CommandButton")
    std::string BlockName;   // the control's name as written
    RFormProperty* Properties = nullptr;  // in file order
    RFormBlock* FirstChild = nullptr;
    RFormBlock* NextSibling = nullptr;
};

}  // namespace plumora

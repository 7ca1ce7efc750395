// File kind codes of the project model, decided from a file's extension only.
#pragma once

#include <cstdint>
#include <string_view>

namespace plumora {

enum FileKind : std::uint8_t {
    fkForm = 0,           // .FRM
    fkModule = 1,         // any other extension, normally .BAS
    fkCustomControl = 2,  // .VBX (never shown in the tree)
    fkClass = 5,          // .CLS
    fkUserControl = 6,    // .CTL
};

// `extension` is upper case with its dot (".FRM"); empty for a name without one.
constexpr FileKind KindFromExtension(std::string_view extension) {
    if (extension == ".FRM") return fkForm;
    if (extension == ".VBX") return fkCustomControl;
    if (extension == ".CLS") return fkClass;
    if (extension == ".CTL") return fkUserControl;
    return fkModule;
}

}  // namespace plumora

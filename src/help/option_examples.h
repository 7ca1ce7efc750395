// What an option does, shown rather than told: a short piece of Visual Basic
// styled by the real formatter once per value of the option, so that the
// help can never drift from what the program does.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "settings/option_catalogue.h"

namespace plumora {

// One value of the option and the sample as the formatter styles it with it.
struct TExampleColumn {
    std::string Caption;  // "Off", "On", a number, a choice's caption
    std::string Styled;   // lines separated by "\n"
};

struct TOptionExample {
    std::string Sample;  // the input, lines separated by "\n"
    // Other options the example sets before it varies its own, as
    // "Caption: value" texts; empty when it needs none.
    std::vector<std::string> Needs;
    std::vector<TExampleColumn> Columns;  // at least two
};

// Styles the option's sample with each of its example values. Options that
// do not change the styled code (preview, spell checking, where files are
// saved, template file names, the company) have no example.
std::optional<TOptionExample> OptionExample(Opt id);

}  // namespace plumora

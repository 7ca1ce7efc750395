// The generated part of the help's option pages: a table of the options of
// the dialog page (or Comments tab) that a help context describes, each with
// its caption, what it does, its default, its INI name, and an example made
// by the formatter.
#pragma once

#include <string>

namespace plumora {

// The HTML table for the option page of help context `context`; empty for a
// context that describes no options.
std::string OptionPageTable(int context);

}  // namespace plumora

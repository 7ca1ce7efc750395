// The loop variable of `Next` lines: a stack of the open `For` loops' variables
// from which `Next` lines gain (mode 1) or lose (mode 2) their variable.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settings/option_catalogue.h"

namespace plumora {

// The variable of a `For` statement: the text before the first "=", trimmed,
// or the variable before `In` of a `For Each`; empty when there is none.
std::string ForVariable(std::string_view statement);

// One line through the For/Next step: a For pushes its variable, a Next pops
// one entry per loop it closes and, in modes 1 and 2, is rebuilt. A Next that
// closes several loops, shares its line with other statements, or names a
// different variable than the loop it closes is left as written. Returns
// true when the line changed.
bool ForNextStep(std::string& line, std::vector<std::string>& stack, int mode);

}  // namespace plumora

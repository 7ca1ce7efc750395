// The names of a project's code, which count as known words: a comment that
// names a procedure, a variable, a control or an API function is right.
#pragma once

#include <string>
#include <unordered_set>
#include <vector>

namespace plumora {

class TSourceMgt;

// Adds every name in the code of `lines` (outside comments and literals:
// declared names, the names used, the controls of a form's description),
// the library and entry names of Declare statements and the module name of
// an "Attribute VB_Name" line, each as its UpperKey.
void AddProjectWords(const std::vector<std::string>& lines, std::unordered_set<std::string>& words);

// The names of every file of the project. Each file is loaded and released
// again unless it was loaded before.
std::unordered_set<std::string> CollectProjectWords(TSourceMgt& project);

}  // namespace plumora

// Reads the Begin/End blocks of a form file's lines into a TFormTree.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "formtree/form_tree.h"

namespace plumora {

// One line cursor serves every level. A block ends at the first line that
// begins with "END" in any letter case, so the "File" level usually stops at
// the first End Sub of the code; the last line is never examined. The
// children of a block come out as the first nested block followed by the
// others in reverse file order, which is how the form tree has always shown
// them. Nesting of any depth is handled without recursion.
TFormTree ParseFormTree(const std::vector<std::string>& lines, std::string_view projectName,
                        std::string_view fileName);

// One property line: the text before the first "=" and after it, trimmed; a
// line without "=" gives an empty name and the whole line as value.
void SplitPropertyLine(std::string_view trimmed, std::string& name, std::string& value);

// The class and name of a line that opens a block, from the text after its
// first five characters: class before the first blank, name after it, both
// trimmed; without a blank the class is empty and the name is the whole rest.
void SplitBlockHeader(std::string_view rest, std::string& blockClass, std::string& blockName);

}  // namespace plumora

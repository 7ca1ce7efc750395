// Tabs of a source line as the views show them: each tab becomes the same
// number of blanks, the way the formatter reads a line (not the next tab
// stop), so that a view and a styled file line up column for column.
#pragma once

#include <string>
#include <string_view>

namespace plumora {

// `line` with every tab replaced by `width` blanks (none for a width below
// 1), into `out`.
void ExpandTabsInto(std::string_view line, int width, std::string& out);

}  // namespace plumora

// Tab expansion of the line views.
#include "text/tab_expansion.h"

namespace plumora {

void ExpandTabsInto(std::string_view line, int width, std::string& out) {
    out.clear();
    for (char c : line) {
        if (c == '\t')
            out.append(static_cast<std::size_t>(width > 0 ? width : 0), ' ');
        else
            out.push_back(c);
    }
}

}  // namespace plumora

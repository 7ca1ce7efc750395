// Files that styling must refuse rather than write: checks before the passes
// (text that is no Visual Basic source, or a form whose description block
// never ends) and after them (a styled line that Visual Basic could not
// load). Each returns the message for the user, naming the file and the
// line, or an empty string when the file may be styled or written.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "formatter/formatter.h"

namespace plumora {

// Visual Basic's editor and compiler take lines of at most this many
// characters.
inline constexpr std::size_t kVBMaxLineLength = 1023;

// Before styling: a NUL byte (UTF-16 text, a binary file) or a file that
// begins with a VERSION line whose Begin ... End description block does not
// close before the first procedure. Styling either would give garbage, or
// put code above VERSION where Visual Basic no longer loads the form.
std::string RefuseSource(const std::vector<std::string>& lines, std::string_view fileName);

// After styling: a styled line longer than Visual Basic's limit that did
// not come from a source line that was already that long (deep nesting
// indents lines past the limit).
std::string RefuseStyled(const std::vector<std::string>& source, const TStyledLines& styled,
                         std::string_view fileName, int tabStops);

}  // namespace plumora

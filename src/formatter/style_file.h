// StyleFile: everything that styling one source file means, in one place for
// the processing run, the dry run and plumora-cli format: the passes, the
// safety net, whether anything changed, and the text that is written.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formatter/formatter.h"
#include "formatter/safety_net.h"

namespace plumora {

struct TStyleResult {
    bool Completed = false;  // false: the run was cancelled; Output is partial
    bool Changed = false;    // the styled text differs from the source
    // Set when the styled code differs from the source beyond what the
    // enabled rules may change: the styled text must then not be written.
    std::optional<TSafetyNetReport> SafetyNet;
    // Set when the file must not be written although the passes ran (or
    // before they could run): why, for the user, naming the file and line.
    // Output is then not the file's styled text.
    std::string Refusal;
    // The source ended with the end-of-file mark of old editors (Ctrl-Z). It
    // is kept out of styling and written back as the file's last byte.
    bool EndOfFileMark = false;
};

inline constexpr char kEndOfFileMark = '\x1A';

// Styles `lines` (as read from the file) into formatter.Output through all
// passes and checks the result. The formatter's run host sees the progress
// and may cancel. Text that is no source, or a form whose description block
// never ends, is refused before styling; a styled line that Visual Basic
// could not load is refused after it.
TStyleResult StyleFile(TVBSrcFormatter& formatter, const std::vector<std::string>& lines,
                       std::string_view fileName, std::uint8_t fileKind);

// The bytes of a styled file: every line followed by `lineEnd`, then the
// end-of-file mark when the source had one.
std::string StyledText(const TStyledLines& lines, bool endOfFileMark,
                       std::string_view lineEnd = "\r\n");

// The styled lines as the file will hold them (the end-of-file mark as a
// line of its own, as reading the file back gives it).
std::vector<std::string> StyledLines(const TStyledLines& lines, bool endOfFileMark);

}  // namespace plumora

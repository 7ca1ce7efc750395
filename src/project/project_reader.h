// The two project file grammars (.MAK: one file per line; .VBP: key=value
// lines) and the text test that every project and source file must pass.
#pragma once

#include <string>
#include <string_view>

namespace plumora {

class ICommandHost;
class TSourceMgt;

// What a reader reports back to the open.
struct TProjectReadOutcome {
    bool Cancelled = false;  // the user chose Cancel at a non-text prompt
    bool Empty = true;       // no file was admitted
};

// Walks project.ProjectLines and admits each listed source file into the
// chain. Each line advances the host's gauge by one. A listed file that fails
// IsTextFile shows the non-text prompt; Cancel hides the gauge and stops.
TProjectReadOutcome ReadMakProject(TSourceMgt& project, ICommandHost& host);
TProjectReadOutcome ReadVbpProject(TSourceMgt& project, ICommandHost& host);

// The admission test: the first byte of the file is a line end, a blank,
// '!', '#', '\'', '*', '.', '/', '\\', a digit or an ASCII letter. A missing
// file, a directory, an empty or unreadable file is not text. `path` is a
// project-style path (see LocatePath).
bool IsTextFile(std::string_view path);

// The admission test with its reason. `Reason` completes a sentence that
// starts with the file's name ("cannot be found", "is a FIFO (named pipe),
// not a file", "cannot be read: Permission denied", "is saved as UTF-8 ...");
// empty when the file is text, and "is not an ASCII file" when nothing more
// specific can be said. With `sourceFile` a NUL byte in the first block also
// fails (UTF-16 text starts with a letter but is no Visual Basic source);
// project files keep the plain test.
struct TTextCheck {
    bool Ok = false;
    std::string Reason;
};
TTextCheck CheckTextFile(std::string_view path, bool sourceFile);

inline constexpr const char* kNotAsciiReason = "is not an ASCII file";

// The message of the non-text prompt for a file named `name`; with a
// `reason` other than kNotAsciiReason that reason takes the place of
// "is not an ASCII file".
std::string NotTextFileMessage(std::string_view name, std::string_view reason = kNotAsciiReason);

// Whether a .VBP line names a source file (Form, Module, Class, UserControl;
// the key's case must match).
bool IsVbpSourceLine(std::string_view line);

// The path part of a .VBP source line: after the first '=' for Form and
// UserControl lines, after the first ';' otherwise; trimmed; empty when the
// separator is missing.
std::string ExtractProjectLinePath(std::string_view line);

// The .VBP line with its path reduced to the bare file name
// ("Module=Utils; ..\B\Utils.bas" becomes "Module=Utils; Utils.bas").
std::string StripProjectLinePath(std::string_view line);

}  // namespace plumora

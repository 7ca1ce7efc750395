// Reading .MAK and .VBP project files into the project model.
#include "project/project_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>

#include "host/command_host.h"
#include "io/paths.h"
#include "io/read_open.h"
#include "project/source_mgt.h"

namespace plumora {

namespace {

bool IsBlankChar(char c) { return static_cast<unsigned char>(c) <= 32; }

// Removes every leading and trailing character with a code from 0 to 32.
std::string TrimBlanks(std::string_view text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && IsBlankChar(text[begin])) ++begin;
    while (end > begin && IsBlankChar(text[end - 1])) --end;
    return std::string(text.substr(begin, end - begin));
}

bool IsTextLeadByte(unsigned char c) {
    if (c == 10 || c == 13 || c == ' ') return true;
    if (c == '!' || c == '#' || c == '\'' || c == '*' || c == '.' || c == '/' || c == '\\')
        return true;
    if (c >= '0' && c <= '9') return true;
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool StartsWithUpper(std::string_view line, std::string_view prefixUpper) {
    return line.size() >= prefixUpper.size() &&
           EqualsIgnoreAsciiCase(line.substr(0, prefixUpper.size()), prefixUpper);
}

// Shows the non-text prompt with the normal cursor; true when the user
// chose to go on without the file.
bool AskToSkipFile(ICommandHost& host, std::string_view name, std::string_view reason) {
    host.SetHourglass(false);
    MsgResult answer =
        host.ShowMessage(MsgKind::Warning, NotTextFileMessage(name, reason), MsgButtons::OkCancel);
    if (answer == MsgResult::Ok) {
        host.SetHourglass(true);
        return true;
    }
    host.GaugeShow(false);
    return false;
}

// What one project line asks for: nothing, or a source file written as Path.
struct TListedFile {
    bool IsFile = false;
    std::string Path;
};

TListedFile MakLineFile(const std::string& line) {
    if (line.find('=') != std::string::npos) return {};
    // A blank line names no file; taking it for one would only raise a
    // prompt about a file with no name.
    if (TrimBlanks(line).empty()) return {};
    std::string extension = UpperExtension(line);
    if (extension == ".DLL" || extension == ".VBX") return {};
    return {true, line};
}

TListedFile VbpLineFile(const std::string& line) {
    if (!IsVbpSourceLine(line)) return {};
    return {true, ExtractProjectLinePath(line)};
}

template <typename LineFile>
TProjectReadOutcome ReadProject(TSourceMgt& project, ICommandHost& host, LineFile&& lineFile) {
    TProjectReadOutcome outcome;
    int index = 0;
    for (const std::string& line : project.ProjectLines) {
        TListedFile listed = lineFile(line);
        if (listed.IsFile) {
            std::string resolved = ResolveProjectPath(project.ProjectDir, listed.Path);
            const TTextCheck text = CheckTextFile(resolved, true);
            if (text.Ok) {
                project.AddFile(listed.Path, UpperExtension(listed.Path));
                outcome.Empty = false;
            } else if (!AskToSkipFile(host, listed.Path, text.Reason)) {
                outcome.Cancelled = true;
                return outcome;
            }
        }
        ++index;
        host.GaugeSetPosition(index);
    }
    return outcome;
}

}  // namespace

TProjectReadOutcome ReadMakProject(TSourceMgt& project, ICommandHost& host) {
    return ReadProject(project, host, MakLineFile);
}

TProjectReadOutcome ReadVbpProject(TSourceMgt& project, ICommandHost& host) {
    return ReadProject(project, host, VbpLineFile);
}

bool IsTextFile(std::string_view path) { return CheckTextFile(path, false).Ok; }

TTextCheck CheckTextFile(std::string_view path, bool sourceFile) {
    auto fail = [](std::string reason) { return TTextCheck{false, std::move(reason)}; };
    if (path.find(":\\") != std::string_view::npos && !LocatePath(path))
        return fail("cannot be found (a drive path names no file on this system)");
    std::optional<std::string> local = LocatePath(path);
    if (!local) return fail("cannot be found");
    // Only regular files, opened without waiting: a directory has no first
    // byte, and a FIFO or device could block or never end.
    struct stat st {};
    if (::stat(local->c_str(), &st) == 0 && !S_ISREG(st.st_mode))
        return fail("is " + NotAFileText(st.st_mode) + ", not a file");
    std::string error;
    const int fd = OpenRegularForReading(*local, error);
    if (fd < 0) return fail("cannot be read: " + error.substr(error.rfind(": ") + 2));
    // The first block: enough for the lead byte, a byte-order mark and the
    // NUL bytes of UTF-16 text.
    unsigned char block[4096];
    ssize_t got;
    do {
        got = ::read(fd, block, sizeof block);
    } while (got < 0 && errno == EINTR);
    const int readErr = errno;
    ::close(fd);
    if (got < 0) return fail(std::string("cannot be read: ") + std::strerror(readErr));
    if (got == 0) return fail("is empty");
    const std::string_view bytes(reinterpret_cast<const char*>(block), static_cast<std::size_t>(got));
    if (bytes.starts_with("\xEF\xBB\xBF"))
        return fail("is saved as UTF-8 (it begins with a byte-order mark); Visual Basic reads ANSI "
                    "text, so open it in an editor and save it again with the encoding ANSI "
                    "(Windows-1252)");
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF"))
        return fail("is saved as UTF-16 (Unicode; it begins with a byte-order mark); Visual Basic "
                    "reads ANSI text, so open it in an editor and save it again with the encoding "
                    "ANSI (Windows-1252)");
    if (!IsTextLeadByte(block[0])) return fail(kNotAsciiReason);
    // Text saved as UTF-16 without a byte-order mark starts with a letter
    // like any source, but every other byte is NUL.
    if (sourceFile && bytes.find('\0') != std::string_view::npos)
        return fail("holds NUL bytes, so it is no Visual Basic source (text saved as UTF-16 "
                    "(Unicode) looks like this; open it in an editor and save it again with the "
                    "encoding ANSI (Windows-1252))");
    return {true, {}};
}

std::string NotTextFileMessage(std::string_view name, std::string_view reason) {
    return std::string(name) + " " + std::string(reason) + ".  " +
           "It will not be added to the project.  Select Cancel to quit " +
           "loading the project or OK to continue.";
}

bool IsVbpSourceLine(std::string_view line) {
    return line.starts_with("UserControl") || line.starts_with("Module") ||
           line.starts_with("Class") || line.starts_with("Form");
}

std::string ExtractProjectLinePath(std::string_view line) {
    char separator = (StartsWithUpper(line, "FORM") || StartsWithUpper(line, "USERCONTROL")) ? '='
                                                                                               : ';';
    std::size_t at = line.find(separator);
    if (at == std::string_view::npos) return {};
    return TrimBlanks(line.substr(at + 1));
}

std::string StripProjectLinePath(std::string_view line) {
    if (StartsWithUpper(line, "FORM")) {
        std::size_t at = line.find('=');
        if (at == std::string_view::npos) return std::string(line);
        return TrimBlanks(line.substr(0, at + 1)) + FileNamePart(TrimBlanks(line.substr(at + 1)));
    }
    std::size_t at = line.find(';');
    if (at == std::string_view::npos) return std::string(line);
    return TrimBlanks(line.substr(0, at + 1)) + " " + FileNamePart(TrimBlanks(line.substr(at + 1)));
}

}  // namespace plumora

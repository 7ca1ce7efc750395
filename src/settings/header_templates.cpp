// The built-in header templates, reading and writing template files, and
// loading the templates named by the options.
#include "settings/header_templates.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "host/command_host.h"
#include "io/atomic_write.h"
#include "io/paths.h"
#include "io/read_open.h"
#include "settings/config_dir.h"
#include "settings/option_set.h"

namespace plumora {

namespace {

TIoResult ReadSmallFile(const std::string& path, std::string& bytes) {
    std::string error;
    const int fd = OpenRegularForReading(path, error);
    if (fd < 0) return TIoResult::Failure(error);
    char block[16 * 1024];
    for (;;) {
        ssize_t got = ::read(fd, block, sizeof block);
        if (got < 0) {
            if (errno == EINTR) continue;
            int err = errno;
            ::close(fd);
            return TIoResult::Failure("Cannot read " + path + ": " + std::strerror(err));
        }
        if (got == 0) break;
        if (bytes.size() + static_cast<std::size_t>(got) > kMaxTemplateFileSize) {
            ::close(fd);
            return TIoResult::Failure("Cannot read " + path + ": too large for a header template.");
        }
        bytes.append(block, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return TIoResult::Success();
}

// Replaces `lines` with the file's lines; a warning and no change otherwise.
void LoadOneTemplate(ICommandHost& host, const std::string& name, const char* failureText,
                     std::vector<std::string>& lines) {
    if (name.empty()) return;
    // The reason goes on a line of its own below the fixed text.
    const TIoResult read = ReadTemplateFile(ResolveTemplatePath(name), lines);
    if (!read.Ok) ShowWarning(host, failureText + name + "\n" + read.Error);
}

}  // namespace

std::string ResolveTemplatePath(const std::string& name) {
    if (name.empty() || IsLocalAbsolutePath(name)) return name;
    std::string relative = name;
    for (char& c : relative) {
        if (c == '\\') c = '/';
    }
    return ConfigDir() + "/" + relative;
}

TIoResult ReadTemplateFile(const std::string& localPath, std::vector<std::string>& lines) {
    if (localPath.empty()) return TIoResult::Failure("Cannot open a file without a name.");
    std::string bytes;
    TIoResult result = ReadSmallFile(localPath, bytes);
    if (!result.Ok) return result;
    if (bytes.find('\0') != std::string::npos) {
        return TIoResult::Failure("Cannot read " + localPath + ": not a text file.");
    }
    std::vector<std::string> read;
    SplitTextLines(bytes, read);
    lines = std::move(read);
    return TIoResult::Success();
}

TIoResult WriteTemplateFile(const std::string& localPath, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    std::string reason;
    if (!AtomicWriteFile(localPath, text, &reason)) {
        return TIoResult::Failure("Cannot write " + localPath + ": " + reason);
    }
    return TIoResult::Success();
}

std::vector<std::string> TOptionSet::BuiltInSubHeader() {
    return {
        "'! -----------------------------------------------------------",
        "'!  Name   :  %n",
        "'!  Author :  %a",
        "'!  Date   :  %d",
        "'!  Params :  %p",
        "'!  Purpose:  ",
        "'!",
        "'! DATE      WHO         WHAT",
        "'! --------  ---------- --------------------------------------",
        "'!",
        "'! -----------------------------------------------------------"
    };
}

std::vector<std::string> TOptionSet::BuiltInFunctionHeader() {
    std::vector<std::string> lines = BuiltInSubHeader();
    lines.insert(lines.begin() + 5, "'!  Returns:  %r");
    return lines;
}

void TOptionSet::LoadCommentHeaders(ICommandHost& host) {
    LoadOneTemplate(host, Text(Opt::SubLevelCommentsFile),
                    "Unable to load sub comment header file: ", SubHeaderTemplate);
    LoadOneTemplate(host, Text(Opt::FunctionLevelCommentsFile),
                    "Unable to load function comment header file: ", FunctionHeaderTemplate);
}

}  // namespace plumora

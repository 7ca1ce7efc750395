// WriteLog: VBPLUMO3.LOG in the output directory, listing for every selected
// file the source lines of 224 characters or more (Visual Basic editors of
// the time could not show them).
#include <ctime>
#include <string>
#include <vector>

#include "formatter/formatter.h"
#include "host/run_host.h"
#include "io/atomic_write.h"
#include "io/native.h"
#include "io/paths.h"
#include "io/text_lines.h"
#include "project/source_mgt.h"

namespace plumora {

namespace {

constexpr std::size_t kLongLine = 224;
constexpr const char* kLogName = "VBPLUMO3.LOG";

std::string Now() {
    std::time_t t = std::time(nullptr);
    const std::tm local = LocalTime(t);
    char buffer[128];
    std::size_t n = std::strftime(buffer, sizeof buffer, "%x %X", &local);
    return std::string(buffer, n);
}

// The log's path here: the output directory must exist; a log already there
// in another letter case is replaced rather than joined by a second one.
bool LocateLog(const std::string& outputDir, std::string& localPath) {
    std::string written = outputDir;
    if (!written.empty() && written.back() != '\\' && written.back() != '/') written += '\\';
    written += kLogName;
    if (auto existing = LocatePath(written)) {
        localPath = *existing;
        return true;
    }
    auto dir = LocatePath(DirectoryPart(written));
    if (!dir) return false;
    localPath = *dir;
    if (localPath.empty() || localPath.back() != '/') localPath += '/';
    localPath += kLogName;
    return true;
}

}  // namespace

bool TVBSrcFormatter::WriteLog(const TSourceMgt& project) {
    // The fixed text, then what went wrong on a line of its own.
    auto fail = [&](const std::string& why) {
        if (run_host_) ShowError(*run_host_, "Error while creating log file.\n" + why);
        return false;
    };
    std::string localPath;
    if (!LocateLog(OutputDir, localPath))
        return fail("The output directory " + OutputDir + " does not exist.");

    std::string log = "*** Project processing started at: " + Now() + "\r\n";
    std::vector<std::string> lines;
    for (const RFile* f = project.Head.get(); f && f->Next; f = f->Next.get()) {
        if (!f->Selected) continue;
        log += "+++ Processing file: " + f->Name + "\r\n";
        // Lines are split the way the project's files are read (CR, LF or
        // CR LF), so a file with Unix line ends is not taken for one line.
        if (TIoResult read = ReadTextLines(f->FullPath, lines); !read.Ok) return fail(read.Error);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].size() < kLongLine) continue;
            log += "Check Line #" + std::to_string(i + 1) + "-->" + lines[i] + "\r\n";
        }
        log += "--- End of file: " + f->Name + "\r\n";
    }
    log += "*** Project processing completed at: " + Now() + "\r\n";

    // Never through a link planted in the output directory.
    std::string reason;
    if (!AtomicReplaceFile(localPath, log, &reason))
        return fail("Unable to write " + localPath + ": " + reason);
    return true;
}

}  // namespace plumora

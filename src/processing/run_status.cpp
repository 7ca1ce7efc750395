// The status line after a run.
#include "processing/process_project.h"

namespace plumora {

namespace {

std::string Files(std::size_t n) {
    std::string text = std::to_string(n);
    text.append(n == 1 ? " file" : " files");
    return text;
}

}  // namespace

std::string RunStatusText(const TRunReport& report) {
    std::string text;
    switch (report.Outcome) {
        case TRunOutcome::NoProject:
        case TRunOutcome::Declined: return text;
        case TRunOutcome::Refused:
            text.append("Nothing styled: the output directory ").append(report.OutputDir);
            text.append(" would write over the project.");
            return text;
        case TRunOutcome::BackupFailed:
            text.append("Nothing styled: the output directory ").append(report.OutputDir);
            text.append(" could not be prepared.");
            return text;
        case TRunOutcome::Cancelled: text.append("Cancelled: "); break;
        case TRunOutcome::WriteFailed: text.append("Stopped by a write error: "); break;
        case TRunOutcome::Completed: break;
    }
    text.append(Files(report.Styled.size()));
    text.append(report.Deleted ? " styled, then deleted from " : " styled into ");
    text.append(report.OutputDir);
    if (!report.Rejected.empty())
        text.append("; ").append(Files(report.Rejected.size())).append(" not written (safety net)");
    if (!report.Unavailable.empty())
        text.append("; ").append(Files(report.Unavailable.size())).append(" could not be read");
    text.append(".");
    return text;
}

}  // namespace plumora

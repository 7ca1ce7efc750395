// The status line after a run.
#include "processing/process_project.h"

namespace plumora {

namespace {

std::string Files(std::size_t n) { return std::to_string(n) + (n == 1 ? " file" : " files"); }

}  // namespace

std::string RunStatusText(const TRunReport& report) {
    switch (report.Outcome) {
        case TRunOutcome::NoProject:
        case TRunOutcome::Declined: return {};
        case TRunOutcome::Refused: return "Nothing styled: the output directory " + report.OutputDir +
                                          " would write over the project.";
        case TRunOutcome::BackupFailed:
            return "Nothing styled: the output directory " + report.OutputDir + " could not be prepared.";
        default: break;
    }
    std::string text;
    if (report.Outcome == TRunOutcome::Cancelled) text = "Cancelled: ";
    if (report.Outcome == TRunOutcome::WriteFailed) text = "Stopped by a write error: ";
    if (report.Deleted) {
        text += Files(report.Styled.size()) + " styled, then deleted from " + report.OutputDir;
    } else {
        text += Files(report.Styled.size()) + " styled into " + report.OutputDir;
    }
    if (!report.Rejected.empty()) text += "; " + Files(report.Rejected.size()) + " not written (safety net)";
    if (!report.Unavailable.empty()) text += "; " + Files(report.Unavailable.size()) + " could not be read";
    return text + ".";
}

}  // namespace plumora

// btnProcessClick without the window: confirmation, run, closing message.
#include "processing/process_command.h"

#include <exception>

#include "formatter/formatter.h"
#include "host/run_host.h"
#include "processing/processing_texts.h"
#include "project/app_state.h"

namespace plumora {

TRunReport RunProcessCommand(TAppState& state, const TOptionSet& options, IRunHost& host,
                             ISpellingHost* spelling, const std::string& outputDirOverride) {
    TRunReport report;
    if (!state.Project) return report;
    if (host.ShowMessage(MsgKind::Question, kProcessConfirmText, MsgButtons::YesNo) != MsgResult::Yes) {
        report.Outcome = TRunOutcome::Declined;
        return report;
    }
    host.SetHourglass(true);
    state.ProcessingCancelled = false;
    try {
        TVBSrcFormatter formatter(options, &host, spelling);
        formatter.VBTabStops = state.VBTabStops;
        TRunContext context;
        context.Project = state.Project.get();
        context.ProjectVBVersion = state.ProjectVBVersion;
        context.Options = &options;
        context.Host = &host;
        context.ProcessingCancelled = &state.ProcessingCancelled;
        context.OutputDirOverride = outputDirOverride;
        report = ProcessProject(formatter, context);
    } catch (const std::exception& e) {
        state.Project->ReleaseAllLines();
        host.ShowProgressWindow(false);
        host.SetHourglass(false);
        ShowError(host, e.what());
        report.Outcome = TRunOutcome::WriteFailed;
        return report;
    }
    host.SetHourglass(false);
    if (report.Outcome == TRunOutcome::Completed || report.Outcome == TRunOutcome::Cancelled)
        ShowInformation(host, kConversionCompletedText);
    return report;
}

}  // namespace plumora

// ProcessProject: output directory, refusal check, backup, log, then the walk
// over the selected files, on every core where nobody answers between files.
#include "processing/process_project.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <memory>

#include "formatter/formatter.h"
#include "formatter/style_file.h"
#include "host/run_host.h"
#include "io/paths.h"
#include "processing/backup.h"
#include "processing/file_copy.h"
#include "processing/output_guard.h"
#include "processing/output_paths.h"
#include "processing/processing_texts.h"
#include "processing/styling_pipeline.h"
#include "project/source_mgt.h"
#include "settings/option_set.h"

namespace plumora {

namespace {

// LoadLines turns an unreadable file into the line "NOT AVAILABLE"; styling
// that text would put a broken file in place of the user's code.
bool SourceUnavailable(const RFile& entry) {
    if (entry.Lines.size() != 1 || entry.Lines[0] != "NOT AVAILABLE") return false;
    std::optional<std::string> local = LocatePath(entry.FullPath);
    return !local || ::access(local->c_str(), R_OK) != 0 || DirectoryExists(*local);
}

// Writes one styled file; a read-only file that is already there is the
// user's statement that it must not change.
bool WriteStyledFile(const std::string& path, const TStyledLines& lines, bool endOfFileMark,
                     std::string& reason) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && !(st.st_mode & S_IWUSR)) {
        reason = "the file is read-only";
        return false;
    }
    return ReplaceFileContent(path, StyledText(lines, endOfFileMark), reason);
}

}  // namespace

TRunReport ProcessProject(TVBSrcFormatter& formatter, TRunContext& context) {
    TRunReport report;
    if (!context.Project || !context.Project->Head || !context.Options || !context.Host ||
        !context.ProcessingCancelled)
        return report;
    const TDirectoryCacheScope directoryCache;
    TSourceMgt& project = *context.Project;
    IRunHost& host = *context.Host;
    const TOptionSet& options = *context.Options;
    bool& cancelled = *context.ProcessingCancelled;
    formatter.Project = &project;

    const std::string setting = context.OutputDirOverride.empty()
                                    ? options.Text(Opt::BackupNewCodeDirectory)
                                    : context.OutputDirOverride;
    const std::string outputDir = LocalDirectoryPath(OutputDirSetting(project.ProjectDir, setting));
    report.OutputDir = outputDir;
    formatter.OutputDir = outputDir;
    const bool createLog = options.Bool(Opt::CreateLog);

    // Checked before the directory is made, so a refused run leaves no trace.
    if (!outputDir.empty()) {
        if (std::optional<std::string> refusal = CheckOutputDirectory(
                project, context.ProjectVBVersion, CopyModeOf(options), createLog, outputDir)) {
            report.Outcome = TRunOutcome::Refused;
            ShowError(host, *refusal);
            return report;
        }
    }
    if (const std::string problem = PrepareOutputDirectory(setting, outputDir); !problem.empty()) {
        report.Outcome = TRunOutcome::BackupFailed;
        ShowError(host, std::string(kBackupFailedText) + "\n" + problem);
        return report;
    }
    TBackupResult backup =
        BackupProjectFiles(project, context.ProjectVBVersion, options, outputDir, host);
    if (backup.Cancelled) cancelled = true;
    if (!backup.Ok && !backup.Cancelled) {
        report.Outcome = TRunOutcome::BackupFailed;
        ShowError(host, backup.Error.empty() ? std::string(kBackupFailedText) : backup.Error);
        return report;
    }
    std::vector<std::string> written = backup.Written;
    if (createLog && !cancelled) {
        if (formatter.WriteLog(project))
            written.push_back(kLogFileName);
        else
            report.LogFailed = true;
    }

    formatter.Output.clear();
    formatter.SpellCancelled = false;
    host.ShowProgressWindow(true);
    report.Outcome = TRunOutcome::Completed;
    const bool preview = options.Bool(Opt::PreviewBeforeSaving);
    // Where nobody answers between files, they are styled ahead on every core
    // and taken here one by one, in project order.
    const unsigned workers = context.Workers ? context.Workers : TStylingPipeline::Workers();
    std::unique_ptr<TStylingPipeline> pipeline;
    if (workers > 1 && !(preview && host.ShowsPreview()) && !formatter.SpellsInteractively())
        pipeline = std::make_unique<TStylingPipeline>(project, options, formatter, workers);
    for (RFile* entry = project.Head.get(); entry->Next && !cancelled; entry = entry->Next.get()) {
        project.Current = entry;
        if (!entry->Selected) {
            project.ReleaseCurrentLines();
            continue;
        }
        TStylingPipeline::TItem* item = nullptr;
        if (pipeline) {
            item = pipeline->TakeNext(host);
            if (!item) {
                cancelled = true;
                break;
            }
            project.AdoptCurrentLines(std::move(item->Lines));
        } else {
            project.LoadCurrentLines();
        }
        if (SourceUnavailable(*entry)) {
            report.Unavailable.push_back(entry->Name);
            ShowWarning(host, entry->Name +
                                  ": NOT AVAILABLE - the source file could not be read, so no "
                                  "styled copy of it was written.");
            project.ReleaseCurrentLines();
            continue;
        }
        host.SetRange(0, std::max(0, static_cast<int>(entry->Lines.size())));
        host.SetPosition(0);
        TStyleResult styled;
        if (item) {
            // The file's pass as the user sees it: its label, then the pump
            // where a cancel asked for meanwhile stops the run before the
            // file is written, as it would during the pass itself.
            host.SetLabel(entry->Name + " (Pass 1)");
            host.SetPosition(int(entry->Lines.size()));
            styled = std::move(item->Result);
            if (host.PumpMessages()) styled.Completed = false;
            formatter.Output = std::move(item->Output);
        } else {
            styled = StyleFile(formatter, entry->Lines, entry->Name, entry->Kind);
        }
        if (!styled.Completed) {
            cancelled = true;
            break;
        }
        // A styled text whose code differs from the source beyond what the
        // enabled rules may change is never saved; the run goes on.
        if (styled.SafetyNet || !styled.Refusal.empty()) {
            report.Rejected.push_back(entry->Name);
            ShowWarning(host, styled.SafetyNet ? styled.SafetyNet->Message() : styled.Refusal);
            project.ReleaseCurrentLines();
            continue;
        }
        entry->Processed = true;
        if (preview && host.PreviewStyledFile(entry->Name, entry->Lines, formatter.Output) ==
                           PreviewAnswer::CancelProcessing)
            cancelled = true;
        const std::string target = JoinPath(outputDir, entry->Name);
        std::string reason;
        if (!WriteStyledFile(target, formatter.Output, styled.EndOfFileMark, reason)) {
            project.ReleaseCurrentLines();
            host.ShowProgressWindow(false);
            ShowError(host, "Unable to write " + target + ": " + reason);
            report.Outcome = TRunOutcome::WriteFailed;
            formatter.Output.clear();
            return report;
        }
        entry->NewPath = target;
        written.push_back(entry->Name);
        report.Styled.push_back(entry->Name);
        project.Current = entry;
        project.ReleaseCurrentLines();
    }
    project.ReleaseCurrentLines();
    // A cancel asked for while the last file was written has not been seen
    // by any pass; it still ends the run as cancelled.
    if (!cancelled && host.PumpMessages()) cancelled = true;

    if (cancelled) {
        report.Outcome = TRunOutcome::Cancelled;
        std::string question = kDeleteAllFilesPrefix + outputDir + "?";
        // Enter must not empty the directory: No is the default.
        if (host.ShowQuestion(question, MsgButtons::YesNo, MsgResult::No) == MsgResult::Yes) {
            // Only what this run put there: the directory may hold files
            // that the user keeps beside the styled code.
            std::sort(written.begin(), written.end());
            written.erase(std::unique(written.begin(), written.end()), written.end());
            DeleteListedFiles(written, outputDir);
            for (RFile* f = project.Head.get(); f->Next; f = f->Next.get()) f->Processed = false;
            report.Deleted = true;
        }
    }
    host.ShowProgressWindow(false);
    formatter.Output.clear();
    return report;
}

}  // namespace plumora

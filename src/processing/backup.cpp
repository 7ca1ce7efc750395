// The backup step and its three copy routines.
#include "processing/backup.h"

#include <algorithm>
#include <set>

#include "host/run_host.h"
#include "io/paths.h"
#include "io/temp_file.h"
#include "processing/file_copy.h"
#include "processing/output_paths.h"
#include "processing/processing_texts.h"
#include "processing/project_files.h"
#include "processing/project_rewrite.h"
#include "project/source_mgt.h"
#include "settings/option_set.h"

namespace plumora {

namespace {

std::string LocalDir(const std::string& dir) { return dir.empty() ? std::string(".") : dir; }

// The found file for a path written in the project, when it is an ordinary
// file.
std::optional<std::string> FoundFile(const std::string& projectDir, const std::string& written) {
    std::optional<std::string> local = LocatePath(ResolveProjectPath(projectDir, written));
    if (local && !DirectoryExists(*local)) return local;
    return std::nullopt;
}

// How a series of copies ended.
struct TCopiesResult {
    bool Cancelled = false;
    std::string Error;  // the first copy that failed, why; the rest were not tried
};

// Runs the copies with the busy report; `gaugeMax` is the last position.
// A missing source is skipped silently, a source that is no file with a
// warning; a failed copy ends the series. The host's pump is asked before
// each copy, so a cancel (Ctrl-C) during a long backup is seen.
TCopiesResult RunCopies(const std::vector<TCopyJob>& jobs, int gaugeMax,
                        const std::string& targetDir, IRunHost& host,
                        std::vector<std::string>* written) {
    TCopiesResult result;
    host.ShowCopyWindow(gaugeMax);
    for (const TCopyJob& job : jobs) {
        if (host.PumpMessages()) {
            result.Cancelled = true;
            break;
        }
        host.SetCopyProgress(static_cast<int>(job.Step), kBackingUpFilePrefix + job.Label);
        const TCopyOutcome copy =
            CopyFileReporting(job.Source, JoinPath(targetDir, job.TargetName), false);
        if (copy.Status == TCopyStatus::Copied) {
            if (written) written->push_back(job.TargetName);
        } else if (copy.Status == TCopyStatus::NotAFile) {
            ShowWarning(host, copy.Reason);
        } else if (copy.Status == TCopyStatus::Failed) {
            result.Error = copy.Reason;
            break;
        }
    }
    host.HideCopyWindow();
    return result;
}

TCopiesResult CopyProjectListed(const std::vector<std::string>& lines, int vbVersion,
                                const std::string& sourceDir, const std::string& targetDir,
                                IRunHost& host, std::vector<std::string>* written) {
    if (!DirectoryExists(LocalDir(sourceDir)) || !DirectoryExists(targetDir)) return {};
    std::vector<TListedFile> listed = ListedProjectFiles(lines, vbVersion);
    int gaugeMax = std::max(0, static_cast<int>(listed.size()) - 1);
    return RunCopies(ListedFileCopies(lines, vbVersion, sourceDir), gaugeMax, targetDir, host,
                     written);
}

void ClearProcessed(TSourceMgt& project) {
    for (RFile* f = project.Head.get(); f && f->Next; f = f->Next.get()) f->Processed = false;
}

}  // namespace

TCopyMode CopyModeOf(const TOptionSet& options) {
    if (options.Bool(Opt::BackupOnlyNewFiles)) return TCopyMode::OnlyNewFiles;
    if (options.Bool(Opt::BackupAllFiles)) return TCopyMode::AllFiles;
    return TCopyMode::ProjectFiles;
}

std::vector<TCopyJob> ListedFileCopies(const std::vector<std::string>& projectLines,
                                       int vbVersion, const std::string& projectDir) {
    std::vector<TCopyJob> jobs;
    std::vector<TListedFile> listed = ListedProjectFiles(projectLines, vbVersion);
    for (std::size_t i = 0; i < listed.size(); ++i) {
        const TListedFile& file = listed[i];
        std::string name = FileNamePart(file.Written);
        if (name.empty()) continue;
        // An outside file keeps its line, so only a bare name found in the
        // project directory is still found from the output directory.
        if (!file.ProjectFile && name != file.Written) continue;
        std::optional<std::string> source = FoundFile(projectDir, file.Written);
        if (source) jobs.push_back({*source, name, file.Written, i});
        if (!file.ProjectFile) continue;
        std::string companion = CompanionName(file.Written);
        if (companion.empty()) continue;
        std::optional<std::string> companionSource = FoundFile(projectDir, companion);
        // The companion keeps its name on disk; the form refers to it by name
        // and the letter case of an existing file is the one that works.
        if (companionSource)
            jobs.push_back({*companionSource, FileNamePart(*companionSource), companion, i});
    }
    return jobs;
}

bool CopyListedFiles(const std::vector<std::string>& lines, const std::string& sourceDir,
                     const std::string& targetDir, IRunHost& host) {
    if (!DirectoryExists(LocalDir(sourceDir)) || !DirectoryExists(targetDir)) return false;
    CopyProjectListed(lines, 3, sourceDir, targetDir, host, nullptr);
    return true;
}

bool CopyReferencedFiles(const std::vector<std::string>& lines, const std::string& sourceDir,
                         const std::string& targetDir, IRunHost& host) {
    if (!DirectoryExists(LocalDir(sourceDir)) || !DirectoryExists(targetDir)) return false;
    CopyProjectListed(lines, 4, sourceDir, targetDir, host, nullptr);
    return true;
}

namespace {

TCopiesResult CopyDirectory(const std::vector<std::string>& names, const std::string& sourceDir,
                            const std::string& targetDir, IRunHost& host,
                            const std::vector<std::string>& taken,
                            std::vector<std::string>* written) {
    std::set<std::string> takenSet(taken.begin(), taken.end());
    std::vector<TCopyJob> jobs;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (takenSet.count(AsciiUpper(names[i]))) continue;
        jobs.push_back({JoinPath(LocalDir(sourceDir), names[i]), names[i], names[i], i});
    }
    return RunCopies(jobs, std::max(0, static_cast<int>(names.size()) - 1), targetDir, host,
                     written);
}

}  // namespace

bool CopyDirectoryFiles(const std::vector<std::string>& names, const std::string& sourceDir,
                        const std::string& targetDir, IRunHost& host,
                        const std::vector<std::string>& taken) {
    if (!DirectoryExists(LocalDir(sourceDir)) || !DirectoryExists(targetDir)) return false;
    CopyDirectory(names, sourceDir, targetDir, host, taken, nullptr);
    return true;
}

TBackupResult BackupProjectFiles(TSourceMgt& project, int vbVersion, const TOptionSet& options,
                                 const std::string& outputDir, IRunHost& host) {
    TBackupResult result;
    if (!EnsureDirectory(outputDir)) return result;
    // Hidden files of an earlier run that was killed while writing here.
    RemoveStaleTempFiles(outputDir);
    TCopyMode mode = CopyModeOf(options);
    if (mode == TCopyMode::OnlyNewFiles) {
        result.Ok = true;
        return result;
    }
    const std::string projectSource = JoinPath(LocalDir(project.ProjectDir), project.ProjectName);
    const std::string projectTarget = JoinPath(outputDir, project.ProjectName);
    // Ends the step when a series of copies did not complete.
    auto stopped = [&](TCopiesResult copies) {
        result.Cancelled = copies.Cancelled;
        result.Error = std::move(copies.Error);
        return result.Cancelled || !result.Error.empty();
    };
    if (stopped(CopyProjectListed(project.ProjectLines, vbVersion, project.ProjectDir, outputDir,
                                  host, &result.Written)))
        return result;
    if (mode == TCopyMode::ProjectFiles) {
        const TCopyOutcome copy = CopyFileReporting(projectSource, projectTarget, true);
        if (copy.Status != TCopyStatus::Copied) {
            result.Error = copy.Status == TCopyStatus::Failed
                               ? copy.Reason
                               : "Unable to copy the project file " + projectSource + " to " +
                                     projectTarget + ".";
            return result;
        }
    } else {
        // Files of the project directory whose names the project's own files
        // (from other directories) already hold stay out: the rewritten
        // project file names those.
        std::vector<std::string> taken;
        for (const std::string& name : result.Written) taken.push_back(AsciiUpper(name));
        std::vector<std::string> names = ListOrdinaryFiles(LocalDir(project.ProjectDir));
        if (stopped(CopyDirectory(names, project.ProjectDir, outputDir, host, taken,
                                  &result.Written)))
            return result;
        if (!DirectoryExists(projectTarget) &&
            std::find(result.Written.begin(), result.Written.end(), project.ProjectName) ==
                result.Written.end()) {
            const TCopyOutcome copy = CopyFileReporting(projectSource, projectTarget, false);
            if (copy.Status != TCopyStatus::Copied) {
                result.Error = copy.Status == TCopyStatus::Failed
                                   ? copy.Reason
                                   : "Unable to copy the project file " + projectSource + " to " +
                                         projectTarget + ".";
                return result;
            }
        }
    }
    result.Written.push_back(project.ProjectName);
    TIoResult rewrite =
        vbVersion < 4 ? RewriteMakProject(projectTarget) : RewriteVbpProject(projectTarget);
    if (!rewrite.Ok) {
        result.Error = rewrite.Error;
        return result;
    }
    ClearProcessed(project);
    result.Ok = true;
    return result;
}

}  // namespace plumora

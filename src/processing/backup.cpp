// The backup step and its three copy routines.
#include "processing/backup.h"

#include <algorithm>
#include <set>

#include "host/run_host.h"
#include "io/paths.h"
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

// Runs the copies with the busy report; `gaugeMax` is the last position.
void RunCopies(const std::vector<TCopyJob>& jobs, int gaugeMax, const std::string& targetDir,
               IRunHost& host, std::vector<std::string>* written) {
    host.ShowCopyWindow(gaugeMax);
    for (const TCopyJob& job : jobs) {
        host.SetCopyProgress(static_cast<int>(job.Step), kBackingUpFilePrefix + job.Label);
        if (CopyFileData(job.Source, JoinPath(targetDir, job.TargetName)) && written)
            written->push_back(job.TargetName);
    }
    host.HideCopyWindow();
}

bool CopyProjectListed(const std::vector<std::string>& lines, int vbVersion,
                       const std::string& sourceDir, const std::string& targetDir, IRunHost& host,
                       std::vector<std::string>* written) {
    if (!DirectoryExists(LocalDir(sourceDir)) || !DirectoryExists(targetDir)) return false;
    std::vector<TListedFile> listed = ListedProjectFiles(lines, vbVersion);
    int gaugeMax = std::max(0, static_cast<int>(listed.size()) - 1);
    RunCopies(ListedFileCopies(lines, vbVersion, sourceDir), gaugeMax, targetDir, host, written);
    return true;
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
    return CopyProjectListed(lines, 3, sourceDir, targetDir, host, nullptr);
}

bool CopyReferencedFiles(const std::vector<std::string>& lines, const std::string& sourceDir,
                         const std::string& targetDir, IRunHost& host) {
    return CopyProjectListed(lines, 4, sourceDir, targetDir, host, nullptr);
}

namespace {

bool CopyDirectory(const std::vector<std::string>& names, const std::string& sourceDir,
                   const std::string& targetDir, IRunHost& host,
                   const std::vector<std::string>& taken, std::vector<std::string>* written) {
    if (!DirectoryExists(LocalDir(sourceDir)) || !DirectoryExists(targetDir)) return false;
    std::set<std::string> takenSet(taken.begin(), taken.end());
    std::vector<TCopyJob> jobs;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (takenSet.count(AsciiUpper(names[i]))) continue;
        jobs.push_back({JoinPath(LocalDir(sourceDir), names[i]), names[i], names[i], i});
    }
    RunCopies(jobs, std::max(0, static_cast<int>(names.size()) - 1), targetDir, host, written);
    return true;
}

}  // namespace

bool CopyDirectoryFiles(const std::vector<std::string>& names, const std::string& sourceDir,
                        const std::string& targetDir, IRunHost& host,
                        const std::vector<std::string>& taken) {
    return CopyDirectory(names, sourceDir, targetDir, host, taken, nullptr);
}

TBackupResult BackupProjectFiles(TSourceMgt& project, int vbVersion, const TOptionSet& options,
                                 const std::string& outputDir, IRunHost& host) {
    TBackupResult result;
    if (!EnsureDirectory(outputDir)) return result;
    TCopyMode mode = CopyModeOf(options);
    if (mode == TCopyMode::OnlyNewFiles) {
        result.Ok = true;
        return result;
    }
    const std::string projectSource = JoinPath(LocalDir(project.ProjectDir), project.ProjectName);
    const std::string projectTarget = JoinPath(outputDir, project.ProjectName);
    CopyProjectListed(project.ProjectLines, vbVersion, project.ProjectDir, outputDir, host,
                      &result.Written);
    if (mode == TCopyMode::ProjectFiles) {
        if (!CopyFileKeepDate(projectSource, projectTarget)) {
            result.Error = "Unable to copy the project file " + projectSource + " to " + projectTarget + ".";
            return result;
        }
    } else {
        // Files of the project directory whose names the project's own files
        // (from other directories) already hold stay out: the rewritten
        // project file names those.
        std::vector<std::string> taken;
        for (const std::string& name : result.Written) taken.push_back(AsciiUpper(name));
        std::vector<std::string> names = ListOrdinaryFiles(LocalDir(project.ProjectDir));
        CopyDirectory(names, project.ProjectDir, outputDir, host, taken, &result.Written);
        if (!DirectoryExists(projectTarget) &&
            std::find(result.Written.begin(), result.Written.end(), project.ProjectName) ==
                result.Written.end() &&
            !CopyFileData(projectSource, projectTarget)) {
            result.Error = "Unable to copy the project file " + projectSource + " to " + projectTarget + ".";
            return result;
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

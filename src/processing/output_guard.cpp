// Refusing output directories that would write over the project's files.
#include "processing/output_guard.h"

#include <filesystem>
#include <map>
#include <set>
#include <unordered_map>
#include <utility>
#include <vector>

#include "io/native.h"
#include "io/paths.h"
#include "processing/backup.h"
#include "processing/file_copy.h"
#include "processing/output_paths.h"
#include "processing/processing_texts.h"
#include "project/source_mgt.h"

namespace plumora {

namespace fs = std::filesystem;

namespace {

using TFileId = TFileIdentity;

// The identity of each path, asked of the disk once per check: the same
// file is a source, a copy and a claim on its name.
class TFileIds {
public:
    std::optional<TFileId> Of(const std::string& path) {
        auto [it, added] = ids_.try_emplace(path);
        if (added) {
            TPathFacts facts;
            if (StatPath(path, facts)) it->second = facts.Identity;
        }
        return it->second;
    }

private:
    std::unordered_map<std::string, std::optional<TFileId>> ids_;
};

std::string Canonical(const std::string& path) {
    std::error_code ec;
    fs::path p = fs::weakly_canonical(fs::absolute(path.empty() ? "." : path, ec), ec);
    return WithoutTrailingSeparators(p.string());
}

// Where two different files would land under one name.
struct TNameClaims {
    struct TClaim {
        std::string Identity;  // device and inode, or the path when not found
        std::string Shown;
    };
    std::map<std::string, TClaim> Claims;
    TFileIds& Ids;

    std::optional<std::string> Claim(const std::string& name, const std::string& source) {
        std::optional<TFileId> id = Ids.Of(source);
        std::string identity = id ? std::to_string(id->Device) + ":" + std::to_string(id->Index)
                                  : "?" + source;
        auto [it, inserted] = Claims.try_emplace(AsciiUpper(name), TClaim{identity, source});
        if (inserted || it->second.Identity == identity) return std::nullopt;
        return "Two different files of the project are both named " + name + " (" +
               it->second.Shown + " and " + source +
               "); in the output directory one would replace the other. Deselect one of them "
               "or rename it.";
    }
};

// The names under which the run writes files of its own: the rewritten
// project file in the copy modes and the log. A file of the project that
// lands under one of them would replace it, or be replaced by it.
std::optional<std::string> ClashWithOwnFiles(const TSourceMgt& project, TCopyMode mode,
                                             bool createLog, const std::vector<TCopyJob>& copies) {
    const std::string projectName = AsciiUpper(project.ProjectName);
    const std::string logName = AsciiUpper(kLogFileName);
    for (const RFile* f = project.Head.get(); f && f->Next; f = f->Next.get()) {
        if (!f->Selected) continue;
        const std::string name = AsciiUpper(f->Name);
        if (mode != TCopyMode::OnlyNewFiles && name == projectName) {
            return "The project names its own project file " + project.ProjectName +
                   " as the source file " + f->Name +
                   "; its styled copy would replace the rewritten project file in the output "
                   "directory. Deselect " + f->Name + " or remove that line from the project.";
        }
        if (createLog && name == logName) {
            return "The source file " + f->Name + " has the name of the log " + kLogFileName +
                   "; the log and its styled copy would replace each other in the output "
                   "directory. Deselect " + f->Name + " or turn off the log.";
        }
    }
    if (createLog && mode != TCopyMode::OnlyNewFiles) {
        for (const TCopyJob& job : copies) {
            if (AsciiUpper(job.TargetName) != logName) continue;
            return "The project names a file " + job.Label + " that has the name of the log " +
                   kLogFileName + "; the log would replace its copy in the output directory. "
                   "Turn off the log or rename the file.";
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> CheckOutputDirectory(const TSourceMgt& project, int vbVersion,
                                                TCopyMode mode, bool createLog,
                                                const std::string& outputDir) {
    const std::string projectDir = project.ProjectDir.empty() ? "." : project.ProjectDir;
    if (Canonical(outputDir) == Canonical(projectDir)) {
        return "The output directory " + outputDir +
               " is the project's own directory; the styled files would replace the sources. "
               "Choose another output directory.";
    }

    // Everything the run reads; none of it may be a file that it writes.
    TFileIds ids;
    std::set<TFileId> sources;
    auto addSource = [&](const std::string& path) {
        if (std::optional<TFileId> id = ids.Of(path)) sources.insert(*id);
    };
    const std::string projectFile = JoinPath(projectDir, project.ProjectName);
    addSource(projectFile);
    std::vector<TCopyJob> copies = ListedFileCopies(project.ProjectLines, vbVersion, project.ProjectDir);
    for (const TCopyJob& job : copies) addSource(job.Source);
    for (const RFile* f = project.Head.get(); f && f->Next; f = f->Next.get()) {
        if (std::optional<std::string> local = LocatePath(f->FullPath)) addSource(*local);
    }

    if (auto clash = ClashWithOwnFiles(project, mode, createLog, copies)) return clash;

    std::vector<std::string> targets;
    TNameClaims claims{{}, ids};
    if (mode != TCopyMode::OnlyNewFiles) {
        targets.push_back(project.ProjectName);
        for (const TCopyJob& job : copies) {
            targets.push_back(job.TargetName);
            if (auto clash = claims.Claim(job.TargetName, job.Source)) return clash;
        }
    }
    if (mode == TCopyMode::AllFiles) {
        for (const std::string& name : ListOrdinaryFiles(projectDir)) targets.push_back(name);
    }
    for (const RFile* f = project.Head.get(); f && f->Next; f = f->Next.get()) {
        if (!f->Selected) continue;
        targets.push_back(f->Name);
        std::optional<std::string> local = LocatePath(f->FullPath);
        if (auto clash = claims.Claim(f->Name, local ? *local : f->FullPath)) return clash;
    }
    if (createLog) targets.push_back(kLogFileName);

    for (const std::string& name : targets) {
        const std::string target = JoinPath(outputDir, name);
        std::optional<TFileId> id = ids.Of(target);
        if (id && sources.count(*id)) {
            return "The output directory " + outputDir + " holds " + name +
                   ", a file of the project that this run would replace. Choose another output "
                   "directory.";
        }
    }
    return std::nullopt;
}

}  // namespace plumora

// The open sequence: text test, reading the lines, the grammar by extension,
// the admission of each file, then settings and tab width.
#include "project/open_project.h"

#include <algorithm>
#include <climits>
#include <filesystem>
#include <optional>

#include "host/command_host.h"
#include "io/native.h"
#include "io/paths.h"
#include "io/text_lines.h"
#include "project/app_state.h"
#include "project/project_reader.h"
#include "settings/config_dir.h"
#include "settings/option_set.h"

namespace plumora {

namespace {

constexpr const char* kInvalidProject = "Invalid VB project file.  Unable to proceed.";

// The directory of the project file as an absolute path ending in a
// separator ('/'; '\\' on Windows). A
// project opened by its bare name would otherwise have an empty directory,
// and a path written "\X" in it (or an output directory "\OUT\") would
// lead to the root of the file system instead of below the project.
std::string AbsoluteProjectDir(const std::string& localProjectFile) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path dir = fs::absolute(fs::path(localProjectFile), ec).lexically_normal().parent_path();
    if (ec || dir.empty()) return DirectoryPart(localProjectFile);
    std::string text = dir.string();
    if (text.back() != '/' && text.back() != kPathSeparator) text += kPathSeparator;
    return text;
}

}  // namespace

void CloseProject(TAppState& state) {
    state.Project.reset();
    state.ProjectOpen = false;
    state.ProjectName.clear();
    state.ProjectFileName.clear();
}

bool OpenProject(TAppState& state, TOptionSet& options, ICommandHost& host,
                 const std::string& fileName) {
    if (state.ProjectOpen || state.Project) CloseProject(state);
    const TDirectoryCacheScope directoryCache;

    // The fixed text, and below it the path and what is wrong with it when
    // that is more than "not text".
    if (const TTextCheck text = CheckTextFile(fileName, false); !text.Ok) {
        ShowError(host, text.Reason == kNotAsciiReason
                            ? std::string(kInvalidProject)
                            : std::string(kInvalidProject) + "\n" + fileName + " " + text.Reason + ".");
        return false;
    }

    state.Project = std::make_unique<TSourceMgt>();
    TSourceMgt& project = *state.Project;

    // The text test passed a moment ago, so a failure here is a file that
    // vanished or became unreadable in between: still not a usable project.
    std::optional<std::string> local = LocatePath(fileName);
    if (!local || !ReadTextLines(*local, project.ProjectLines).Ok) {
        CloseProject(state);
        ShowError(host, kInvalidProject);
        return false;
    }

    host.GaugeSetMax(static_cast<int>(std::min<std::size_t>(project.ProjectLines.size(), INT_MAX)));
    host.GaugeShow(true);

    state.ProjectName = FileNamePart(fileName);
    state.ProjectFileName = fileName;
    state.ProjectOpen = true;
    project.ProjectName = state.ProjectName;
    project.ProjectDir = AbsoluteProjectDir(*local);

    host.SetHourglass(true);
    TProjectReadOutcome outcome;
    if (UpperExtension(project.ProjectName) == ".VBP") {
        state.ProjectVBVersion = 4;
        outcome = ReadVbpProject(project, host);
    } else {
        state.ProjectVBVersion = 3;
        outcome = ReadMakProject(project, host);
    }
    if (outcome.Cancelled) {
        CloseProject(state);
        host.SetHourglass(false);
        return false;
    }
    host.SetHourglass(false);

    if (outcome.Empty) {
        ShowWarning(host, "Project file is empty.");
        host.GaugeShow(false);
        CloseProject(state);
        return false;
    }

    state.RecentFiles.Add(fileName);
    options.Reload(host);
    state.VBTabStops = ReadVBTabStops();
    host.GaugeShow(false);
    return true;
}

}  // namespace plumora

#include "support/example_project.h"

#include <stdexcept>
#include <vector>

#include "io/paths.h"
#include "io/text_lines.h"
#include "processing/project_files.h"

namespace plumora::testing {

namespace fs = std::filesystem;

namespace {

void CopyOne(const fs::path& from, const fs::path& exampleDir, const fs::path& destDir) {
    const fs::path to = destDir / fs::relative(from, exampleDir);
    fs::create_directories(to.parent_path());
    fs::copy_file(from, to, fs::copy_options::overwrite_existing);
}

}  // namespace

std::string CopyExampleProject(const std::string& name, const std::string& projectFile,
                               const fs::path& destDir) {
    const fs::path exampleDir = fs::path(PLUMORA_SOURCE_DIR) / "examples" / name;
    const fs::path project = exampleDir / projectFile;
    std::vector<std::string> lines;
    if (!ReadTextLines(project.string(), lines).Ok)
        throw std::runtime_error("cannot read " + project.string());
    CopyOne(project, exampleDir, destDir);
    const int version = UpperExtension(projectFile) == ".VBP" ? 4 : 3;
    const std::string projectDir = exampleDir.string() + "/";
    for (const TListedFile& file : ListedProjectFiles(lines, version)) {
        if (!file.ProjectFile) continue;
        for (const std::string& written : {file.Written, CompanionName(file.Written)}) {
            if (written.empty()) continue;
            // Listed names may differ from the disk in letter case.
            if (std::optional<std::string> found = LocatePath(ResolveProjectPath(projectDir, written)))
                CopyOne(*found, exampleDir, destDir);
        }
    }
    return (destDir / projectFile).string();
}

}  // namespace plumora::testing

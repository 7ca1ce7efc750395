// Copies of the bundled example projects for tests that open or style them.
#pragma once

#include <filesystem>
#include <string>

namespace plumora::testing {

// Copies examples/<name>/<projectFile> and exactly the files that it names
// (with their binary companions) into `destDir`, keeping their places
// relative to the project file. Whatever else lies beside the example (a
// STYLED directory left by an earlier run, editor backups) stays behind, so
// a test sees the same project on a fresh clone and after any run. Returns
// the path of the copied project file.
std::string CopyExampleProject(const std::string& name, const std::string& projectFile,
                               const std::filesystem::path& destDir);

}  // namespace plumora::testing

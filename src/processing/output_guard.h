// The check that keeps the user's sources safe: before anything is written,
// refuse an output directory where a styled file, a copy, the rewritten
// project file or the log would replace a file of the project, two
// different files that would land under one name, and a source file named
// like the run's own rewritten project file or log.
#pragma once

#include <optional>
#include <string>

namespace plumora {

class TSourceMgt;
enum class TCopyMode;

// Nullopt when the run may write into `outputDir` (a path of this system);
// otherwise the message that explains the refusal.
std::optional<std::string> CheckOutputDirectory(const TSourceMgt& project, int vbVersion,
                                                TCopyMode mode, bool createLog,
                                                const std::string& outputDir);

}  // namespace plumora

// Styling in memory only: which selected files of a project the run would
// change, without touching the disk.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace plumora {

class IRunHost;
class TOptionSet;
class TSourceMgt;

struct TCheckReport {
    bool Cancelled = false;
    std::vector<std::string> Changed;      // names whose styled lines differ
    std::vector<std::string> Unavailable;  // names whose source could not be read
    std::vector<std::string> Rejected;     // safety-net reports of files styling would break
};

// Called for each file whose styled text differs from its source, while both
// are still in memory: the file's name, its source lines and its styled lines.
using TChangedFileVisitor = std::function<void(
    const std::string& name, const std::vector<std::string>& source,
    const std::vector<std::string>& styled)>;

// Styles each selected entry through all passes, one file's text at a time.
// `workers`: cores to style on (0 for all the machine has, 1 for one); the
// report and the visits come in project order either way.
TCheckReport CheckProject(TSourceMgt& project, const TOptionSet& options, int vbTabStops,
                          IRunHost* host, const TChangedFileVisitor& onChanged = {},
                          unsigned workers = 0);

}  // namespace plumora

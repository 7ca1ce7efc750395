// Styling in memory only: which selected files of a project the run would
// change, without touching the disk.
#pragma once

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
};

// Styles each selected entry through all passes, one file's text at a time.
TCheckReport CheckProject(TSourceMgt& project, const TOptionSet& options, int vbTabStops,
                          IRunHost* host);

}  // namespace plumora

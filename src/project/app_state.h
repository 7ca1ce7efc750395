// The main window's state around the project model, kept in the core so that
// the desktop, the CLI and the tests open projects the same way.
#pragma once

#include <memory>
#include <string>

#include "project/source_mgt.h"
#include "settings/recent_files.h"

namespace plumora {

struct TAppState {
    std::unique_ptr<TSourceMgt> Project;  // owned from a successful open until close
    bool ProjectOpen = false;
    std::string ProjectName;      // file name of the project file
    std::string ProjectFileName;  // full path as opened
    int ProjectVBVersion = 3;     // 3 after a .MAK-style file, 4 after a .VBP
    int VBTabStops = 4;           // from VB.INI after each successful open
    bool ProcessingCancelled = false;
    TRecentFiles RecentFiles;
};

}  // namespace plumora

// The Begin Processing command: the confirmation, one formatter for the run,
// the run itself and the closing message, for every front end alike.
#pragma once

#include <string>

#include "processing/process_project.h"

namespace plumora {

class ISpellingHost;
struct TAppState;

// Asks "Process all selected files?"; on Yes clears the cancel flag, runs
// ProcessProject with a new formatter and shows "Conversion Completed." when
// the run completed or was cancelled. A refused, failed or aborted run ends
// with its error message instead. The hourglass is on for the whole run. An
// unexpected error inside the run is shown as an error and reported as
// WriteFailed.
TRunReport RunProcessCommand(TAppState& state, const TOptionSet& options, IRunHost& host,
                             ISpellingHost* spelling, const std::string& outputDirOverride = {});

}  // namespace plumora

// The status-line note that an opened project has a project style file: the
// command line styles it with that file, the desktop with the user's own
// options, and the user should know the two may differ.
#pragma once

#include <string>

class QStatusBar;

namespace plumora {

// Shows (or, for a project without one, hides) the note for the project in
// `projectDir`. The note is a permanent label named "lblStyleFile".
void ShowStyleFileNote(QStatusBar* bar, const std::string& projectDir);

// Hides the note (no project open).
void HideStyleFileNote(QStatusBar* bar);

}  // namespace plumora

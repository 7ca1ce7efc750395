// The pictures of the desktop's arrangement for `plumora --screenshots`:
// help over a modal dialog, tiled viewers, text in another code page.
#pragma once

#include <QString>

#include "app/tool_screenshots.h"

namespace plumora {

class TfrmMain;

// With a project open in `frmMain`: the options dialog (modal) with its help
// page in front of it, as one picture of both windows; four viewers tiled
// side by side; and, when `shiftJisFile` names a file, that file in a viewer
// read with code page 932. False as soon as a picture could not be saved.
bool ShootDesktopArrangement(TfrmMain& frmMain, const TGrabWindow& grab, const QString& shiftJisFile);

}  // namespace plumora

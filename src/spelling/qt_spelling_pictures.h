// Pictures of the spelling windows for `plumora --screenshots`.
#pragma once

#include <functional>

#include <QString>

class QWidget;

namespace plumora {

class TfrmSpellDialog;
class TSourceMgt;

// Takes one picture of a window under a file name; false ends the pictures.
using TGrabWindow = std::function<bool(QWidget* window, const QString& name)>;

// The spelling dialog on the first word of the project's comments and
// literals that the speller does not know (skipped when every word is
// known), then the speller's options dialog. Returns false when a picture
// could not be written.
bool GrabSpellingWindows(TfrmSpellDialog& dialog, TSourceMgt& project, const TGrabWindow& grab);

}  // namespace plumora

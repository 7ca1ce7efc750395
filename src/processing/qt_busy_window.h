// What the two busy windows of a run share: a title bar without system
// buttons, a place in the middle of the screen, and a label line that shows
// the end of a long file name rather than growing the window.
#pragma once

#include <QString>

class QDialog;
class QLabel;
class QProgressBar;
class QVBoxLayout;
class QWidget;

namespace plumora {

// Window flags of a dialog-styled window with a caption and no system buttons.
void MakeBusyWindow(QWidget& window);

// The common body of the two windows: the flags above, the caption, the
// centred label `lblProcessingFile` over the gauge `guageProcessing`.
struct TBusyParts {
    QLabel* Label;
    QProgressBar* Gauge;
    QVBoxLayout* Layout;
};
TBusyParts BuildBusyWindow(QDialog& window, const char* objectName, const QString& caption);

// Moves the window to the middle of the screen it is on.
void CenterOnScreen(QWidget& window);

// Shows `text` in `label`, shortened in the middle when it does not fit (the
// pass number at the end stays visible); the full text is the tool tip.
void SetFittedText(QLabel& label, const QString& text);

}  // namespace plumora

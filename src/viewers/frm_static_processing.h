// TfrmStaticProcessing: the small busy window ("Processing...") shown while
// the side-by-side viewer compares its two files.
#pragma once

#include <QWidget>

namespace plumora {

class TfrmStaticProcessing : public QWidget {
    Q_OBJECT

public:
    explicit TfrmStaticProcessing(QWidget* parent = nullptr);

    // Shows the window and paints it at once: the comparison that follows
    // blocks the event loop.
    void ShowBusy();
    void HideBusy();
};

}  // namespace plumora

// The way the processing run and the formatter talk to the user: the progress
// window's label and gauge, the once-per-line message pump (where Cancel is
// seen), the preview of one styled file, the busy report of the backup copies
// and the run's yes/no questions.
#pragma once

#include <string>
#include <vector>

#include "host/command_host.h"

namespace plumora {

struct TStyledLine;  // formatter/formatter.h

// What the user chose in the preview of one styled file. Either way the
// previewed file is saved; CancelProcessing stops the run before the next one.
enum class PreviewAnswer { Continue, CancelProcessing };

class IRunHost : public ICommandHost {
public:
    // Caption of the progress window, e.g. "Main.frm (Pass 1)".
    virtual void SetLabel(const std::string& text) = 0;
    // Gauge of the progress window.
    virtual void SetRange(int minimum, int maximum) = 0;
    virtual void SetPosition(int position) = 0;
    // Runs pending user-interface work once. Returns true when the run has
    // been cancelled (the process-wide cancel flag is set).
    virtual bool PumpMessages() = 0;

    // The progress window appears when the walk over the files starts and
    // goes away when the run ends.
    virtual void ShowProgressWindow(bool /*visible*/) {}

    // True when PreviewStyledFile shows the files to a person who answers;
    // otherwise the run may style files ahead on other cores.
    virtual bool ShowsPreview() const { return false; }

    // Old and styled text of one file side by side; returns when the user
    // closes the preview.
    virtual PreviewAnswer PreviewStyledFile(const std::string& /*fileName*/,
                                            const std::vector<std::string>& /*before*/,
                                            const std::vector<TStyledLine>& /*after*/) {
        return PreviewAnswer::Continue;
    }

    // The busy report while backup copies are made ("Backing up files..."):
    // shown with a gauge from 0 to `maximum`, moved once per project line
    // with the label "Backing Up File: <name>", hidden at the end.
    virtual void ShowCopyWindow(int /*maximum*/) {}
    virtual void SetCopyProgress(int /*position*/, const std::string& /*label*/) {}
    virtual void HideCopyWindow() {}
};

}  // namespace plumora

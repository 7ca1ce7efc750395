// The way the processing run and the formatter talk to the user: the progress
// window's label and gauge, the once-per-line message pump (where Cancel is
// seen), the preview of one styled file and the run's yes/no questions.
#pragma once

#include <string>

#include "host/command_host.h"

namespace plumora {

class IRunHost : public ICommandHost {
public:
    // Caption of the progress window, e.g. "Main.frm (Pass 2)".
    virtual void SetLabel(const std::string& text) = 0;
    // Gauge of the progress window.
    virtual void SetRange(int minimum, int maximum) = 0;
    virtual void SetPosition(int position) = 0;
    // Runs pending user-interface work once. Returns true when the run has
    // been cancelled (the process-wide cancel flag is set).
    virtual bool PumpMessages() = 0;
};

}  // namespace plumora

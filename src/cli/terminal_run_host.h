// The run host of plumora-cli: on a terminal a one-line progress bar with the
// file name and pass, otherwise plain lines; message boxes go through the
// terminal command host; Ctrl-C asks the run to cancel.
#pragma once

#include <chrono>
#include <csignal>
#include <iostream>
#include <string>

#include "cli/terminal_host.h"
#include "host/run_host.h"

namespace plumora::cli {

class TerminalRunHost : public IRunHost {
public:
    // `interactive` draws the bar (normally: stderr is a terminal).
    TerminalRunHost(bool assumeYes, bool interactive, std::ostream& err = std::cerr);
    ~TerminalRunHost() override;
    TerminalRunHost(const TerminalRunHost&) = delete;
    TerminalRunHost& operator=(const TerminalRunHost&) = delete;

    MsgResult ShowMessage(MsgKind kind, const std::string& text, MsgButtons buttons) override;
    void SetHourglass(bool) override {}
    void GaugeShow(bool) override {}
    void GaugeSetMax(int) override {}
    void GaugeSetPosition(int) override {}

    void SetLabel(const std::string& text) override;
    void SetRange(int minimum, int maximum) override;
    void SetPosition(int position) override;
    bool PumpMessages() override;
    void ShowProgressWindow(bool visible) override;
    void ShowCopyWindow(int maximum) override;
    void SetCopyProgress(int position, const std::string& label) override;
    void HideCopyWindow() override;

private:
    void Draw(bool force);
    void ClearLine();

    TerminalCommandHost messages_;
    bool interactive_;
    std::ostream& err_;
    std::string label_;
    int min_ = 0, max_ = 0, position_ = 0;
    int drawnPercent_ = -1;
    bool lineDrawn_ = false;
    std::chrono::steady_clock::time_point lastDraw_{};
};

}  // namespace plumora::cli

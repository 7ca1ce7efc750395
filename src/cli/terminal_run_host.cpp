// Progress on a terminal and the Ctrl-C cancel of plumora-cli's run.
#include "cli/terminal_run_host.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "io/native.h"

namespace plumora::cli {

namespace {

volatile std::sig_atomic_t gCancelRequested = 0;

// The first Ctrl-C asks the run to stop at the next line; a second one ends
// the program the ordinary way.
void OnInterrupt(int) {
    gCancelRequested = 1;
    std::signal(SIGINT, SIG_DFL);
}

int TerminalWidth() {
    const int columns = TerminalColumns();
    return columns >= 20 ? columns : 80;
}

}  // namespace

TerminalRunHost::TerminalRunHost(bool assumeYes, bool interactive, std::ostream& err)
    : messages_(assumeYes, err), interactive_(interactive), err_(err) {
    gCancelRequested = 0;
    InstallInterruptHandler(OnInterrupt);
}

TerminalRunHost::~TerminalRunHost() {
    ClearLine();
    RestoreInterruptHandler();
}

MsgResult TerminalRunHost::ShowMessage(MsgKind kind, const std::string& text, MsgButtons buttons) {
    ClearLine();
    MsgResult result = messages_.ShowMessage(kind, text, buttons);
    drawnPercent_ = -1;
    return result;
}

void TerminalRunHost::SetLabel(const std::string& text) {
    label_ = text;
    if (interactive_) {
        Draw(true);
    } else {
        err_ << PrintableText(text) << "\n";
    }
}

void TerminalRunHost::SetRange(int minimum, int maximum) {
    min_ = minimum;
    max_ = std::max(minimum, maximum);
}

void TerminalRunHost::SetPosition(int position) {
    position_ = position;
    if (interactive_) Draw(false);
}

bool TerminalRunHost::PumpMessages() { return gCancelRequested != 0; }

void TerminalRunHost::ShowProgressWindow(bool visible) {
    if (!visible) ClearLine();
}

void TerminalRunHost::ShowCopyWindow(int maximum) {
    SetRange(0, maximum);
    position_ = 0;
    label_ = "Backing up files...";
    if (interactive_) {
        Draw(true);
    } else {
        err_ << label_ << "\n";
    }
}

void TerminalRunHost::SetCopyProgress(int position, const std::string& label) {
    label_ = label;
    position_ = position;
    if (interactive_) Draw(false);
}

void TerminalRunHost::HideCopyWindow() { ClearLine(); }

void TerminalRunHost::Draw(bool force) {
    int span = max_ - min_;
    int percent = span > 0 ? static_cast<int>(std::clamp<long long>(
                                 (static_cast<long long>(position_) - min_) * 100 / span, 0, 100))
                           : 0;
    if (!force && percent == drawnPercent_) return;
    // A redraw per percent would flood a slow terminal on small files.
    auto now = std::chrono::steady_clock::now();
    if (!force && now - lastDraw_ < std::chrono::milliseconds(40)) return;
    lastDraw_ = now;
    drawnPercent_ = percent;
    constexpr int kBar = 24;
    int filled = percent * kBar / 100;
    std::string line(1, '[');
    line.append(static_cast<std::size_t>(filled), '#');
    line.append(static_cast<std::size_t>(kBar - filled), '.');
    line.append("] ");
    char pct[8];
    std::snprintf(pct, sizeof pct, "%3d%% ", percent);
    line += pct;
    line += PrintableText(label_);
    std::size_t width = static_cast<std::size_t>(TerminalWidth() - 1);
    if (line.size() > width) line.resize(width);
    err_ << "\r\033[K" << line << std::flush;
    lineDrawn_ = true;
}

void TerminalRunHost::ClearLine() {
    if (!lineDrawn_) return;
    err_ << "\r\033[K" << std::flush;
    lineDrawn_ = false;
    drawnPercent_ = -1;
}

}  // namespace plumora::cli

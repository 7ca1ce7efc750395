// The command host of plumora-cli: message boxes become lines on stderr, and
// questions are answered by the --yes flag (yes/OK) or refused (no/Cancel).
#pragma once

#include <iostream>
#include <string>

#include "host/command_host.h"

namespace plumora::cli {

// Terminal text: control characters of a file name shown as \xNN, so that a
// project cannot send escape sequences to the terminal.
std::string PrintableText(const std::string& text);

// The same for a message of several lines: line breaks (and tabs) stay, so
// a safety-net report or a reason on a line of its own reads as written.
std::string PrintableMessage(const std::string& text);

class TerminalCommandHost : public ICommandHost {
public:
    TerminalCommandHost(bool assumeYes, std::ostream& err = std::cerr)
        : assume_yes_(assumeYes), err_(err) {}

    MsgResult ShowMessage(MsgKind kind, const std::string& text, MsgButtons buttons) override;
    void SetHourglass(bool) override {}
    void GaugeShow(bool) override {}
    void GaugeSetMax(int) override {}
    void GaugeSetPosition(int) override {}

private:
    bool assume_yes_;
    std::ostream& err_;
};

}  // namespace plumora::cli

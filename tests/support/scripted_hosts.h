// Hosts for tests: they record every message and answer as the test says.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "host/command_host.h"

namespace plumora::testing {

struct RecordedMessage {
    MsgKind Kind;
    std::string Text;
    MsgButtons Buttons;
};

class ScriptedCommandHost : public ICommandHost {
public:
    // Answers given in order; when they run out, Ok (or Yes) is answered.
    std::deque<MsgResult> Answers;
    std::vector<RecordedMessage> Messages;
    std::vector<bool> HourglassChanges;
    bool HourglassOn = false;
    bool GaugeVisible = false;
    int GaugeMax = 0;
    std::vector<int> GaugePositions;

    MsgResult ShowMessage(MsgKind kind, const std::string& text, MsgButtons buttons) override;
    void SetHourglass(bool on) override;
    void GaugeShow(bool visible) override { GaugeVisible = visible; }
    void GaugeSetMax(int maximum) override { GaugeMax = maximum; }
    void GaugeSetPosition(int position) override { GaugePositions.push_back(position); }

    std::vector<std::string> Texts() const;
};

}  // namespace plumora::testing

// Scripted run and spelling hosts for formatter and processing tests: they
// record labels, gauge moves and spelling calls, cancel when told, and
// replace words from a table.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "host/run_host.h"
#include "host/spelling_host.h"
#include "support/scripted_hosts.h"

namespace plumora::testing {

class ScriptedRunHost : public IRunHost {
public:
    // PumpMessages reports the cancel from this call on (1-based); 0 = never.
    int CancelAtPump = 0;
    int Pumps = 0;
    std::vector<std::string> Labels;
    int RangeMin = -1, RangeMax = -1;
    std::vector<int> Positions;
    ScriptedCommandHost Command;  // message boxes

    void SetLabel(const std::string& text) override { Labels.push_back(text); }
    void SetRange(int minimum, int maximum) override {
        RangeMin = minimum;
        RangeMax = maximum;
    }
    void SetPosition(int position) override { Positions.push_back(position); }
    bool PumpMessages() override;

    MsgResult ShowMessage(MsgKind kind, const std::string& text, MsgButtons buttons) override {
        return Command.ShowMessage(kind, text, buttons);
    }
    void SetHourglass(bool on) override { Command.SetHourglass(on); }
    void GaugeShow(bool visible) override { Command.GaugeShow(visible); }
    void GaugeSetMax(int maximum) override { Command.GaugeSetMax(maximum); }
    void GaugeSetPosition(int position) override { Command.GaugeSetPosition(position); }
};

struct SpellingCall {
    std::string Context;
    std::string Text;
};

class ScriptedSpellingHost : public ISpellingHost {
public:
    // Whole-word replacements applied to every checked text.
    std::map<std::string, std::string> Replace;
    // The user cancels at this call (1-based); 0 = never.
    int CancelAtCall = 0;
    std::vector<SpellingCall> Calls;

    void CheckSpelling(const std::string& context, std::string& text, bool& replaced,
                       bool& cancelled) override;
};

}  // namespace plumora::testing

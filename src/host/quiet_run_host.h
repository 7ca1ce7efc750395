// A run host with nobody behind it: it shows nothing, answers Yes to every
// question, and the run is cancelled only through the flag it is given.
// Serves the worker threads of a run, the dry run without a terminal, and
// the benchmarks.
#pragma once

#include <atomic>

#include "host/run_host.h"

namespace plumora {

class TQuietRunHost : public IRunHost {
public:
    explicit TQuietRunHost(const std::atomic<bool>* cancelled = nullptr) : cancelled_(cancelled) {}
    MsgResult ShowMessage(MsgKind, const std::string&, MsgButtons) override { return MsgResult::Yes; }
    void SetHourglass(bool) override {}
    void GaugeShow(bool) override {}
    void GaugeSetMax(int) override {}
    void GaugeSetPosition(int) override {}
    void SetLabel(const std::string&) override {}
    void SetRange(int, int) override {}
    void SetPosition(int) override {}
    bool PumpMessages() override {
        return cancelled_ && cancelled_->load(std::memory_order_relaxed);
    }

private:
    const std::atomic<bool>* cancelled_;
};

}  // namespace plumora

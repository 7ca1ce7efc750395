// A run host for processing tests: records every call as one line of text in
// order, answers questions from a script, cancels on a given label or in the
// preview of a given file.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "formatter/formatter.h"
#include "host/run_host.h"

namespace plumora::testing {

class RecordingRunHost : public IRunHost {
public:
    std::vector<std::string> Events;
    std::deque<MsgResult> Answers;  // Yes when they run out
    std::string CancelAfterLabel;   // the pump cancels once this label (or copy label) was set
    std::string CancelInPreviewOf;  // the preview of this file answers Cancel
    // The pump cancels from the preview of this file on (a Ctrl-C while it
    // is written); the preview itself answers Continue.
    std::string PumpCancelsAfterPreviewOf;
    bool Cancelling = false;
    int Pumps = 0;

    MsgResult ShowMessage(MsgKind kind, const std::string& text, MsgButtons) override {
        Events.push_back(std::string(Prefix(kind)) + text);
        if (kind != MsgKind::Question) return MsgResult::Ok;
        MsgResult r = MsgResult::Yes;
        if (!Answers.empty()) {
            r = Answers.front();
            Answers.pop_front();
        }
        return r;
    }
    MsgResult ShowQuestion(const std::string& text, MsgButtons buttons, MsgResult defaultAnswer) override {
        QuestionDefaults.push_back(defaultAnswer);
        return ShowMessage(MsgKind::Question, text, buttons);
    }
    std::vector<MsgResult> QuestionDefaults;  // of the questions asked with a default
    void SetHourglass(bool on) override { Events.push_back(on ? "hourglass on" : "hourglass off"); }
    void GaugeShow(bool) override {}
    void GaugeSetMax(int) override {}
    void GaugeSetPosition(int) override {}
    void SetLabel(const std::string& text) override {
        Events.push_back("label " + text);
        if (!CancelAfterLabel.empty() && text == CancelAfterLabel) Cancelling = true;
    }
    void SetRange(int, int) override {}
    void SetPosition(int) override {}
    bool PumpMessages() override {
        ++Pumps;
        return Cancelling;
    }
    void ShowProgressWindow(bool visible) override {
        Events.push_back(visible ? "progress shown" : "progress hidden");
    }
    PreviewAnswer PreviewStyledFile(const std::string& name, const std::vector<std::string>&,
                                    const std::vector<TStyledLine>&) override {
        Events.push_back("preview " + name);
        if (name == PumpCancelsAfterPreviewOf) Cancelling = true;
        return name == CancelInPreviewOf ? PreviewAnswer::CancelProcessing : PreviewAnswer::Continue;
    }
    void ShowCopyWindow(int) override { Events.push_back("copy window shown"); }
    void SetCopyProgress(int, const std::string& label) override {
        Events.push_back(label);
        if (!CancelAfterLabel.empty() && label == CancelAfterLabel) Cancelling = true;
    }
    void HideCopyWindow() override { Events.push_back("copy window hidden"); }

    // The events that start with `prefix`, in order.
    std::vector<std::string> Starting(const std::string& prefix) const {
        std::vector<std::string> out;
        for (const auto& e : Events)
            if (e.rfind(prefix, 0) == 0) out.push_back(e);
        return out;
    }
    bool Has(const std::string& event) const {
        for (const auto& e : Events)
            if (e == event) return true;
        return false;
    }

private:
    static const char* Prefix(MsgKind kind) {
        switch (kind) {
            case MsgKind::Information: return "info: ";
            case MsgKind::Warning: return "warning: ";
            case MsgKind::Error: return "error: ";
            case MsgKind::Question: return "question: ";
        }
        return "";
    }
};

}  // namespace plumora::testing

// The desktop's command host: message boxes with the program's fixed texts,
// the hourglass cursor and the main window's progress gauge.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "host/command_host.h"

class QProgressBar;
class QWidget;

namespace plumora {

class TQtCommandHost : public ICommandHost {
public:
    // Replaces the message box; tests use it to answer without a dialog.
    using Answerer = std::function<MsgResult(MsgKind, const std::string&, MsgButtons)>;

    explicit TQtCommandHost(QWidget* parent = nullptr) : parent_(parent) {}
    ~TQtCommandHost() override;

    void SetGauge(QProgressBar* gauge) { gauge_ = gauge; }
    void SetAnswerer(Answerer answerer) { answerer_ = std::move(answerer); }

    MsgResult ShowMessage(MsgKind kind, const std::string& text, MsgButtons buttons) override;
    MsgResult ShowQuestion(const std::string& text, MsgButtons buttons, MsgResult defaultAnswer) override;
    void SetHourglass(bool on) override;
    void GaugeShow(bool visible) override;
    void GaugeSetMax(int maximum) override;
    void GaugeSetPosition(int position) override;

private:
    MsgResult Show(MsgKind kind, const std::string& text, MsgButtons buttons,
                   std::optional<MsgResult> defaultAnswer);

    QWidget* parent_;
    QProgressBar* gauge_ = nullptr;
    Answerer answerer_;
    int hourglassDepth_ = 0;
};

}  // namespace plumora

// The desktop's run host: the processing run talks to the progress window,
// the backup window, the preview and the main window's message boxes through
// it. The outermost hourglass of a run marks the main window's Running state.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "host/run_host.h"
#include "processing/qt_running_state.h"

class QWidget;

namespace plumora {

class TfrmCopyFiles;
class TfrmProcessing;

class TQtRunHost : public IRunHost {
public:
    // Shows the old and the styled text of one file and returns when the
    // user has closed it.
    using PreviewFunction = std::function<PreviewAnswer(
        const std::string& name, const std::vector<std::string>& before,
        const std::vector<TStyledLine>& after)>;

    // `messages` shows every message box (the main window's command host);
    // `cancelFlag` is the process-wide flag that Cancel sets; `mainWindow` is
    // disabled while a run is under way. All must outlive the host.
    TQtRunHost(ICommandHost& messages, TfrmProcessing& progress, TfrmCopyFiles& copy,
               bool& cancelFlag, QWidget* mainWindow);

    // Without a preview function every styled file is saved unseen.
    void SetPreview(PreviewFunction preview) { preview_ = std::move(preview); }

    // True between the first hourglass of a run and its last.
    bool Running() const { return running_.Active(); }
    // Leaves the Running state whatever the run left behind.
    void EndRun();

    MsgResult ShowMessage(MsgKind kind, const std::string& text, MsgButtons buttons) override;
    MsgResult ShowQuestion(const std::string& text, MsgButtons buttons, MsgResult defaultAnswer) override;
    void SetHourglass(bool on) override;
    void GaugeShow(bool visible) override { messages_.GaugeShow(visible); }
    void GaugeSetMax(int maximum) override { messages_.GaugeSetMax(maximum); }
    void GaugeSetPosition(int position) override { messages_.GaugeSetPosition(position); }

    void SetLabel(const std::string& text) override;
    void SetRange(int minimum, int maximum) override;
    void SetPosition(int position) override;
    bool PumpMessages() override;
    void ShowProgressWindow(bool visible) override;
    bool ShowsPreview() const override { return true; }
    PreviewAnswer PreviewStyledFile(const std::string& fileName,
                                    const std::vector<std::string>& before,
                                    const std::vector<TStyledLine>& after) override;
    void ShowCopyWindow(int maximum) override;
    void SetCopyProgress(int position, const std::string& label) override;
    void HideCopyWindow() override;

private:
    ICommandHost& messages_;
    TfrmProcessing& progress_;
    TfrmCopyFiles& copy_;
    bool& cancelFlag_;
    TQtRunningState running_;
    PreviewFunction preview_;
    int hourglassDepth_ = 0;
    // The pump runs the event loop at most once per interval, and always at
    // the start of a pass; the gauge moves when it does.
    static constexpr std::chrono::milliseconds kPumpInterval{10};
    std::chrono::steady_clock::time_point lastPump_{};
    bool pumpDue_ = true;
    int position_ = 0;
};

}  // namespace plumora

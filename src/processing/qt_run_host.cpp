// The processing run on the desktop: progress and backup windows, preview,
// message pump and the main window's Running state.
#include "processing/qt_run_host.h"

#include <QCoreApplication>
#include <QString>

#include "processing/frm_copy_files.h"
#include "processing/frm_processing.h"
#include "ui/text_encoding.h"

namespace plumora {

namespace {

// File names are bytes of the sources' code page.
QString FromAnsi(const std::string& bytes) { return DecodeText(bytes); }

}  // namespace

TQtRunHost::TQtRunHost(ICommandHost& messages, TfrmProcessing& progress, TfrmCopyFiles& copy,
                       bool& cancelFlag, QWidget* mainWindow)
    : messages_(messages),
      progress_(progress),
      copy_(copy),
      cancelFlag_(cancelFlag),
      running_(mainWindow) {}

MsgResult TQtRunHost::ShowMessage(MsgKind kind, const std::string& text, MsgButtons buttons) {
    return messages_.ShowMessage(kind, text, buttons);
}

MsgResult TQtRunHost::ShowQuestion(const std::string& text, MsgButtons buttons, MsgResult defaultAnswer) {
    return messages_.ShowQuestion(text, buttons, defaultAnswer);
}

void TQtRunHost::SetHourglass(bool on) {
    if (on) {
        if (hourglassDepth_++ == 0) running_.Enter();
    } else if (hourglassDepth_ > 0 && --hourglassDepth_ == 0) {
        running_.Leave();
    }
}

void TQtRunHost::EndRun() {
    hourglassDepth_ = 0;
    running_.Leave();
    // A run that ended on an error may not have hidden its windows.
    progress_.hide();
    copy_.hide();
}

void TQtRunHost::SetLabel(const std::string& text) {
    progress_.SetFileLabel(FromAnsi(text));
    // A pass starts: its first pump runs the event loop whatever the clock says.
    pumpDue_ = true;
}

void TQtRunHost::SetRange(int minimum, int maximum) {
    progress_.SetRange(minimum, maximum);
    position_ = minimum;
    progress_.SetPosition(minimum);
}

void TQtRunHost::SetPosition(int position) { position_ = position; }

bool TQtRunHost::PumpMessages() {
    // Running the event loop and repainting the gauge for every line made a
    // large project take thirty times as long as styling it; a few times per
    // frame keeps the window just as responsive and Cancel just as quick.
    const auto now = std::chrono::steady_clock::now();
    if (pumpDue_ || now - lastPump_ >= kPumpInterval) {
        pumpDue_ = false;
        lastPump_ = now;
        progress_.SetPosition(position_);
        QCoreApplication::processEvents();
    }
    return cancelFlag_;
}

void TQtRunHost::ShowProgressWindow(bool visible) {
    if (visible) {
        progress_.SetFileLabel(QString());
        progress_.SetRange(0, 1);
        progress_.SetPosition(0);
        position_ = 0;
        pumpDue_ = true;
        progress_.show();
        progress_.raise();
        progress_.activateWindow();
    } else {
        progress_.hide();
    }
}

PreviewAnswer TQtRunHost::PreviewStyledFile(const std::string& fileName,
                                            const std::vector<std::string>& before,
                                            const std::vector<TStyledLine>& after) {
    if (!preview_) return PreviewAnswer::Continue;
    const PreviewAnswer answer = preview_(fileName, before, after);
    if (answer == PreviewAnswer::CancelProcessing) cancelFlag_ = true;
    return answer;
}

void TQtRunHost::ShowCopyWindow(int maximum) {
    copy_.Start(maximum);
    // The copies never pump; let the new window paint before they start.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TQtRunHost::SetCopyProgress(int position, const std::string& label) {
    copy_.Step(position, FromAnsi(label));
}

void TQtRunHost::HideCopyWindow() { copy_.hide(); }

}  // namespace plumora

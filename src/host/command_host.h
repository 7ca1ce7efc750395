// The way a core command talks to the user: message boxes with fixed texts,
// the hourglass cursor and the main window's progress gauge. The desktop shows
// real dialogs, the CLI writes to a terminal, tests script the answers.
#pragma once

#include <string>

namespace plumora {

enum class MsgKind { Information, Warning, Error, Question };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgResult { Ok, Cancel, Yes, No };

class ICommandHost {
public:
    virtual ~ICommandHost() = default;

    // Shows one message box and returns the button the user pressed.
    virtual MsgResult ShowMessage(MsgKind kind, const std::string& text, MsgButtons buttons) = 0;

    // Mouse cursor: hourglass while a long command runs, normal otherwise.
    virtual void SetHourglass(bool on) = 0;

    // The main window's progress gauge (used while a project file is read).
    virtual void GaugeShow(bool visible) = 0;
    virtual void GaugeSetMax(int maximum) = 0;
    virtual void GaugeSetPosition(int position) = 0;
};

// Convenience wrappers for the four kinds of box the program shows.
inline void ShowInformation(ICommandHost& host, const std::string& text) {
    host.ShowMessage(MsgKind::Information, text, MsgButtons::Ok);
}
inline void ShowError(ICommandHost& host, const std::string& text) {
    host.ShowMessage(MsgKind::Error, text, MsgButtons::Ok);
}
inline void ShowWarning(ICommandHost& host, const std::string& text) {
    host.ShowMessage(MsgKind::Warning, text, MsgButtons::Ok);
}

// The hourglass for as long as the object lives, however the command ends.
class TScopedHourglass {
public:
    explicit TScopedHourglass(ICommandHost& host) : host_(host) { host_.SetHourglass(true); }
    ~TScopedHourglass() { host_.SetHourglass(false); }
    TScopedHourglass(const TScopedHourglass&) = delete;
    TScopedHourglass& operator=(const TScopedHourglass&) = delete;

private:
    ICommandHost& host_;
};

}  // namespace plumora

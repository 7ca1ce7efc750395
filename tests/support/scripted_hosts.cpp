#include "support/scripted_hosts.h"

namespace plumora::testing {

MsgResult ScriptedCommandHost::ShowMessage(MsgKind kind, const std::string& text,
                                           MsgButtons buttons) {
    Messages.push_back({kind, text, buttons});
    if (!Answers.empty()) {
        MsgResult answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    return (buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel) ? MsgResult::Yes
                                                                                 : MsgResult::Ok;
}

void ScriptedCommandHost::SetHourglass(bool on) {
    HourglassOn = on;
    HourglassChanges.push_back(on);
}

std::vector<std::string> ScriptedCommandHost::Texts() const {
    std::vector<std::string> texts;
    for (const auto& m : Messages) texts.push_back(m.Text);
    return texts;
}

}  // namespace plumora::testing

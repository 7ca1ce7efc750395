// Scripted run and spelling hosts.
#include "support/scripted_run_host.h"

#include <cctype>

namespace plumora::testing {

bool ScriptedRunHost::PumpMessages() {
    ++Pumps;
    return CancelAtPump > 0 && Pumps >= CancelAtPump;
}

void ScriptedSpellingHost::CheckSpelling(const std::string& context, std::string& text,
                                         bool& replaced, bool& cancelled) {
    Calls.push_back({context, text});
    replaced = false;
    cancelled = false;
    if (CancelAtCall > 0 && int(Calls.size()) == CancelAtCall) {
        cancelled = true;
        return;
    }
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t j = i;
        while (j < text.size() && std::isalpha(static_cast<unsigned char>(text[j]))) ++j;
        if (j == i) {
            out.push_back(text[i++]);
            continue;
        }
        std::string word = text.substr(i, j - i);
        auto it = Replace.find(word);
        if (it != Replace.end()) {
            out.append(it->second);
            replaced = true;
        } else {
            out.append(word);
        }
        i = j;
    }
    text = out;
}

}  // namespace plumora::testing

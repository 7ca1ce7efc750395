#include "cli/terminal_host.h"

#include <cstdio>

namespace plumora::cli {

namespace {

std::string Escaped(const std::string& text, bool keepLineBreaks) {
    std::string out;
    out.reserve(text.size());
    for (unsigned char c : text) {
        if ((c < 32 || c == 127) && !(keepLineBreaks && (c == '\n' || c == '\t'))) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", c);
            out += buf;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

}  // namespace

std::string PrintableText(const std::string& text) { return Escaped(text, false); }

std::string PrintableMessage(const std::string& text) { return Escaped(text, true); }

MsgResult TerminalCommandHost::ShowMessage(MsgKind kind, const std::string& text,
                                           MsgButtons buttons) {
    const char* prefix = "";
    switch (kind) {
        case MsgKind::Information: prefix = ""; break;
        case MsgKind::Warning: prefix = "warning: "; break;
        case MsgKind::Error: prefix = "error: "; break;
        case MsgKind::Question: prefix = "question: "; break;
    }
    err_ << prefix << PrintableMessage(text);
    switch (buttons) {
        case MsgButtons::Ok:
            err_ << "\n";
            return MsgResult::Ok;
        case MsgButtons::OkCancel:
            err_ << (assume_yes_ ? " [OK: --yes]\n" : " [Cancel: run with --yes to answer OK]\n");
            return assume_yes_ ? MsgResult::Ok : MsgResult::Cancel;
        case MsgButtons::YesNo:
        case MsgButtons::YesNoCancel:
            err_ << (assume_yes_ ? " [Yes: --yes]\n" : " [No: run with --yes to answer Yes]\n");
            return assume_yes_ ? MsgResult::Yes : MsgResult::No;
    }
    return MsgResult::Cancel;
}

}  // namespace plumora::cli

#include "cli/std_out.h"

#include <cerrno>
#include <cstring>
#include <iostream>

#include "cli/commands.h"
#include "cli/terminal_host.h"
#include "io/native.h"

namespace plumora::cli {

namespace {

int gWriteError = 0;  // errno of the first failed write; 0 while all went well

}  // namespace

bool WriteOut(std::string_view text) {
    if (gWriteError != 0) return false;
    return WriteStandardOutput(text, gWriteError);
}

bool OutputFailed() { return gWriteError != 0; }

int FinishOutput(int status) {
    if (gWriteError == 0) return status;
    std::cerr << "plumora-cli: cannot write to standard output: " << std::strerror(gWriteError)
              << "\n";
    return kExitFailed;
}

std::string ForTerminal(std::string text) {
    if (!IsTerminal(1)) return text;
    return PrintableMessage(text);
}

}  // namespace plumora::cli

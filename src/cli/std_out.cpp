#include "cli/std_out.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>

#include "cli/commands.h"
#include "cli/terminal_host.h"

namespace plumora::cli {

namespace {

int gWriteError = 0;  // errno of the first failed write; 0 while all went well

}  // namespace

bool WriteOut(std::string_view text) {
    if (gWriteError != 0) return false;
    while (!text.empty()) {
        const ssize_t put = ::write(STDOUT_FILENO, text.data(), text.size());
        if (put < 0) {
            if (errno == EINTR) continue;
            gWriteError = errno;
            return false;
        }
        if (put == 0) {
            gWriteError = EIO;
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

bool OutputFailed() { return gWriteError != 0; }

int FinishOutput(int status) {
    if (gWriteError == 0) return status;
    std::cerr << "plumora-cli: cannot write to standard output: " << std::strerror(gWriteError)
              << "\n";
    return kExitFailed;
}

std::string ForTerminal(std::string text) {
    if (::isatty(STDOUT_FILENO) != 1) return text;
    return PrintableMessage(text);
}

}  // namespace plumora::cli

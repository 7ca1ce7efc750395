// Standard streams, the terminal and Ctrl-C on POSIX systems.
#include <signal.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "io/native.h"

namespace plumora {

namespace {

struct sigaction gOldInterrupt {};
bool gInterruptInstalled = false;

}  // namespace

void UseBinaryStandardStreams() {}

TIoResult ReadStandardInput(std::string& bytes) {
    bytes.clear();
    char block[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(STDIN_FILENO, block, sizeof block);
        if (got < 0) {
            if (errno == EINTR) continue;
            return TIoResult::Failure(std::string("cannot read standard input: ") + std::strerror(errno));
        }
        if (got == 0) return TIoResult::Success();
        bytes.append(block, static_cast<std::size_t>(got));
    }
}

bool WriteStandardOutput(std::string_view bytes, int& error) {
    while (!bytes.empty()) {
        const ssize_t put = ::write(STDOUT_FILENO, bytes.data(), bytes.size());
        if (put < 0) {
            if (errno == EINTR) continue;
            error = errno;
            return false;
        }
        if (put == 0) {
            error = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

bool IsTerminal(int stream) { return ::isatty(stream) == 1; }

int TerminalColumns() {
    struct winsize ws {};
    if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &ws) == 0) return ws.ws_col;
    return 0;
}

bool InstallInterruptHandler(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    gInterruptInstalled = ::sigaction(SIGINT, &action, &gOldInterrupt) == 0;
    return gInterruptInstalled;
}

void RestoreInterruptHandler() {
    if (gInterruptInstalled) ::sigaction(SIGINT, &gOldInterrupt, nullptr);
    gInterruptInstalled = false;
}

}  // namespace plumora

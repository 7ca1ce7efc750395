// Standard streams, the console and Ctrl-C on Windows.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>

#include "io/native.h"

namespace plumora {

namespace {

void (*gOldInterrupt)(int) = SIG_DFL;
bool gInterruptInstalled = false;

}  // namespace

void UseBinaryStandardStreams() {
    // Text mode would write every LF as CR LF and end reading at a Ctrl-Z:
    // styled bytes must come out as they are, the same as on Linux.
    _setmode(0, _O_BINARY);
    _setmode(1, _O_BINARY);
    _setmode(2, _O_BINARY);
}

TIoResult ReadStandardInput(std::string& bytes) {
    bytes.clear();
    char block[64 * 1024];
    for (;;) {
        const int got = _read(0, block, sizeof block);
        if (got < 0) return TIoResult::Failure(std::string("cannot read standard input: ") + std::strerror(errno));
        if (got == 0) return TIoResult::Success();
        bytes.append(block, static_cast<std::size_t>(got));
    }
}

bool WriteStandardOutput(std::string_view bytes, int& error) {
    while (!bytes.empty()) {
        const unsigned chunk = static_cast<unsigned>(std::min<std::size_t>(bytes.size(), 1u << 30));
        const int put = _write(1, bytes.data(), chunk);
        if (put <= 0) {
            error = put < 0 ? errno : EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

bool IsTerminal(int stream) { return _isatty(stream) != 0; }

int TerminalColumns() {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (GetConsoleScreenBufferInfo(GetStdHandle(STD_ERROR_HANDLE), &info))
        return info.srWindow.Right - info.srWindow.Left + 1;
    return 0;
}

bool InstallInterruptHandler(void (*handler)(int)) {
    gOldInterrupt = std::signal(SIGINT, handler);
    gInterruptInstalled = gOldInterrupt != SIG_ERR;
    return gInterruptInstalled;
}

void RestoreInterruptHandler() {
    if (gInterruptInstalled) std::signal(SIGINT, gOldInterrupt);
    gInterruptInstalled = false;
}

}  // namespace plumora

// What differs between the systems the program runs on (Linux and other
// POSIX systems, Windows), in small functions: the rest of the program calls
// these instead of the system. posix/ and windows/ implement them; the build
// takes one of the two.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "io/text_lines.h"

namespace plumora {

// ---- Where the user's settings live -------------------------------------------

// The folder for the user's settings when PLUMORA_CONFIG_DIR is not set:
// $XDG_CONFIG_HOME/plumora (when absolute), else ~/.config/plumora (HOME, or
// the account's home folder); on Windows %APPDATA%\plumora. Empty when
// there is no such place.
std::string DefaultConfigDir();

// That rule in words, for the help text.
const char* ConfigDirRule();

// ---- Standard streams ------------------------------------------------------

// Makes standard input, output and error pass bytes as they are (Windows
// would otherwise turn LF into CR LF and stop reading at Ctrl-Z).
void UseBinaryStandardStreams();

// Reads all of standard input.
TIoResult ReadStandardInput(std::string& bytes);

// Writes all of `bytes` to standard output; false with `error` (the
// system's errno value) when a write fails.
bool WriteStandardOutput(std::string_view bytes, int& error);

// True when standard output (1) or standard error (2) is a terminal.
bool IsTerminal(int stream);

// Columns of the terminal on standard error; 0 when unknown.
int TerminalColumns();

// Sends Ctrl-C (SIGINT) to `handler` until RestoreInterruptHandler; the
// handler may only set a flag and put the default back.
bool InstallInterruptHandler(void (*handler)(int));
void RestoreInterruptHandler();

}  // namespace plumora

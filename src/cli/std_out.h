// Standard output of plumora-cli. Every command writes its results through
// here, so that a full disk, a closed pipe or /dev/full is noticed: the first
// failure is remembered, later writes are skipped, and main turns it into
// exit status 1 with the system's reason.
#pragma once

#include <string>
#include <string_view>

namespace plumora::cli {

// Writes all of `text` to standard output; false once any write has failed.
bool WriteOut(std::string_view text);

// True when a write to standard output has failed.
bool OutputFailed();

// `status`, or kExitFailed after a message on stderr when standard output
// could not be written completely.
int FinishOutput(int status);

// File contents on their way to a terminal: control bytes other than line
// ends and tabs become \xNN, so a file cannot send escape sequences to the
// user's terminal. Unchanged when standard output is not a terminal (a
// diff saved to a file keeps its bytes).
std::string ForTerminal(std::string text);

}  // namespace plumora::cli

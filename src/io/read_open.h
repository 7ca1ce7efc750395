// Opening a file for reading. Every reader of the program opens through
// here: the kind of file is checked first and the open never waits, so a
// FIFO, a device or a socket named where a file is expected (a companion, a
// settings file, a template, a form) is refused with a message instead of
// hanging the program.
#pragma once

#include <sys/types.h>

#include <string>

namespace plumora {

// What a path of this system names, for messages: "a directory",
// "a FIFO (named pipe)", "a device", "a socket"; empty for a regular file.
std::string NotAFileText(mode_t mode);

// Opens `localPath` read-only for an ordinary blocking read of a regular
// file. Returns the descriptor, or -1 with `error` set to a message that
// names the path and the reason ("Cannot open X: Permission denied",
// "Cannot read X: it is a FIFO (named pipe), not a file."). `errnoOut`, when
// given, receives the system's error number (0 for a file of the wrong kind).
int OpenRegularForReading(const std::string& localPath, std::string& error,
                          int* errnoOut = nullptr);

}  // namespace plumora

// What differs between the systems the program runs on (Linux and other
// POSIX systems, Windows), in small functions: the rest of the program calls
// these instead of the system. posix/ and windows/ implement them; the build
// takes one of the two.
#pragma once

#include <compare>
#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

#include "io/text_lines.h"

namespace plumora {

// ---- Files and folders -------------------------------------------------------

// The separator that this system puts between folders in the paths it gives.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// `path` without separators at its end, but never shorter than a root ("/",
// "C:\\").
std::string WithoutTrailingSeparators(std::string path);

// Which file a path names, to tell two names of one file apart from two
// files: device and file number (volume serial and file index on Windows).
struct TFileIdentity {
    std::uint64_t Device = 0;
    std::uint64_t Index = 0;
    friend auto operator<=>(const TFileIdentity&, const TFileIdentity&) = default;
};

// What the program needs to know of a path before it reads or writes it.
struct TPathFacts {
    bool Directory = false;
    bool Regular = false;
    bool Link = false;           // a symbolic link itself (asked without following)
    bool OwnerWritable = false;  // on Windows: not read-only
    unsigned Mode = 0;           // permission bits; on Windows 0666 or 0444
    std::string Kind;            // for messages: "a directory", "a FIFO (named pipe)"...; empty for a file
    TFileIdentity Identity;
};

// Facts of `path` (following a symbolic link unless `followLink` is false);
// false with errno set when the path does not exist or cannot be asked.
bool StatPath(const std::string& path, TPathFacts& facts, bool followLink = true);
// The same for an open file.
bool StatOpenFile(int fd, TPathFacts& facts);

// Gives the file open as `to` the access and modification times of the file
// open as `from`; false with errno set.
bool CopyFileTimes(int from, int to);

// True when files can be made in the folder `dir`; errno says why not.
bool CanWriteInDirectory(const std::string& dir);

// Makes a rename in `dir` durable where the system needs to be asked.
void SyncDirectory(const std::string& dir);

// `when` in the local time zone.
std::tm LocalTime(std::time_t when);

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

// Project style files: a team commits `.plumora.ini` (the option sections of
// VBPLUMO3.INI) beside its code, and the command line styles with it. The
// options come in layers, each key of a later layer winning over the same
// key of an earlier one: the built-in defaults, the user's VBPLUMO3.INI,
// the project style file, and the file given with --ini.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "settings/option_catalogue.h"

namespace plumora {

class TIniFile;
class TOptionSet;

inline constexpr const char* kProjectStyleFileName = ".plumora.ini";

// The project style file for sources in `dir`: `dir`/.plumora.ini, else that
// of the nearest parent directory that has one; empty when none has. A
// relative `dir` is taken from the current directory.
std::string FindProjectStyleFile(const std::string& dir);

// The directory whose style file applies to the file `path` (its own
// directory; the current one for a bare name).
std::string SourceDirectory(const std::string& path);

enum class TOptionSource : std::uint8_t { Default, UserFile, ProjectFile, IniArgument };

struct TOptionLayers {
    std::string UserFile;     // VBPLUMO3.INI in the configuration directory
    std::string ProjectFile;  // empty: no project style file applies
    std::string IniArgument;  // empty: no --ini
};

// The layers for sources in `dir`.
TOptionLayers OptionLayersFor(const std::string& dir, const std::string& iniArgument);

// Where the live value of each option came from, by catalogue index.
using TOptionSources = std::array<TOptionSource, kOptionCount>;

// Reads the layers into `options` (which should hold the defaults): every key
// that a file holds replaces the value before it. A missing user's file is
// no error, and one that cannot be read is passed over with `warning` set
// (as the desktop does); a project style file or --ini file that cannot be
// read is an error: false, with `error` naming it and why, and `options` as
// far as they were read. A relative
// header template name in the project style file is taken relative to that
// file's directory, so a team can commit its templates beside it.
bool LoadOptionLayers(const TOptionLayers& layers, TOptionSet& options, TOptionSources* sources,
                      std::string& error, std::string* warning = nullptr);

// Loads one layer: every key that `ini` holds replaces the option's value and
// is marked as coming from `source`. `styleDir`, when not empty, is the
// directory that relative template names are taken from.
void LoadOptionLayer(const TIniFile& ini, TOptionSource source, const std::string& styleDir,
                     TOptionSet& options, TOptionSources* sources);

// The effective options as an INI text that can be saved as a project style
// file: each section of the catalogue with its keys, and before each run of
// keys from one source a comment naming it.
std::string DumpOptions(const TOptionSet& options, const TOptionSources& sources,
                        const TOptionLayers& layers);

}  // namespace plumora

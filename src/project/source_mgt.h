// The project model: the project file's lines and the chain of source file
// entries that every other part of the program walks.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "project/file_kind.h"

namespace plumora {

// One source file of the project. The chain always ends in one blank entry
// (no file, `Next` empty); walkers stop at it:
//   for (RFile* f = project.Head.get(); f->Next; f = f->Next.get()) ...
struct RFile {
    std::string Name;      // file name as the project writes it
    std::string Caption;   // text of the file's tree node
    std::string FullPath;  // path that opens the file here
    double Size = -1;      // bytes when admitted; -1 when not found
    std::string Extension; // ".FRM", ".BAS", ...; empty without a dot
    std::int32_t LineCount = 0;
    bool Loaded = false;   // Lines holds the file's text
    bool Selected = true;
    bool Processed = false;
    std::string NewPath;   // full path of the latest styled copy
    std::uint8_t Kind = fkForm;
    std::vector<std::string> Lines;
    std::unique_ptr<RFile> Next;  // owns the rest of the chain
    RFile* Prev = nullptr;

    RFile() = default;
    RFile(const RFile&) = delete;
    RFile& operator=(const RFile&) = delete;
    // Frees the rest of the chain one entry at a time, so that a chain of any
    // length never recurses.
    ~RFile();

    bool IsBlank() const { return !Next; }
};

class TSourceMgt {
public:
    std::vector<std::string> ProjectLines;
    std::string ProjectName;  // project file name without directory
    std::string ProjectDir;   // up to and including the last ':', '\' or '/';
                              // absolute once a project file is opened
    std::unique_ptr<RFile> Head;
    RFile* Current = nullptr;

    // Starts with the chain holding the blank entry alone, as Head and Current.
    TSourceMgt();
    ~TSourceMgt();
    TSourceMgt(const TSourceMgt&) = delete;
    TSourceMgt& operator=(const TSourceMgt&) = delete;

    // Reads the entry's file into Lines unless it is loaded; a file that
    // cannot be read gives the single line "NOT AVAILABLE".
    void LoadLines(RFile* entry);
    void ReleaseLines(RFile* entry);
    void LoadCurrentLines();
    void ReleaseCurrentLines();
    // Takes lines read elsewhere (as LoadLines reads them) as the current
    // entry's text.
    void AdoptCurrentLines(std::vector<std::string> lines);
    // Every entry, the blank one included.
    void ReleaseAllLines();

    // Fills the blank entry Current with the file written as `path` in the
    // project, appends a new blank entry and makes it Current. `extension` is
    // the upper-cased extension of `path`.
    void AddFile(const std::string& path, const std::string& extension);

    // Number of file entries (the blank entry not counted).
    std::size_t FileCount() const;
};

}  // namespace plumora

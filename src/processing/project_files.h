// Which lines of a project file name files, and how each of those lines
// reads once the output directory holds the files flat under their names.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace plumora {

// One file named by a line of the project file.
struct TListedFile {
    std::size_t Line = 0;  // index into the project's lines
    std::string Written;   // the path as the line writes it
    // A file of the project itself (source, property page, designer,
    // resource): copied flat with its companion and named by its bare file
    // name in the rewritten project file. Otherwise a file outside the project
    // (a control or library) whose line stays as written; it is copied only
    // when written as a bare name, so the unchanged line still finds it.
    bool ProjectFile = true;
};

// The files named by a .MAK (`vbVersion` below 4) or .VBP project file, in
// line order. .MAK: every line without "=" that is not empty; .DLL, .VBX and
// .OCX lines are outside files. .VBP: Form, Module, Class, UserControl,
// PropertyPage, Designer, UserDocument, RelatedDoc and ResFile32 lines are
// project files; Object lines name outside files after their ";".
std::vector<TListedFile> ListedProjectFiles(const std::vector<std::string>& lines, int vbVersion);

// The binary companion Visual Basic keeps beside a file: .FRX for .FRM,
// .CTX for .CTL, .PGX for .PAG, .DSX for .DSR, .DOX for .DOB; in lower case
// when the name's extension has a lower-case letter. Empty for other files.
std::string CompanionName(std::string_view name);

// A .MAK line as the rewritten copy writes it: a file line with a directory
// becomes its bare file name, unless it names a .DLL, .VBX or .OCX; setting
// lines ("=") and every other line stay.
std::string RewriteMakLine(std::string_view line);

// A .VBP line as the rewritten copy writes it: a project file line (as
// ListedProjectFiles sees them) names its file by its bare name; every other
// line stays.
std::string RewriteVbpLine(std::string_view line);

}  // namespace plumora

// The project model's chain and the loading and releasing of source text.
#include "project/source_mgt.h"

#include <limits>

#include "io/paths.h"
#include "io/text_lines.h"

namespace plumora {

namespace {

std::int32_t ClampLineCount(std::size_t count) {
    constexpr auto kMax = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
    return static_cast<std::int32_t>(count > kMax ? kMax : count);
}

}  // namespace

RFile::~RFile() {
    // Detach each following entry before it dies, so that no destructor sees
    // a non-empty Next.
    std::unique_ptr<RFile> rest = std::move(Next);
    while (rest) rest = std::move(rest->Next);
}

TSourceMgt::TSourceMgt() : Head(std::make_unique<RFile>()), Current(Head.get()) {}

TSourceMgt::~TSourceMgt() { ReleaseAllLines(); }

void TSourceMgt::LoadLines(RFile* entry) {
    if (!entry || entry->Loaded) return;
    std::vector<std::string> lines;
    std::optional<std::string> local = LocatePath(entry->FullPath);
    if (!local || !ReadTextLines(*local, lines).Ok) lines.assign(1, "NOT AVAILABLE");
    entry->Lines = std::move(lines);
    entry->LineCount = ClampLineCount(entry->Lines.size());
    entry->Loaded = true;
}

void TSourceMgt::ReleaseLines(RFile* entry) {
    if (!entry || !entry->Loaded) return;
    std::vector<std::string>().swap(entry->Lines);
    entry->Loaded = false;
}

void TSourceMgt::LoadCurrentLines() {
    if (!Current) return;
    if (!Current->Loaded) LoadLines(Current);
    Current->LineCount = ClampLineCount(Current->Lines.size());
}

void TSourceMgt::ReleaseCurrentLines() { ReleaseLines(Current); }

void TSourceMgt::AdoptCurrentLines(std::vector<std::string> lines) {
    if (!Current) return;
    Current->Lines = std::move(lines);
    Current->LineCount = ClampLineCount(Current->Lines.size());
    Current->Loaded = true;
}

void TSourceMgt::ReleaseAllLines() {
    for (RFile* f = Head.get(); f; f = f->Next.get()) ReleaseLines(f);
}

void TSourceMgt::AddFile(const std::string& path, const std::string& extension) {
    // Only the blank entry is ever filled; a cursor left elsewhere by a walk
    // must not overwrite a file entry.
    if (!Current || !Current->IsBlank()) {
        Current = Head.get();
        while (Current->Next) Current = Current->Next.get();
    }
    RFile& entry = *Current;
    std::string resolved = ResolveProjectPath(ProjectDir, path);
    std::optional<std::string> local = LocatePath(resolved);
    entry.FullPath = local ? *local : resolved;
    entry.Name = FileNamePart(path);
    entry.Caption = entry.Name;
    entry.Extension = extension;
    entry.Size = FileSize(entry.FullPath);
    entry.Selected = true;
    entry.Processed = false;
    entry.NewPath.clear();
    entry.Loaded = false;
    entry.Lines.clear();
    entry.Kind = KindFromExtension(extension);

    std::size_t count = 0;
    if (local) CountTextLines(*local, count);
    entry.LineCount = ClampLineCount(count);

    entry.Next = std::make_unique<RFile>();
    entry.Next->Prev = &entry;
    Current = entry.Next.get();
}

std::size_t TSourceMgt::FileCount() const {
    std::size_t count = 0;
    for (const RFile* f = Head.get(); f && f->Next; f = f->Next.get()) ++count;
    return count;
}

}  // namespace plumora

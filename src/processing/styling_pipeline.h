// Styling the selected files of a project on all cores while the caller
// takes the results one by one in project order: messages, progress and the
// files written stay exactly those of a walk on one core. Used where nothing
// waits for the user between files (no preview, no interactive spelling).
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "formatter/style_file.h"

namespace plumora {

class IRunHost;
class TOptionSet;
class TSourceMgt;
struct RFile;

class TStylingPipeline {
public:
    // One selected file: its lines as the project would load them (the
    // line "NOT AVAILABLE" when it cannot be read) and its styled result.
    struct TItem {
        RFile* Entry = nullptr;
        std::string LocalPath;  // empty when the file cannot be found
        std::vector<std::string> Lines;
        TStyledLines Output;
        TStyleResult Result;
        bool Done = false;
    };

    // Starts `workers` threads over the selected entries of `project`,
    // styling with `options` and the tab width and header date of `like`.
    // The file names are resolved here, on the caller's thread.
    TStylingPipeline(TSourceMgt& project, const TOptionSet& options,
                     const TVBSrcFormatter& like, unsigned workers);
    ~TStylingPipeline();
    TStylingPipeline(const TStylingPipeline&) = delete;
    TStylingPipeline& operator=(const TStylingPipeline&) = delete;

    // The next selected file's result, in project order, once styled. Pumps
    // `host` while it waits; returns nullptr when the run is cancelled there
    // (the workers stop) or when every file has been taken.
    TItem* TakeNext(IRunHost& host);

    // Frees what the item taken last holds.
    void Release(TItem& item);

    // The number of cores worth using on this machine.
    static unsigned Workers();

private:
    void Work(const TOptionSet& options, int tabStops, std::string headerDate);

    std::vector<std::unique_ptr<TItem>> items_;
    std::atomic<std::size_t> next_{0};    // the next item a worker takes
    std::size_t taken_ = 0;               // items the caller has taken
    std::atomic<std::size_t> consumed_{0};
    std::atomic<bool> cancelled_{false};
    std::mutex mutex_;
    std::condition_variable done_;     // an item was styled
    std::condition_variable room_;     // the caller took an item
    std::vector<std::thread> threads_;
};

}  // namespace plumora

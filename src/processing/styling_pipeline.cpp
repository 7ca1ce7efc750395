// Styling on worker threads, results taken in project order.
#include "processing/styling_pipeline.h"

#include <algorithm>
#include <chrono>

#include "host/quiet_run_host.h"
#include "io/paths.h"
#include "io/text_lines.h"
#include "project/source_mgt.h"
#include "settings/option_set.h"

namespace plumora {

namespace {


// How far the workers may run ahead of the caller: enough to keep the cores
// busy across a few large files, few enough to hold little text at a time.
constexpr std::size_t kAhead = 8;

}  // namespace

unsigned TStylingPipeline::Workers() {
    const unsigned cores = std::thread::hardware_concurrency();
    return std::clamp(cores, 1u, 8u);
}

TStylingPipeline::TStylingPipeline(TSourceMgt& project, const TOptionSet& options,
                                   const TVBSrcFormatter& like, unsigned workers) {
    for (RFile* entry = project.Head.get(); entry && entry->Next; entry = entry->Next.get()) {
        if (!entry->Selected) continue;
        auto item = std::make_unique<TItem>();
        item->Entry = entry;
        if (std::optional<std::string> local = LocatePath(entry->FullPath))
            item->LocalPath = std::move(*local);
        items_.push_back(std::move(item));
    }
    workers = std::max(1u, std::min<unsigned>(workers, unsigned(items_.size())));
    for (unsigned w = 0; w < workers; ++w)
        threads_.emplace_back(&TStylingPipeline::Work, this, std::cref(options), like.VBTabStops,
                              like.HeaderDate);
}

TStylingPipeline::~TStylingPipeline() {
    cancelled_ = true;
    room_.notify_all();
    for (std::thread& t : threads_) t.join();
}

void TStylingPipeline::Work(const TOptionSet& options, int tabStops, std::string headerDate) {
    TQuietRunHost host(&cancelled_);  // it only hears the cancel
    TVBSrcFormatter formatter(options, &host);
    formatter.VBTabStops = tabStops;
    formatter.HeaderDate = std::move(headerDate);
    for (std::size_t i; (i = next_++) < items_.size();) {
        {
            std::unique_lock<std::mutex> lock(mutex_);
            room_.wait(lock, [&] { return cancelled_ || i < consumed_ + kAhead; });
        }
        if (cancelled_) return;
        TItem& item = *items_[i];
        // As the project loads a file: its lines, or the one line saying it
        // could not be read (the caller decides what that means).
        if (item.LocalPath.empty() || !ReadTextLines(item.LocalPath, item.Lines).Ok)
            item.Lines.assign(1, "NOT AVAILABLE");
        item.Result = StyleFile(formatter, item.Lines, item.Entry->Name, item.Entry->Kind);
        item.Output = std::move(formatter.Output);
        formatter.Output = TStyledLines();
        {
            std::lock_guard<std::mutex> lock(mutex_);
            item.Done = true;
        }
        done_.notify_all();
    }
}

TStylingPipeline::TItem* TStylingPipeline::TakeNext(IRunHost& host) {
    if (taken_ >= items_.size() || cancelled_) return nullptr;
    TItem& item = *items_[taken_];
    // The user interface stays alive while a file is styled elsewhere: the
    // pump runs every few milliseconds, and a cancel stops the workers.
    while (true) {
        {
            std::unique_lock<std::mutex> lock(mutex_);
            if (done_.wait_for(lock, std::chrono::milliseconds(5), [&] { return item.Done; }))
                break;
        }
        if (host.PumpMessages()) {
            cancelled_ = true;
            room_.notify_all();
            return nullptr;
        }
    }
    ++taken_;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        consumed_ = taken_;
    }
    room_.notify_all();
    return &item;
}

void TStylingPipeline::Release(TItem& item) {
    std::vector<std::string>().swap(item.Lines);
    TStyledLines().swap(item.Output);
}

}  // namespace plumora

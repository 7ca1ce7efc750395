// Rows per page and the page count of a listing.
#include "viewers/listing_pages.h"

#include <algorithm>

namespace plumora {

namespace {

int RowsIn(int height, int rowHeight) { return std::max(height / std::max(rowHeight, 1), 1); }

}  // namespace

TListingPages::TListingPages(const TListingBands& bands, int lineCount)
    : lines_(std::max(lineCount, 0)) {
    first_ = RowsIn(bands.PageHeight - bands.TitleHeight - bands.HeaderHeight, bands.RowHeight);
    perPage_ = RowsIn(bands.PageHeight - bands.HeaderHeight, bands.RowHeight);
    const int rest = std::max(lines_ - first_, 0);
    pages_ = 1 + (rest + perPage_ - 1) / perPage_;
}

TListingRows TListingPages::RowsOfPage(int page) const {
    if (page < 1 || page > pages_) return {};
    const int first = page == 1 ? 0 : first_ + (page - 2) * perPage_;
    const int room = page == 1 ? first_ : perPage_;
    return {std::min(first, lines_), std::clamp(lines_ - first, 0, room)};
}

}  // namespace plumora

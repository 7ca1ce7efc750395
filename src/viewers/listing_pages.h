// How a printed listing fills its pages: the title band once at the top of
// the first page, the page header on every page, then as many detail rows
// (one per line) as the rest of the page holds.
#pragma once

namespace plumora {

// Heights in the units of the device the listing is printed on.
struct TListingBands {
    int PageHeight = 0;    // the printable height of a page
    int TitleHeight = 0;   // title band, first page only
    int HeaderHeight = 0;  // page header, every page
    int RowHeight = 1;     // one detail row
};

struct TListingRows {
    int First = 0;  // 0-based line of the page's first row
    int Count = 0;  // rows on the page
    friend bool operator==(const TListingRows&, const TListingRows&) = default;
};

class TListingPages {
public:
    TListingPages(const TListingBands& bands, int lineCount);

    // Rows that fit under the bands. A page too small for its bands still
    // takes one row, so that the listing ends instead of printing empty pages.
    int RowsOnFirstPage() const { return first_; }
    int RowsPerPage() const { return perPage_; }
    // At least one page: an empty listing prints its title and header.
    int PageCount() const { return pages_; }
    // The rows of page `page` (1-based); nothing outside 1 to PageCount().
    TListingRows RowsOfPage(int page) const;

private:
    int lines_ = 0;
    int first_ = 1;
    int perPage_ = 1;
    int pages_ = 1;
};

}  // namespace plumora

// How a listing's lines are cut into pages: the title band takes room on the
// first page only, every row is on exactly one page, and a page too small
// for its bands still ends the listing.
#include <gtest/gtest.h>

#include "viewers/listing_pages.h"

namespace plumora {
namespace {

// Page 100 high, title 20, header 10, rows 10: 7 rows on the first page,
// 9 on every other.
constexpr TListingBands kBands{100, 20, 10, 10};

TEST(ListingPages, PagesAndTheirRows) {
    struct TCase {
        const char* Name;
        int Lines;
        int Pages;
        TListingRows Last;
    };
    const TCase cases[] = {
        {"empty listing: one page of bands", 0, 1, {0, 0}},
        {"one line", 1, 1, {0, 1}},
        {"first page exactly full", 7, 1, {0, 7}},
        {"one line over", 8, 2, {7, 1}},
        {"second page exactly full", 16, 2, {7, 9}},
        {"third page", 17, 3, {16, 1}},
        {"300 lines", 300, 34, {295, 5}},
    };
    for (const TCase& c : cases) {
        const TListingPages pages(kBands, c.Lines);
        EXPECT_EQ(pages.RowsOnFirstPage(), 7) << c.Name;
        EXPECT_EQ(pages.RowsPerPage(), 9) << c.Name;
        EXPECT_EQ(pages.PageCount(), c.Pages) << c.Name;
        EXPECT_EQ(pages.RowsOfPage(c.Pages), c.Last) << c.Name;
    }
}

TEST(ListingPages, EveryLineIsOnExactlyOnePageInOrder) {
    for (int lines : {0, 1, 6, 7, 8, 100, 1001}) {
        const TListingPages pages(kBands, lines);
        int next = 0;
        for (int page = 1; page <= pages.PageCount(); ++page) {
            const TListingRows rows = pages.RowsOfPage(page);
            EXPECT_EQ(rows.First, next) << lines << " lines, page " << page;
            // Only the last page may be short, and no page but an empty
            // listing's only one is empty.
            if (page < pages.PageCount()) {
                EXPECT_EQ(rows.Count, page == 1 ? 7 : 9) << lines << " lines, page " << page;
            }
            EXPECT_TRUE(rows.Count > 0 || lines == 0) << lines << " lines, page " << page;
            next += rows.Count;
        }
        EXPECT_EQ(next, lines);
    }
}

TEST(ListingPages, OutOfRangePagesAndCrampedPages) {
    const TListingPages pages(kBands, 20);
    EXPECT_EQ(pages.RowsOfPage(0), (TListingRows{0, 0}));
    EXPECT_EQ(pages.RowsOfPage(4), (TListingRows{0, 0}));

    // Bands taller than the page, or a row height of 0 from a broken device:
    // one row a page, so the listing still ends.
    const TListingPages cramped(TListingBands{30, 40, 20, 10}, 5);
    EXPECT_EQ(cramped.RowsOnFirstPage(), 1);
    EXPECT_EQ(cramped.RowsPerPage(), 1);
    EXPECT_EQ(cramped.PageCount(), 5);
    const TListingPages flat(TListingBands{100, 0, 0, 0}, 3);
    EXPECT_EQ(flat.PageCount(), 1);
    EXPECT_EQ(flat.RowsOfPage(1), (TListingRows{0, 3}));
}

}  // namespace
}  // namespace plumora

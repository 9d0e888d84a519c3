#include "reader/pagination.h"

#include <gtest/gtest.h>

#include <array>

namespace qw {
namespace {

using Marks = std::array<int, 3>;

struct Carry {
    const char* what;
    int counted, linesPerPage;   // lines per page before and after
    int oldLineCount, lineCount; // equal: a re-pagination
    int leftPage;
    Marks marks;
    int expectedLeft, expectedPages;
    Marks expectedMarks;
};

TEST(Pagination, LeftPageAndBookmarksGoToThePageNearestTheirFirstLine) {
    const Carry cases[] = {
        // F = 21 of 100 lines, F' = 42 of 200: Round(41 / 20) + 1 = 3.
        {"record read on loading", 10, 20, 100, 200, 3, {}, 3, 10, {}},
        // F = 50 is the last line: Round(49 / 30) + 1 = 3, but there are 2 pages.
        {"clamped to the page count", 49, 30, 50, 50, 2, {}, 2, 2, {}},
        // F = 1471 of 30 old lines: F' is the last of the 2 new lines.
        {"beyond the new text", 30, 30, 30, 2, 50, {}, 1, 1, {}},
        // F = 11: 10 / 4 = 2.5 rounds to the even 2.
        {"halves to even", 5, 4, 60, 60, 3, {}, 3, 15, {}},
        {"title page stays", 30, 20, 300, 600, 0, {}, 0, 30, {}},
        // Taller pages: 30 -> 20 lines per page. F = 271: Round(270 / 20) + 1
        // = 15 (13.5 to the even 14); the bookmark on page 4 (F = 91): 4.5 -> 4, 5.
        {"bookmarks follow a re-pagination", 30, 20, 900, 900, 10, {10, 4, 0}, 15, 45, {15, 5, 0}},
        // A refit that doubles the text: F' = 542, Round(541 / 30) + 1 = 19.
        {"bookmarks follow a refit", 30, 30, 600, 1200, 10, {10, 3, 0}, 19, 40, {19, 5, 0}},
        // F = 218, F' = 436: the left page is Round(435 / 30) + 1 = 15; its
        // bookmark goes there too (435 / 30 = 14.5, not 436 / 30).
        {"a bookmark of the left page stays on it",
         31,
         30,
         600,
         1200,
         8,
         {8, 0, 0},
         15,
         40,
         {15, 0, 0}},
        // The text shrank from 100 to 30 lines: page 1 (F = 1, F' = 0) becomes
        // the title page; a (hand-edited) bookmark past the old end stays on
        // the last page.
        {"bookmark past the end", 10, 10, 100, 30, 1, {50, 0, 0}, 0, 3, {3, 0, 0}},
    };
    for (const Carry& c : cases) {
        Pagination p;
        p.setLinesPerPage(c.linesPerPage);
        p.restore(c.leftPage, c.counted, c.marks);
        if (c.oldLineCount == c.lineCount)
            p.repaginate(c.lineCount);
        else
            p.refit(c.oldLineCount, c.lineCount, false);
        EXPECT_EQ(p.LeftPage, c.expectedLeft) << c.what;
        EXPECT_EQ(p.PageCount, c.expectedPages) << c.what;
        EXPECT_EQ(p.Bookmarks, c.expectedMarks) << c.what;
        EXPECT_EQ(p.countedLinesPerPage(), c.linesPerPage) << c.what;
    }
}

TEST(Pagination, PositionStaysCountedInItsLinesPerPageUntilTheLinesAreDivided) {
    Pagination p;
    p.setLinesPerPage(30);
    p.repaginate(900);
    p.goTo(10); // first line 271
    // Two page heights before the next pagination (a window being dragged):
    // the position is still counted in 30 lines per page.
    p.setLinesPerPage(25);
    p.setLinesPerPage(20);
    EXPECT_EQ(p.countedLinesPerPage(), 30);
    p.repaginate(900);
    EXPECT_EQ(p.LeftPage, 15);
    EXPECT_EQ(p.countedLinesPerPage(), 20);
}

TEST(Pagination, ABatchBeingLoadedKeepsItsPageAndBookmarks) {
    Pagination p;
    p.setLinesPerPage(10);
    p.restore(4, 10, {2, 0, 0});
    p.refit(100, 50, true);
    EXPECT_EQ(p.LeftPage, 4);
    EXPECT_EQ(p.PageCount, 5);
    EXPECT_EQ(p.Bookmarks, (Marks{2, 0, 0}));
    p.refit(50, 20, true); // only 2 pages now
    EXPECT_EQ(p.LeftPage, 2);
}

TEST(Pagination, BookmarksAreSetOnTheLeftPageAndClearedAndLimitedToTheBook) {
    Pagination p;
    p.setLinesPerPage(10);
    p.repaginate(100);
    EXPECT_FALSE(p.setNextBookmark()); // never the title page
    p.goTo(4);
    EXPECT_TRUE(p.setNextBookmark());
    EXPECT_FALSE(p.setNextBookmark()); // already bookmarked
    p.goTo(99);
    EXPECT_EQ(p.LeftPage, 10);
    EXPECT_TRUE(p.setNextBookmark());
    EXPECT_EQ(p.Bookmarks, (Marks{4, 10, 0}));
    EXPECT_TRUE(p.clearBookmark(0));
    EXPECT_EQ(p.Bookmarks, (Marks{10, 0, 0}));
    EXPECT_EQ(p.bookmarkTarget(0), 10);
    EXPECT_EQ(p.bookmarkTarget(1), std::nullopt);
    p.restore(0, 10, {-1, 7, -5}); // a hand-edited record
    EXPECT_EQ(p.Bookmarks, (Marks{7, 0, 0}));
    EXPECT_TRUE(p.clearAllBookmarks());
    EXPECT_FALSE(p.clearAllBookmarks());
    p.clear();
    EXPECT_EQ(p.PageCount, 0);
    EXPECT_EQ(p.LeftPage, 0);
}

} // namespace
} // namespace qw

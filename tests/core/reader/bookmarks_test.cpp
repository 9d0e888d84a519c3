#include "reader/bookmarks.h"

#include <gtest/gtest.h>

namespace {

using Pages = qw::Bookmarks::Pages;
constexpr int N = qw::Bookmarks::kNone;

TEST(Bookmarks, SetFillsFreeSlotsThenReplacesTheThirdClearCompactsTargetsStayInTheBook) {
    qw::Bookmarks marks;
    EXPECT_FALSE(marks.setNext(0)); // the title page
    EXPECT_TRUE(marks.setNext(4));
    EXPECT_FALSE(marks.setNext(4)); // already bookmarked
    EXPECT_TRUE(marks.setNext(8));
    EXPECT_TRUE(marks.setNext(12));
    EXPECT_EQ(marks.pages(), (Pages{4, 8, 12}));
    EXPECT_TRUE(marks.setNext(20)); // a fourth replaces the third
    EXPECT_EQ(marks.pages(), (Pages{4, 8, 20}));
    // Clearing compacts.
    marks = qw::Bookmarks(Pages{4, 8, 12});
    EXPECT_TRUE(marks.clear(0));
    EXPECT_EQ(marks.pages(), (Pages{8, 12, N}));
    EXPECT_FALSE(marks.clear(2));
    EXPECT_TRUE(marks.clearAll());
    EXPECT_EQ(marks.pages(), (Pages{N, N, N}));
    EXPECT_FALSE(marks.clearAll());
    // Stored gaps and hand-edited negative values are compacted on reading.
    EXPECT_EQ(qw::Bookmarks(Pages{N, 5, N}).pages(), (Pages{5, N, N}));
    EXPECT_EQ(qw::Bookmarks(Pages{-7, N, 9}).pages(), (Pages{9, N, N}));
    // Targets are limited to the book.
    marks = qw::Bookmarks(Pages{4, 300, N});
    EXPECT_EQ(marks.target(0, 100), 4);
    EXPECT_EQ(marks.target(1, 100), 100);
    EXPECT_EQ(marks.target(2, 100), std::nullopt);
    EXPECT_EQ(marks.caption(1), 300);
    EXPECT_EQ(marks.target(7, 100), std::nullopt);
}

} // namespace

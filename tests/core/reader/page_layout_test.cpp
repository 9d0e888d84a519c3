#include "reader/page_layout.h"

#include <gtest/gtest.h>

namespace {

qw::LayoutInput window(int width, int height, bool bookStyle) {
    qw::LayoutInput in;
    in.clientWidth = width;
    in.clientHeight = height;
    in.buttonRowHeight = 30;
    in.separatorWidth = 2;
    in.progressBarHeight = 10;
    in.bookStyle = bookStyle;
    return in;
}

TEST(PageLayout, BookStyleInsetsFollowTheHalfWidth) {
    const qw::PageLayout p = qw::ComputePageLayout(window(1202, 800, true));
    EXPECT_EQ(p.halfWidth, 600);
    EXPECT_EQ(p.availableHeight, 800 - 39 - 14);
    // O = 30, I = 18, Ti = 12, Bi = 5 (4.8 rounded).
    EXPECT_EQ(p.left, (qw::Rect{28, 42, 600 - 30 - 18 + 2, 747 - 12 - 5}));
    EXPECT_EQ(p.right.x, 1202 / 2 + 18 - 2);
    EXPECT_EQ(p.right.width, p.left.width);
    EXPECT_EQ(p.leftTurnArea.width, 28);
    EXPECT_EQ(p.rightTurnArea.x, p.right.right());
    EXPECT_EQ(p.rightTurnArea.right(), 1202);
}

TEST(PageLayout, PlainStyleHasASeparator) {
    qw::LayoutInput in = window(1202, 800, false);
    in.margins = {10, 6, 3, 4};
    const qw::PageLayout p = qw::ComputePageLayout(in);
    EXPECT_EQ(p.separator.x, 600);
    EXPECT_EQ(p.left, (qw::Rect{14, 35, 600 - 5 - 16, 747 - 7}));
    EXPECT_EQ(p.right.x, 602 + 4 + 6);
}

TEST(PageLayout, DockedContentsPanelTakesItsWidth) {
    qw::LayoutInput in = window(1202, 800, true);
    in.contentsWidth = 200;
    const qw::PageLayout p = qw::ComputePageLayout(in);
    EXPECT_EQ(p.halfWidth, 500);
    EXPECT_GE(p.left.x, 200);
    EXPECT_EQ(p.bookPicture.x, 200);
}

TEST(PageLayout, TinyWindowsKeepPagesOfTenPixels) {
    const qw::PageLayout p = qw::ComputePageLayout(window(50, 50, true));
    EXPECT_GE(p.left.width, 10);
    EXPECT_GE(p.left.height, 10);
    EXPECT_GE(p.right.width, 10);
    EXPECT_GE(p.leftTurnArea.width, 0);
    EXPECT_GE(p.rightTurnArea.width, 0);
}

} // namespace

#include "reader/page_history.h"
#include "reader/page_moves.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using qw::PageMove;

struct MoveCase {
    PageMove move;
    int from, pageCount;
    bool show;
    int to;
};

class PageMoveTest : public testing::TestWithParam<MoveCase> {};

TEST_P(PageMoveTest, MovesAndClamps) {
    const MoveCase& c = GetParam();
    const qw::MoveResult r = qw::ApplyPageMove(c.move, c.from, c.pageCount);
    EXPECT_EQ(r.show, c.show);
    EXPECT_EQ(r.leftPage, c.to);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PageMoveTest,
    testing::Values(
        // A book of 7 pages.
        MoveCase{PageMove::LastKey, 0, 7, true, 6}, MoveCase{PageMove::ForwardKey, 6, 7, false, 6},
        MoveCase{PageMove::ForwardButton, 6, 7, true, 6},
        MoveCase{PageMove::TurnForwardArea, 6, 7, true, 7},
        MoveCase{PageMove::TurnForwardArea, 7, 7, false, 7},
        MoveCase{PageMove::ForwardKey, 4, 7, true, 6},
        MoveCase{PageMove::ForwardKey, 5, 7, true, 7},
        // A book of 8 pages.
        MoveCase{PageMove::LastKey, 0, 8, true, 8}, MoveCase{PageMove::LastButton, 8, 8, true, 8},
        MoveCase{PageMove::TenForward, 7, 8, true, 7},
        MoveCase{PageMove::TenForward, 0, 30, true, 10},
        // A book of 1 page.
        MoveCase{PageMove::LastKey, 0, 1, true, 0}, MoveCase{PageMove::ForwardKey, 0, 1, false, 0},
        MoveCase{PageMove::ForwardButton, 0, 1, true, 0},
        // Nothing to do at the start.
        MoveCase{PageMove::OneBack, 0, 9, false, 0}, MoveCase{PageMove::Back, 0, 9, false, 0},
        MoveCase{PageMove::TenBack, 0, 9, false, 0}, MoveCase{PageMove::First, 0, 9, false, 0},
        MoveCase{PageMove::TurnBackArea, 0, 9, false, 0},
        MoveCase{PageMove::TurnBackArea, 1, 9, true, 0},
        // Nothing to do at the end.
        MoveCase{PageMove::OneForward, 9, 9, false, 9},
        MoveCase{PageMove::TenForward, 9, 9, false, 9}, MoveCase{PageMove::LastKey, 9, 9, false, 9},
        MoveCase{PageMove::LastButton, 9, 9, true, 8},
        // Ordinary moves.
        MoveCase{PageMove::Back, 5, 9, true, 3}, MoveCase{PageMove::TenBack, 5, 9, true, 0},
        MoveCase{PageMove::TenBack, 14, 20, true, 4}, MoveCase{PageMove::OneBack, 5, 9, true, 4},
        MoveCase{PageMove::OneForward, 5, 9, true, 6}, MoveCase{PageMove::First, 5, 9, true, 0}));

TEST(PageArithmetic, PageCountAndLinesPerPage) {
    EXPECT_EQ(qw::PageCountFor(1, 40), 1);
    EXPECT_EQ(qw::PageCountFor(40, 40), 1);
    EXPECT_EQ(qw::PageCountFor(41, 40), 2);
    EXPECT_EQ(qw::PageCountFor(0, 40), 0);
    EXPECT_EQ(qw::PageCountFor(5, 0), 5); // never divides by zero
    EXPECT_EQ(qw::ComputeLinesPerPage(600, 19), 31);
    EXPECT_EQ(qw::ComputeLinesPerPage(10, 19), 1); // a line taller than the page
    EXPECT_EQ(qw::ComputeLinesPerPage(600, 0), 1);
    EXPECT_EQ(qw::ComputeLinesPerPage(-5, 19), 1);
}

TEST(PageArithmetic, RoundsHalvesToEven) {
    EXPECT_EQ(qw::RoundHalfEven(0.5), 0);
    EXPECT_EQ(qw::RoundHalfEven(1.5), 2);
    EXPECT_EQ(qw::RoundHalfEven(2.5), 2);
    EXPECT_EQ(qw::RoundHalfEven(-1.5), -2);
    EXPECT_EQ(qw::RoundHalfEven(18.0333), 18);
    EXPECT_EQ(qw::RoundHalfEven(1e300), INT_MAX);
}

TEST(JumpDialog, InputGivesTheLeftPage) {
    struct Case {
        const char* input;
        bool right;
        std::optional<int> page;
    };
    for (const Case& c :
         {Case{"5", false, 5}, Case{"5", true, 4}, Case{"1", true, 0}, Case{"9999", false, 20},
          Case{"-3", false, 0}, Case{" 7 ", false, 7}, Case{"+2", true, 1},
          Case{"abc", false, std::nullopt}, Case{"", false, std::nullopt},
          Case{"1.5", false, std::nullopt}, Case{"99999999999999", false, std::nullopt},
          Case{"12a", false, std::nullopt}, Case{"-", false, std::nullopt}}) {
        EXPECT_EQ(qw::JumpTarget(c.input, c.right, 20), c.page) << c.input;
    }
    EXPECT_EQ(qw::ParseInteger("-2147483648"), INT_MIN);
    EXPECT_EQ(qw::ParseInteger("2147483648"), std::nullopt);
}

TEST(ProgressBar, FilledWidthAndClicks) {
    EXPECT_EQ(qw::ProgressFilledWidth(0, 1, 200), 200); // one page: full
    EXPECT_EQ(qw::ProgressFilledWidth(0, 10, 200), 1);
    EXPECT_EQ(qw::ProgressFilledWidth(10, 10, 200), 200);
    EXPECT_EQ(qw::ProgressFilledWidth(5, 10, 201), 101);
    EXPECT_EQ(qw::ProgressFilledWidth(3, 10, 0), 0); // a bar with no room
    EXPECT_EQ(qw::ProgressClickPage(1, 10, 204, 2), 0);
    EXPECT_EQ(qw::ProgressClickPage(200, 10, 204, 2), 10);
    EXPECT_EQ(qw::ProgressClickPage(100, 10, 204, 2), 5);
    EXPECT_EQ(qw::ProgressClickPage(500, 10, 204, 2), 10);
    EXPECT_EQ(qw::ProgressClickPage(-50, 10, 204, 2), 0);
    EXPECT_EQ(qw::ProgressClickPage(50, 1, 204, 2), 0);
    EXPECT_EQ(qw::ProgressClickPage(50, 10, 4, 2), 0); // a bar narrower than its margins
}

TEST(PageHistory, RecordsGoesBackAndDropsLaterEntries) {
    qw::PageHistory history;
    EXPECT_EQ(history.back(), std::nullopt); // empty: nothing happens
    for (int page : {0, 2, 4, 4, 6})
        history.record(page);
    EXPECT_EQ(history.entries(), (std::vector<std::string>{"0", "2", "4", "6"}));
    EXPECT_EQ(history.back(), 4);
    EXPECT_EQ(history.back(), 2);
    EXPECT_EQ(history.forward(), 4);
    EXPECT_EQ(history.back(), 2);
    history.record(8); // turning after going back drops the later entries
    EXPECT_EQ(history.entries(), (std::vector<std::string>{"0", "2", "8"}));
    EXPECT_EQ(history.forward(), std::nullopt);
    EXPECT_EQ(history.choose(0), 0);
    EXPECT_EQ(history.back(), std::nullopt);
    EXPECT_EQ(history.choose(7), std::nullopt);
    history.clear();
    EXPECT_TRUE(history.entries().empty());
}

} // namespace

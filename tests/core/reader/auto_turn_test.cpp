#include "reader/auto_turn.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(AutoTurnInterval, EditTextAndUpDown) {
    struct Row {
        const char* text;
        int parsed; // 0: none
        int up, down;
    };
    const Row rows[] = {
        {"120", 120, 130, 110},
        {" 45 ", 45, 50, 40},
        {"10", 10, 20, 10},
        {"6000", 6000, 6000, 5990},
        {"7", 7, 20, 10},
        {"0", 0, 130, 110},
        {"", 0, 130, 110},
        {"1e3", 0, 130, 110},
        {"-5", 0, 130, 110},
        {"99999999999999999999999999999999999999999999999999999999999", 86400, 6000, 5990},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(qw::ParseAutoTurnInterval(r.text).value_or(0), r.parsed) << r.text;
        EXPECT_EQ(qw::StepAutoTurnInterval(r.text, true), r.up) << r.text;
        EXPECT_EQ(qw::StepAutoTurnInterval(r.text, false), r.down) << r.text;
    }
}

TEST(AutoTurn, CountsDownTurnsBlinksAndStopsOnTheLastPage) {
    qw::AutoTurn turn;
    EXPECT_FALSE(turn.switchOn(10, true)); // on the last page it stays off
    EXPECT_FALSE(turn.isOn());
    ASSERT_TRUE(turn.switchOn(10, false));
    EXPECT_EQ(turn.captionSuffix(), " - 10 s");
    std::string blinks;
    int turns = 0;
    for (int second = 0; second < 20; ++second) {
        turns += turn.tick(10, false).turn ? 1 : 0;
        blinks += turn.filledPartHidden() ? 'o' : '.';
    }
    // Countdown 9..1, turn (10), 9..1, turn: odd counts of the last five hide the filled part.
    EXPECT_EQ(blinks, "....o.o.o.....o.o.o.");
    EXPECT_EQ(turns, 2);
    EXPECT_EQ(turn.countdown(), 10);
    const qw::AutoTurn::TickResult last = turn.tick(10, true);
    EXPECT_TRUE(last.switchedOff);
    EXPECT_FALSE(turn.isOn());
    EXPECT_FALSE(turn.filledPartHidden());
    EXPECT_EQ(turn.captionSuffix(), "");
}

TEST(AutoTurn, PauseKeyAndDeactivation) {
    qw::AutoTurn turn;
    turn.pauseKey(false, 30, false); // Pause switches on
    EXPECT_TRUE(turn.isRunning());
    turn.tick(30, false);
    turn.pauseKey(false, 30, false); // pauses, the countdown keeps its value
    EXPECT_TRUE(turn.isOn());
    EXPECT_FALSE(turn.isRunning());
    EXPECT_EQ(turn.captionSuffix(), " - 29 s (Paused)");
    EXPECT_FALSE(turn.tick(30, false).turn);
    EXPECT_EQ(turn.countdown(), 29);
    turn.pauseKey(false, 30, false); // resumes
    EXPECT_EQ(turn.captionSuffix(), " - 29 s");
    turn.pause(); // the window was deactivated
    EXPECT_EQ(turn.captionSuffix(), " - 29 s (Paused)");
    turn.pauseKey(true, 30, false); // Shift+Pause switches off
    EXPECT_FALSE(turn.isOn());
    turn.pauseKey(true, 30, false);
    EXPECT_FALSE(turn.isOn());
}

} // namespace

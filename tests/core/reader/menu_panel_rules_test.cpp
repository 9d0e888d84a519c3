#include "reader/menu_panel_rules.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

namespace {

using qw::ClosePanelsInput;
using qw::PanelAction;
using qw::PanelTrigger;

TEST(MenuCommands, EveryEntryHasItsOwnAccessLetterAndTheBookRule) {
    std::set<char> letters;
    std::set<std::string> needBook;
    for (const qw::MenuCommand& c : qw::MenuCommands()) {
        const std::string caption = c.caption;
        ASSERT_EQ(caption.rfind("  ", 0), 0u) << caption;
        const size_t amp = caption.find('&');
        if (amp != std::string::npos) {
            EXPECT_TRUE(letters.insert(static_cast<char>(std::toupper(caption[amp + 1]))).second)
                << caption;
        }
        if (c.needsBook)
            needBook.insert(caption);
    }
    EXPECT_EQ(qw::MenuCommands().size(), 13u);
    EXPECT_EQ(needBook, (std::set<std::string>{"  &Save as...", "  Close", "  &Copy", "  &Find",
                                               "  &Print text"}));
    EXPECT_STREQ(qw::TocCommandCaption(true), "  &Hide TOC");
    EXPECT_STREQ(qw::TocCommandCaption(false), "  S&how TOC");
    EXPECT_TRUE(qw::FitNowEnabled(true, false));
    EXPECT_FALSE(qw::FitNowEnabled(true, true));
    EXPECT_FALSE(qw::FitNowEnabled(false, false));
    EXPECT_TRUE(qw::ClockVisible(true, true, true));
    EXPECT_FALSE(qw::ClockVisible(true, false, true));
    EXPECT_FALSE(qw::ClockVisible(false, true, true));
    EXPECT_FALSE(qw::ShowClockEnabled(true, false));
}

TEST(PanelButtons, MouseMovementOrClickOnly) {
    struct Row {
        PanelTrigger trigger;
        bool clickOnly, visible;
        PanelAction expected;
    };
    const Row rows[] = {
        {PanelTrigger::MouseEnter, false, false, PanelAction::Show},
        {PanelTrigger::MouseEnter, false, true, PanelAction::Nothing},
        {PanelTrigger::MouseEnter, true, false, PanelAction::Nothing},
        {PanelTrigger::Click, true, false, PanelAction::Show},
        {PanelTrigger::Click, true, true, PanelAction::Close},
        {PanelTrigger::Click, false, false, PanelAction::Show},
        {PanelTrigger::Click, false, true, PanelAction::Nothing},
    };
    for (const Row& r : rows)
        EXPECT_EQ(qw::PanelButtonAction(r.trigger, r.clickOnly, r.visible), r.expected)
            << static_cast<int>(r.trigger) << r.clickOnly << r.visible;
}

TEST(ClosePanels, StepsFollowTheCallerAndTheFittingRule) {
    auto leavingMenu = [] {
        ClosePanelsInput in;
        in.fromMouseMove = true;
        in.menuVisible = true;
        in.bookOpen = true;
        in.automaticallyFit = false;
        in.fittingSettingsChanged = true;
        return in;
    };
    // Leaving the menu after a font change without automatic fitting fits once.
    auto steps = qw::DecideClosePanels(leavingMenu());
    EXPECT_TRUE(steps.hideMenu && steps.hideHelp && steps.hideRecent && steps.fitLines);
    struct Row {
        const char* what;
        void (*change)(ClosePanelsInput&);
        bool fits;
    };
    const Row noFit[] = {
        {"a command ran", [](ClosePanelsInput& in) { in.openedByCommand = true; }, false},
        {"automatic fitting", [](ClosePanelsInput& in) { in.automaticallyFit = true; }, false},
        {"option off", [](ClosePanelsInput& in) { in.fitLeavingMenu = false; }, false},
        {"nothing changed", [](ClosePanelsInput& in) { in.fittingSettingsChanged = false; }, false},
        {"no book", [](ClosePanelsInput& in) { in.bookOpen = false; }, false},
        {"menu not open", [](ClosePanelsInput& in) { in.menuVisible = false; }, false},
        {"by a command", [](ClosePanelsInput& in) { in.fromMouseMove = false; }, true},
    };
    for (const Row& r : noFit) {
        ClosePanelsInput in = leavingMenu();
        r.change(in);
        EXPECT_EQ(qw::DecideClosePanels(in).fitLines, r.fits) << r.what;
    }
    // Click-only: movement does nothing at all, a command or right click closes.
    ClosePanelsInput clickOnly = leavingMenu();
    clickOnly.clickOnly = true;
    steps = qw::DecideClosePanels(clickOnly);
    EXPECT_FALSE(steps.hideMenu || steps.hideHelp || steps.hideRecent || steps.fitLines ||
                 steps.clearCommandFlag);
    clickOnly.fromMouseMove = false;
    EXPECT_TRUE(qw::DecideClosePanels(clickOnly).hideMenu);
    // The contents panel: only a floating one, with no menu or help over it,
    // and not while the mouse is on it.
    ClosePanelsInput toc;
    toc.fromMouseMove = true;
    toc.tocVisible = true;
    EXPECT_TRUE(qw::DecideClosePanels(toc).hideToc);
    toc.fromContentsPanel = true;
    EXPECT_FALSE(qw::DecideClosePanels(toc).hideToc);
    toc.fromContentsPanel = false;
    toc.tocDockedLeft = true;
    EXPECT_FALSE(qw::DecideClosePanels(toc).hideToc);
    toc.tocDockedLeft = false;
    toc.helpVisible = true;
    EXPECT_FALSE(qw::DecideClosePanels(toc).hideToc);
    // "Recent/Fav." closes the menu but leaves the recent panel it opens.
    ClosePanelsInput recent;
    recent.fromRecentEntry = true;
    EXPECT_FALSE(qw::DecideClosePanels(recent).hideRecent);
}

TEST(MenuAtMouse, CentredAboveTheMouseAndKeptInside) {
    struct Row {
        int mx, my;
        int x, y;
    };
    // A 200 x 100 menu in a 800 x 600 client area below a 30 pixel bar.
    const Row rows[] = {
        {400, 300, 310, 227}, {5, 300, 0, 227},     {790, 300, 600, 227},
        {400, 40, 310, 30},   {400, 590, 310, 500},
    };
    for (const Row& r : rows) {
        const qw::PanelPlace p = qw::PlaceMenuAtMouse(r.mx, r.my, 200, 100, 800, 600, 30);
        EXPECT_EQ(p.x, r.x) << r.mx << "," << r.my;
        EXPECT_EQ(p.y, r.y) << r.mx << "," << r.my;
    }
    // Larger than the client area: the top left corner stays visible.
    const qw::PanelPlace big = qw::PlaceMenuAtMouse(100, 100, 900, 700, 800, 600, 30);
    EXPECT_EQ(big.x, 0);
    EXPECT_EQ(big.y, 30);
}

} // namespace

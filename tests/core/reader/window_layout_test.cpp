#include "reader/fit_lines.h"
#include "reader/page_layout.h"
#include "reader/window_layout.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using qw::PageMargins;
using qw::PageWork;

// The reasons the geometry test below does not reach: loads and unknown tags.
TEST(WindowLayout, RefitOrRepaginateAfterARelayout) {
    struct Case {
        const char* reason;
        bool autoFit;
        bool needsRefit;
        PageWork expected;
    };
    const Case cases[] = {
        // Loading fits whatever the options say.
        {"DateiLaden", false, false, PageWork::Fit},
        {"DLChangeTOC", false, false, PageWork::Fit},
        // Undocking keeps the page size: nothing to fit.
        {"ChangeTOC", false, true, PageWork::ShowOnly},
        // An unknown tag is a plain resize.
        {"Something", true, true, PageWork::Fit},
        {"Something", true, false, PageWork::Repaginate},
    };
    for (const Case& c : cases)
        EXPECT_EQ(qw::DecidePageWork(c.reason, c.autoFit, c.needsRefit), c.expected)
            << "reason '" << c.reason << "' autoFit " << c.autoFit << " needsRefit "
            << c.needsRefit;
}

// The whole decision from the window's geometry: lay out before and after,
// take the fitting's snapshot from before and ask what the relayout does.
TEST(WindowLayout, RefitOrRepaginateForGeometryChanges) {
    auto base = [] {
        qw::LayoutInput in;
        in.clientWidth = 1280;
        in.clientHeight = 800;
        in.buttonRowHeight = 34;
        in.separatorWidth = 2;
        in.progressBarHeight = 10;
        return in;
    };
    struct Case {
        const char* what;
        void (*change)(qw::LayoutInput&);
        const char* reason;
        PageWork automatic; // "Automatically fit lines" on
        PageWork manual;    // off
    };
    const Case cases[] = {
        {"taller window", [](qw::LayoutInput& in) { in.clientHeight = 900; }, "",
         PageWork::Repaginate, PageWork::Repaginate},
        {"shorter window", [](qw::LayoutInput& in) { in.clientHeight = 600; }, "",
         PageWork::Repaginate, PageWork::Repaginate},
        {"wider window", [](qw::LayoutInput& in) { in.clientWidth = 1400; }, "", PageWork::Fit,
         PageWork::Repaginate},
        {"wider and taller",
         [](qw::LayoutInput& in) {
             in.clientWidth = 1400;
             in.clientHeight = 900;
         },
         "", PageWork::Fit, PageWork::Repaginate},
        {"top and bottom margins",
         [](qw::LayoutInput& in) {
             in.margins[qw::kMarginTop] = 20;
             in.margins[qw::kMarginBottom] = 30;
         },
         "ChangeMargins", PageWork::Repaginate, PageWork::Repaginate},
        {"left margin", [](qw::LayoutInput& in) { in.margins[qw::kMarginLeft] = 20; },
         "ChangeMargins", PageWork::Fit, PageWork::Repaginate},
        {"progress bar to the top row", [](qw::LayoutInput& in) { in.progressBarBelow = false; },
         "ChangeStyle", PageWork::Repaginate, PageWork::Repaginate},
        {"book style off", [](qw::LayoutInput& in) { in.bookStyle = false; }, "ChangeStyle",
         PageWork::Fit, PageWork::Repaginate},
        {"full screen on the same width",
         [](qw::LayoutInput& in) { in.aboveScreen = qw::FullScreenOverhang(34); }, "",
         PageWork::Repaginate, PageWork::Repaginate},
        // Docking widens the window by the panel: the pages keep their width.
        {"contents panel docked",
         [](qw::LayoutInput& in) {
             in.clientWidth += 440;
             in.contentsWidth = 440;
         },
         "ChangeTOC", PageWork::ShowOnly, PageWork::ShowOnly},
        // Maximised, the window cannot grow: the panel takes room from the pages.
        {"contents panel docked in a maximised window",
         [](qw::LayoutInput& in) { in.contentsWidth = 440; }, "", PageWork::Fit,
         PageWork::Repaginate},
    };
    for (const Case& c : cases) {
        const qw::PageLayout before = qw::ComputePageLayout(base());
        qw::LayoutInput changed = base();
        c.change(changed);
        const qw::PageLayout after = qw::ComputePageLayout(changed);
        qw::FitSnapshot snapshot;
        snapshot.fontName = "Serif";
        snapshot.fontSize = 12;
        snapshot.removeLineBreaks = true;
        snapshot.pageWidth = before.left.width;
        const bool refit = qw::NeedsRefit(snapshot, after.left.width, "Serif", 12, true);
        EXPECT_EQ(qw::DecidePageWork(c.reason, true, refit), c.automatic) << c.what;
        EXPECT_EQ(qw::DecidePageWork(c.reason, false, refit), c.manual) << c.what;
    }
}

TEST(WindowLayout, MarginRules) {
    EXPECT_EQ(qw::ClampMargins({-5, 0, 99, 100}), (PageMargins{0, 0, 99, 99}));
    EXPECT_EQ(qw::AppliedMargins({10, 20, 30, 40}, false), (PageMargins{0, 0, 0, 0}));
    EXPECT_EQ(qw::AppliedMargins({-1, 200, 0, 5}, true), (PageMargins{0, 99, 0, 5}));

    struct Case {
        int bottom;
        bool allowed;
    };
    for (const Case& c : {Case{0, false}, Case{16, false}, Case{17, true}, Case{99, true}})
        EXPECT_EQ(qw::PageNumbersBelowAllowed({0, 0, 0, c.bottom}), c.allowed) << c.bottom;
    // Stored but not applied: there is no room under the pages.
    EXPECT_FALSE(qw::PageNumbersBelowAllowed(qw::AppliedMargins({0, 0, 0, 40}, false)));
}

TEST(WindowLayout, FullScreenPushesTheButtonRowAboveTheScreen) {
    for (const bool bookStyle : {true, false}) {
        for (const bool barBelow : {true, false}) {
            qw::LayoutInput screen;
            screen.clientWidth = 1920;
            screen.clientHeight = 1080;
            screen.buttonRowHeight = 34;
            screen.separatorWidth = 2;
            screen.progressBarHeight = 10;
            screen.progressBarBelow = barBelow;
            screen.bookStyle = bookStyle;
            screen.margins[qw::kMarginTop] = 5;
            screen.aboveScreen = qw::FullScreenOverhang(screen.buttonRowHeight);
            const qw::PageLayout full = qw::ComputePageLayout(screen);

            // The same window laid out normally, 36 pixels taller.
            qw::LayoutInput taller = screen;
            taller.aboveScreen = 0;
            taller.clientHeight += 36;
            const qw::PageLayout normal = qw::ComputePageLayout(taller);

            SCOPED_TRACE(std::string(bookStyle ? "book" : "plain") + (barBelow ? " below" : ""));
            EXPECT_EQ(full.left.height, normal.left.height);
            EXPECT_EQ(full.left.y, normal.left.y - 36);
            EXPECT_EQ(full.right.y, normal.right.y - 36);
            EXPECT_EQ(full.left.x, normal.left.x);
            // The pages start just under the screen's top edge, two pixels of
            // the row's gap plus the insets and the top margin.
            EXPECT_LE(full.left.y, 5 + (bookStyle ? 19 : 0));
            EXPECT_GE(full.left.y, 0);
            if (barBelow) {
                EXPECT_EQ(full.progressBar.bottom(), 1080 - 2);
            }
            EXPECT_EQ(full.leftTurnArea.y, -2);
        }
    }
}

} // namespace

// The contents list around the sections: rows and page numbers, jumping,
// previous and next section, the row kept in step with the pages, hover
// scrolling and the preview text.

#include "reader/sections.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace qw {
namespace {

TEST(SectionRows, PageNumbersAndTabsAsEightSpaces) {
    const SectionMap sections = {{1, 1}, {30, 30}, {31, 31}, {95, 95}};
    const std::map<int, std::string> lines = {
        {1, "Title"}, {30, "\tChapter\t1"}, {31, "Two"}, {95, ""}};
    const std::vector<SectionRow> rows =
        SectionRows(sections, 30, [&](int n) { return lines.at(n); });
    EXPECT_EQ(rows, (std::vector<SectionRow>{
                        {1, "Title"}, {1, "        Chapter        1"}, {2, "Two"}, {4, ""}}));
    EXPECT_EQ(SectionPages(sections, 30), (std::vector<int>{1, 1, 2, 4}));
}

TEST(JumpToSectionPage, EvenLeftPageWithinTheBook) {
    struct Case {
        int page, pageCount, expected;
    } cases[] = {{1, 10, 0}, {2, 10, 2}, {3, 10, 2}, {9, 10, 8}, {11, 10, 10}, {7, 0, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(JumpToSectionPage(c.page, c.pageCount), c.expected) << c.page;
}

struct StepCase {
    std::vector<int> pages;
    int leftPage, pageCount;
    int previous, next;
};

TEST(SectionSteps, PreviousAndNext) {
    const StepCase cases[] = {
        // sections on pages 1, 5 and 9 of 12
        {{1, 5, 9}, 0, 12, 0, 1},
        {{1, 5, 9}, 1, 12, 0, 5},
        {{1, 5, 9}, 4, 12, 1, 5},
        {{1, 5, 9}, 5, 12, 1, 9},
        {{1, 5, 9}, 6, 12, 5, 9},
        // next on the last section's page goes to the last page
        {{1, 5, 9}, 9, 12, 5, 12},
        {{1, 5, 9}, 12, 12, 9, 12},
        // two sections on one page
        {{3, 3, 7}, 3, 8, 0, 7},
        {{3, 3, 7}, 4, 8, 3, 7},
        // a section page beyond the book is clamped
        {{2, 20}, 2, 10, 0, 10},
    };
    for (const StepCase& c : cases) {
        EXPECT_EQ(PreviousSectionPage(c.pages, c.leftPage, c.pageCount), c.previous)
            << "left page " << c.leftPage;
        EXPECT_EQ(NextSectionPage(c.pages, c.leftPage, c.pageCount), c.next)
            << "left page " << c.leftPage;
    }
    EXPECT_FALSE(PreviousSectionPage({}, 3, 10));
    EXPECT_FALSE(NextSectionPage({}, 3, 10));
}

TEST(SectionToSelect, FollowsThePagesShown) {
    struct Case {
        std::vector<int> pages;
        int selected, leftPage;
        std::optional<int> expected;
    } cases[] = {
        {{}, -1, 3, std::nullopt},
        {{1, 5, 9}, 1, 5, std::nullopt}, // already on the left page
        {{1, 5, 9}, 0, 4, 1},            // on the right page
        {{1, 5, 9}, 0, 5, 1},
        {{1, 5, 9}, 2, 6, 1}, // the last one before
        {{1, 5, 9}, -1, 12, 2},
        {{3, 5, 9}, 2, 0, 0},  // every section after the right page: the first
        {{3, 5, 9}, 1, 1, 0},  // none on 1 or 2 and none before: the first
        {{1, 1, 9}, -1, 1, 0}, // the first in list order
        {{1, 2, 9}, 0, 2, 1},
        {{4, 5, 5, 9}, 2, 4, std::nullopt}, // on the right page: it stays
        {{4, 5, 5, 9}, 3, 4, 0},
        {{4, 5, 5, 9}, 3, 6, 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SectionToSelect(c.pages, c.selected, c.leftPage), c.expected)
            << "left page " << c.leftPage << " selected " << c.selected;
}

TEST(HoverScroll, UpAboveDownBelowWithinBounds) {
    EXPECT_TRUE(HoverScrollRuns(HoverZone::Above, 2, 5));
    EXPECT_EQ(HoverScrollStep(HoverZone::Above, 2, 5), 1);
    EXPECT_FALSE(HoverScrollRuns(HoverZone::Above, 0, 5));
    EXPECT_EQ(HoverScrollStep(HoverZone::Above, 0, 5), 0);
    EXPECT_TRUE(HoverScrollRuns(HoverZone::Below, 3, 5));
    EXPECT_EQ(HoverScrollStep(HoverZone::Below, 3, 5), 4);
    EXPECT_FALSE(HoverScrollRuns(HoverZone::Below, 4, 5));
    EXPECT_EQ(HoverScrollStep(HoverZone::Below, 4, 5), 4);
    EXPECT_FALSE(HoverScrollRuns(HoverZone::Below, -1, 5)); // nothing selected
    EXPECT_FALSE(HoverScrollRuns(HoverZone::Elsewhere, 2, 5));
    EXPECT_FALSE(HoverScrollRuns(HoverZone::Below, 0, 0));
    EXPECT_FALSE(HoverScrollRuns(HoverZone::Above, 7, 5)); // a stale selection
}

struct PreviewFixture {
    PreviewFixture(double width = 20) {
        wrap.setFont(fixed);
        wrap.setBounds(width, 100);
        wrap.setTabStops(32);
    }
    std::string build(const std::vector<std::string>& lines, int maxRows) {
        return BuildSectionPreview([&](int n) { return lines.at(static_cast<size_t>(n - 1)); }, 1,
                                   static_cast<int>(lines.size()) + 1, maxRows, wrap);
    }
    FixedWidthMeasurer fixed{1.0};
    ParaWrap wrap;
};

TEST(SectionPreview, JoinsParagraphLinesAndBreaksAtBlankAndIndentedLines) {
    PreviewFixture f(100);
    EXPECT_EQ(f.build({"CHAPTER I", "", "", "It was a dark", "and stormy night.", "  Indented",
                       "goes on", "", "Next"},
                      20),
              // A line after a blank one starts the next row, without a blank.
              "CHAPTER I\nIt was a dark and stormy night.\n  Indented goes on\nNext");
}

TEST(SectionPreview, LeadingBlankLinesAndTrailingSpaces) {
    PreviewFixture f(100);
    EXPECT_EQ(f.build({"", "", "Title ", "words"}, 5), "Title words"); // no second space
    EXPECT_EQ(f.build({"", ""}, 5), "");
    EXPECT_EQ(f.build({"a", "\tb"}, 5), "a\n\tb");
}

TEST(SectionPreview, KeepsOnlyTheRowsTheBoxHolds) {
    PreviewFixture f(10);
    // Each word takes a row of its own at width 10.
    const std::vector<std::string> lines = {"aaaaaaa", "bbbbbbb", "ccccccc", "ddddddd", "eeeeeee"};
    EXPECT_EQ(f.build(lines, 3), "aaaaaaa bbbbbbb ccccccc");
    EXPECT_EQ(PreviewRows(f.build(lines, 3), f.wrap), 3);
    EXPECT_EQ(f.build({"one", "", "two", "", "three", "", "four"}, 2), "one\ntwo");
    EXPECT_EQ(f.build(lines, 0), "");
    EXPECT_EQ(f.build(lines, 9), "aaaaaaa bbbbbbb ccccccc ddddddd eeeeeee");
}

TEST(SectionPreview, StopsReadingOnceTheBoxIsFull) {
    PreviewFixture f(10);
    int asked = 0;
    const std::string text = BuildSectionPreview(
        [&](int) {
            ++asked;
            return std::string("word");
        },
        1, 1000000, 4, f.wrap);
    EXPECT_EQ(PreviewRows(text, f.wrap), 4);
    EXPECT_LT(asked, 20);
}

} // namespace
} // namespace qw

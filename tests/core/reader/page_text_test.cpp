#include "reader/page_text.h"

#include <gtest/gtest.h>

namespace {

TEST(PageText, TrimsBlankLinesAtTheTopAndBlanksAtTheEnd) {
    struct Case {
        const char* full;
        const char* text;
        int first, blanks, last;
    };
    for (const Case& c : {Case{"a\r\nb", "a\r\nb", 0, 0, 4}, Case{"\r\n\r\nab", "ab", 4, 2, 6},
                          Case{"\r\n\r\n", "", 4, 2, 4}, Case{"", "", 0, 0, 0},
                          Case{"ab  \r\n \r\n", "ab", 0, 0, 2},
                          Case{" \r\nab", " \r\nab", 0, 0, 5}, // a line of blanks is not empty
                          Case{"\r\n\tx\t", "\tx\t", 2, 1, 5}}) {
        const qw::PageText page = qw::TrimPageText(c.full);
        EXPECT_EQ(page.text, c.text) << c.full;
        EXPECT_EQ(page.firstChar, c.first) << c.full;
        EXPECT_EQ(page.leadingBlankLines, c.blanks) << c.full;
        EXPECT_EQ(page.lastChar, c.last) << c.full;
    }
}

TEST(PageText, ComposesBothPagesFromTheDisplayLinesSplitAtCrLf) {
    // Lines 1..7, line 4 blank: pages of three lines.
    const qw::DisplayLineSource source = [](int n) -> std::optional<std::string> {
        if (n == 4)
            return std::string();
        if (n == 6)
            return std::nullopt; // cannot be produced
        return "line " + std::to_string(n);
    };
    qw::PagePair title = qw::ComposePages(0, 3, 7, source);
    EXPECT_FALSE(title.leftFilled);
    EXPECT_TRUE(title.rightFilled);
    EXPECT_EQ(title.right.text, "line 1\r\nline 2\r\nline 3");

    qw::PagePair middle = qw::ComposePages(2, 3, 7, source);
    EXPECT_EQ(middle.left.text, "line 5"); // blank line 4 trimmed off the top, 6 failed
    EXPECT_EQ(middle.left.leadingBlankLines, 1);
    EXPECT_EQ(middle.right.text, "line 7");
    EXPECT_EQ(middle.failedLines, std::vector<int>{6});

    qw::PagePair end = qw::ComposePages(3, 3, 7, source);
    EXPECT_TRUE(end.leftFilled);
    EXPECT_FALSE(end.rightFilled); // after the end of the book
    EXPECT_EQ(end.left.text, "line 7");
    EXPECT_EQ(qw::SplitPageLines("a\r\n\r\nb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_TRUE(qw::SplitPageLines("").empty());
}

} // namespace

// Justified pages: which lines of a page are stretched, and where the
// characters of a stretched line go.

#include "core/reader/fixed_fit.h"
#include "reader/fit_lines.h"
#include "reader/justify.h"
#include "reader/text_measurer.h"

#include <gtest/gtest.h>

namespace qw {
namespace {

// Every character 10 pixels wide.
std::vector<double> Natural(std::u16string_view line) {
    std::vector<double> xs;
    for (std::size_t i = 0; i <= line.size(); ++i)
        xs.push_back(10.0 * static_cast<double>(i));
    return xs;
}

TEST(Justify, BlanksShareTheRoomInWholePixels) {
    struct Case {
        const char16_t* line;
        double width;
        std::vector<double> expected; // empty: drawn as it is
    };
    for (const Case& c : std::vector<Case>{
             {u"ab cd ef", 100, {0, 10, 20, 40, 50, 60, 80, 90, 100}},
             {u"ab cd ef", 85, {0, 10, 20, 33, 43, 53, 65, 75, 85}}, // 5 px: 3 + 2 (rounded)
             {u"  ab cd", 80, {0, 10, 20, 30, 40, 60, 70, 80}},      // the indentation stays
             {u"ab  cd", 80, {0, 10, 20, 40, 60, 70, 80}},           // both blanks widen
             {u"ab\tcd ef", 100, {}},                                // a TAB
             {u"abcdef", 100, {}},                                   // a single word
             {u"  abcdef", 100, {}},                                 // an indented single word
             {u"ab cd", 50, {}},                                     // already as wide
             {u"ab cd", 50.5, {}},                                   // less than a pixel
             {u"ab cd", 81, {}},                                     // 31 px for one blank: a hole
             {u"ab cd", 80, {0, 10, 20, 60, 70, 80}},                // 30 px: allowed
             {u"ab\u00a0cd ef", 90, {0, 10, 20, 30, 40, 50, 70, 80, 90}}, // no-break space stays
         }) {
        const std::u16string_view line(c.line);
        SCOPED_TRACE(std::string(line.begin(), line.end()) + " in " + std::to_string(c.width));
        EXPECT_EQ(JustifiedBoundaries(line, Natural(line), c.width, 30), c.expected);
    }
    EXPECT_TRUE(
        JustifiedBoundaries(u"ab cd", {0, 10}, 100, 30).empty()); // boundaries of another line
}

TEST(Justify, EveryLineOfAParagraphButItsLast) {
    test::FixedFit fixed(20);
    Book book;
    book.FileName = "/a.txt";
    // Display lines: 1-3 the first paragraph, 4 blank, 5 a short line, 6-7 the second paragraph.
    book.RawText = "one two three four five six seven eight nine ten eleven\r\n\r\nshort\r\n"
                   "twelve thirteen fourteen";
    book.RestoreRawText = true;
    book.Pages.LinesPerPage = 4;
    fixed.fit(book);
    ASSERT_EQ(book.LineCount, 7);
    std::vector<bool> continues;
    for (int n = 0; n <= 8; ++n)
        continues.push_back(DisplayLineContinues(book, n));
    EXPECT_EQ(continues,
              (std::vector<bool>{false, true, true, false, false, false, true, false, false}));
    EXPECT_EQ(PageLinesToJustify(book, 1, 0, 4), (std::vector<bool>{true, true, false, false}));
    // Page 2 (lines 5-7) with no blank line trimmed, and page 1 as if its
    // first line had been blank and trimmed.
    EXPECT_EQ(PageLinesToJustify(book, 2, 0, 3), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(PageLinesToJustify(book, 1, 1, 3), (std::vector<bool>{true, false, false}));
    EXPECT_EQ(PageLinesToJustify(book, 0, 0, 2), (std::vector<bool>{false, false})); // title page
}

} // namespace
} // namespace qw

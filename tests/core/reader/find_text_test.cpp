// Finding a search text in display lines: phrases across line ends, single
// words within a line, the case, the start column, bad search texts; the
// book's own lines; and how a hit is placed and selected on the two pages.

#include "reader/book_search_lines.h"
#include "reader/find_pages.h"
#include "reader/find_text.h"
#include "reader/fit_lines.h"
#include "reader/text_measurer.h"

#include "core/reader/fixed_fit.h"
#include "growth.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qw {
namespace {

class VectorLines : public SearchLines {
  public:
    explicit VectorLines(std::vector<std::string> lines) : lines_(std::move(lines)) {}
    int count() const override { return static_cast<int>(lines_.size()); }
    std::string_view line(int n) override {
        ++reads;
        return lines_.at(static_cast<std::size_t>(n - 1));
    }
    int reads = 0;

  private:
    std::vector<std::string> lines_;
};

std::string hitText(const FindResult& r) {
    if (r.end != FindEnd::Hit)
        return "none";
    const TextHit& h = r.hit;
    return std::to_string(h.firstLine) + ":" + std::to_string(h.firstColumn) + "-" +
           std::to_string(h.lastLine) + ":" + std::to_string(h.endColumn);
}

TEST(FindText, FindsTheFirstHitFromTheStart) {
    struct Row {
        const char* name;
        std::vector<std::string> lines;
        std::string phrase;
        bool caseSensitive;
        int line, column;
        std::string expected; // first line:column-last line:end column
    };
    const std::string longWord(10000, 'a');
    const std::vector<Row> rows = {
        {"phrase across a line end gets one blank",
         {"the old", "man went"},
         "old man",
         false,
         1,
         0,
         "1:4-2:3"},
        {"empty lines between are passed over",
         {"the old", "", "man"},
         "old man",
         false,
         1,
         0,
         "1:4-3:3"},
        {"three lines", {"x a", "b", "c y"}, "a b c", false, 1, 0, "1:2-3:1"},
        {"a single word never across a line end", {"wa", "ter"}, "water", false, 1, 0, "none"},
        {"nor a word with a leading blank", {"old", "man"}, " man", false, 1, 0, "none"},
        {"a word before the line end's blank", {"an old", "x"}, "old ", false, 1, 0, "1:3-1:6"},
        {"next hit on the same line", {"a cat and a cat"}, "cat", false, 1, 5, "1:12-1:15"},
        {"start at the hit itself finds it", {"a cat and a cat"}, "cat", false, 1, 2, "1:2-1:5"},
        {"leading blanks are kept",
         {"The end", "x  The end"},
         "  The end",
         false,
         1,
         0,
         "2:1-2:10"},
        {"leading blanks not in the text", {"The end"}, "  The end", false, 1, 0, "none"},
        {"case folded", {"a WORD here"}, "word", false, 1, 0, "1:2-1:6"},
        {"case kept", {"a WORD here", "word"}, "word", true, 1, 0, "2:0-2:4"},
        {"accents fold: É finds é",
         {"un \xC3\xA9t\xC3\xA9"},
         "\xC3\x89T\xC3\x89",
         false,
         1,
         0,
         "1:3-1:8"},
        {"case sensitive É misses é",
         {"\xC3\xA9t\xC3\xA9"},
         "\xC3\x89T\xC3\x89",
         true,
         1,
         0,
         "none"},
        {"long s folds to s, columns stay the text's",
         {"Ha\xC5\xBF"
          "e und"},
         "hase",
         false,
         1,
         0,
         "1:0-1:5"},
        {"one-line book", {"hello world"}, "world", false, 1, 0, "1:6-1:11"},
        {"a phrase running past the last line",
         {"hello world"},
         "world again",
         false,
         1,
         0,
         "none"},
        {"start past the last line", {"a", "b"}, "a", false, 3, 0, "none"},
        {"start column past the line end", {"cat", "cat"}, "cat", false, 1, 99, "2:0-2:3"},
        {"10,000-character word", {"b" + longWord + "b"}, longWord, false, 1, 0, "1:1-1:10001"},
        {"10,000-character phrase absent",
         {"a a a", "a a"},
         std::string(5000, 'a') + " " + longWord,
         false,
         1,
         0,
         "none"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::optional<FindQuery> query = MakeFindQuery(row.phrase, row.caseSensitive);
        ASSERT_TRUE(query);
        VectorLines lines(row.lines);
        EXPECT_EQ(hitText(FindFrom(*query, lines, row.line, row.column, 10, nullptr)),
                  row.expected);
    }
}

TEST(FindText, EmptyOrBlankSearchTextsFindNothing) {
    for (const char* text : {"", " ", "   \t ", "\r\n"})
        EXPECT_FALSE(MakeFindQuery(text, false)) << '"' << text << '"';
    const std::optional<FindQuery> phrase = MakeFindQuery(" a b ", false);
    ASSERT_TRUE(phrase);
    EXPECT_TRUE(phrase->acrossLines);
    EXPECT_EQ(phrase->phrase, " a b ");
    EXPECT_FALSE(MakeFindQuery("  word ", false)->acrossLines);
}

class Stopper : public FindProgress {
  public:
    bool keepGoing(int page) override {
        pages.push_back(page);
        return page < stopAt;
    }
    int stopAt = 1 << 30;
    std::vector<int> pages;
};

TEST(FindText, AsksAtEveryPageAndStops) {
    VectorLines lines(std::vector<std::string>(25, "text"));
    const FindQuery query = *MakeFindQuery("absent", false);
    Stopper all;
    EXPECT_EQ(FindFrom(query, lines, 2, 0, 10, &all).end, FindEnd::EndOfBook);
    EXPECT_EQ(all.pages, (std::vector<int>{2, 3}));
    Stopper early;
    early.stopAt = 2;
    EXPECT_EQ(FindFrom(query, lines, 1, 0, 10, &early).end, FindEnd::Stopped);
}

TEST(FindText, WorkIsLinearInTheTextWhateverThePhrase) {
    // A phrase that matches almost to its end at every place of the text:
    // comparing it afresh at every place would take text x phrase steps.
    std::string phrase;
    for (int i = 0; i < 2000; ++i)
        phrase += "a ";
    phrase += "b";
    const FindQuery query = *MakeFindQuery(phrase, true);
    const double ratio = test::GrowthRatio(
        [&](std::size_t n) {
            VectorLines lines(std::vector<std::string>(n, "a a a a a a a a a a a a a a a a"));
            EXPECT_EQ(FindFrom(query, lines, 1, 0, 40, nullptr).end, FindEnd::EndOfBook);
            EXPECT_EQ(lines.reads, static_cast<int>(n)); // each line read once
        },
        5000);
    EXPECT_LT(ratio, test::kLinearGrowthBound);
}

TEST(FindText, ReadsTheFittedLinesOfTheBook) {
    // 10 pixels wide, 1 pixel per character; the last line has no line break.
    test::FixedFit fixed(10);
    const ParaWrap& wrap = fixed.wrap;
    Book book;
    book.FileName = "/books/a.txt";
    book.RawText = "the quick brown fox jumps\r\n\r\nover the lazy dog";
    book.RestoreRawText = true;
    book.Pages.LinesPerPage = 3;
    fixed.fit(book);
    BookSearchLines lines(book, wrap);
    ASSERT_EQ(lines.count(), 6);
    for (int n : {1, 2, 3, 5, 4, lines.count(), 1})
        EXPECT_EQ(lines.line(n), *DisplayLineText(book, wrap, n)) << n;
    EXPECT_EQ(lines.line(lines.count() + 1), "");
    // Read in order, each line follows from the one before, up to past the end.
    for (int n = 1; n <= lines.count(); ++n)
        EXPECT_EQ(lines.line(n), *DisplayLineText(book, wrap, n)) << n;
    EXPECT_EQ(lines.line(lines.count() + 1), "");
    const FindResult across =
        FindFrom(*MakeFindQuery("jumps over", false), lines, 1, 0, 3, nullptr);
    ASSERT_EQ(across.end, FindEnd::Hit);
    EXPECT_EQ(lines.line(across.hit.lastLine).substr(0, across.hit.endColumn), "over");
    EXPECT_EQ(lines.line(6), "lazy dog");
    EXPECT_EQ(hitText(FindFrom(*MakeFindQuery("dog", false), lines, 1, 0, 3, nullptr)), "6:5-6:8");
}

TEST(FindPages, PlacesAndSelectsHitsOnTheTwoPages) {
    // Three lines per page; pages 2 and 3 shown. Page 3 begins with a blank
    // line that its control does not show.
    PagePair pages;
    pages.left = TrimPageText("one\r\ntwo x\r\nthree");
    pages.right = TrimPageText("\r\nfo\xF0\x9F\x98\x80r\r\nfive");
    struct Row {
        const char* name;
        TextHit hit;
        int leftPage; // before
        HitPlacement placement;
        std::optional<PageSelection> left, right;
    };
    const std::vector<Row> rows = {
        {"within the left page",
         {5, 4, 5, 5},
         2,
         {2, PageSide::Left},
         PageSelection{8, 9},
         std::nullopt},
        {"left page onto the right",
         {5, 4, 8, 2},
         2,
         {2, PageSide::Left},
         PageSelection{8, 15},
         PageSelection{0, 2}},
        {"right page, after a 4-byte character",
         {8, 6, 9, 2},
         2,
         {2, PageSide::Right},
         std::nullopt,
         PageSelection{4, 8}},
        {"left page past the right page",
         {6, 0, 12, 1},
         2,
         {2, PageSide::Left},
         PageSelection{10, 15},
         PageSelection{0, 10}},
        {"the title page on the left: page 1 is turned to",
         {2, 0, 4, 1},
         0,
         {1, PageSide::Left},
         std::nullopt,
         std::nullopt},
        {"the title page on the left: a hit on page 1 is on the right",
         {2, 0, 2, 1},
         0,
         {0, PageSide::Right},
         std::nullopt,
         std::nullopt},
        {"a later page becomes the left page",
         {20, 0, 20, 1},
         2,
         {7, PageSide::Left},
         std::nullopt,
         std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const HitPlacement placed = PlaceHit(row.hit, row.leftPage, 3);
        EXPECT_EQ(placed.leftPage, row.placement.leftPage);
        EXPECT_EQ(placed.side, row.placement.side);
        if (placed.leftPage != 2)
            continue;
        const HitSelections s = SelectHit(row.hit, 2, 3, pages);
        ASSERT_EQ(s.left.has_value(), row.left.has_value());
        ASSERT_EQ(s.right.has_value(), row.right.has_value());
        if (s.left) {
            EXPECT_EQ(s.left->start, row.left->start);
            EXPECT_EQ(s.left->end, row.left->end);
        }
        if (s.right) {
            EXPECT_EQ(s.right->start, row.right->start);
            EXPECT_EQ(s.right->end, row.right->end);
        }
    }
}

TEST(FindPages, CaretPositionsRoundTripToDisplayLines) {
    const PageText page = TrimPageText("\r\n\r\nab\r\n\xC3\xA9t\xC3\xA9 \xF0\x9F\x98\x80x");
    struct Row {
        int position;
        PagePlace place;
    };
    for (const Row& row : std::vector<Row>{{0, {0, 0}},
                                           {2, {0, 2}},
                                           {3, {1, 0}},
                                           {4, {1, 2}},
                                           {7, {1, 6}},
                                           {9, {1, 10}},
                                           {10, {1, 11}}}) {
        const PagePlace place = ControlPlace(page.text, row.position);
        EXPECT_EQ(place.line, row.place.line) << row.position;
        EXPECT_EQ(place.column, row.place.column) << row.position;
        EXPECT_EQ(ControlPosition(page.text, place), row.position);
    }
    // Page 4 of 5 lines: its first line is 16, two blank lines are not shown.
    const SearchStart start = SearchStartOf(4, 5, page, {1, 2});
    EXPECT_EQ(start.line, 19);
    EXPECT_EQ(start.column, 2);
}

} // namespace
} // namespace qw

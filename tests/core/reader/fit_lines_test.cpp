// Line fitting on small texts with a fixed-width measurer (1 pixel per
// character): blank runs, the carried position and bookmarks, the progress
// captions and the restore rules of line-break removal.

#include "reader/fit_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qw {
namespace {

class RecordingHost : public FitHost {
  public:
    void showProgress(const std::string& caption) override { captions.push_back(caption); }
    void setBusy(bool busy) override { busyCalls.push_back(busy); }
    void workTextChanged() override { ++textChanges; }
    void clearSections() override { ++sectionClears; }
    bool createToc() override {
        ++tocRuns;
        return !abortToc;
    }
    void clearToc() override { ++tocClears; }
    void showPages() override { ++pageShows; }
    void writeBookRecord() override { ++recordWrites; }

    std::vector<std::string> captions;
    std::vector<bool> busyCalls;
    int textChanges = 0, sectionClears = 0, tocRuns = 0, tocClears = 0, pageShows = 0,
        recordWrites = 0;
    bool abortToc = false;
};

struct Fixture {
    Fixture(double width = 20) {
        wrap.setFont(fixed);
        wrap.setBounds(width, 100);
        wrap.setTabStops(32);
        options.removeLineBreaks = false;
        options.fontName = "Fixed";
        options.fontSize = 12;
        options.pageWidth = static_cast<int>(width);
    }
    void open(const std::string& text) {
        book.FileName = "/books/a.txt";
        book.RawText = text;
        book.RestoreRawText = true;
        book.Pages.LinesPerPage = 30;
    }
    bool fit() { return FitLines(book, options, wrap, host); }

    FixedWidthMeasurer fixed{1.0};
    ParaWrap wrap;
    FitOptions options;
    Book book;
    RecordingHost host;
};

TEST(FitLines, DoesNothingWithoutABook) {
    Fixture f;
    EXPECT_TRUE(f.fit());
    EXPECT_TRUE(f.host.captions.empty());
    EXPECT_EQ(f.book.LineCount, 0);
}

TEST(FitLines, OneEmptyLineGivesOneLineAndOnePage) {
    Fixture f;
    f.open("");
    f.fit();
    EXPECT_EQ(f.book.LineCount, 1);
    EXPECT_EQ(f.book.Pages.PageCount, 1);
    EXPECT_TRUE(f.book.BlankRuns.empty());
}

TEST(FitLines, CountsWrappedLinesPerLogicalLine) {
    Fixture f(10);
    f.open("short\r\n"
           "a paragraph wider than the page\r\n"
           "\r\n"
           "end");
    f.fit();
    ASSERT_EQ(f.book.BookLines.size(), 4u);
    EXPECT_EQ(f.book.LineHeights, (std::vector<int>{1, 4, 1, 1}));
    EXPECT_EQ(f.book.LineEnds, (std::vector<int>{1, 5, 6, 7}));
    EXPECT_EQ(f.book.LineCount, 7);
    EXPECT_EQ(f.book.BlankRuns, (std::vector<BlankRun>{{6, 1}}));
}

TEST(FitLines, BlankRunsAreClosedRunsOfBlankDisplayLines) {
    Fixture f(10);
    f.open("one\r\n\r\n\r\n\r\ntwo\r\n"
           "a paragraph wider than the page\r\n"
           "  \u00a0\t\r\n" // blanks, a no-break space and a tab: blank
           "three\r\n\r\n\r\n");
    f.fit();
    EXPECT_EQ(f.book.BlankRuns, (std::vector<BlankRun>{{2, 3}, {10, 1}}));
    // The two blank lines at the end close no run.
    EXPECT_EQ(f.book.LineCount, 13);
}

TEST(FitLines, WideParagraphDoesNotExtendABlankRun) {
    Fixture f(5);
    f.open("\r\nabcdefghij\r\n\r\nx");
    f.fit();
    EXPECT_EQ(f.book.LineHeights, (std::vector<int>{1, 2, 1, 1}));
    EXPECT_EQ(f.book.BlankRuns, (std::vector<BlankRun>{{1, 1}, {4, 1}}));
}

TEST(FitLines, ProgressCaptionsForFiveLines) {
    Fixture f;
    f.open("a\r\nb\r\nc\r\nd\r\ne");
    f.fit();
    EXPECT_EQ(f.host.captions,
              (std::vector<std::string>{"Fitting lines:  0% done", "Fitting lines: 10% done",
                                        "Fitting lines: 20% done", "Fitting lines: 30% done",
                                        "Fitting lines: 40% done", "Fitting lines: 50% done"}));
}

TEST(FitLines, TenProgressCaptionsAtMost) {
    Fixture f;
    std::string text;
    for (int i = 0; i < 1000; ++i)
        text += "line\r\n";
    f.open(text);
    f.fit();
    std::vector<std::string> fitting;
    for (const std::string& c : f.host.captions)
        if (c.rfind("Fitting lines:", 0) == 0)
            fitting.push_back(c);
    ASSERT_EQ(fitting.size(), 11u);
    EXPECT_EQ(fitting.front(), "Fitting lines:  0% done");
    for (int k = 1; k <= 10; ++k)
        EXPECT_EQ(fitting[static_cast<size_t>(k)],
                  "Fitting lines: " + std::to_string(10 * k) + "% done");
}

TEST(FitLines, CarriesThePositionWhenTheLineCountDoubles) {
    // 30 lines per page before and after, left page 10 (first line 271); a
    // narrower page doubles the line count: F' = 542, left page 19.
    Fixture f(10);
    std::string text;
    for (int i = 0; i < 600; ++i)
        text += "abcdefghij\r\n"; // one display line at width 10
    f.open(text);
    f.fit();
    ASSERT_EQ(f.book.LineCount, 600);
    f.book.Pages.LeftPage = 10;
    f.wrap.setBounds(5, 100);
    f.fit();
    ASSERT_EQ(f.book.LineCount, 1200);
    EXPECT_EQ(f.book.Pages.PageCount, 40);
    EXPECT_EQ(f.book.Pages.LeftPage, 19);
}

TEST(FitLines, TitlePageStaysTitlePage) {
    Fixture f(10);
    f.open("abcdefghij\r\nabcdefghij");
    f.fit();
    f.book.Pages.LeftPage = 0;
    f.wrap.setBounds(3, 100);
    f.fit();
    EXPECT_EQ(f.book.Pages.LeftPage, 0);
}

TEST(FitLines, StoredPositionFromTheRecordIsMappedOnLoading) {
    // The record said: page 3 of a book of 100 lines at 10 lines per page.
    Fixture f;
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += "x\r\n";
    f.open(text);
    f.book.LineCount = 100;
    f.book.Pages.setLinesPerPage(20);
    f.book.Pages.restore(3, 10, {});
    f.fit();
    // F = 21, F' = 42, left page Round(41 / 20) + 1 = 3.
    EXPECT_EQ(f.book.LineCount, 200);
    EXPECT_EQ(f.book.Pages.LeftPage, 3);
    EXPECT_EQ(f.book.Pages.PageCount, 10);
    EXPECT_EQ(f.book.Pages.countedLinesPerPage(), 20);
}

TEST(FitLines, BookmarksFollowTheText) {
    Fixture f(10);
    std::string text;
    for (int i = 0; i < 600; ++i)
        text += "abcdefghij\r\n";
    f.open(text);
    f.fit();
    f.book.Pages.Bookmarks = {10, 0, 3};
    f.wrap.setBounds(5, 100);
    f.fit();
    // Round(271 * 1200 / 600 / 30) + 1 = Round(18.07) + 1 = 19;
    // Round(61 * 2 / 30) + 1 = Round(4.07) + 1 = 5.
    EXPECT_EQ(f.book.Pages.Bookmarks, (std::array<int, 3>{19, 0, 5}));
}

TEST(FitLines, AppendModeKeepsPageAndBookmarksAndWritesNoRecord) {
    Fixture f(10);
    f.open("abcdefghij\r\nabcdefghij\r\nabcdefghij");
    f.fit();
    f.book.Pages.LeftPage = 1;
    f.book.Pages.Bookmarks = {1, 0, 0};
    f.book.AppendMode = true;
    const int writes = f.host.recordWrites;
    f.wrap.setBounds(2, 100);
    f.fit();
    EXPECT_EQ(f.book.Pages.LeftPage, 1);
    EXPECT_EQ(f.book.Pages.Bookmarks[0], 1);
    EXPECT_EQ(f.host.recordWrites, writes);
}

TEST(FitLines, LoadingClearsSectionsAndTocFollowsTheOption) {
    Fixture f;
    f.open("a");
    f.book.ChangeReason = "DateiLaden";
    f.fit();
    EXPECT_EQ(f.host.sectionClears, 1);
    EXPECT_EQ(f.host.tocClears, 1);
    EXPECT_EQ(f.host.tocRuns, 0);
    f.book.ChangeReason.clear();
    f.options.automaticToc = true;
    f.fit();
    EXPECT_EQ(f.host.sectionClears, 1);
    EXPECT_EQ(f.host.tocRuns, 1);
    EXPECT_EQ(f.host.pageShows, 2);
    EXPECT_EQ(f.host.recordWrites, 2);
    EXPECT_EQ(f.host.busyCalls, (std::vector<bool>{true, false, true, false}));
}

TEST(FitLines, AbortedTocLeavesSnapshotPagesAndRecord) {
    Fixture f;
    f.open("a");
    f.options.automaticToc = true;
    f.host.abortToc = true;
    EXPECT_FALSE(f.fit());
    EXPECT_EQ(f.host.pageShows, 0);
    EXPECT_EQ(f.host.recordWrites, 0);
    EXPECT_TRUE(NeedsRefit(f.book.Snapshot, 20, "Fixed", 12, false));
    EXPECT_EQ(f.host.busyCalls, (std::vector<bool>{true, false}));
}

TEST(FitLines, SnapshotAndRefitTest) {
    Fixture f;
    f.open("a");
    f.options.applyMargins = false;
    f.options.margins[0] = 7;
    f.fit();
    const FitSnapshot& s = f.book.Snapshot;
    EXPECT_EQ(s.fontName, "Fixed");
    EXPECT_EQ(s.fontSize, 12);
    EXPECT_EQ(s.pageWidth, 20);
    EXPECT_EQ(s.margins[0], 0); // margins not applied count as 0
    EXPECT_FALSE(NeedsRefit(s, 20, "Fixed", 12, false));
    EXPECT_TRUE(NeedsRefit(s, 21, "Fixed", 12, false));
    EXPECT_TRUE(NeedsRefit(s, 20, "Other", 12, false));
    EXPECT_TRUE(NeedsRefit(s, 20, "Fixed", 13, false));
    EXPECT_TRUE(NeedsRefit(s, 20, "Fixed", 12, true));
}

// The restore rules of line-break removal: each step sets the three options
// and fits. A step that must not read the raw text again finds it changed, so
// a needless restore shows in the work text.
TEST(FitLinesRemoval, RestoresOnlyWhenAnOptionChangeNeedsTheRawText) {
    struct Step {
        bool remove, punctuation, indentation;
        bool restores;
        const char* workText;
    };
    struct Case {
        const char* name;
        const char* text;
        std::vector<Step> steps;
    } cases[] = {
        {"punctuation on restores first",
         "Stop.\r\nNext\r\nline",
         {{true, false, false, true, "Stop. Next line"},
          {true, true, false, true, "Stop.\r\nNext line"}}},
        {"punctuation off joins the joined text further",
         "Stop.\r\nNext\r\nline",
         {{true, true, false, true, "Stop.\r\nNext line"},
          {true, false, false, false, "Stop. Next line"}}},
        {"indentation on restores",
         "a\r\n  b",
         {{true, false, false, true, "a b"}, {true, false, true, true, "a\r\n  b"}}},
        {"removal off restores, on joins again",
         "a\r\nb",
         {{true, false, false, true, "a b"},
          {false, false, false, true, "a\r\nb"},
          {true, false, false, false, "a b"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        f.open(c.text);
        for (const Step& s : c.steps) {
            f.book.RawText = s.restores ? c.text : "changed on purpose";
            f.options.removeLineBreaks = s.remove;
            f.options.lineBreaks.notAfterPunctuation = s.punctuation;
            f.options.lineBreaks.notBeforeIndentation = s.indentation;
            f.fit();
            EXPECT_EQ(f.book.WorkText, s.workText);
            EXPECT_EQ(f.book.BreaksRemoved, s.remove);
        }
    }
}

TEST(FitLinesRemoval, RemovesOnceAndRestoresWhenLoadingAsks) {
    Fixture f;
    f.options.removeLineBreaks = true;
    f.options.lineBreaks.notAfterPunctuation = false;
    f.options.lineBreaks.notBeforeIndentation = false;
    f.open("Stop.\r\nNext\r\nline");
    f.fit();
    EXPECT_EQ(f.book.WorkText, "Stop. Next line");
    EXPECT_EQ(f.host.textChanges, 1);
    f.fit();
    EXPECT_EQ(f.host.textChanges, 1); // nothing to do again
    EXPECT_EQ(f.book.RawText, "Stop.\r\nNext\r\nline");
    f.book.RawText = "c\r\nd";
    f.book.RestoreRawText = true;
    f.fit();
    EXPECT_EQ(f.book.WorkText, "c d");
    EXPECT_FALSE(f.book.RestoreRawText);
}

TEST(DisplayLineText, MapsDisplayLinesToWrappedLines) {
    Fixture f(5);
    f.open("aaa bbb ccc\r\n\r\n  dd   \r\n     ");
    f.fit();
    ASSERT_EQ(f.book.LineCount, 6);
    const auto place = FindDisplayLine(f.book, 3);
    ASSERT_TRUE(place);
    EXPECT_EQ(place->logicalLine, 0u);
    EXPECT_EQ(place->wrappedLine, 2);
    EXPECT_FALSE(FindDisplayLine(f.book, 0));
    EXPECT_FALSE(FindDisplayLine(f.book, 7));
    EXPECT_EQ(*DisplayLineText(f.book, f.wrap, 1), "aaa");
    EXPECT_EQ(*DisplayLineText(f.book, f.wrap, 3), "ccc");
    EXPECT_EQ(*DisplayLineText(f.book, f.wrap, 4), "");
    EXPECT_EQ(*DisplayLineText(f.book, f.wrap, 5), "  dd");
    EXPECT_EQ(*DisplayLineText(f.book, f.wrap, 6), ""); // a line of blanks is blank
    EXPECT_FALSE(DisplayLineText(f.book, f.wrap, 7));
}

TEST(BookLineIndex, SplitsLikeAStringList) {
    BookLineIndex index;
    const std::string text = "a\r\n\r\nb\r\n";
    index.build(text);
    ASSERT_EQ(index.size(), 3u);
    EXPECT_EQ(index.line(text, 0), "a");
    EXPECT_EQ(index.line(text, 1), "");
    EXPECT_EQ(index.line(text, 2), "b");
    EXPECT_EQ(index.line(text, 3), "");
    index.build("");
    EXPECT_EQ(index.size(), 0u);
    const std::string lone = "a\rb\nc";
    index.build(lone);
    ASSERT_EQ(index.size(), 1u);
    EXPECT_EQ(index.line(lone, 0), "a\rb\nc");
    // A stale index never reads past a shorter text.
    EXPECT_EQ(index.line("", 0), "");
}

} // namespace
} // namespace qw

namespace qw {
namespace {

// On random texts: the tables add up, blank runs point at blank lines closed
// by a non-blank one, and the display lines come out in the counted number.
TEST(FitLines, TablesAreConsistentOnRandomTexts) {
    const std::string pieces[] = {"word ", "\r\n", "\r\n\r\n", "  ", "\xa0", "longerword", "\t"};
    unsigned seed = 99;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) & 0x7fff;
    };
    for (int round = 0; round < 300; ++round) {
        Fixture f(static_cast<double>(3 + next() % 20));
        std::string text;
        const int length = static_cast<int>(next() % 60);
        for (int k = 0; k < length; ++k)
            text += pieces[next() % (sizeof pieces / sizeof *pieces)];
        f.options.removeLineBreaks = next() % 2 == 0;
        f.open(text);
        f.book.Pages.LinesPerPage = 1 + static_cast<int>(next() % 10);
        f.fit();
        const Book& b = f.book;
        ASSERT_EQ(b.LineHeights.size(), b.BookLines.size());
        int sum = 0;
        for (size_t i = 0; i < b.LineHeights.size(); ++i) {
            ASSERT_GE(b.LineHeights[i], 1);
            sum += b.LineHeights[i];
            ASSERT_EQ(b.LineEnds[i], sum);
        }
        EXPECT_EQ(b.LineCount, std::max(sum, 1));
        EXPECT_EQ(b.Pages.PageCount, (b.LineCount - 1) / b.Pages.LinesPerPage + 1);
        EXPECT_GE(b.Pages.LeftPage, 0);
        EXPECT_LE(b.Pages.LeftPage, b.Pages.PageCount);
        std::vector<std::string> lines;
        for (int n = 1; n <= sum; ++n)
            lines.push_back(DisplayLineText(b, f.wrap, n).value_or("?"));
        EXPECT_EQ(static_cast<int>(lines.size()), sum);
        for (const BlankRun& run : b.BlankRuns) {
            ASSERT_GE(run.count, 1);
            for (int n = run.first; n < run.first + run.count; ++n)
                EXPECT_EQ(lines[static_cast<size_t>(n - 1)], "");
            ASSERT_LT(run.first + run.count - 1, sum); // closed by a later line
            EXPECT_NE(lines[static_cast<size_t>(run.first + run.count - 1)], "");
        }
    }
}

} // namespace
} // namespace qw

// Section detection on small fitted texts (one pixel per character): the
// header criteria as a table of texts and expected first lines, the abort,
// the progress captions and the boundaries of the scan.

#include "import/unicode_text.h"
#include "reader/fit_lines.h"
#include "reader/toc.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qw {
namespace {

class QuietHost : public FitHost {
  public:
    void showProgress(const std::string&) override {}
};

struct Fitted {
    explicit Fitted(const std::string& text, double width = 40, int linesPerPage = 10) {
        wrap.setFont(fixed);
        wrap.setBounds(width, 100);
        wrap.setTabStops(32);
        options.removeLineBreaks = false;
        book.FileName = "/books/a.txt";
        book.RawText = text;
        book.RestoreRawText = true;
        book.Pages.LinesPerPage = linesPerPage;
        QuietHost host;
        FitLines(book, options, wrap, host);
    }
    LineTextSource lines() const {
        return [this](int n) { return DisplayLineText(book, wrap, n).value_or(std::string()); };
    }
    std::vector<int> detect(const TocCriteria& criteria, TocScanHost* host = nullptr) const {
        std::vector<int> firsts;
        for (const SectionEntry& s : DetectSections(book, criteria, lines(), host).sections) {
            EXPECT_EQ(s.firstLine, s.layoutLine);
            firsts.push_back(s.firstLine);
        }
        return firsts;
    }

    FixedWidthMeasurer fixed{1.0};
    ParaWrap wrap;
    FitOptions options;
    Book book;
};

// Lines joined with CR LF; "" is a blank line.
std::string Text(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

TocCriteria Criteria(int blank, int size, bool countBlank, std::string header = {}) {
    TocCriteria c;
    c.precedingBlankLines = blank;
    c.headerSize = size;
    c.countBlankLines = countBlank;
    c.headerContains = std::move(header);
    c.alwaysListChapters = false; // the plain criteria; chapter_headings_test has the option
    return c;
}

struct DetectCase {
    const char* name;
    std::vector<std::string> lines;
    TocCriteria criteria;
    std::vector<int> expected;
};

// Title, two blank, chapter, two text lines, two blank, chapter, two text
// lines, two blank, chapter: chapters on lines 4, 9 and 14.
const std::vector<std::string> kSpaced = {"Title", "",  "",  "C1", "a", "b",  "", "",
                                          "C2",    "c", "d", "",   "",  "C3", "e"};

const DetectCase kDetectCases[] = {
    {"title and chapters after three blank lines",
     {"Title", "", "", "", "Chapter 1", "text", "", "", "", "Chapter 2", "text"},
     Criteria(3, 5, true),
     {1, 5, 10}},
    {"runs shorter than the blank count are skipped",
     {"Title", "", "", "Chapter 1", "text", "", "", "", "Chapter 2"},
     Criteria(3, 5, true),
     {1, 9}},
    {"one blank line is enough with a count of 1",
     {"Title", "", "Chapter 1", "x", "y", "z", "", "Chapter 2"},
     Criteria(1, 5, true),
     {1, 3, 8}},
    {"counting blank lines: 4 lines apart with header size 5 keeps only the first",
     {"Title", "", "C1", "x", "y", "", "C2"},
     Criteria(1, 5, true),
     {1, 3}},
    {"counting blank lines: 4 lines apart with header size 4 keeps both",
     {"Title", "", "C1", "x", "y", "", "C2"},
     Criteria(1, 4, true),
     {1, 3, 7}},
    {"not counting blank lines: the fifth non-blank line is passed first",
     kSpaced,
     Criteria(2, 5, false),
     {1, 4, 14}},
    {"counting blank lines the same text lists every chapter",
     kSpaced,
     Criteria(2, 5, true),
     {1, 4, 9, 14}},
    {"counting blank lines with header size 6", kSpaced, Criteria(2, 6, true), {1, 4, 14}},
    {"not counting blank lines with header size 3", kSpaced, Criteria(2, 3, false), {1, 4, 9, 14}},
    {"not counting blank lines with header size 4: the line after the fourth",
     kSpaced,
     Criteria(2, 4, false),
     {1, 4, 14}},
    {"a header text lists only candidates that contain it, in any case",
     {"Title", "", "", "", "CHAPTER I",  "a", "", "", "", "Part One",
      "b",     "", "", "", "Chapter II", "c", "", "", "", "the chapter three",
      "d"},
     Criteria(3, 1, true, "chapter"),
     {5, 15, 20}},
    {"a candidate that does not qualify lifts the distance rule",
     {"Title", "", "CH1", "", "xx", "", "CH2"},
     Criteria(1, 5, true, "ch"),
     {3, 7}},
    {"blank lines at the very end never make a candidate",
     {"Title", "text", "", "", "", ""},
     Criteria(3, 5, true),
     {1}},
    {"no qualifying line gives an empty list",
     {"Title", "", "", "", "Chapter 1"},
     Criteria(3, 5, true, "ZZZ"),
     {}},
    {"accented letters compare without case",
     {"Title", "", "", "", "\u00c9t\u00c9 one", "", "", "", "summer"},
     Criteria(3, 5, true, "\u00e9t\u00e9"),
     {5}},
    {"a line of no-break spaces is blank",
     {"Title", "\u00a0\u00a0", "", "", "Chapter 1"},
     Criteria(3, 5, true),
     {1, 5}},
};

class DetectSectionsTable : public ::testing::TestWithParam<DetectCase> {};

TEST_P(DetectSectionsTable, ListsExpectedLines) {
    const DetectCase& c = GetParam();
    Fitted fitted(Text(c.lines));
    EXPECT_EQ(fitted.detect(c.criteria), c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Criteria, DetectSectionsTable, ::testing::ValuesIn(kDetectCases));

TEST(DetectSections, CountsDisplayLinesOfWrappedParagraphs) {
    // Ten words of six characters at width 20 wrap into four display lines.
    std::string words;
    for (int i = 0; i < 10; ++i)
        words += "abcde ";
    Fitted fitted(Text({words, "", "", "", "Chapter 1", "text"}), 20);
    ASSERT_EQ(fitted.book.LineHeights[0], 4);
    EXPECT_EQ(fitted.detect(Criteria(3, 5, true)), (std::vector<int>{1, 8}));
}

TEST(DetectSections, NothingWithoutBook) {
    Book book;
    book.LineCount = 10;
    book.BlankRuns = {{2, 3}};
    EXPECT_TRUE(DetectSections(book, TocCriteria{}, nullptr).sections.empty());
}

TEST(DetectSections, LineTextsAskedOnlyForAHeaderText) {
    Fitted fitted(Text({"Title", "", "", "", "Chapter 1", "", "", "", "Chapter 2"}));
    int asked = 0;
    LineTextSource counting = [&](int n) {
        ++asked;
        return DisplayLineText(fitted.book, fitted.wrap, n).value_or(std::string());
    };
    EXPECT_EQ(DetectSections(fitted.book, Criteria(3, 1, true), counting).sections.size(), 3u);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(DetectSections(fitted.book, Criteria(3, 1, true, "chap"), counting).sections.size(),
              2u);
    EXPECT_EQ(asked, 3); // line 1 and the two candidates
}

class RecordingScanHost : public TocScanHost {
  public:
    bool abortRequested() override { return ++checks > abortAfter; }
    void showProgress(const std::string& caption) override { captions.push_back(caption); }
    int checks = 0;
    int abortAfter = 1000;
    std::vector<std::string> captions;
};

TEST(DetectSections, CaptionPerAddedSection) {
    Fitted fitted(Text({"Title", "", "", "", "Chapter 1", "a", "b", "c", "d", "e", "", "", "",
                        "Chapter 2", "f"}),
                  40, 10);
    RecordingScanHost host;
    EXPECT_EQ(fitted.detect(Criteria(3, 5, true), &host), (std::vector<int>{1, 5, 14}));
    EXPECT_EQ(host.captions,
              (std::vector<std::string>{"TOC section 1 (page 1/2) - Press Space to abort",
                                        "TOC section 2 (page 1/2) - Press Space to abort",
                                        "TOC section 3 (page 2/2) - Press Space to abort"}));
    EXPECT_EQ(host.checks, 2); // once per blank run
}

TEST(DetectSections, AbortKeepsTheSectionsFoundSoFar) {
    Fitted fitted(
        Text({"Title", "", "", "", "Chapter 1", "", "", "", "Chapter 2", "", "", "", "Chapter 3"}));
    RecordingScanHost host;
    host.abortAfter = 2; // the third check asks to stop
    const TocScan scan = DetectSections(fitted.book, Criteria(3, 1, true), fitted.lines(), &host);
    EXPECT_TRUE(scan.aborted);
    ASSERT_EQ(scan.sections.size(), 3u);
    EXPECT_EQ(scan.sections.back().firstLine, 9);

    host.checks = 0;
    host.abortAfter = 0;
    const TocScan first = DetectSections(fitted.book, Criteria(3, 1, true), fitted.lines(), &host);
    EXPECT_TRUE(first.aborted);
    EXPECT_EQ(first.sections.size(), 1u); // line 1 is listed before the scan of the runs
}

TEST(DetectSections, HostileRunsStayWithinTheText) {
    Book book;
    book.FileName = "x";
    book.LineCount = 20;
    book.TocLineCount = 20;
    book.Pages.LinesPerPage = 5;
    // Runs that point past the end, overlap or have odd counts.
    book.BlankRuns = {{2, 3}, {3, -2}, {30, 4}, {19, 5}};
    const TocScan scan = DetectSections(book, Criteria(3, 5, false), nullptr);
    ASSERT_EQ(scan.sections.size(), 2u);
    EXPECT_EQ(scan.sections[1].firstLine, 5);
}

TEST(TocCriteria, TakenFromBookSettingsWithinTheirRanges) {
    BookSettings s;
    s.precedingBlankLines = 0;
    s.sectionHeaderSize = 12;
    s.countBlankLines = false;
    s.sectionHeaderContains = "Chapter";
    const TocCriteria c = TocCriteriaOf(s);
    EXPECT_EQ(c.precedingBlankLines, 1);
    EXPECT_EQ(c.headerSize, 9);
    EXPECT_FALSE(c.countBlankLines);
    EXPECT_EQ(c.headerContains, "Chapter");
    s.sectionHeaderContains = "\xc3\xa9t\xc3\xa9";                   // UTF-8, as typed and stored
    EXPECT_EQ(TocCriteriaOf(s).headerContains, "\xc3\xa9t\xc3\xa9"); // the lines are UTF-8 too
}

TEST(HeaderQualifies, CaseFoldedContainment) {
    EXPECT_TRUE(HeaderQualifies("anything", ""));
    EXPECT_TRUE(HeaderQualifies("Chapter 3", "chapter"));
    EXPECT_TRUE(HeaderQualifies("in the CHAPTER", "chapter"));
    EXPECT_FALSE(HeaderQualifies("Chapte r", "chapter"));
    EXPECT_FALSE(HeaderQualifies("", "chapter"));
    // Cyrillic, Greek (final sigma folds as sigma) and Latin capitals fold.
    EXPECT_TRUE(HeaderQualifies("\xd0\x93\xd0\x9b\xd0\x90\xd0\x92\xd0\x90 1",
                                "\xd0\xb3\xd0\xbb\xd0\xb0\xd0\xb2\xd0\xb0"));
    EXPECT_TRUE(HeaderQualifies("\xce\x9b\xce\x9f\xce\xa3", "\xce\xbb\xce\xbf\xcf\x83"));
    EXPECT_EQ(SimpleCaseFold("\xc3\x89T\xc3\x89 \xce\xbb\xce\xbf\xcf\x82"),
              "\xc3\xa9t\xc3\xa9 \xce\xbb\xce\xbf\xcf\x83");
}

TEST(PageOfLine, CountsFromOne) {
    EXPECT_EQ(PageOfLine(1, 30), 1);
    EXPECT_EQ(PageOfLine(30, 30), 1);
    EXPECT_EQ(PageOfLine(31, 30), 2);
    EXPECT_EQ(PageOfLine(5, 0), 5); // a lines-per-page below 1 counts as 1
}

} // namespace
} // namespace qw

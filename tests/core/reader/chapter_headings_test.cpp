// Chapter headings: which lines look like one, and the recall of the
// contents on generated novels with and without "Always list chapter
// headings" (volumes followed closely by their first chapter, titled and
// untitled chapters, a contents list at the front, verse, letters).

#include "core/reader/novel_gen.h"
#include "reader/chapter_headings.h"
#include "reader/toc_listing.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace qw {
namespace {

TEST(ChapterHeadings, KindsOfLines) {
    using K = HeadingKind;
    struct Case {
        const char* line;
        HeadingKind kind;
    };
    for (const Case& c : {
             Case{"CHAPTER I", K::Chapter},
             Case{"  Chapter 12  ", K::Chapter},
             Case{"CHAPTER THE FIRST", K::Chapter},
             Case{"CHAPTER THE TWENTY-FIRST", K::Chapter},
             Case{"CHAPTER XIV. THE OLD MILL", K::Chapter},
             Case{"CHAPTER XIV THE OLD MILL", K::Chapter}, // a line of capitals
             Case{"Chapter 3: The Return", K::Chapter},
             Case{"CHAPTER I-THE PERIOD", K::Chapter},
             Case{"CHAPTER I\xE2\x80\x94THE PERIOD", K::Chapter}, // em dash
             Case{"BOOK II", K::Book},
             Case{"PART ONE", K::Part},
             Case{"VOLUME III", K::Volume},
             Case{"LETTER IV", K::Letter},
             Case{"STAVE ONE", K::Stave},
             Case{"STAVE TWENTY-TWO", K::Stave},
             Case{"I.", K::Numeral},
             Case{"   XII.", K::Numeral},
             Case{"Part of the house was dark.", K::None},
             Case{"Chapter and verse were quoted.", K::None},
             Case{"Chapter I think", K::None}, // a title needs punctuation unless in capitals
             Case{"CHAPTER", K::None},
             Case{"CHAPTERS I", K::None},
             Case{"I.  Went home.", K::None},
             Case{"iv.", K::None},
             Case{"XII", K::None},
             Case{"CHAPTER 12345", K::None},
             Case{"", K::None},
         }) {
        EXPECT_EQ(ChapterHeadingKind(c.line), c.kind) << c.line;
    }
}

struct Recall {
    int expected = 0;
    int found = 0;      // expected headings listed, in order
    int duplicates = 0; // headings listed again (a contents entry besides the body's)
};

Recall Measure(const novel::Novel& book, bool alwaysListChapters) {
    TocCriteria criteria; // 3 blank lines, header size 5, blank lines counted
    criteria.alwaysListChapters = alwaysListChapters;
    const std::vector<ListedSection> listed = ListSections(book.text, criteria);
    auto trimmed = [](const std::string& s) {
        const size_t b = s.find_first_not_of(' ');
        return b == std::string::npos ? std::string() : s.substr(b);
    };
    Recall r;
    r.expected = static_cast<int>(book.headings.size());
    size_t next = 0;
    for (const ListedSection& s : listed)
        if (next < book.headings.size() && trimmed(s.text) == book.headings[next])
            ++next;
    r.found = static_cast<int>(next);
    // Listings of a heading beyond those matched: contents entries at the front.
    int listings = 0;
    for (const ListedSection& s : listed) {
        const std::string t = trimmed(s.text);
        for (const std::string& heading : book.headings) {
            // A contents entry is the heading, perhaps with its title after a blank.
            if (t == heading || t.rfind(heading + " ", 0) == 0) {
                ++listings;
                break;
            }
        }
    }
    r.duplicates = listings - r.found;
    return r;
}

TEST(ChapterHeadings, RecallOnGeneratedNovels) {
    using H = novel::Headings;
    struct Case {
        const char* name;
        novel::Shape shape;
        bool lostWithoutOption; // the plain criteria miss headings
    };
    auto shape = [](int volumes, H headings, bool contents, bool titled, bool verse) {
        novel::Shape s;
        s.volumes = volumes;
        s.headings = headings;
        s.frontContents = contents;
        s.titled = titled;
        s.verse = verse;
        return s;
    };
    const std::vector<Case> cases = {
        {"three volumes, roman", shape(3, H::ChapterRoman, false, true, false), true},
        {"three volumes, contents", shape(3, H::ChapterRoman, true, true, true), true},
        {"two books in words", shape(2, H::ChapterWords, true, false, false), true},
        {"arabic with verse", shape(0, H::ChapterArabic, false, true, true), false},
        {"bare numerals", shape(2, H::BareRoman, false, false, false), true},
        {"letters", shape(0, H::Letters, true, false, false), false},
        {"staves", shape(0, H::Staves, false, false, false), false},
    };
    int expected = 0, foundWith = 0, foundWithout = 0;
    for (const Case& c : cases) {
        for (const char* lineBreak : {"\r\n", "\n"}) {
            SCOPED_TRACE(std::string(c.name) + (lineBreak[0] == '\r' ? " CR LF" : " LF"));
            novel::Shape s = c.shape;
            s.lineBreak = lineBreak;
            novel::Novel book = novel::Make(s);
            if (lineBreak[0] == '\n') { // the reader's text always has CR LF
                std::string crlf;
                for (char ch : book.text)
                    crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
                book.text = crlf;
            }
            const Recall with = Measure(book, true);
            const Recall without = Measure(book, false);
            EXPECT_EQ(with.found, with.expected);
            EXPECT_EQ(with.duplicates, 0);
            if (c.lostWithoutOption) {
                EXPECT_LT(without.found, without.expected);
            }
            expected += with.expected;
            foundWith += with.found;
            foundWithout += without.found;
        }
    }
    std::printf("heading recall: %d/%d with \"Always list chapter headings\", %d/%d without\n",
                foundWith, expected, foundWithout, expected);
}

} // namespace
} // namespace qw

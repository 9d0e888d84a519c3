// The Project Gutenberg frame: found in old and new style texts with either
// line break, its header read, quoted START lines further down ignored, and
// fitting showing only the body while RawText keeps everything.

#include "core/reader/fixed_fit.h"
#include "core/reader/novel_gen.h"
#include "reader/fit_lines.h"
#include "reader/gutenberg_frame.h"
#include "reader/text_measurer.h"
#include "reader/title_page.h"

#include <gtest/gtest.h>

namespace qw {
namespace {

std::string Body(const std::string& text, const GutenbergFrame& f) {
    return text.substr(f.bodyBegin, f.bodyEnd - f.bodyBegin);
}

TEST(GutenbergFrame, FramesOfGeneratedNovels) {
    struct Case {
        novel::Frame frame;
        const char* lineBreak;
        const char* translator;
        const char* releaseDate;
    };
    for (const Case& c : {Case{novel::Frame::New, "\r\n", "Margaret Ames", "March 3, 2004"},
                          Case{novel::Frame::New, "\n", "Margaret Ames", "March 3, 2004"},
                          Case{novel::Frame::Old, "\r\n", "", "June, 1998"},
                          Case{novel::Frame::Old, "\n", "", "June, 1998"}}) {
        SCOPED_TRACE(std::string(c.frame == novel::Frame::New ? "new" : "old") +
                     (c.lineBreak[0] == '\r' ? " CR LF" : " LF"));
        novel::Shape shape;
        shape.frame = c.frame;
        shape.lineBreak = c.lineBreak;
        const novel::Novel book = novel::Make(shape);
        const GutenbergFrame f = FindGutenbergFrame(book.text);
        ASSERT_TRUE(f.found);
        const std::string body = Body(book.text, f);
        // The body begins with the title and ends with the last paragraph;
        // no line of the frame is in it.
        EXPECT_EQ(body.find(book.title), 0u);
        EXPECT_EQ(body.find("Gutenberg"), std::string::npos);
        EXPECT_EQ(body.find("small print"), std::string::npos);
        EXPECT_NE(body.find(book.headings.back()), std::string::npos);
        EXPECT_EQ(f.header.title, book.title);
        EXPECT_EQ(f.header.author, book.author);
        EXPECT_EQ(f.header.translator, c.translator);
        EXPECT_EQ(f.header.releaseDate, c.releaseDate);
        EXPECT_EQ(f.header.language, "English");
    }
}

TEST(GutenbergFrame, OnlyAStartLineNearTheTopMakesAFrame) {
    std::string lines;
    for (int i = 0; i < 1000; ++i)
        lines += "line " + std::to_string(i) + "\r\n";
    const std::string start = "*** START OF THE PROJECT GUTENBERG EBOOK X ***\r\n";
    const std::string end = "*** END OF THE PROJECT GUTENBERG EBOOK X ***\r\n";
    struct Case {
        std::string text;
        bool found;
        std::string body; // when found
    };
    for (const Case& c : {
             Case{"", false, ""}, Case{"*** START OF THE PROJ", false, ""},
             Case{lines + start + "quoted\r\n" + end, false, ""},                  // line 1001
             Case{"Title: T\r\n" + start + "\r\n \r\ntext\r\n", true, "text\r\n"}, // no END
             Case{start + "\n\n", true, ""}, Case{start, true, ""},
             Case{"*** start of this project gutenberg ebook x ***\ntext\n" + end, true, "text\n"},
             Case{"***START OF THE PROJECT GUTENBERG EBOOK X***\nA\n***END OF THE PROJECT "
                  "GUTENBERG EBOOK X***\n",
                  true, "A\n"},
             Case{"Title: \r\n" + start, true, ""}, // an empty field
         }) {
        SCOPED_TRACE(c.text.substr(0, 60));
        const GutenbergFrame f = FindGutenbergFrame(c.text);
        EXPECT_EQ(f.found, c.found);
        if (f.found) {
            EXPECT_EQ(Body(c.text, f), c.body);
        }
    }
}

TEST(GutenbergFrame, FittingShowsTheBodyAndKeepsTheRawText) {
    novel::Shape shape;
    shape.frame = novel::Frame::New;
    const novel::Novel generated = novel::Make(shape);

    test::FixedFit fixed(80);
    Book book;
    book.FileName = "/books/quiet.txt";
    book.RawText = generated.text;
    book.Frame = FindGutenbergFrame(book.RawText);
    book.RestoreRawText = true;
    book.Pages.LinesPerPage = 40;

    fixed.fit(book);
    const int bodyLines = book.LineCount;
    EXPECT_EQ(book.WorkText.find("Gutenberg"), std::string::npos);
    EXPECT_EQ(book.RawText, generated.text);

    fixed.options.skipGutenbergFrame = false; // switching the option off shows everything again
    fixed.fit(book);
    EXPECT_EQ(book.WorkText, generated.text);
    EXPECT_GT(book.LineCount, bodyLines + 60);

    fixed.options.skipGutenbergFrame = true;
    fixed.fit(book);
    EXPECT_EQ(book.LineCount, bodyLines);
}

TEST(GutenbergFrame, TitlePageTakesTheHeaderWhereTheRecordIsBlank) {
    GutenbergHeader header;
    header.title = "Header Title";
    header.author = "Header Author";
    header.translator = "T. Ranslator";
    header.language = "French";
    TitlePageInput blank;
    FillFromGutenbergHeader(blank, header);
    EXPECT_EQ(blank.title, "Header Title");
    EXPECT_EQ(blank.author, "Header Author");
    EXPECT_EQ(blank.notes,
              (std::vector<std::string>{"Translated by T. Ranslator", "Language: French"}));

    TitlePageInput own;
    own.title = "My Title";
    own.subtitle = "My Subtitle";
    FillFromGutenbergHeader(own, header);
    EXPECT_EQ(own.title, "My Title");
    EXPECT_EQ(own.author, "Header Author");
    EXPECT_TRUE(own.notes.empty());
}

} // namespace
} // namespace qw

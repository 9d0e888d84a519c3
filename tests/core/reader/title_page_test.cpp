#include "reader/title_page.h"

#include <gtest/gtest.h>

namespace {

// Every character is as wide as half the point size; "Mg" is as high as the
// point size; wrapping cuts the text into pieces of the characters that fit.
class HalfSizeMetrics : public qw::TitleMetrics {
  public:
    double textWidth(const std::string& text, int size, bool) const override {
        return static_cast<double>(text.size()) * size / 2.0;
    }
    double mgHeight(int size) const override { return size; }
    double lineHeight(int size) const override { return size + 2; }
    std::vector<std::string> wrap(const std::string& text, double width, int size) const override {
        const size_t perLine = std::max<size_t>(1, static_cast<size_t>(width / (size / 2.0)));
        std::vector<std::string> lines;
        for (size_t i = 0; i < text.size(); i += perLine)
            lines.push_back(text.substr(i, perLine));
        return lines;
    }
};

TEST(TitlePage, ShortensPathsAtTheirFirstLongFolder) {
    struct Case {
        const char* in;
        const char* out;
    };
    for (const Case& c : {
             Case{"Directory: /home/readers/library/", "Directory: /home/reader.../library/"},
             Case{"Directory: /home/reader.../library/", "Directory: /home/reade.../library/"},
             Case{"Directory: /home/rea.../library/", "Directory: /home/rea.../librar.../"},
             Case{"Directory: /home/abc/x/", "Directory: /home/abc/x..."},
             Case{"A long title", "A long titl..."},
             Case{"A long titl...", "A long tit..."},
             Case{"...", "..."},
             Case{"Caf\xc3\xa9", "Caf..."}, // a whole UTF-8 character goes
             Case{"Caf\xc3\xa9...", "Caf..."},
             Case{"", ""},
         }) {
        EXPECT_EQ(qw::ShortenTitleLine(c.in), c.out) << c.in;
    }
}

std::vector<qw::TitleItem> layout(qw::TitlePageInput in) {
    return qw::LayoutTitlePage(in, HalfSizeMetrics{});
}

TEST(TitlePage, FileNameStandsInForABlankTitle) {
    qw::TitlePageInput in;
    in.fileName = "/books/emma.txt";
    in.fontSize = 12;
    in.width = 400;
    in.height = 700;
    const auto items = layout(in);
    ASSERT_GE(items.size(), 3u);
    EXPECT_EQ(items[0].text, "emma");
    // s = 700 / (14 * 12): size Round(12 * 4.1667) = 50; spacing 2 puts it at 100.
    EXPECT_EQ(items[0].pointSize, 50);
    EXPECT_EQ(items[0].y, 100);
    EXPECT_EQ(items[1].kind, qw::TitleItem::Kind::Rule);
    EXPECT_EQ(items[1].x1, 40);
    EXPECT_EQ(items[1].x2, 360);
    EXPECT_EQ(items[2].text, "Filename: emma.txt");
    EXPECT_EQ(items.back().text, "Directory: /books/");
    // Member names lose their folders; the archive gets a line of its own.
    in.archiveEntry = "vol1/ch1.txt";
    in.fileName = "/books/set.zip";
    const auto member = layout(in);
    EXPECT_EQ(member[0].text, "ch1");
    EXPECT_EQ(member[2].text, "Filename: ch1.txt");
    EXPECT_EQ(member[3].text, "Archive: set.zip");
}

TEST(TitlePage, LongTitlesShrinkThenShorten) {
    qw::TitlePageInput in;
    in.title = std::string(200, 'W');
    in.author = "Jane Austen";
    in.subtitle = "A Novel";
    in.synopsis = std::string(3000, 's');
    in.fileName = "/books/emma.txt";
    in.width = 300;
    in.height = 600;
    const auto items = layout(in);
    ASSERT_FALSE(items.empty());
    EXPECT_EQ(items[0].pointSize, 8);
    EXPECT_LE(items[0].text.size() * 4.0, 270.0); // fits 0.9 of the width at 8 pt
    EXPECT_EQ(items[0].text.substr(items[0].text.size() - 3), "...");
    EXPECT_EQ(items[1].text, "A Novel");
    EXPECT_EQ(items[2].text, "by");
    EXPECT_TRUE(items[2].italic);
    EXPECT_EQ(items[3].text, "Jane Austen");
    // Nothing below the bottom zone; every item lies on the page.
    for (const qw::TitleItem& item : items) {
        EXPECT_GE(item.y, 0);
        EXPECT_LE(item.y, in.height);
    }
}

TEST(TitlePage, DegenerateSizesDoNotFail) {
    qw::TitlePageInput in;
    in.fileName = "/x.txt";
    in.width = 0;
    in.height = 0;
    EXPECT_TRUE(layout(in).empty());
    in.width = 3;
    in.height = 3;
    in.fontSize = 0;
    EXPECT_FALSE(layout(in).empty());
}

} // namespace

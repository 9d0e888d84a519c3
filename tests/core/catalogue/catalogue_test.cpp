// The catalogue index files in their three shapes, and the list's sort and
// filter over the entries.

#include "catalogue/catalogue_list.h"
#include "catalogue/gutindex.h"
#include "catalogue/text_fold.h"
#include "growth.h"
#include "gutindex_gen.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

namespace qw {
namespace {

// A line with the title at column 1 and the number right-aligned in 74 to 78.
std::string ColumnLine(const std::string& title, const std::string& number) {
    char line[128];
    std::snprintf(line, sizeof line, "%-73s%5s", title.c_str(), number.c_str());
    return line;
}

std::vector<CatalogueEntry> ReadAll(const std::string& text) {
    GutindexReader reader;
    reader.readAll(text);
    return std::move(reader.entries());
}

std::vector<std::string> Numbers(const CatalogueList& list) {
    std::vector<std::string> out;
    for (size_t r = 0; r < list.rows().size(); ++r)
        out.push_back(list.entry(r).number);
    return out;
}

TEST(Gutindex, ColumnFormatRules) {
    const std::string start = "<==Start GUTINDEX.ALL listings==>\n";
    // No "~" line after the start marker: nothing is listed.
    EXPECT_TRUE(ReadAll(start + ColumnLine("A Title", "1234") + "\n").empty());

    const std::string text = "prose " + ColumnLine("Not listed", "99") + "\n" + start +
                             "~ ~ ~ ~\n" + ColumnLine("First, by One", "1234") + "\r\n" +
                             " [Language: German]  \r\n" + "   second line\n" + "\n" +
                             "ignored after a blank\n" + ColumnLine("Second, by Two", "777") +
                             "\n" + "<==End of GUTINDEX.ALL==>\n" + ColumnLine("After", "5") + "\n";
    const std::vector<CatalogueEntry> e = ReadAll(text);
    ASSERT_EQ(e.size(), 2u);
    EXPECT_EQ(e[0].number, " 1234");
    EXPECT_EQ(e[0].title, "First, by One");
    EXPECT_EQ(e[0].info, " [Language: German]  \r\n   second line");
    EXPECT_FALSE(e[0].oldFormat());
    EXPECT_EQ(e[1].number, "  777");
    EXPECT_EQ(e[1].info, "");

    CatalogueList list(e);
    list.sortBy(CatalogueList::kNumber);
    EXPECT_EQ(Numbers(list), (std::vector<std::string>{"  777", " 1234"}));
}

TEST(Gutindex, YearlySectionsAndAustralianIndex) {
    // Month, year, title at 10, "[file name]" at 60 to 73, number at 74 to 78,
    // "A" at 79 for the Australian mirror's own works.
    auto old = [](const char* month, const char* title, const char* file, const char* number,
                  const char* a = "") {
        char line[128];
        std::snprintf(line, sizeof line, "%-8s %-50s[%-12s]%5s%s", month, title, file, number, a);
        return std::string(line);
    };
    const std::string all = "GUTINDEX.99\nMon Year Title and Author   [filename.ext]  #\n" +
                            old("Dec 1999", "Old Tale, by Writer", "otale10.txt", "2001") +
                            "\n[info line]\n\n" + ColumnLine("Newer style, by X", "3000") +
                            "\n<==End of GUTINDEX.ALL==>\n";
    const std::string aus = "GUTINDEX.AUS\nMon  Year\n" +
                            old("Jan 2005", "Aussie Book, by Y", "0500011.txt", "  111", "A") +
                            "\nEnd of GUTINDEX.AUS\n" + old("Jan 2005", "After end", "x", "1");
    GutindexReader reader;
    reader.readAll(all);
    reader.readAus(aus);
    const std::vector<CatalogueEntry>& e = reader.entries();
    ASSERT_EQ(e.size(), 3u);
    EXPECT_EQ(e[0].number, " 2001");
    EXPECT_EQ(e[0].title, "Old Tale, by Writer");
    EXPECT_EQ(e[0].year, "99");
    EXPECT_EQ(e[0].fileName, "otale10.txt ");
    EXPECT_EQ(e[0].info, "[info line]");
    EXPECT_TRUE(e[0].oldFormat());
    EXPECT_EQ(e[1].title, "Newer style, by X");
    EXPECT_FALSE(e[1].oldFormat());
    EXPECT_EQ(e[2].number, "A  111");
    EXPECT_TRUE(e[2].australian());
    EXPECT_EQ(e[2].fileName, "0500011.txt ");
}

TEST(Gutindex, TodaysIndexInBothStyles) {
    for (bool style2025 : {false, true}) {
        const std::vector<CatalogueEntry> e = ReadAll(test::TodaysIndex(300, style2025));
        ASSERT_EQ(e.size(), 300u);
        for (size_t i : {size_t{0}, size_t{3}, size_t{7}, size_t{299}}) {
            SCOPED_TRACE(i);
            EXPECT_EQ(e[i].title, test::GeneratedTitle(i));
            EXPECT_EQ(e[i].number, std::to_string(100150 - i) + (i % 7 == 3 ? "C" : ""));
        }
        EXPECT_EQ(e[0].info, "");
        EXPECT_EQ(e[3].info, " [Subtitle: Part 3 of the tale]\r\n [Language: Finnish]\r\n"
                             " [Illustrator: Ilmari Kivi]");
        EXPECT_EQ(e[49].info.find('~'), std::string::npos); // the divider is no info line
    }
    // A Windows-1252 line among UTF-8 ones, a title ending in a year, a number
    // set off by one blank only at the right edge.
    const std::vector<CatalogueEntry> e =
        ReadAll("<==LISTINGS==>\nCaf\xE9 Stories, by Anonymous                      12\n"
                "Poems 1920\n\n" +
                std::string(71, 'T') + " 123456\n \n<==End of GUTINDEX.ALL==>\n");
    ASSERT_EQ(e.size(), 2u);
    EXPECT_EQ(e[0].title, "Caf\xC3\xA9 Stories, by Anonymous");
    EXPECT_EQ(e[0].info, "Poems 1920");
    EXPECT_EQ(e[1].number, "123456");
}

TEST(Gutindex, DamagedFilesNeverFailAndReadInLinearTime) {
    const std::string good = test::TodaysIndex(200);
    std::vector<std::string> damaged = {"", good.substr(0, good.size() / 2 + 1),
                                        "<==LISTINGS==>\n" + std::string(5 << 20, 'x'),
                                        "<==LISTINGS==>\n" + std::string(1 << 20, '\n')};
    std::string flipped = good;
    for (size_t i = 7; i < flipped.size(); i += 97)
        flipped[i] = static_cast<char>(flipped[i] ^ 0x80);
    damaged.push_back(flipped);
    for (const std::string& bytes : damaged) {
        GutindexReader reader;
        reader.readAll(bytes);
        reader.readAus(bytes);
        EXPECT_LE(reader.entries().size(), 200u);
    }
    auto work = [](size_t n) { ASSERT_EQ(ReadAll(test::TodaysIndex(n)).size(), n); };
    EXPECT_LT(test::GrowthRatio(work, 5000), test::kLinearGrowthBound);

    test::TempDir dir;
    EXPECT_TRUE(LoadCatalogue(dir.path() + "/").empty());
    dir.write("GUTINDEX.ALL", test::ColumnIndex(5));
    dir.write("GUTINDEX.AUS", "GUTINDEX.AUS\n");
    EXPECT_EQ(LoadCatalogue(dir.path() + "/").size(), 5u);
}

TEST(CatalogueList, SortsStablyBothWays) {
    std::vector<CatalogueEntry> e = ReadAll(test::TodaysIndex(40));
    e.push_back({" 1234", "Same", "", "", ""});
    e.push_back({"  999", "same", "", "", ""});
    e.push_back({"A 555", "Same", "", "", ""});
    e.push_back({"12", "Émile", "", "", ""});
    CatalogueList list(e);
    list.sortBy(CatalogueList::kNumber);
    EXPECT_TRUE(list.ascending());
    std::vector<std::string> n = Numbers(list);
    EXPECT_EQ(n.front(), "12");
    EXPECT_EQ(n[1], "  999");
    EXPECT_EQ(n[3], "99981");
    EXPECT_EQ(n[22], "100000"); // six digits after five
    EXPECT_EQ(n[n.size() - 2], "100020");
    EXPECT_EQ(n.back(), "A 555");
    list.sortBy(CatalogueList::kNumber);
    EXPECT_FALSE(list.ascending());
    EXPECT_EQ(Numbers(list).front(), "A 555");

    // Equal titles keep their previous order, in both directions.
    list.sortBy(CatalogueList::kTitle);
    std::vector<std::string> order;
    for (size_t r = 0; r < list.rows().size(); ++r)
        if (TitleSortKey(list.entry(r).title) == "same")
            order.push_back(list.entry(r).number + "/" + list.entry(r).title);
    EXPECT_EQ(order, (std::vector<std::string>{"  999/same", "A 555/Same", " 1234/Same"}));
    list.sortBy(CatalogueList::kTitle);
    EXPECT_FALSE(list.ascending());
    EXPECT_EQ(list.entry(0).title.substr(0, 6), "Дом"); // letters beyond Latin after "zebra"
    EXPECT_EQ(list.entry(list.rows().size() - 1).title.rfind("Äpfel", 0), 0u); // as "apfel"

    const std::vector<std::string> titles = {"apple", "Apple", "Banana", "Émile", "Emile", "emu"};
    std::vector<std::string> sorted = titles;
    std::sort(sorted.begin(), sorted.end(), [](const std::string& a, const std::string& b) {
        return TitleLess(TitleSortKey(a), a, TitleSortKey(b), b);
    });
    EXPECT_EQ(sorted,
              (std::vector<std::string>{"apple", "Apple", "Banana", "Emile", "Émile", "emu"}));
}

TEST(CatalogueList, Filters) {
    const std::vector<CatalogueEntry> e = ReadAll(test::TodaysIndex(100));
    CatalogueList list(e);
    struct Case {
        const char* text;
        bool caseSensitive;
        size_t count;
    };
    const Case cases[] = {
        {"", false, 100},        {"   ", true, 100},         {"émile", false, 19},
        {"ÉMILE", true, 0},      {"Émile", true, 19},        {"дом", false, 19},
        {"finnish", false, 50},  {"Finnish", true, 50},      {"100050", false, 1},
        {" Story 1,", false, 1}, {"Story 1,", false, 1},     {" Story", false, 100},
        {"  Story", false, 0},   {"no such text", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        list.filter(c.text, c.caseSensitive);
        EXPECT_EQ(list.rows().size(), c.count);
        EXPECT_TRUE(std::is_sorted(list.rows().begin(), list.rows().end()));
    }
    list.sortBy(CatalogueList::kTitle);
    list.filter("", false); // undoes the sort
    EXPECT_EQ(list.entry(0).number, "100050");

    // Without case by Unicode simple case folding, in any script (accented
    // Greek, Armenian, Georgian capitals too).
    std::vector<CatalogueEntry> scripts(3);
    scripts[0].title = "\xce\x8a\xce\xa9\xce\x9d"; // ΊΩΝ
    scripts[1].title = "\xd4\xb1\xd5\x8c";         // ԱՌ
    scripts[2].title = "Plain";
    for (size_t i = 0; i < scripts.size(); ++i)
        scripts[i].number = std::to_string(i + 1);
    CatalogueList folded(scripts);
    folded.filter("\xce\xaf\xcf\x89\xce\xbd", false); // ίων
    EXPECT_EQ(folded.rows().size(), 1u);
    folded.filter("\xd5\xa1\xd5\xbc", false); // առ
    EXPECT_EQ(folded.rows().size(), 1u);
}

} // namespace
} // namespace qw

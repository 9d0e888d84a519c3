// Sections listed for a text at a fixed line width, as quirewell-convert
// prints them.

#include "reader/toc_listing.h"

#include <gtest/gtest.h>

#include <string>

namespace qw {
namespace {

TEST(ListSections, LinesCountedAtEightyCharacters) {
    // 100 characters wrap into two lines of the 80-character width.
    std::string text = std::string(50, 'a') + " " + std::string(49, 'b') + "\r\n";
    text += "\r\n\r\n\r\nCHAPTER I\r\nIt begins.\r\n\r\n\r\n\r\nCHAPTER II\r\nGoes on.\r\n";
    const std::vector<ListedSection> listed = ListSections(text, TocCriteria{});
    EXPECT_EQ(listed, (std::vector<ListedSection>{
                          {1, std::string(50, 'a')}, {6, "CHAPTER I"}, {11, "CHAPTER II"}}));
}

TEST(ListSections, HeaderTextAndNarrowerWidth) {
    TocCriteria criteria;
    criteria.headerContains = "chapter";
    const std::string text = "Title\r\n\r\n\r\n\r\nChapter one\r\n";
    EXPECT_EQ(ListSections(text, criteria), (std::vector<ListedSection>{{5, "Chapter one"}}));
    // At width 4 "Title" takes two lines, so the heading moves down one; the
    // heading's own first line is only "Chap", which no longer names a chapter.
    EXPECT_TRUE(ListSections(text, criteria, 4).empty());
    const std::vector<ListedSection> narrow = ListSections(text, TocCriteria{}, 4);
    EXPECT_EQ(narrow, (std::vector<ListedSection>{{1, "Titl"}, {6, "Chap"}}));
}

TEST(ListSections, EmptyAndBlankTexts) {
    EXPECT_EQ(ListSections("", TocCriteria{}), (std::vector<ListedSection>{{1, ""}}));
    TocCriteria criteria;
    criteria.headerContains = "x";
    EXPECT_TRUE(ListSections("\r\n\r\n\r\n\r\n", criteria).empty());
    EXPECT_TRUE(ListSections(std::string("\0\0\0", 3), criteria).empty());
}

} // namespace
} // namespace qw

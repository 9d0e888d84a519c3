// Letter case of section and key names.

#include "settings/ini_case.h"

#include <gtest/gtest.h>

namespace qw {
namespace {

struct FoldCase_ {
    const char* text;
    const char* folded;
};

class FoldCaseTest : public ::testing::TestWithParam<FoldCase_> {};

TEST_P(FoldCaseTest, FoldsToLowerCaseKeepingTheLength) {
    const std::string folded = FoldCase(GetParam().text);
    EXPECT_EQ(folded, GetParam().folded);
    EXPECT_EQ(folded.size(), std::string(GetParam().text).size());
    EXPECT_TRUE(EqualsNoCase(GetParam().text, GetParam().folded));
}

INSTANTIATE_TEST_SUITE_P(
    Letters, FoldCaseTest,
    ::testing::Values(FoldCase_{"Options", "options"}, FoldCase_{"A:\\X[1]", "a:\\x[1]"},
                      FoldCase_{"\xC3\x84\xC3\x96\xC3\x9C", "\xC3\xA4\xC3\xB6\xC3\xBC"}, // ÄÖÜ
                      FoldCase_{"\xC3\x97", "\xC3\x97"},                                 // × stays
                      FoldCase_{"\xC3\x9F", "\xC3\x9F"},                                 // ß stays
                      FoldCase_{"\xC4\x8C", "\xC4\x8D"},                                 // Č
                      FoldCase_{"\xC5\x81", "\xC5\x82"},                                 // Ł (odd)
                      FoldCase_{"\xC5\xBD", "\xC5\xBE"},                                 // Ž (odd)
                      FoldCase_{"\xC5\xB8", "\xC5\xB8"},                                 // Ÿ stays
                      FoldCase_{"\xCE\xA9", "\xCF\x89"},                                 // Ω
                      FoldCase_{"\xD0\x81", "\xD1\x91"},                                 // Ё
                      FoldCase_{"\xE2\x80\x9C", "\xE2\x80\x9C"}, // “ stays
                      FoldCase_{"\xC3", "\xC3"}));               // cut short

TEST(EqualsNoCaseTest, DifferentNamesDiffer) {
    EXPECT_FALSE(EqualsNoCase("Options", "Option"));
    EXPECT_FALSE(EqualsNoCase("a\xC3\xA4", "a\xC3\xB6"));
    EXPECT_FALSE(EqualsNoCase("Page", "Pagf"));
    EXPECT_TRUE(EqualsNoCase("", ""));
}

} // namespace
} // namespace qw

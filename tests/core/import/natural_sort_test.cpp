#include "import/natural_sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using std::string;
using List = std::vector<string>;

struct SortCase {
    const char* name;
    List in;
    List out;
};

class NaturalSortRules : public testing::TestWithParam<SortCase> {};

TEST_P(NaturalSortRules, Orders) {
    EXPECT_EQ(qw::NaturalSort(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NaturalSortRules,
    testing::Values(
        SortCase{"Empty", {}, {}}, SortCase{"One", {"b"}, {"b"}},
        SortCase{
            "Chapters", {"ch10.txt", "Ch 3.txt", "ch2.txt"}, {"ch2.txt", "Ch 3.txt", "ch10.txt"}},
        SortCase{"Parts", {"part10", "part9"}, {"part9", "part10"}},
        SortCase{"CaseIgnored", {"b", "A", "a2", "B1"}, {"A", "a2", "b", "B1"}},
        SortCase{"NumberAtEnd", {"x100", "x20", "x3"}, {"x3", "x20", "x100"}},
        SortCase{"SeveralRuns", {"v2.10", "v2.9", "v10.1"}, {"v2.9", "v2.10", "v10.1"}},
        SortCase{"LeadingZeros", {"07", "7", "10"}, {"7", "07", "10"}},
        SortCase{"SpacesNotBeforeDigitsKept", {"a b", "a  b", "ab"}, {"a  b", "a b", "ab"}},
        SortCase{"AccentedCapitals",
                 {"\xC3\xA9z", "\xC3\x89"
                               "a"},
                 {"\xC3\x89"
                  "a",
                  "\xC3\xA9z"}},
        SortCase{"EqualKeysKeepOrder", {"a1", "A1", "a01"}, {"a1", "A1", "a01"}}),
    [](const auto& info) { return string(info.param.name); });

struct ListingCase {
    const char* name;
    List in;
    List out;
};

class ArchiveListingOrder : public testing::TestWithParam<ListingCase> {};

TEST_P(ArchiveListingOrder, Orders) {
    EXPECT_EQ(qw::SortArchiveListing(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Cases, ArchiveListingOrder,
                         testing::Values(ListingCase{"RootFirst",
                                                     {"b.txt", "a/z.txt", "a/b.txt"},
                                                     {"b.txt", "a/b.txt", "a/z.txt"}},
                                         ListingCase{"NoFolders", {"ch10", "ch2"}, {"ch2", "ch10"}},
                                         ListingCase{"FoldersLineUp",
                                                     {"long/ch1", "a/ch2", "a/ch10", "long/ch0"},
                                                     {"a/ch2", "a/ch10", "long/ch0", "long/ch1"}},
                                         ListingCase{"NumberedFolders",
                                                     {"vol10/a", "vol2/b", "vol2/a"},
                                                     {"vol2/a", "vol2/b", "vol10/a"}},
                                         ListingCase{"Backslash", {"x\\b", "a"}, {"a", "x\\b"}}),
                         [](const auto& info) { return string(info.param.name); });

TEST(NaturalSortBadInput, HugeDigitRunDoesNotBlowUpKeys) {
    List names;
    for (int k = 0; k < 2000; ++k)
        names.push_back("ch" + std::to_string(2000 - k));
    names.push_back(string(60000, '9'));
    const List sorted = qw::NaturalSort(names);
    ASSERT_EQ(sorted.size(), names.size());
    EXPECT_TRUE(std::is_permutation(sorted.begin(), sorted.end(), names.begin()));
}

TEST(NaturalSortBadInput, HugeFolderNameDoesNotBlowUpKeys) {
    List names;
    for (int k = 0; k < 2000; ++k)
        names.push_back("ch" + std::to_string(k));
    names.push_back(string(60000, 'd') + "/x");
    const List sorted = qw::SortArchiveListing(names);
    ASSERT_EQ(sorted.size(), names.size());
    EXPECT_TRUE(std::is_permutation(sorted.begin(), sorted.end(), names.begin()));
}

} // namespace

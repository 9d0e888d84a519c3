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

class ArchiveListingOrder : public testing::TestWithParam<SortCase> {};

TEST_P(ArchiveListingOrder, Orders) {
    EXPECT_EQ(qw::SortArchiveListing(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Cases, ArchiveListingOrder,
                         testing::Values(SortCase{"RootFirst",
                                                  {"b.txt", "a/z.txt", "a/b.txt"},
                                                  {"b.txt", "a/b.txt", "a/z.txt"}},
                                         SortCase{"NoFolders", {"ch10", "ch2"}, {"ch2", "ch10"}},
                                         SortCase{"FoldersLineUp",
                                                  {"long/ch1", "a/ch2", "a/ch10", "long/ch0"},
                                                  {"a/ch2", "a/ch10", "long/ch0", "long/ch1"}},
                                         SortCase{"NumberedFolders",
                                                  {"vol10/a", "vol2/b", "vol2/a"},
                                                  {"vol2/a", "vol2/b", "vol10/a"}},
                                         SortCase{"Backslash", {"x\\b", "a"}, {"a", "x\\b"}}),
                         [](const auto& info) { return string(info.param.name); });

// A huge digit run or folder name does not blow up the keys.
TEST(NaturalSortBadInput, HugeRunsDoNotBlowUpKeys) {
    for (bool folder : {false, true}) {
        List names;
        for (int k = 0; k < 2000; ++k)
            names.push_back("ch" + std::to_string(folder ? k : 2000 - k));
        names.push_back(folder ? string(60000, 'd') + "/x" : string(60000, '9'));
        const List sorted = folder ? qw::SortArchiveListing(names) : qw::NaturalSort(names);
        ASSERT_EQ(sorted.size(), names.size());
        EXPECT_TRUE(std::is_permutation(sorted.begin(), sorted.end(), names.begin()));
    }
}

} // namespace

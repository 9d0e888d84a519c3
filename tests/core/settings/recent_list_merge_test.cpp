// Merging the most-recent-first lists of two running copies.

#include "settings/recent_list_merge.h"

#include <gtest/gtest.h>

namespace qw {
namespace {

using List = std::vector<std::string>;

TEST(RecentListMergeTest, KeepsBothCopiesEntriesWithThisCopysNewestOnTop) {
    struct Case {
        const char* name;
        List base, mine, theirs;
        size_t limit;
        List expected;
    };
    const Case cases[] = {
        {"unchanged", {"a", "b"}, {"a", "b"}, {"a", "b"}, 10, {"a", "b"}},
        {"only theirs changed", {"a", "b"}, {"a", "b"}, {"c", "a", "b"}, 10, {"c", "a", "b"}},
        {"both added", {"a", "b"}, {"x", "a", "b"}, {"y", "a", "b"}, 10, {"x", "y", "a", "b"}},
        {"mine moved up",
         {"a", "b", "c"},
         {"c", "a", "b"},
         {"y", "a", "b", "c"},
         10,
         {"c", "y", "a", "b"}},
        {"two of mine, newest first",
         {"a"},
         {"n2", "n1", "a"},
         {"t", "a"},
         10,
         {"n2", "n1", "t", "a"}},
        {"removed here", {"a", "b", "c"}, {"a", "c"}, {"y", "a", "b", "c"}, 10, {"y", "a", "c"}},
        {"removed there", {"a", "b", "c"}, {"x", "a", "b", "c"}, {"a", "c"}, 10, {"x", "a", "c"}},
        {"same entry added by both", {"a"}, {"x", "a"}, {"x", "a"}, 10, {"x", "a"}},
        {"limit", {}, {"m1", "m2"}, {"t1", "t2"}, 3, {"m1", "m2", "t1"}},
        {"no base", {}, {"a"}, {}, 10, {"a"}},
        {"empty entries dropped", {}, {"", "a"}, {"", "b"}, 10, {"a", "b"}},
        {"everything removed here", {"a", "b"}, {}, {"a", "b", "c"}, 10, {"c"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(MergeRecentList(c.base, c.mine, c.theirs, c.limit), c.expected);
    }
}

} // namespace
} // namespace qw

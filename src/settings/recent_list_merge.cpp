#include "settings/recent_list_merge.h"

#include <algorithm>
#include <unordered_set>

namespace qw {

namespace {

bool Contains(const std::vector<std::string>& list, const std::string& entry) {
    return std::find(list.begin(), list.end(), entry) != list.end();
}

// How many entries at the top of mine this copy put there since base: mine is
// those entries followed by what is left of base in its old order, so the
// longest tail of mine that keeps base's order is the untouched part.
size_t FreshCount(const std::vector<std::string>& base, const std::vector<std::string>& mine) {
    size_t limit = base.size(); // the tail must match within base[0, limit)
    size_t i = mine.size();
    while (i > 0) {
        size_t j = limit;
        while (j > 0 && base[j - 1] != mine[i - 1])
            --j;
        if (j == 0)
            break;
        limit = j - 1;
        --i;
    }
    return i;
}

} // namespace

std::vector<std::string> MergeRecentList(const std::vector<std::string>& base,
                                         const std::vector<std::string>& mine,
                                         const std::vector<std::string>& theirs,
                                         std::size_t limit) {
    std::vector<std::string> merged;
    std::unordered_set<std::string> taken;
    auto add = [&](const std::string& entry) {
        if (merged.size() < limit && !entry.empty() && taken.insert(entry).second)
            merged.push_back(entry);
    };
    const size_t fresh = FreshCount(base, mine);
    for (size_t i = 0; i < fresh; ++i)
        add(mine[i]);
    for (const std::string& entry : theirs)
        if (!Contains(base, entry) || Contains(mine, entry)) // not removed here
            add(entry);
    for (size_t i = fresh; i < mine.size(); ++i)
        if (!Contains(base, mine[i]) || Contains(theirs, mine[i])) // not removed there
            add(mine[i]);
    return merged;
}

} // namespace qw

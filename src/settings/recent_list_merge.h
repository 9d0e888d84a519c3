#pragma once
// Merging a most-recent-first list (the recent files, the favourites) that two
// running copies changed at the same time: the entries of both stay, the ones
// this copy put on top since it last saw the file come first, an entry removed
// by either copy stays removed, and the list keeps its length limit.

#include <cstddef>
#include <string>
#include <vector>

namespace qw {

// base: the list when this copy last read or wrote the file; mine: this
// copy's list now; theirs: the list in the file now. Entries compare exactly.
std::vector<std::string> MergeRecentList(const std::vector<std::string>& base,
                                         const std::vector<std::string>& mine,
                                         const std::vector<std::string>& theirs, std::size_t limit);

} // namespace qw

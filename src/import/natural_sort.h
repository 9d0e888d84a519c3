#pragma once
// Natural name order for archive listings and file lists: numbers compare by
// value (ch2 before ch10), letters without regard to case.

#include <string>
#include <vector>

namespace qw {

// The strings in natural order. Every digit run (with the spaces directly in
// front of it) is compared as if right-aligned in a field as wide as the
// longest run of the list; strings with equal keys keep their order.
std::vector<std::string> NaturalSort(std::vector<std::string> list);

// The same order as positions into the list, for sorting things that carry a
// name: order[i] is the index of the i-th string in natural order.
std::vector<size_t> NaturalOrder(const std::vector<std::string>& strings);

// Archive entries in natural order of folder and name, folders padded to one
// width so that the names line up; entries without a folder come first.
std::vector<std::string> SortArchiveListing(std::vector<std::string> listing);
// The same order as positions into the listing.
std::vector<size_t> ArchiveListingOrder(const std::vector<std::string>& listing);

} // namespace qw

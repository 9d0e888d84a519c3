#pragma once
// The order of catalogue titles: Latin, Greek and Cyrillic letters without
// case and accents first; other characters stay as they are.

#include <string>
#include <string_view>

namespace qw {

// A key that orders titles as a reader expects: letters first without case
// and accents ("Émile" beside "Emile", "apple" before "Banana"), then by case
// (lower before upper), then by accents. Compared bytewise.
std::string TitleSortKey(std::string_view utf8);

} // namespace qw

#pragma once
// The order of catalogue titles: Latin, Greek and Cyrillic letters without
// case and accents first; other characters stay as they are.

#include <string>
#include <string_view>

namespace qw {

// Titles ordered as a reader expects: letters first without case and
// accents ("Émile" beside "Emile", "apple" before "Banana"), then by case
// (lower before upper), then by accents. TitleSortKey is the first part
// (compared bytewise), TitleTieKey the rest, needed only where keys are equal.
std::string TitleSortKey(std::string_view utf8);
std::string TitleTieKey(std::string_view utf8);
bool TitleLess(const std::string& keyA, std::string_view titleA, const std::string& keyB,
               std::string_view titleB);

} // namespace qw

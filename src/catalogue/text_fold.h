#pragma once
// Letter case and accents of UTF-8 text for the catalogue's filter and sort:
// Latin, Greek and Cyrillic letters; other characters stay as they are.

#include <string>
#include <string_view>

namespace qw {

// Lower case ("ÉMILE ZOLA" -> "émile zola"); bytes that are not valid UTF-8
// stay unchanged. Used for matching without regard to case.
std::string FoldCase(std::string_view utf8);

// A key that orders titles as a reader expects: letters first without case
// and accents ("Émile" beside "Emile", "apple" before "Banana"), then by case
// (lower before upper), then by accents. Compared bytewise.
std::string TitleSortKey(std::string_view utf8);

} // namespace qw

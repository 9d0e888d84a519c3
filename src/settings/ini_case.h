#pragma once
// Letter case for section and key look-ups: names compare without regard to
// case, also for the accented and Cyrillic letters that appear in file paths.

#include <string>
#include <string_view>

namespace qw {

// The name folded to lower case; UTF-8 in, UTF-8 out, same length in bytes.
std::string FoldCase(std::string_view text);

bool EqualsNoCase(std::string_view a, std::string_view b);

} // namespace qw

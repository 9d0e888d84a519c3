#pragma once
// The font choice list and the fixed list of font sizes.

#include <string>
#include <string_view>
#include <vector>

namespace qw {

// Font names that never appear in the font list (symbol and barcode fonts).
const std::vector<std::string>& BuiltInExcludedFonts();

// The screen fonts without the built-in exclusions and without the user's
// "Excluded Fonts" entries (names compared without regard to case).
std::vector<std::string> BuildFontList(const std::vector<std::string>& screenFonts,
                                       const std::vector<std::string>& excludedFonts);

bool ContainsNoCase(const std::vector<std::string>& list, std::string_view name);

// 6 to 20, 22 to 40 in steps of 2, 44 to 60 in steps of 4, 66 to 90 in steps of 6, 99.
const std::vector<int>& FontSizes();
// The first listed size at least as large as wanted; the largest when there is none.
int SelectFontSize(int wanted);
bool IsListedFontSize(int size);

} // namespace qw

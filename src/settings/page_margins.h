#pragma once
// The four page margins in pixels: left, right (the inner margin of both
// pages), top, bottom; 0 to 99 each.

#include <array>
#include <cstddef>

namespace qw {

using PageMargins = std::array<int, 4>;
constexpr int kMaxMargin = 99;
// The places of the four in a PageMargins.
constexpr std::size_t kMarginLeft = 0, kMarginRight = 1, kMarginTop = 2, kMarginBottom = 3;

} // namespace qw

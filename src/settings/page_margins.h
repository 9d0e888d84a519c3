#pragma once
// The four page margins in pixels: left, right (the inner margin of both
// pages), top, bottom; 0 to 99 each.

#include <array>

namespace qw {

using PageMargins = std::array<int, 4>;
constexpr int kMaxMargin = 99;

} // namespace qw

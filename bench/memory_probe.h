#pragma once
// Counts the bytes the program holds on the heap, so a benchmark can report
// the peak extra memory an operation needs.

#include <cstddef>

namespace qw::bench {

void ResetPeak();
std::size_t CurrentBytes();
std::size_t PeakBytes();

} // namespace qw::bench

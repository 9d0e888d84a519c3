#pragma once
// Growth checks for the time faults: the same work at one size and at four
// times that size. Linear work takes about four times as long, quadratic work
// sixteen times, so a bound of eight separates them with room for noise.

#include <algorithm>
#include <chrono>
#include <functional>
#include <limits>

namespace qw::test {

// The fastest of a few runs of work(), in seconds.
inline double BestSeconds(const std::function<void()>& work, int runs = 3) {
    double best = std::numeric_limits<double>::max();
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

// How much longer work(4 * n) takes than work(n).
inline double GrowthRatio(const std::function<void(size_t)>& work, size_t n) {
    const double small = BestSeconds([&] { work(n); });
    const double large = BestSeconds([&] { work(4 * n); });
    return large / std::max(small, 1e-6);
}

constexpr double kLinearGrowthBound = 8.0;

} // namespace qw::test

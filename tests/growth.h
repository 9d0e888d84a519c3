#pragma once
// Growth checks for the time faults: the same work at one size and at four
// times that size. Linear work takes about four times as long, quadratic work
// sixteen times, so a bound of eight separates them with room for noise.

#include <algorithm>
#include <ctime>
#include <functional>
#include <limits>

namespace qw::test {

// The processor time this thread spent, in seconds: unlike the wall clock it
// does not grow while other programs have the processor.
inline double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The fastest of a few runs of work(), in seconds of this thread's time.
inline double BestSeconds(const std::function<void()>& work, int runs = 5) {
    double best = std::numeric_limits<double>::max();
    for (int i = 0; i < runs; ++i) {
        const double start = ThreadSeconds();
        work();
        best = std::min(best, ThreadSeconds() - start);
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

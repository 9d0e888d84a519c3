// quirewell-bench: the speed and memory targets, with Google Benchmark.
#include "import/allocator_tuning.h"

#include <benchmark/benchmark.h>

#ifdef QW_BENCH_WITH_QT
#include <QApplication>
#include <cstdlib>
#endif

int main(int argc, char** argv) {
    qw::TuneAllocatorForLargeTexts(); // as the reader does
#ifdef QW_BENCH_WITH_QT
    // Window benchmarks render offscreen into images.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

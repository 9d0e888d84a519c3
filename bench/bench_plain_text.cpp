// Reading a plain-text book: read, transcode, clean and normalise a 10 MB file.

#include "import/convert.h"
#include "import/cp1252.h"
#include "import/plain_text.h"
#include "import/read_file.h"
#include "import/text_decoding.h"
#include "memory_probe.h"
#include "text_gen.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <unistd.h>

namespace {

std::string writeTempFile(const std::string& content) {
    char name[] = "/tmp/quirewell-bench-XXXXXX";
    const int fd = ::mkstemp(name);
    ::close(fd);
    std::ofstream(name, std::ios::binary) << content;
    return name;
}

enum class Kind { Cp1252, Utf8Bom, Russian };

void RunPlainTextLoad(benchmark::State& state, Kind kind) {
    std::string novel = kind == Kind::Russian ? qw::bench::GenerateRussianNovel(10 * 1024 * 1024)
                                              : qw::bench::GenerateNovel(10 * 1024 * 1024, true);
    if (kind == Kind::Utf8Bom)
        novel = "\xEF\xBB\xBF" + novel; // a UTF-8 e-text with its mark
    else if (kind == Kind::Cp1252)
        novel = qw::Utf8ToCp1252(novel); // an old Windows-1252 e-text
    const std::string path = writeTempFile(novel);
    const std::size_t size = novel.size();
    novel.clear();
    novel.shrink_to_fit();
    double peakRatio = 0;
    for (auto _ : state) {
        qw::bench::ResetPeak();
        const std::size_t before = qw::bench::CurrentBytes();
        qw::FileBytes file = qw::ReadWholeFile(path);
        std::string text = qw::ConvertToText(file.bytes, ".TXT", qw::ImportOptions{}).text;
        std::string().swap(file.bytes);
        qw::NormalizeLineBreaksInPlace(text, false);
        benchmark::DoNotOptimize(text.data());
        // The result is the book text itself; everything above it is extra.
        const double extra =
            static_cast<double>(qw::bench::PeakBytes() - before) - static_cast<double>(text.size());
        peakRatio = std::max(peakRatio, extra / static_cast<double>(size));
    }
    std::remove(path.c_str());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(size));
    state.counters["peak_extra_x_file"] = peakRatio;
}

void BM_PlainTextLoad10MB(benchmark::State& state) {
    RunPlainTextLoad(state, Kind::Cp1252);
}
void BM_PlainTextLoad10MB_Utf8(benchmark::State& state) {
    RunPlainTextLoad(state, Kind::Utf8Bom);
}
void BM_PlainTextLoad10MB_RussianUtf8(benchmark::State& state) {
    RunPlainTextLoad(state, Kind::Russian);
}

} // namespace

BENCHMARK(BM_PlainTextLoad10MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainTextLoad10MB_Utf8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainTextLoad10MB_RussianUtf8)->Unit(benchmark::kMillisecond);

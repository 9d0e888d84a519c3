// Palm DOC: decompressing and compressing a 10 MB book.

#include "import/palm_doc.h"
#include "text_gen.h"

#include <benchmark/benchmark.h>

namespace {

const std::string& Novel() {
    static const std::string novel = qw::bench::GenerateNovel(10 * 1024 * 1024);
    return novel;
}

void BM_PalmDocDecompress(benchmark::State& state) {
    const std::string database = qw::BuildPalmDoc(Novel(), "Bench", 0);
    for (auto _ : state) {
        qw::PalmDocText text = qw::PalmDocToText(database, false);
        benchmark::DoNotOptimize(text.text.data());
    }
    // Bytes of text produced.
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(Novel().size()));
    state.counters["ratio"] = static_cast<double>(database.size()) / Novel().size();
}
BENCHMARK(BM_PalmDocDecompress)->Unit(benchmark::kMillisecond);

void BM_PalmDocRecordsDecode(benchmark::State& state) {
    // The decoder alone, without the line-break pass.
    std::vector<std::string> records;
    const std::string& text = Novel();
    for (size_t at = 0; at < text.size(); at += 4096)
        records.push_back(qw::CompressPalmDocRecord(std::string_view(text).substr(at, 4096)));
    std::string out;
    for (auto _ : state) {
        out.clear();
        for (const std::string& record : records)
            qw::DecompressPalmDocRecord(record, out);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_PalmDocRecordsDecode)->Unit(benchmark::kMillisecond);

void BM_PalmDocCompress(benchmark::State& state) {
    for (auto _ : state) {
        std::string database = qw::BuildPalmDoc(Novel(), "Bench", 0);
        benchmark::DoNotOptimize(database.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(Novel().size()));
}
BENCHMARK(BM_PalmDocCompress)->Unit(benchmark::kMillisecond);

} // namespace

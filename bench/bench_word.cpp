// Word text extraction from a 10 MB Word 97 document.

#include "../tests/core/import/word_doc_builder.h"
#include "import/word_doc.h"
#include "text_gen.h"

#include <benchmark/benchmark.h>

namespace {

std::string MakeDocument(size_t bytes) {
    std::string novel = qw::bench::GenerateNovel(bytes);
    std::string text;
    text.reserve(novel.size());
    for (char c : novel)
        if (c != '\n')
            text.push_back(c); // Word ends paragraphs with a lone CR
    qw::test::WordBuild build;
    // Several pieces, as an edited document has them.
    const size_t pieces = 64;
    const size_t step = text.size() / pieces + 1;
    for (size_t at = 0; at < text.size(); at += step)
        build.pieces.push_back({text.substr(at, step)});
    return qw::test::BuildWordDocument(build);
}

void BM_WordDocToText(benchmark::State& state) {
    const std::string file = MakeDocument(10 * 1024 * 1024);
    for (auto _ : state) {
        const qw::WordDocument document = qw::IsWordDocument(file);
        std::string text = qw::WordDocToText(file, document, true);
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(file.size()));
}
BENCHMARK(BM_WordDocToText)->Unit(benchmark::kMillisecond);

} // namespace

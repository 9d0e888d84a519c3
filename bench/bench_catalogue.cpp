// A 40 MB catalogue index of today's format (330,000 entries): reading
// and listing it from the file (with the lower-case copies for the filter), filtering it on a typed
// word, and sorting it by title (the first sort builds the title keys, later ones reuse them).

#include "catalogue/catalogue_list.h"
#include "catalogue/gutindex.h"
#include "gutindex_gen.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

struct IndexFolder {
    std::string folder;
    size_t size = 0;
    IndexFolder() {
        char dir[] = "/tmp/quirewell-bench-pg-XXXXXX";
        folder = std::string(::mkdtemp(dir)) + "/";
        // About 128 bytes an entry: 330,000 entries make 40 MB.
        const std::string text = qw::test::TodaysIndex(330000);
        size = text.size();
        std::ofstream(folder + "GUTINDEX.ALL", std::ios::binary) << text;
    }
    ~IndexFolder() {
        std::remove((folder + "GUTINDEX.ALL").c_str());
        ::rmdir(folder.c_str());
    }
};

const IndexFolder& Index() {
    static const IndexFolder index;
    return index;
}

void BM_CatalogueReadAndList40MB(benchmark::State& state) {
    const IndexFolder& index = Index();
    for (auto _ : state) {
        const std::vector<qw::CatalogueEntry> entries = qw::LoadCatalogue(index.folder);
        qw::CatalogueList list(entries);
        list.prepareFilter(); // as the window lists them
        benchmark::DoNotOptimize(list.rows().size());
    }
    state.counters["MB"] = static_cast<double>(index.size) / (1 << 20);
    state.counters["entries"] = static_cast<double>(qw::LoadCatalogue(index.folder).size());
}
BENCHMARK(BM_CatalogueReadAndList40MB)->Unit(benchmark::kMillisecond);

// The word as typed letter by letter, without and with letter case, on the
// list as the window makes it.
void BM_CatalogueFilterTypedWord(benchmark::State& state) {
    const std::vector<qw::CatalogueEntry> entries = qw::LoadCatalogue(Index().folder);
    const bool caseSensitive = state.range(0) != 0;
    qw::CatalogueList list(entries);
    list.prepareFilter();
    const char* const typed[] = {"f", "fi", "fin", "finn", "finni", "finnis", "finnish"};
    size_t i = 0;
    for (auto _ : state) {
        list.filter(typed[i++ % 7], caseSensitive);
        benchmark::DoNotOptimize(list.rows().size());
    }
}
BENCHMARK(BM_CatalogueFilterTypedWord)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Arg 1: the first sort by title of a fresh list (keys built); 0: a later one.
void BM_CatalogueSortByTitle(benchmark::State& state) {
    const std::vector<qw::CatalogueEntry> entries = qw::LoadCatalogue(Index().folder);
    const bool first = state.range(0) != 0;
    qw::CatalogueList list(entries);
    list.sortBy(qw::CatalogueList::kTitle);
    for (auto _ : state) {
        if (first) {
            state.PauseTiming();
            list.reset(entries);
            state.ResumeTiming();
        }
        list.sortBy(qw::CatalogueList::kTitle);
        benchmark::DoNotOptimize(list.rows().data());
    }
}
BENCHMARK(BM_CatalogueSortByTitle)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_CatalogueSortByNumber(benchmark::State& state) {
    const std::vector<qw::CatalogueEntry> entries = qw::LoadCatalogue(Index().folder);
    qw::CatalogueList list(entries);
    for (auto _ : state) {
        list.sortBy(qw::CatalogueList::kNumber);
        benchmark::DoNotOptimize(list.rows().data());
    }
}
BENCHMARK(BM_CatalogueSortByNumber)->Unit(benchmark::kMillisecond);

} // namespace

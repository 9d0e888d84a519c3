// Section detection on the generated 3.3 MB novel (chapter headings after
// blank lines), fitted at 80 characters a line with 40 lines a page:
// - BM_CreateTocDefault: the default criteria (3 blank lines, header size 5,
//   blank lines counted, any header text); only the blank runs are visited;
// - BM_CreateTocHeaderText: header text "chapter", so every candidate line is
//   wrapped again and compared;
// - BM_CreateTocNotCountingBlank: "count blank lines" off;
// - BM_CreateTocWithRows: the default detection plus the list rows (page
//   numbers and first-line texts), all that the contents list is filled from.
// Counters: sections found and blank runs visited.

#include "reader/fit_lines.h"
#include "reader/sections.h"
#include "reader/toc.h"
#include "text_gen.h"

#include <benchmark/benchmark.h>

namespace {

class QuietHost : public qw::FitHost {
  public:
    void showProgress(const std::string&) override {}
};

struct FittedNovel {
    FittedNovel() {
        wrap.setFont(measurer);
        wrap.setBounds(80, 800);
        wrap.setTabStops(32);
        book.FileName = "/bench/novel.txt";
        book.RawText = qw::bench::GenerateNovel(3300 * 1000);
        book.RestoreRawText = true;
        book.Pages.LinesPerPage = 40;
        qw::FitOptions options;
        options.removeLineBreaks = false;
        QuietHost host;
        qw::FitLines(book, options, wrap, host);
    }
    qw::LineTextSource lines() const {
        return [this](int n) { return qw::DisplayLineText(book, wrap, n).value_or(std::string()); };
    }
    qw::FixedWidthMeasurer measurer{1.0};
    qw::ParaWrap wrap;
    qw::Book book;
};

const FittedNovel& Novel() {
    static const FittedNovel novel;
    return novel;
}

void Detect(benchmark::State& state, const qw::TocCriteria& criteria, bool rows) {
    const FittedNovel& novel = Novel();
    const qw::LineTextSource lines = novel.lines();
    std::size_t found = 0;
    for (auto _ : state) {
        qw::TocScan scan = qw::DetectSections(novel.book, criteria, lines);
        found = scan.sections.size();
        if (rows) {
            std::vector<qw::SectionRow> list =
                qw::SectionRows(scan.sections, novel.book.Pages.LinesPerPage, lines);
            benchmark::DoNotOptimize(list.data());
        }
        benchmark::DoNotOptimize(scan.sections.data());
    }
    state.counters["sections"] = static_cast<double>(found);
    state.counters["blank_runs"] = static_cast<double>(novel.book.BlankRuns.size());
    state.counters["lines"] = static_cast<double>(novel.book.LineCount);
}

void BM_CreateTocDefault(benchmark::State& state) {
    Detect(state, qw::TocCriteria{}, false);
}
BENCHMARK(BM_CreateTocDefault)->Unit(benchmark::kMillisecond);

void BM_CreateTocHeaderText(benchmark::State& state) {
    qw::TocCriteria criteria;
    criteria.headerContains = "chapter";
    Detect(state, criteria, false);
}
BENCHMARK(BM_CreateTocHeaderText)->Unit(benchmark::kMillisecond);

void BM_CreateTocNotCountingBlank(benchmark::State& state) {
    qw::TocCriteria criteria;
    criteria.countBlankLines = false;
    Detect(state, criteria, false);
}
BENCHMARK(BM_CreateTocNotCountingBlank)->Unit(benchmark::kMillisecond);

void BM_CreateTocWithRows(benchmark::State& state) {
    Detect(state, qw::TocCriteria{}, true);
}
BENCHMARK(BM_CreateTocWithRows)->Unit(benchmark::kMillisecond);

} // namespace

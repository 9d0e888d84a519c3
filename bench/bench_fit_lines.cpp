// Line fitting and line-break removal on a generated 3.3 MB hard-wrapped
// novel (about 64,000 logical lines), Liberation Serif 12 pt, page width
// 500 px:
// - BM_FitLinesWrap: FitLines with removal off (the wrapping itself), on
//   the English novel and on a generated 3 MB Russian text;
// - BM_QTextLayoutPerLine: the same lines wrapped with one QTextLayout each,
//   the reference the wrap engine is compared with (ratio = its time over
//   BM_FitLinesWrap's);
// - BM_RemoveLineBreaks: bytes per second of the removal scan;
// - BM_PageOfDisplayLinesOneByOne: one page (40 lines) of display lines
//   from the fitted tables, in the middle of the joined book, as the pages
//   are drawn;
// - the counter held_x_text of BM_FitLinesWrap: bytes fitting keeps besides
//   RawText and WorkText, over the text size.

#include "memory_probe.h"
#include "reader/fit_lines.h"
#include "reader/remove_line_breaks.h"
#include "text_gen.h"

#include <benchmark/benchmark.h>

#ifdef QW_BENCH_WITH_QT
#include "reader/ui/qt_text_measurer.h"

#include <QFont>
#include <QTextLayout>
#endif

namespace {

constexpr std::size_t kNovelBytes = 3300 * 1000;
constexpr double kPageWidth = 500;

const std::string& Novel() {
    static const std::string text = qw::bench::GenerateNovel(kNovelBytes);
    return text;
}

// A generated 3 MB Russian text: two bytes a letter.
const std::string& RussianNovel() {
    static const std::string text = qw::bench::GenerateRussianNovel(3000 * 1000);
    return text;
}

class QuietHost : public qw::FitHost {
  public:
    void showProgress(const std::string&) override {}
};

qw::Book OpenBook(const std::string& text) {
    qw::Book book;
    book.FileName = "/bench/novel.txt";
    book.RawText = text;
    book.RestoreRawText = true;
    book.Pages.LinesPerPage = 40;
    return book;
}

void BM_RemoveLineBreaks(benchmark::State& state) {
    const std::string& text = Novel();
    const qw::LineBreakOptions options;
    for (auto _ : state) {
        std::string joined = qw::RemoveLineBreaks(text, options);
        benchmark::DoNotOptimize(joined.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_RemoveLineBreaks)->Unit(benchmark::kMillisecond);

#ifdef QW_BENCH_WITH_QT

QFont BenchFont() {
    return qw::PageFont(QFont(QStringLiteral("Liberation Serif"), 12));
}

void BM_FitLinesWrap(benchmark::State& state, const std::string& (*novel)()) {
    const qw::QtTextMeasurer measurer(BenchFont());
    qw::ParaWrap wrap;
    wrap.setFont(measurer);
    wrap.setBounds(kPageWidth, 800);
    wrap.setTabStops(32);
    qw::FitOptions options;
    options.removeLineBreaks = false;
    QuietHost host;
    qw::Book book = OpenBook(novel());
    book.WorkText = book.RawText;
    book.RestoreRawText = false;
    double held = 0;
    for (auto _ : state) {
        qw::bench::ResetPeak();
        const std::size_t before = qw::bench::CurrentBytes();
        qw::FitLines(book, options, wrap, host);
        state.PauseTiming();
        held = static_cast<double>(qw::bench::CurrentBytes()) - static_cast<double>(before);
        // Fitting again would reuse the tables: start each round without them.
        book.BookLines.clear();
        std::vector<int>().swap(book.LineHeights);
        std::vector<int>().swap(book.LineEnds);
        std::vector<qw::BlankRun>().swap(book.BlankRuns);
        state.ResumeTiming();
    }
    state.counters["logical_lines"] =
        static_cast<double>(std::count(novel().begin(), novel().end(), '\n'));
    state.counters["display_lines"] = book.LineCount;
    state.counters["held_x_text"] = held / static_cast<double>(novel().size());
}
BENCHMARK_CAPTURE(BM_FitLinesWrap, English, Novel)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FitLinesWrap, Russian, RussianNovel)->Unit(benchmark::kMillisecond);

void BM_QTextLayoutPerLine(benchmark::State& state, const std::string& (*novel)()) {
    const QFont font = BenchFont();
    const qw::QtTextMeasurer measurer(font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTabStopDistance(32 * measurer.averageCharWidth() / 4);
    // The lines as Unicode, converted before the clock runs.
    std::vector<QString> lines;
    const std::string& text = novel();
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(QString::fromStdString(text.substr(start, end - start)));
        start = end + 2;
    }
    long long displayLines = 0;
    for (auto _ : state) {
        displayLines = 0;
        for (const QString& line : lines) {
            QTextLayout layout(line, font);
            layout.setTextOption(option);
            layout.setCacheEnabled(false);
            layout.beginLayout();
            for (QTextLine l = layout.createLine(); l.isValid(); l = layout.createLine()) {
                l.setLineWidth(kPageWidth);
                ++displayLines;
            }
            layout.endLayout();
        }
    }
    state.counters["display_lines"] = static_cast<double>(displayLines);
}
BENCHMARK_CAPTURE(BM_QTextLayoutPerLine, English, Novel)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_QTextLayoutPerLine, Russian, RussianNovel)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

void BM_PageOfDisplayLinesOneByOne(benchmark::State& state) {
    const qw::QtTextMeasurer measurer(BenchFont());
    qw::ParaWrap wrap;
    wrap.setFont(measurer);
    wrap.setBounds(kPageWidth, 800);
    wrap.setTabStops(32);
    qw::FitOptions options;
    QuietHost host;
    qw::Book book = OpenBook(Novel());
    qw::FitLines(book, options, wrap, host);
    const int first = book.LineCount / 2;
    for (auto _ : state) {
        for (int n = first; n < first + 40; ++n) {
            std::optional<std::string> line = qw::DisplayLineText(book, wrap, n);
            benchmark::DoNotOptimize(line);
        }
    }
}
BENCHMARK(BM_PageOfDisplayLinesOneByOne)->Unit(benchmark::kMicrosecond);

#endif

} // namespace

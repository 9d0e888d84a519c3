// Turning a page on a fitted 10 MB book: re-wrapping only the shown lines and
// drawing both pages into an image, as the window does on Page Down.

#ifdef QW_BENCH_WITH_QT

#include "controls/scripted_dialogs.h"
#include "reader/fit_lines.h"
#include "reader/ui/PageArea.h"
#include "reader/ui/PageView.h"
#include "reader/ui/qt_text_measurer.h"
#include "text_gen.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

class QuietFitHost : public qw::FitHost {
  public:
    void showProgress(const std::string&) override {}
};

void BM_PageTurn10MB(benchmark::State& state) {
    qw::Book book;
    book.FileName = "/bench/novel.txt";
    book.RawText = qw::bench::GenerateNovel(10 * 1024 * 1024);
    book.RestoreRawText = true;
    qw::ScriptedDialogs dialogs;
    qw::PageArea area(book, dialogs);
    area.resize(1280, 800);
    const QFont font = qw::PageFont(QFont(QStringLiteral("Liberation Serif"), 12));
    area.setPageFont(font);
    const qw::QtTextMeasurer measurer(font);
    qw::ParaWrap wrap;
    wrap.setBounds(area.pageWidth(), area.leftPage()->height());
    wrap.setFont(measurer);
    wrap.setTabStops(32);
    area.setTabStopDistance(wrap.tabStopDistance());
    qw::FitOptions options;
    options.removeLineBreaks = true;
    book.Pages.LinesPerPage = area.computeLinesPerPage();
    QuietFitHost host;
    qw::FitLines(book, options, wrap, host);
    area.setLines(book.LineCount,
                  [&book, &wrap](int n) { return qw::DisplayLineText(book, wrap, n); });
    book.Pages.LeftPage = 2;
    area.showCurrentPages();

    QImage image(area.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        area.applyMove(qw::PageMove::ForwardKey);
        if (book.Pages.LeftPage >= book.Pages.PageCount - 1) {
            state.PauseTiming();
            book.Pages.LeftPage = 2;
            area.showCurrentPages();
            state.ResumeTiming();
        }
        QPainter painter(&image);
        area.render(&painter);
    }
    state.counters["pages"] = book.Pages.PageCount;
    state.counters["lines_per_page"] = book.Pages.LinesPerPage;
}

} // namespace

BENCHMARK(BM_PageTurn10MB)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

#endif

// Find next for a phrase that is not in a fitted 10 MB book, from the first
// page to the end: the display lines made by the reader's wrap engine, and
// the same search over display lines made by one QTextLayout per logical
// line (the toolkit's own line breaking), in one run.

#ifdef QW_BENCH_WITH_QT

#include "reader/book_search_lines.h"
#include "reader/find_text.h"
#include "reader/fit_lines.h"
#include "reader/ui/qt_text_measurer.h"
#include "text_gen.h"

#include <QTextLayout>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

class QuietFitHost : public qw::FitHost {
  public:
    void showProgress(const std::string&) override {}
};

struct FittedBook {
    FittedBook() {
        book.FileName = "/bench/novel.txt";
        book.RawText = qw::bench::GenerateNovel(10 * 1024 * 1024);
        book.RestoreRawText = true;
        book.Pages.LinesPerPage = 40;
        font = qw::PageFont(QFont(QStringLiteral("Liberation Serif"), 12));
        const qw::QtTextMeasurer measurer(font);
        wrap.setBounds(pageWidth, 700);
        wrap.setFont(measurer);
        wrap.setTabStops(32);
        qw::FitOptions options;
        options.removeLineBreaks = true;
        QuietFitHost host;
        qw::FitLines(book, options, wrap, host);
    }
    static FittedBook& get() {
        static FittedBook fitted;
        return fitted;
    }
    qw::Book book;
    qw::ParaWrap wrap;
    QFont font;
    const int pageWidth = 560;
};

// Display lines made by laying each logical line out with one QTextLayout.
class TextLayoutLines : public qw::SearchLines {
  public:
    explicit TextLayoutLines(const FittedBook& fitted) : fitted_(fitted) {}
    int count() const override { return fitted_.book.LineCount; }
    std::string_view line(int) override {
        // The search reads in order: serve the next line, laying out the
        // next logical line when this one's lines are used up.
        while (next_ >= lines_.size()) {
            if (logical_ >= fitted_.book.BookLines.size())
                return {};
            layOut(fitted_.book.BookLines.line(fitted_.book.WorkText, logical_++));
        }
        return lines_[next_++];
    }

  private:
    void layOut(std::string_view utf8) {
        lines_.clear();
        next_ = 0;
        if (utf8.empty()) {
            lines_.emplace_back();
            return;
        }
        const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
        QTextLayout layout(text, fitted_.font);
        layout.beginLayout();
        for (QTextLine l = layout.createLine(); l.isValid(); l = layout.createLine()) {
            l.setLineWidth(fitted_.pageWidth);
            lines_.push_back(text.mid(l.textStart(), l.textLength()).trimmed().toStdString());
        }
        layout.endLayout();
    }

    const FittedBook& fitted_;
    std::size_t logical_ = 0;
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
};

const qw::FindQuery& absentPhrase() {
    static const qw::FindQuery query = *qw::MakeFindQuery("Quixotic zeppelin", false);
    return query;
}

void BM_FindAbsent10MB(benchmark::State& state) {
    FittedBook& fitted = FittedBook::get();
    for (auto _ : state) {
        qw::BookSearchLines lines(fitted.book, fitted.wrap);
        const qw::FindResult r = qw::FindFrom(absentPhrase(), lines, 1, 0, 40, nullptr);
        if (r.end != qw::FindEnd::EndOfBook)
            state.SkipWithError("the phrase was found");
    }
    state.counters["display_lines"] = fitted.book.LineCount;
}

void BM_FindAbsent10MB_QTextLayout(benchmark::State& state) {
    FittedBook& fitted = FittedBook::get();
    for (auto _ : state) {
        TextLayoutLines lines(fitted);
        const qw::FindResult r = qw::FindFrom(absentPhrase(), lines, 1, 0, 40, nullptr);
        if (r.end != qw::FindEnd::EndOfBook)
            state.SkipWithError("the phrase was found");
    }
}

} // namespace

BENCHMARK(BM_FindAbsent10MB)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_FindAbsent10MB_QTextLayout)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->MeasureProcessCPUTime();

#endif

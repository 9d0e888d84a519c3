// A window resize with a 3.3 MB book open: from the last resize event to the
// repainted pages, the refit included when the width changes; a change of the
// height alone only divides the lines into pages again.

#ifdef QW_BENCH_WITH_QT

#include "controls/scripted_dialogs.h"
#include "reader/ui/PageArea.h"
#include "reader/ui/TForm1.h"
#include "text_gen.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fstream>

namespace {

// state.range(0): 1 when the width changes too (1280x800 <-> 1400x900), 0 for
// the height alone (1280x800 <-> 1280x900).
void BM_Resize(benchmark::State& state) {
    const bool widthChanges = state.range(0) != 0;
    QTemporaryDir dir;
    qputenv("QUIREWELL_CONFIG_DIR", dir.path().toUtf8());
    const std::string path = dir.filePath(QStringLiteral("novel.txt")).toStdString();
    std::ofstream(path, std::ios::binary) << qw::bench::GenerateNovel(3300 * 1024);
    qw::ScriptedDialogs dialogs;
    qw::TForm1 form(dialogs);
    form.setAttribute(Qt::WA_DontShowOnScreen);
    form.resize(1280, 800);
    form.show();
    QApplication::processEvents();
    form.startupOpen({QStringLiteral("quirewell"), QString::fromStdString(path)});
    form.pageArea()->goToPage(100);
    QImage image(1400, 900, QImage::Format_RGB32);
    bool wide = false;
    for (auto _ : state) {
        state.PauseTiming();
        wide = !wide;
        form.resize(wide ? QSize(widthChanges ? 1400 : 1280, 900) : QSize(1280, 800));
        QApplication::sendPostedEvents(); // the resize events
        state.ResumeTiming();
        form.flushPendingRelayout(); // what the 100 ms timer would run
        QPainter painter(&image);
        form.render(&painter);
    }
    state.counters["lines"] = form.book().LineCount;
    state.SetLabel(widthChanges ? "width and height (refit)" : "height only (re-paginate)");
    qunsetenv("QUIREWELL_CONFIG_DIR");
}

} // namespace

BENCHMARK(BM_Resize)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

#endif

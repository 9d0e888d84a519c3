// A window resize with a 3.3 MB book open: from the last resize event to the
// repainted pages, the refit included (the width changes).

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

void BM_ResizeWithRefit(benchmark::State& state) {
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
        form.resize(wide ? QSize(1400, 900) : QSize(1280, 800));
        QApplication::sendPostedEvents(); // the resize events
        state.ResumeTiming();
        form.flushPendingRelayout(); // what the 100 ms timer would run
        QPainter painter(&image);
        form.render(&painter);
    }
    state.counters["lines"] = form.book().LineCount;
    qunsetenv("QUIREWELL_CONFIG_DIR");
}

} // namespace

BENCHMARK(BM_ResizeWithRefit)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

#endif

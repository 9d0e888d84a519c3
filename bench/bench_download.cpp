// The catalogue browser's network work against a server on 127.0.0.1 in the
// same program: one 50 MB download with the progress shown in a label (the
// display may not slow the transfer: it is updated at most every 100 ms),
// and looking up 100 titles (a listing page and a HEAD for each of three
// files per title).

#ifdef QW_BENCH_WITH_QT

#include "catalogue/ui/DownloadRun.h"
#include "controls/scripted_dialogs.h"
#include "ui/local_http_server.h"

#include <QLabel>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_Download50MB(benchmark::State& state) {
    qw::test::LocalHttpServer server;
    const qint64 size = 50 * 1024 * 1024;
    server.files()["/dirs/big.txt"] = QByteArray(size, 'b');
    const qw::ServerBases bases{server.base().toStdString(), server.base().toStdString()};
    qw::ScriptedDialogs dialogs;
    qw::THttpCli http;
    qw::DownloadRun run(http, dialogs, bases);
    QLabel progress;
    progress.show();
    int updates = 0;
    QObject::connect(&run, &qw::DownloadRun::statusText, [&](int panel, const QString& text) {
        if (panel == 2 && !text.isEmpty()) {
            progress.setText(text);
            progress.repaint();
            ++updates;
        }
    });
    QTemporaryDir folder;
    bool ok = true;
    for (auto _ : state)
        ok = ok && run.transfer(bases.primary + "/dirs/big.txt", folder.path().toStdString() + "/",
                                "big.txt");
    if (!ok)
        state.SkipWithError("the download failed");
    state.SetBytesProcessed(state.iterations() * size);
    state.counters["progress_updates"] =
        benchmark::Counter(updates, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_Download50MB)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_LookUp100Titles(benchmark::State& state) {
    qw::test::LocalHttpServer server;
    const qw::ServerBases bases{server.base().toStdString(), server.base().toStdString()};
    std::vector<qw::DownloadEntry> titles;
    for (int n = 100; n < 200; ++n) {
        qw::CatalogueEntry e;
        e.number = std::to_string(n);
        titles.push_back(qw::MakeDownloadEntry(e, 0, bases));
        const QByteArray dir =
            QByteArray::fromStdString(titles.back().directory.substr(bases.primary.size()));
        QByteArray page = "<html><a href=\"../\">Parent</a>\r\n";
        for (const char* suffix : {".txt", "-h.htm", "-8.zip"}) {
            const QByteArray name = QByteArray::number(n) + suffix;
            page += "<a href=\"" + name + "\">" + name + "</a>\r\n";
            server.files()[dir + name] = "text";
        }
        server.files()[dir] = page;
    }
    qw::ScriptedDialogs dialogs;
    qw::THttpCli http;
    size_t found = 0;
    for (auto _ : state) {
        qw::DownloadRun run(http, dialogs, bases); // a fresh page cache
        std::vector<qw::DownloadEntry> entries = titles;
        run.lookUpAll(entries);
        found = 0;
        for (const qw::DownloadEntry& e : entries)
            found += e.status == qw::download_status::kFound;
    }
    if (found != titles.size())
        state.SkipWithError("not every title was found");
    state.counters["titles"] = static_cast<double>(titles.size());
}
BENCHMARK(BM_LookUp100Titles)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

#endif

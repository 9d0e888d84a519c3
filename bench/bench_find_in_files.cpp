// Find in files over a generated tree of 2,000 text files in 20 folders and
// 50 ZIP archives of 4 members each, 200 MB of text in all, page cache warm:
// the search itself (MB of text per second), and the window searching it
// while its event loop keeps turning: the longest gap between two turns and
// how long Stop takes to show "Stopped".

#include "controls/scripted_dialogs.h"
#include "core/import/zip_test_util.h"
#include "memory_probe.h"
#include "temp_dir.h"
#include "text_gen.h"
#include "tools/file_search.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <string>

namespace {

constexpr int kTextFiles = 2000;
constexpr int kFolders = 20;
constexpr int kArchives = 50;
constexpr int kMembers = 4;
constexpr std::size_t kFileBytes = 76000;    // 2,000 of them: 152 MB
constexpr std::size_t kMemberBytes = 240000; // 200 of them: 48 MB
const char* const kAbsentPhrase = "quantum zebra crossing";

struct Tree {
    Tree() {
        const std::string novel = qw::bench::GenerateNovel(8u << 20);
        const auto slice = [&novel](std::size_t n, std::size_t bytes) {
            return novel.substr((n * 104729) % (novel.size() - bytes), bytes);
        };
        for (int f = 0; f < kFolders; ++f)
            std::filesystem::create_directory(dir.path() + "/part" + std::to_string(f));
        for (int i = 0; i < kTextFiles; ++i) {
            const std::string text = slice(static_cast<std::size_t>(i), kFileBytes);
            dir.write("part" + std::to_string(i % kFolders) + "/book" + std::to_string(i) + ".txt",
                      text);
            textBytes += text.size();
        }
        for (int a = 0; a < kArchives; ++a) {
            std::vector<qw::test::ZipMember> members;
            for (int m = 0; m < kMembers; ++m) {
                members.push_back(
                    {"chapter" + std::to_string(m) + ".txt",
                     slice(static_cast<std::size_t>(kTextFiles + a * kMembers + m), kMemberBytes)});
                textBytes += kMemberBytes;
            }
            qw::test::WriteZip(dir.path() + "/set" + std::to_string(a) + ".zip", members);
        }
    }
    static Tree& get() {
        static Tree tree;
        return tree;
    }
    qw::test::TempDir dir;
    std::size_t textBytes = 0;
};

class CountFiles : public qw::FileSearchObserver {
  public:
    bool keepGoing() override { return true; }
    void searching(int, int, const qw::FileRef&) override { ++files; }
    void found(const qw::FileRef&) override { ++hits; }
    int files = 0;
    int hits = 0;
};

// The whole tree for a phrase that is nowhere: every file read, converted
// and compared to its end. Arg: 1 = case-sensitive.
void BM_FindInFiles200MB(benchmark::State& state) {
    Tree& tree = Tree::get();
    qw::FileSearchRequest request;
    request.folder = tree.dir.path() + "/";
    request.phrase = kAbsentPhrase;
    request.caseSensitive = state.range(0) == 1;
    request.subfolders = true;
    int files = 0;
    double peakMB = 0;
    for (auto _ : state) {
        CountFiles count;
        qw::bench::ResetPeak();
        const std::size_t before = qw::bench::CurrentBytes();
        qw::SearchFiles(request, count);
        peakMB = std::max(peakMB, static_cast<double>(qw::bench::PeakBytes() - before) / 1e6);
        files = count.files;
        if (count.hits != 0)
            state.SkipWithError("the absent phrase was found");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(tree.textBytes));
    state.counters["files"] = files;
    state.counters["peak_heap_MB"] = peakMB;
}
// MB/s by the processor time of the searching thread (reading included), so
// that other programs on a shared machine do not count; the wall-clock time
// is reported beside it.
BENCHMARK(BM_FindInFiles200MB)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

#ifdef QW_BENCH_WITH_QT

#include "tools/ui/TFIFForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QTimer>

namespace {

// Turns the window's event loop until done() holds, timing every turn: a
// zero-interval timer fires once per turn. The longest gap in ms.
template <typename Done> double longestGap(Done done) {
    QEventLoop loop;
    QElapsedTimer clock;
    clock.start();
    double longest = 0;
    QTimer ticker;
    ticker.setInterval(0);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longest = std::max(longest, static_cast<double>(clock.nsecsElapsed()) / 1e6);
        clock.restart();
        if (done())
            loop.quit();
    });
    ticker.start();
    loop.exec();
    return longest;
}

// The window searching the whole tree, then searching again and stopped
// after 300 ms: the longest gap between two turns of its event loop during
// the whole search, and the time from Stop to the caption "Stopped".
void BM_FindInFilesWindow200MB(benchmark::State& state) {
    Tree& tree = Tree::get();
    qw::ScriptedDialogs dialogs;
    qw::TFIFForm form(dialogs, nullptr);
    form.show();
    form.findChild<QLineEdit*>(QStringLiteral("FIFFind"))->setText(kAbsentPhrase);
    form.findChild<QLineEdit*>(QStringLiteral("FIFDir"))
        ->setText(QString::fromStdString(tree.dir.path()));
    form.findChild<QCheckBox*>(QStringLiteral("SubDirs"))->setChecked(true);
    double gap = 0;
    double stopMs = 0;
    for (auto _ : state) {
        form.FIFStartClick();
        gap = std::max(gap, longestGap([&form] { return !form.isSearching(); }));

        state.PauseTiming();
        form.FIFStartClick();
        QElapsedTimer running;
        running.start();
        longestGap([&running] { return running.elapsed() >= 300; });
        QElapsedTimer stopping;
        stopping.start();
        form.FIFStopClick();
        longestGap([&form] { return form.windowTitle() == QLatin1String("Stopped"); });
        stopMs = std::max(stopMs, static_cast<double>(stopping.nsecsElapsed()) / 1e6);
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(tree.textBytes));
    state.counters["longest_gap_ms"] = gap;
    state.counters["stop_ms"] = stopMs;
}
BENCHMARK(BM_FindInFilesWindow200MB)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

} // namespace

#endif

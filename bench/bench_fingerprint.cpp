// Books that moved: what opening a book without a record adds when it looks
// for the record of the same file among 5,000 records (the goal is at most
// 2 ms), and the fingerprint of a 1 MB file.

#include "settings/book_fingerprint.h"

#include "text_gen.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int kRecords = 5000;

std::string FingerprintOf(int i) {
    return qw::FileFingerprint("the text of book " + std::to_string(i));
}

// Every record as the reader writes it, with its fingerprint last.
qw::ConfigFile BigConfig() {
    std::string ini = "[Options]\nBook style=Yes\nAuto-open=No\n";
    for (int i = 0; i < kRecords; ++i) {
        ini += qw::bench::BookRecord(i) +
               "Last opened=2026-12-01 10:00:00\nFingerprint=" + FingerprintOf(i) + "\n";
    }
    qw::ConfigFile config;
    config.Parse(ini);
    return config;
}

// A book opened under a new name: the one record with its fingerprint, found
// in the middle of the file, whose file is gone.
void BM_FindMovedRecordAmong5000(benchmark::State& state) {
    const qw::ConfigFile config = BigConfig();
    const std::string fingerprint = FingerprintOf(kRecords / 2);
    const qw::ReferenceExists gone = [](const std::string&) { return false; };
    for (auto _ : state) {
        std::string found =
            qw::FindMovedRecord(config, "/home/reader/Moved/Book.txt", fingerprint, gone);
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_FindMovedRecordAmong5000)->Unit(benchmark::kMillisecond);

// A new book: no record has its fingerprint, every record is looked at.
void BM_FindNoRecordAmong5000(benchmark::State& state) {
    const qw::ConfigFile config = BigConfig();
    const std::string fingerprint = qw::FileFingerprint("a book never opened before");
    const qw::ReferenceExists gone = [](const std::string&) { return false; };
    for (auto _ : state) {
        std::string found =
            qw::FindMovedRecord(config, "/home/reader/New/Book.txt", fingerprint, gone);
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_FindNoRecordAmong5000)->Unit(benchmark::kMillisecond);

void BM_FingerprintOf1MB(benchmark::State& state) {
    const std::string bytes(1 << 20, 'x');
    for (auto _ : state)
        benchmark::DoNotOptimize(qw::FileFingerprint(bytes));
}
BENCHMARK(BM_FingerprintOf1MB)->Unit(benchmark::kMicrosecond);

} // namespace

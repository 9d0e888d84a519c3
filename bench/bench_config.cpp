// Quirewell.ini with 5,000 book records (about 2 MB): open and parse, one
// write with the whole-file rewrite that every page turn causes (alone, and
// after another running copy wrote), and a look-up of a key in the last record.

#include "settings/config_file.h"

#include "text_gen.h"

#include <benchmark/benchmark.h>

#include <cctype>
#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

constexpr int kRecords = 5000;

std::string BigIni() {
    std::string ini = "[Options]\nBook style=Yes\nAuto-open=No\n[Recent]\nRecent 0=/a.txt\n";
    for (int i = 0; i < kRecords; ++i) {
        ini += qw::bench::BookRecord(i);
    }
    return ini;
}

struct IniFile {
    std::string path;
    size_t size = 0;
    IniFile() {
        char dir[] = "/tmp/quirewell-bench-ini-XXXXXX";
        path = std::string(::mkdtemp(dir)) + "/Quirewell.ini";
        const std::string text = BigIni();
        size = text.size();
        std::ofstream(path, std::ios::binary) << text;
    }
    ~IniFile() {
        std::remove(path.c_str());
        ::rmdir(path.substr(0, path.rfind('/')).c_str());
    }
};

void BM_ConfigOpenParse2MB(benchmark::State& state) {
    IniFile file;
    for (auto _ : state) {
        qw::ConfigFile config(file.path);
        benchmark::DoNotOptimize(config.SectionExists("Options"));
    }
    state.counters["file_MB"] = static_cast<double>(file.size) / (1024.0 * 1024.0);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(file.size));
}

// A page turn: one key of one record written and the whole file rewritten
// under the lock. With range(0) set, another running copy has written a
// record of its own before each turn (untimed), so the turn reads the file
// again and replays its change onto it.
void BM_ConfigPageTurnWrite(benchmark::State& state) {
    const bool otherCopyWrote = state.range(0) != 0;
    IniFile file;
    qw::ConfigFile config(file.path);
    qw::ConfigFile other(file.path);
    const std::string record = qw::bench::BookRecordName(kRecords / 2);
    const std::string otherRecord = qw::bench::BookRecordName(kRecords / 3);
    int page = 0;
    int merges = 0;
    for (auto _ : state) {
        if (otherCopyWrote) {
            state.PauseTiming();
            other.WriteString(otherRecord, "Page", std::to_string(page % 500));
            if (!other.UpdateFile())
                state.SkipWithError(other.LastWriteError().c_str());
            state.ResumeTiming();
        }
        config.WriteString(record, "Page", std::to_string(++page % 500));
        if (!config.UpdateFile())
            state.SkipWithError(config.LastWriteError().c_str());
        merges += config.LastUpdateMerged();
    }
    if (otherCopyWrote ? merges != page : merges != 0)
        state.SkipWithError("the turns did not merge as expected");
    state.counters["records"] = kRecords;
}

void BM_ConfigLookupLastRecord(benchmark::State& state) {
    IniFile file;
    qw::ConfigFile config(file.path);
    // Looked up in another spelling of the name, as paths may be.
    std::string record = qw::bench::BookRecordName(kRecords - 1);
    for (char& c : record)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (auto _ : state)
        benchmark::DoNotOptimize(config.ReadInteger(record, "Page", -1));
    if (config.ReadInteger(record, "Page", -1) != (kRecords - 1) % 400)
        state.SkipWithError("the last record was not found");
}

} // namespace

BENCHMARK(BM_ConfigOpenParse2MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConfigPageTurnWrite)
    ->ArgName("other_copy_wrote")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConfigLookupLastRecord)->Unit(benchmark::kMicrosecond);

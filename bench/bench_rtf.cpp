// RTF to text on a 10 MB document.

#include "import/rtf_to_text.h"
#include "text_gen.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

// The novel as a word processor would write it: a header with tables and
// an ignorable group, one \par per line, some bold groups, escaped bytes.
std::string MakeRtf(size_t bytes) {
    const std::string novel = qw::bench::GenerateNovel(bytes * 9 / 10);
    std::string rtf =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman\\fcharset0 Times "
        "New Roman;}{\\f1\\fswiss\\fcharset0 Arial;}}{\\colortbl;\\red0\\green0\\blue0;}"
        "{\\*\\generator Bench;}\\uc1\\pard\\plain\\f0\\fs24 ";
    rtf.reserve(bytes + bytes / 4);
    size_t line = 0;
    for (size_t i = 0; i < novel.size(); ++i) {
        const auto c = static_cast<unsigned char>(novel[i]);
        if (c == '\r')
            continue;
        if (c == '\n') {
            rtf += ++line % 10 == 0 ? "\\par\n{\\b\\f1 Section}\\par\n" : "\\par\n";
        } else if (c == '\\' || c == '{' || c == '}') {
            rtf += '\\';
            rtf += static_cast<char>(c);
        } else if (c >= 0x80) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\'%02x", c);
            rtf += hex;
        } else if (c == '\t') {
            rtf += "\\tab ";
        } else {
            rtf += static_cast<char>(c);
        }
    }
    rtf += "}";
    return rtf;
}

void BM_RtfToText(benchmark::State& state) {
    const std::string rtf = MakeRtf(10 * 1024 * 1024);
    for (auto _ : state) {
        std::string text = qw::RtfToText(rtf);
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(rtf.size()));
}
BENCHMARK(BM_RtfToText)->Unit(benchmark::kMillisecond);

} // namespace

// HTML, XML, archive listing and name order: the import targets.
//   HTML to text at least 100 MB/s on a 20 MB HTML novel;
//   listing a 10,000-member ZIP at most 50 ms;
//   natural sort of 10,000 names at most 20 ms.

#include "import/html_to_text.h"
#include "import/natural_sort.h"
#include "import/xml_to_text.h"
#include "import/zip_archive.h"
#include "memory_probe.h"
#include "text_gen.h"

#include <benchmark/benchmark.h>
#include <zip.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// The novel as HTML: chapter headings, paragraphs, some emphasis and entities.
std::string GenerateHtmlNovel(size_t bytes) {
    const std::string novel = qw::bench::GenerateNovel(bytes * 9 / 10, true);
    std::string html = "<!DOCTYPE html>\n<html><head><title>Novel</title>"
                       "<style>p { text-indent: 1em }</style></head>\n<body>\n<p>";
    html.reserve(bytes + bytes / 4);
    size_t lineStart = 0;
    int paragraph = 0;
    while (lineStart < novel.size()) {
        size_t lineEnd = novel.find('\n', lineStart);
        if (lineEnd == std::string::npos)
            lineEnd = novel.size();
        const std::string line = novel.substr(lineStart, lineEnd - lineStart);
        if (line.empty()) {
            html += "</p>\n<p>";
            ++paragraph;
        } else if (line.rfind("CHAPTER", 0) == 0) {
            html += "</p>\n<h2>" + line + "</h2>\n<p>";
        } else {
            if (paragraph % 7 == 3)
                html += "<i>" + line + "</i>";
            else if (paragraph % 11 == 5)
                html += line + " &mdash; <b>so</b> &amp; &quot;then&quot;";
            else
                html += line;
            html += '\n';
        }
        lineStart = lineEnd + 1;
    }
    html += "</p>\n</body></html>\n";
    return html;
}

void BM_HtmlToText20MB(benchmark::State& state) {
    const std::string html = GenerateHtmlNovel(20u << 20);
    qw::ImportOptions options;
    options.htmlEmphasisAsCapitals = true;
    double peakRatio = 0;
    for (auto _ : state) {
        qw::bench::ResetPeak();
        const size_t before = qw::bench::CurrentBytes();
        std::string text = qw::HtmlToText(html, options);
        benchmark::DoNotOptimize(text.data());
        peakRatio = std::max(peakRatio, static_cast<double>(qw::bench::PeakBytes() - before) /
                                            static_cast<double>(html.size()));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(html.size()));
    state.counters["peak_x_input"] = peakRatio;
}

// Hostile input: 50 MB of tag soup with a 10 MB tag, an endless reference
// name and an unclosed comment at the end. Reports the peak heap use over
// the input size.
void BM_HtmlTagSoup50MB(benchmark::State& state) {
    std::string html;
    html.reserve(52u << 20);
    const std::string soup = "<p>&#99999999;&#0;&copy<b>x</b><ol><li>a<li>b</ol><hr>&foo&amp;"
                             "<a href=\"x>y\" title='z>w'>t</a><pre>\n\r x</pre><td><br/>";
    while (html.size() < (20u << 20))
        html += soup;
    html += "<" + std::string(10u << 20, 'x') + ">&";
    html += std::string(10u << 20, 'n');
    html += " ";
    while (html.size() < (50u << 20))
        html += soup;
    html += "<!-- unclosed";
    double peakRatio = 0;
    size_t out = 0;
    for (auto _ : state) {
        qw::bench::ResetPeak();
        const size_t before = qw::bench::CurrentBytes();
        std::string text = qw::HtmlToText(html, {});
        out = text.size();
        benchmark::DoNotOptimize(text.data());
        peakRatio = std::max(peakRatio, static_cast<double>(qw::bench::PeakBytes() - before) /
                                            static_cast<double>(html.size()));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(html.size()));
    state.counters["peak_x_input"] = peakRatio;
    state.counters["out_x_input"] = static_cast<double>(out) / static_cast<double>(html.size());
}

void BM_XmlToText20MB(benchmark::State& state) {
    const std::string novel = qw::bench::GenerateNovel(18u << 20, true);
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><office:document-content>"
                      "<office:body><office:text><text:p>";
    for (char c : novel)
        xml += c == '\n' ? std::string("</text:p><text:p>") : std::string(1, c);
    xml += "</text:p></office:text></office:body></office:document-content>";
    for (auto _ : state) {
        std::string text = qw::XmlToText(xml);
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(xml.size()));
}

std::vector<std::string> ChapterNames(size_t count) {
    std::vector<std::string> names;
    for (size_t k = 0; k < count; ++k) {
        const std::string folder = k % 3 == 0 ? "" : "Part " + std::to_string(k % 17) + "/";
        names.push_back(folder + (k % 2 ? "Chapter " : "ch") + std::to_string(k) + ".txt");
    }
    std::shuffle(names.begin(), names.end(), std::mt19937(7));
    return names;
}

std::string WriteArchive(const std::vector<std::string>& names) {
    char path[] = "/tmp/quirewell-bench-zip-XXXXXX";
    const int fd = ::mkstemp(path);
    ::close(fd);
    int error = 0;
    zip_t* archive = zip_open(path, ZIP_TRUNCATE, &error);
    static const char kText[] = "A short chapter.\r\n";
    for (const std::string& name : names) {
        zip_source_t* source = zip_source_buffer(archive, kText, sizeof kText - 1, 0);
        if (zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8) < 0)
            zip_source_free(source);
    }
    zip_close(archive);
    return path;
}

void BM_ListArchive10000(benchmark::State& state) {
    const std::string path = WriteArchive(ChapterNames(10000));
    size_t listed = 0;
    for (auto _ : state) {
        qw::ArchiveListing listing = qw::ListArchive(path, true, {"*.lit"});
        listed = listing.entries.size();
        benchmark::DoNotOptimize(listing.entries.data());
    }
    std::remove(path.c_str());
    state.counters["entries"] = static_cast<double>(listed);
}

void BM_ListAndSortArchive10000(benchmark::State& state) {
    const std::string path = WriteArchive(ChapterNames(10000));
    for (auto _ : state) {
        std::vector<std::string> sorted =
            qw::SortArchiveListing(qw::ListArchive(path, true, {"*.lit"}).entries);
        benchmark::DoNotOptimize(sorted.data());
    }
    std::remove(path.c_str());
}

void BM_NaturalSort10000(benchmark::State& state) {
    const std::vector<std::string> names = ChapterNames(10000);
    for (auto _ : state) {
        std::vector<std::string> sorted = qw::NaturalSort(names);
        benchmark::DoNotOptimize(sorted.data());
    }
}

void BM_SortArchiveListing10000(benchmark::State& state) {
    const std::vector<std::string> names = ChapterNames(10000);
    for (auto _ : state) {
        std::vector<std::string> sorted = qw::SortArchiveListing(names);
        benchmark::DoNotOptimize(sorted.data());
    }
}

} // namespace

BENCHMARK(BM_HtmlToText20MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HtmlTagSoup50MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_XmlToText20MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListArchive10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListAndSortArchive10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NaturalSort10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortArchiveListing10000)->Unit(benchmark::kMillisecond);

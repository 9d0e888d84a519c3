// Inputs that once made a converter quadratic, slow by content or greedy for
// memory: the work must grow linearly with the input and the memory stay a
// small multiple of it.

#include "growth.h"
#include "import/html_to_text.h"
#include "import/palm_doc.h"
#include "import/rtf_to_text.h"
#include "import/word_doc.h"
#include "word_doc_builder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <functional>
#include <malloc.h>
#include <new>
#include <random>
#include <string>

// Heap bytes held through operator new, and their peak, for the memory checks.
namespace {
std::atomic<size_t> heldBytes{0};
std::atomic<size_t> peakBytes{0};
} // namespace

namespace {
void* Allocate(size_t size) {
    void* p = std::malloc(size ? size : 1);
    if (p == nullptr)
        throw std::bad_alloc();
    const size_t now = heldBytes += malloc_usable_size(p);
    size_t seen = peakBytes.load();
    while (now > seen && !peakBytes.compare_exchange_weak(seen, now)) {
    }
    return p;
}
void Release(void* p) {
    if (p != nullptr)
        heldBytes -= malloc_usable_size(p);
    std::free(p);
}
} // namespace

void* operator new(size_t size) {
    return Allocate(size);
}
void* operator new[](size_t size) {
    return Allocate(size);
}
void* operator new(size_t size, const std::nothrow_t&) noexcept {
    try {
        return Allocate(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void* operator new[](size_t size, const std::nothrow_t& tag) noexcept {
    return operator new(size, tag);
}
void operator delete(void* p) noexcept {
    Release(p);
}
void operator delete[](void* p) noexcept {
    Release(p);
}
void operator delete(void* p, size_t) noexcept {
    Release(p);
}
void operator delete[](void* p, size_t) noexcept {
    Release(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    Release(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    Release(p);
}

namespace {

using qw::test::GrowthRatio;
using qw::test::kLinearGrowthBound;
using qw::test::PutLe32;
using std::string;

string Repeat(const string& unit, size_t times) {
    string out;
    out.reserve(unit.size() * times);
    for (size_t i = 0; i < times; ++i)
        out += unit;
    return out;
}

string Html(const string& in) {
    return qw::HtmlToText(in, qw::ImportOptions{});
}

// A Word 97 document whose main text holds n footnote marks; noteStart(i)
// gives where the text of footnote i begins (by default each has its own).
string WordWithFootnotes(size_t n, const std::function<size_t(size_t)>& noteStart = {}) {
    const string mark = "word\x02 ";
    const string note = "\x02 Note.\r";
    const string main = Repeat(mark, n) + "\r";
    string table((2 * n + 3) * 4, '\0');
    for (size_t i = 0; i <= n; ++i) {
        PutLe32(table, 4 * i,
                static_cast<std::uint32_t>(i < n ? i * mark.size() + 4 : main.size()));
        const size_t start = noteStart ? noteStart(i) : i * note.size();
        PutLe32(table, 4 * (n + 1 + i), static_cast<std::uint32_t>(start));
    }
    qw::test::WordBuild build;
    build.pieces.push_back({main + Repeat(note, n)});
    build.counts = {static_cast<std::uint32_t>(main.size()),
                    static_cast<std::uint32_t>(note.size() * n)};
    build.extraTable = table;
    build.footnoteRef = 0;
    build.footnoteText = static_cast<std::uint32_t>(4 * (n + 1));
    build.footnoteTextSize = static_cast<std::uint32_t>(4 * (n + 2));
    return qw::test::BuildWordDocument(build);
}

string ConvertWord(const string& file) {
    return qw::WordDocToText(file, qw::IsWordDocument(file), true);
}

struct GrowthCase {
    const char* name;
    std::function<string(size_t)> input; // the input at size n
    std::function<void(const string&)> convert;
    size_t n;
};

void PrintTo(const GrowthCase& c, std::ostream* os) {
    *os << c.name;
}

class LinearGrowth : public testing::TestWithParam<GrowthCase> {};

TEST_P(LinearGrowth, FourTimesTheInputTakesAboutFourTimesTheWork) {
    const GrowthCase& c = GetParam();
    const string small = c.input(c.n);
    const string large = c.input(4 * c.n);
    const double ratio = GrowthRatio([&](size_t n) { c.convert(n == c.n ? small : large); }, c.n);
    EXPECT_LT(ratio, kLinearGrowthBound);
    RecordProperty("ratio", std::to_string(ratio));
}

INSTANTIATE_TEST_SUITE_P(
    Converters, LinearGrowth,
    testing::Values(
        // Each paragraph tag once walked back over every blank written so far.
        GrowthCase{"HtmlEmptyParagraphs", [](size_t n) { return Repeat("<p>&nbsp;</p>", n); },
                   [](const string& in) { Html(in); }, 20000},
        GrowthCase{"HtmlPreformattedBlanks",
                   [](size_t n) { return "<pre>" + Repeat("<p>" + string(1000, ' '), n); },
                   [](const string& in) { Html(in); }, 300},
        // Each footnote once shifted the whole main text.
        GrowthCase{"WordFootnotes", [](size_t n) { return WordWithFootnotes(n); },
                   [](const string& in) { ConvertWord(in); }, 5000}),
    [](const auto& info) { return string(info.param.name); });

TEST(Converters, FootnotesReplaceTheirMarksInOrder) {
    EXPECT_EQ(ConvertWord(WordWithFootnotes(3)), "word {Note.} word {Note.} word {Note.} \r\n\r\n");
    // A damaged table that gives the first and the third footnote the whole
    // footnote text: it is used once, so footnotes cannot multiply the size.
    EXPECT_EQ(ConvertWord(WordWithFootnotes(3, [](size_t i) { return i % 2 ? 24 : 0; })),
              "word {Note.\r\n\r\n Note.\r\n\r\n Note.} word {} word {} \r\n\r\n");
}

TEST(RtfToText, DeepBracesTakeMemoryOfTheInputNotOfTheDepth) {
    const size_t n = 4u << 20;
    const string rtf = "{\\rtf1 " + string(n, '{') + "deep" + string(n, '}') + " after}";
    const size_t before = heldBytes.load();
    peakBytes = before;
    const string text = qw::RtfToText(rtf);
    EXPECT_EQ(text, "deep after");
    // The group removal's working copy of the input, little else.
    EXPECT_LT(peakBytes.load() - before, rtf.size() + (1u << 20));
}

TEST(CompressPalmDocRecord, OneRepeatedByteIsNotSlowerThanText) {
    std::mt19937 random(3);
    const char* const words[] = {"the ",  "storm ", "came ",  "over ",
                                 "hill ", "and ",   "night ", "fell.\n"};
    string text;
    while (text.size() < (1u << 20))
        text += words[random() % 8];
    const string same(text.size(), 'a');
    const double textTime = qw::test::BestSeconds([&] { qw::BuildPalmDoc(text, "t", 0); });
    const double sameTime = qw::test::BestSeconds([&] { qw::BuildPalmDoc(same, "t", 0); });
    EXPECT_LT(sameTime, 4 * textTime);
}

} // namespace

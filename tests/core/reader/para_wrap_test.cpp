// The wrap engine with a fixed-width measurer: every character is 1 pixel
// wide unless a test says otherwise.

#include "reader/para_wrap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qw {
namespace {

std::vector<std::string> Wrap(const std::string& text, double width, int tabWidth = 32,
                              const TextMeasurer* measurer = nullptr) {
    FixedWidthMeasurer fixed(1.0);
    ParaWrap wrap;
    wrap.setFont(measurer ? *measurer : fixed);
    wrap.setBounds(width, 100);
    wrap.setTabStops(tabWidth);
    wrap.setText(text);
    std::vector<std::string> lines;
    for (int k = 0; k < wrap.lineCount(); ++k)
        lines.emplace_back(wrap.line(k));
    return lines;
}

using Lines = std::vector<std::string>;

struct WrapCase {
    const char* name;
    std::string text;
    double width;
    Lines expected;
    int tabWidth = 32; // 16 = 4 average characters: stops at 4, 8, 12 ...
};

class ParaWrapTable : public ::testing::TestWithParam<WrapCase> {};

TEST_P(ParaWrapTable, BreaksAsThePageDisplay) {
    const WrapCase& c = GetParam();
    EXPECT_EQ(Wrap(c.text, c.width, c.tabWidth), c.expected);
}

const std::vector<WrapCase> kWrapCases = {
    {"EmptyLineHasNoWrappedLines", "", 10, {}},
    {"FitsExactly", "abcde", 5, {"abcde"}},
    {"BreaksAfterBlank", "aaa bbb", 5, {"aaa ", "bbb"}},
    {"BlankRunHangs", "aaa   bbb", 5, {"aaa   ", "bbb"}},
    {"TrailingBlanksNeverWrap", "aaaaa      ", 5, {"aaaaa      "}},
    {"BlankRunWiderThanLineEndsIt", "a       bb", 5, {"a       ", "bb"}},
    {"LeadingBlanksWiderThanLineFormALine",
     "       aaaaaaaaaaaa bb",
     5,
     {"       ", "aaaaa", "aaaaa", "aa bb"}},
    {"LongWordBreaksAtLastCharacterThatFits", "aaaaaaaaaaaa bb", 5, {"aaaaa", "aaaaa", "aa bb"}},
    {"LongWordMovesToItsOwnLineFirst", "aa aaaaaaaaaaaa bb", 5, {"aa ", "aaaaa", "aaaaa", "aa bb"}},
    {"IndentedLongWordKeepsIndentation",
     "   aaaaaaaaaaaa bb",
     5,
     {"   aa", "aaaaa", "aaaaa ", "bb"}},
    {"IndentationPushingFirstWordOverBreaksIt", "    aaa bb", 5, {"    a", "aa bb"}},
    {"OneCharacterPerLineAtLeast", "abc", 0.5, {"a", "b", "c"}},
    {"NoBreakSpaceIsNoBreak", "aa\u00a0bb cc", 5, {"aa\u00a0bb ", "cc"}},
    // Broken where the room ends, not at the hyphen.
    {"HyphenatedWordLongerThanLineBreaksLikeAnyWord",
     "some-thing else",
     7,
     {"some-th", "ing ", "else"}},
    {"TabToTheNextStopFits", "ab\tcd", 6, {"ab\tcd"}, 16},
    {"TextAfterTabWraps", "ab\tcde", 6, {"ab\t", "cde"}, 16},
    {"TabPastTheEdgeEndsTheLineAndHangs", "abcde\tx", 7, {"abcde\t", "x"}, 16},
    {"TabFromAStopGoesToTheNext", "abcd\tx", 20, {"abcd\tx"}, 16},
    {"BlanksBeforeAnOverflowingTabEndTheLine", "aaa   \t  bbb", 5, {"aaa   ", "\t  ", "bbb"}, 16},
    // UTF-8: a character is one code point, whatever its bytes.
    {"CyrillicCountsCharacters",
     "\u041f\u0440\u0438 \u043c\u0438\u0440",
     4,
     {"\u041f\u0440\u0438 ", "\u043c\u0438\u0440"}},
    {"LongWordBreaksBetweenCharacters",
     "\u0436\u0436\u0436\u0436\u0436",
     2,
     {"\u0436\u0436", "\u0436\u0436", "\u0436"}},
    {"CombiningMarkStaysWithItsLetter", "ae\u0301e\u0301", 2, {"ae\u0301", "e\u0301"}},
    {"FourByteCharactersStayWhole",
     "\U0001F600\U0001F600\U0001F600",
     2,
     {"\U0001F600\U0001F600", "\U0001F600"}},
    {"IdeographsBreakAnywhere",
     "\u4e2d\u6587\u4e66\u672c\u5f88\u597d",
     4,
     {"\u4e2d\u6587\u4e66\u672c", "\u5f88\u597d"}},
    {"FullStopStaysWithTheIdeograph",
     "\u4e2d\u6587\u4e66\u3002\u5f88",
     3,
     {"\u4e2d\u6587", "\u4e66\u3002\u5f88"}},
    {"OpeningBracketGoesWithTheNext",
     "\u4e2d\u6587\u300c\u4e66\u300d",
     3,
     {"\u4e2d\u6587", "\u300c\u4e66\u300d"}},
    {"LatinAfterIdeographMayBreak", "\u4e2d\u6587abc", 3, {"\u4e2d\u6587", "abc"}},
    {"LatinBeforeIdeographMayBreak", "abc\u4e2d", 3, {"abc", "\u4e2d"}},
    {"InvalidBytesAreCharacters",
     "a\xff\xfe"
     "b",
     2,
     {"a\xff", "\xfe"
               "b"}},
};

INSTANTIATE_TEST_SUITE_P(Rules, ParaWrapTable, ::testing::ValuesIn(kWrapCases),
                         [](const ::testing::TestParamInfo<WrapCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(ParaWrap, UsesEachCharactersAdvanceAndInk) {
    FixedWidthMeasurer m(1.0);
    m.setRightBearing('f', -0.5); // the f reaches half a pixel past its advance
    m.setAdvance('W', 3.0);
    EXPECT_EQ(Wrap("aaaa aaaf", 9, 32, &m), (Lines{"aaaa ", "aaaf"}));
    EXPECT_EQ(Wrap("aaaa aaaf", 9.5, 32, &m), (Lines{"aaaa aaaf"}));
    EXPECT_EQ(Wrap("aaaa fa", 7, 32, &m), (Lines{"aaaa fa"}));
    EXPECT_EQ(Wrap("WW aW", 6, 32, &m), (Lines{"WW ", "aW"}));
    EXPECT_EQ(Wrap("WW aW", 11, 32, &m), (Lines{"WW aW"}));
    // Ten characters of 0.1 px: a float sum would drift past 1.0.
    FixedWidthMeasurer tenth(0.1), quarter(0.25);
    EXPECT_EQ(Wrap("aaaaaaaaaa aa", 1.0, 32, &tenth).size(), 2u);
    EXPECT_EQ(Wrap("aaaa", 1.0, 32, &quarter), (Lines{"aaaa"}));
}

TEST(ParaWrap, TabStopsLineOutOfRangeAndClear) {
    FixedWidthMeasurer fixed(1.0);
    ParaWrap wrap;
    wrap.setFont(fixed);
    // Tab stops are a quarter of the tab width in average characters.
    wrap.setTabStops(16);
    EXPECT_DOUBLE_EQ(wrap.tabStopDistance(), 4.0);
    wrap.setTabStops(32);
    EXPECT_DOUBLE_EQ(wrap.tabStopDistance(), 8.0);
    wrap.setBounds(3, 10);
    const std::string text = "aa bb cc";
    wrap.setText(text);
    EXPECT_EQ(wrap.lineCount(), 3);
    EXPECT_EQ(wrap.line(2), "cc");
    EXPECT_EQ(wrap.line(3), "");
    EXPECT_EQ(wrap.line(-1), "");
    wrap.clear();
    EXPECT_EQ(wrap.lineCount(), 0);
}

TEST(ParaWrap, HostileWidthsNeverHang) {
    const std::string word(20000, 'x');
    const std::string text = word + " " + word;
    FixedWidthMeasurer fixed(1.0);
    ParaWrap wrap;
    wrap.setFont(fixed);
    for (double width : {-5.0, 0.0, 1e-9, 3.0, 1e12}) {
        wrap.setBounds(width, 10);
        size_t lines = 0;
        size_t start = 0;
        while (start < text.size()) {
            const size_t end = wrap.nextLineStart(text, start);
            ASSERT_GT(end, start) << width;
            start = end;
            ++lines;
        }
        EXPECT_EQ(lines, static_cast<size_t>(wrap.countLines(text))) << width;
        EXPECT_GE(lines, width > 1e6 ? 1u : 2u) << width;
    }
}

// On random lines and widths: the wrapped lines put together give the line
// back, none is empty, and every line keeps its content, without the hanging
// blanks, within the width, except a line of one character (after leading
// blanks, which are no content of their own) and lines with tabs.
TEST(ParaWrap, RandomLinesWrapWithinTheWidthAndLoseNothing) {
    FixedWidthMeasurer m(1.0);
    m.setAdvance('W', 2.5);
    m.setAdvance('i', 0.5);
    m.setRightBearing('f', -0.25);
    const std::string alphabet = "aaaa  Wif\t-.";
    unsigned seed = 7;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) & 0x7fff;
    };
    ParaWrap wrap;
    wrap.setFont(m);
    wrap.setTabStops(16);
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        const int length = static_cast<int>(next() % 80);
        for (int k = 0; k < length; ++k)
            text += alphabet[next() % alphabet.size()];
        const double width = 1 + static_cast<double>(next() % 40) / 2;
        wrap.setBounds(width, 10);
        std::string joined;
        size_t start = 0;
        while (start < text.size()) {
            const size_t end = wrap.nextLineStart(text, start);
            ASSERT_GT(end, start);
            std::string line = text.substr(start, end - start);
            joined += line;
            while (!line.empty() && (line.back() == ' ' || line.back() == '\t'))
                line.pop_back();
            const size_t firstInk = line.find_first_not_of(' ');
            const bool oneCharacter = firstInk == std::string::npos || firstInk + 1 >= line.size();
            if (!oneCharacter && line.find('\t') == std::string::npos) {
                // Leading blanks before an over-long first word count too.
                double sum = 0;
                for (char c : line)
                    sum += m.advance(static_cast<unsigned char>(c));
                sum -= std::min(0.0, m.rightBearing(static_cast<unsigned char>(line.back())));
                EXPECT_LE(sum, width) << testing::PrintToString(text) << " width " << width
                                      << " line " << testing::PrintToString(line);
            }
            start = end;
        }
        EXPECT_EQ(joined, text);
    }
}

} // namespace
} // namespace qw

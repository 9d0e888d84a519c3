// Re-joining hard-wrapped paragraphs: the rules as a table of texts.

#include "import/cp1252.h"
#include "import/utf8.h"
#include "reader/remove_line_breaks.h"
#include "settings/settings_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qw {
namespace {

struct Case {
    const char* name;
    std::string input;
    std::string expected;
    bool notAfterPunctuation = false;
    bool notBeforeIndentation = false;
    const char* marks = nullptr; // the default marks
};

class RemoveLineBreaksTable : public ::testing::TestWithParam<Case> {};

TEST_P(RemoveLineBreaksTable, GivesTheExpectedText) {
    const Case& c = GetParam();
    LineBreakOptions options;
    options.notAfterPunctuation = c.notAfterPunctuation;
    options.notBeforeIndentation = c.notBeforeIndentation;
    if (c.marks)
        options.punctuationMarks = c.marks;
    EXPECT_EQ(RemoveLineBreaks(c.input, options), c.expected);
}

const std::vector<Case> kCases = {
    {"JoinsParagraphLinesKeepsEmptyLine", "one\r\ntwo\r\n\r\nthree\r\n",
     "one two\r\n\r\nthree\r\n"},
    {"HyphenatedWordStaysJoined", "some-\r\nthing", "some-thing"},
    {"DashAfterBlankKeepsItsBlank", "word --\r\nnext", "word -- next"},
    {"SingleHyphenAfterBlank", "word -\r\nnext", "word - next"},
    {"HyphensAtTextStartGetBlank", "--\r\nnext", "-- next"},
    {"TrailingBlankGivesOneBlank", "end \r\nnext", "end next"},
    {"TrailingBlanksStay", "end   \r\nnext", "end   next"},
    {"IndentationDroppedWhenJoined", "a\r\n  b", "a b"},
    {"IndentationKeepsBreak", "a\r\n  b", "a\r\n  b", false, true},
    {"TabIndentationKeepsBreak", "a\r\n\tb", "a\r\n\tb", false, true},
    {"TabIndentationDroppedWhenJoined", "a\r\n\t b", "a b"},
    {"PunctuationKeepsBreak", "Stop.\r\nNext", "Stop.\r\nNext", true},
    {"PunctuationThenBlanksKeepsBreak", "Stop.  \r\nNext", "Stop.  \r\nNext", true},
    {"NoPunctuationJoins", "Stop\r\nNext", "Stop Next", true},
    {"PunctuationOptionOffJoins", "Stop.\r\nNext", "Stop. Next"},
    {"CurlyQuoteIsAMark", "\u201CYes!\u201D\r\nNext", "\u201CYes!\u201D\r\nNext", true},
    {"CurlyQuoteMidTextIsNot", "\u201CYes\u201D a\r\nb", "\u201CYes\u201D a b", true},
    // A Cyrillic letter whose last byte is that of a Windows-1252 mark is no mark.
    {"CyrillicLetterIsNoMark", "\u0413\r\n\u0414", "\u0413 \u0414", true},
    {"CyrillicJoined", "\u041F\u0440\u0438\r\n\u0432\u0435\u0442",
     "\u041F\u0440\u0438 \u0432\u0435\u0442"},
    {"PunctuationInsideLineDoesNotProtect", "a. b\r\nc", "a. b c", true},
    {"BlankNextLineKeepsBreak", "a\r\n   \r\nb", "a\r\n   \r\nb"},
    // A line of one tab is blank to the line before it, but the tab is
    // content of its own line, whose break then goes.
    {"TabOnlyLineIsBlankButJoinsNext", "a\r\n\t\r\nb", "a\r\n\t b"},
    {"LastLineOfBlanksKeepsBreak", "abc\r\n   ", "abc\r\n   "},
    {"LastLineSingleCharacter", "abc\r\nd", "abc d"},
    {"BreakAtTextEndStays", "abc\r\n", "abc\r\n"},
    {"TwoCharactersUnchanged", "\r\n", "\r\n"},
    {"EmptyUnchanged", "", ""},
    {"ThreeCharacters", "a\r\n", "a\r\n"},
    {"LeadingEmptyLinesStay", "\r\n\r\nabc\r\ndef", "\r\n\r\nabc def"},
    {"IndentedFirstLineStays", "  abc\r\ndef", "  abc def"},
    {"LoneCrIsText", "a\rb\r\nc", "a\rb c"},
    {"ThreeLinesJoin", "a\r\nb\r\nc\r\n", "a b c\r\n"},
    {"ParagraphsByIndentation", "one\r\ntwo\r\n    three\r\nfour", "one two\r\n    three four",
     false, true},
    {"UsesTheConfiguredMarks", "a#\r\nb.\r\nc", "a#\r\nb. c", true, false, "#"},
};

INSTANTIATE_TEST_SUITE_P(Rules, RemoveLineBreaksTable, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             return std::string(info.param.name);
                         });

// The marks exist twice, here and as the default of the "Punctuation" option.
TEST(RemoveLineBreaks, DefaultMarksAreTheNineteenOfTheOption) {
    const std::string marks = kDefaultPunctuationMarks;
    EXPECT_EQ(Utf8Length(marks), 19u);
    EXPECT_EQ(marks, Cp1252ToUtf8(DefaultPunctuationMarks()));
}

TEST(RemoveLineBreaks, ReportsProgressTenTimesAtMostAndEndsAtHundred) {
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += "line\r\n";
    std::vector<std::string> captions;
    RemoveLineBreaks(text, {}, [&](const std::string& c) { captions.push_back(c); });
    ASSERT_GE(captions.size(), 2u);
    EXPECT_LE(captions.size(), 11u);
    EXPECT_EQ(captions.front(), "Removing line breaks: 10% done");
    EXPECT_EQ(captions.back(), "Removing line breaks: 100% done");
    int calls = 0; // a short text shows none
    EXPECT_EQ(RemoveLineBreaks("ab", {}, [&](const std::string&) { ++calls; }), "ab");
    EXPECT_EQ(calls, 0);
}

TEST(RemoveLineBreaks, NeverGrowsAndSurvivesHostileInput) {
    // Every mix of the characters the scan looks at, up to length 6.
    const std::string alphabet = "\r\n -a.\t";
    LineBreakOptions options;
    options.notAfterPunctuation = true;
    for (int length = 0; length <= 6; ++length) {
        std::vector<int> digits(static_cast<size_t>(length), 0);
        while (true) {
            std::string s;
            for (int d : digits)
                s += alphabet[static_cast<size_t>(d)];
            const std::string out = RemoveLineBreaks(s, options);
            ASSERT_LE(out.size(), s.size()) << testing::PrintToString(s);
            int k = 0;
            while (k < length &&
                   ++digits[static_cast<size_t>(k)] == static_cast<int>(alphabet.size())) {
                digits[static_cast<size_t>(k)] = 0;
                ++k;
            }
            if (k == length)
                break;
        }
    }
}

TEST(RemoveLineBreaks, RunningAgainOnJoinedTextJoinsMore) {
    LineBreakOptions with;
    with.notAfterPunctuation = true;
    with.notBeforeIndentation = false;
    const std::string once = RemoveLineBreaks("Stop.\r\nNext\r\nline", with);
    EXPECT_EQ(once, "Stop.\r\nNext line");
    LineBreakOptions without = with;
    without.notAfterPunctuation = false;
    EXPECT_EQ(RemoveLineBreaks(once, without), "Stop. Next line");
}

// The scan one character at a time, as the rules read, to check the fast
// copying of ordinary characters against.
std::string ReferenceRemoval(const std::string& s, const LineBreakOptions& o) {
    const size_t n = s.size();
    if (n < 3)
        return s;
    auto blankOrTab = [](char c) { return c == ' ' || c == '\t'; };
    std::string out;
    bool inLine = false, afterJoin = false;
    size_t i = 0;
    auto character = [&](char c) {
        if (inLine && blankOrTab(c) && afterJoin) {
        } else {
            if (!blankOrTab(c))
                afterJoin = false;
            out += c;
        }
        if (c != '\r' && c != '\n' && c != ' ')
            inLine = true;
        if (o.notAfterPunctuation && o.punctuationMarks.find(c) != std::string::npos)
            inLine = false;
    };
    for (; i + 2 < n; ++i) {
        if (inLine && s[i] == '\r' && s[i + 1] == '\n') {
            size_t j = i + 2;
            bool blank = true;
            for (; j < n && s[j] != '\r'; ++j)
                blank = blank && blankOrTab(s[j]);
            if (blank || (o.notBeforeIndentation && i + 2 < n && blankOrTab(s[i + 2]))) {
                out += '\r';
                inLine = false;
                continue;
            }
            afterJoin = true;
            size_t k = i;
            while (k > 0 && s[k - 1] == '-')
                --k;
            const bool blankDue = i == 0            ? true
                                  : s[i - 1] == ' ' ? false
                                  : s[i - 1] != '-' ? true
                                                    : (k == 0 || s[k - 1] == ' ');
            if (blankDue)
                out += ' ';
            ++i;
            continue;
        }
        character(s[i]);
    }
    for (; i < n; ++i)
        character(s[i]);
    return out;
}

TEST(RemoveLineBreaks, AgreesWithTheCharacterByCharacterScan) {
    const std::string pieces[] = {"word", " ",  "\r\n", "\r\n\r\n", "-",   "--", ".",
                                  "\t",   "  ", "\x93", "x",        "a b", "?"};
    unsigned seed = 12345;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) & 0x7fff;
    };
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        const int length = static_cast<int>(next() % 40);
        for (int k = 0; k < length; ++k)
            text += pieces[next() % (sizeof pieces / sizeof *pieces)];
        LineBreakOptions options;
        options.notAfterPunctuation = next() % 2 == 0;
        options.notBeforeIndentation = next() % 2 == 0;
        ASSERT_EQ(RemoveLineBreaks(text, options), ReferenceRemoval(text, options))
            << testing::PrintToString(text) << " punctuation " << options.notAfterPunctuation
            << " indentation " << options.notBeforeIndentation;
    }
}

} // namespace
} // namespace qw

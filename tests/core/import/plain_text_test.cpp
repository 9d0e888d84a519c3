#include "import/plain_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using std::string;
using namespace std::string_literals;

struct PassCase {
    const char* name;
    string in;
    string out;
};

class CleanPlainTextTest : public testing::TestWithParam<PassCase> {};

TEST_P(CleanPlainTextTest, Cleans) {
    EXPECT_EQ(qw::CleanPlainText(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CleanPlainTextTest,
    testing::Values(
        PassCase{"Empty", "", ""}, PassCase{"PlainLine", "abc", "abc"},
        PassCase{"CrLfKept", "a\r\nb", "a\r\nb"}, PassCase{"LoneLf", "a\nb", "a\r\nb"},
        PassCase{"LfFirstByteStays", "\nb", "\nb"}, PassCase{"LoneCr", "a\rb", "a\r\nb"},
        PassCase{"CrLastByteStays", "a\r", "a\r"}, PassCase{"LfLast", "a\n", "a\r\n"},
        PassCase{"CrCrLf", "a\r\r\nb", "a\r\n\r\nb"}, PassCase{"LfCr", "a\n\rb", "a\r\n\r\nb"},
        PassCase{"NulDropped", "a\0b\0"s, "ab"}, PassCase{"OnlyNuls", "\0\0\0"s, ""},
        PassCase{"TabKept", "a\tb", "a\tb"},
        PassCase{"ControlsBecome127", "\x01\x08\x0b\x0c\x0e\x1f", "\x7f\x7f\x7f\x7f\x7f\x7f"},
        PassCase{"HighBytesKept", "\x80\xff\x7f", "\x80\xff\x7f"},
        PassCase{"NulBeforeLf", "a\0\nb"s, "a\r\nb"}, PassCase{"MacText", "a\rb\rc", "a\r\nb\r\nc"},
        PassCase{"UnixText", "a\nb\nc\n", "a\r\nb\r\nc\r\n"}),
    [](const auto& info) { return string(info.param.name); });

TEST(CleanPlainText, EveryControlByteBelowSpaceWithinTheGivenLength) {
    for (int c = 0; c < 32; ++c) {
        const string in = "x"s + static_cast<char>(c) + "y";
        const string out = qw::CleanPlainText(in);
        if (c == 0)
            EXPECT_EQ(out, "xy");
        else if (c == '\t')
            EXPECT_EQ(out, "x\ty");
        else if (c == '\n' || c == '\r')
            EXPECT_EQ(out, "x\r\ny");
        else
            EXPECT_EQ(out, "x\x7fy") << "byte " << c;
    }
    const string buffer = "ab\rcd";
    // A view that ends on the CR: the byte after it is outside the content.
    EXPECT_EQ(qw::CleanPlainText(std::string_view(buffer.data(), 3)), "ab\r");
}

// The UTF-8 pass cleans as CleanPlainText does and refuses what is not
// UTF-8, wherever in the eight-byte words the byte falls.
TEST(CleanPlainUtf8, CleansValidTextAndRefusesInvalidBytes) {
    const string letter = "\xd0\x96", cjk = "\xe4\xb8\xad", emoji = "\xf0\x9f\x98\x80";
    for (size_t at = 0; at <= 17; ++at) {
        const string pad(at, 'x');
        for (const string& valid :
             {pad + letter + "\n" + cjk, pad + "\r" + emoji + "\0\x01" + letter, pad + letter,
              pad + cjk + "\t" + pad + "\r\n", "\n" + pad + "\x7f"}) {
            string out;
            EXPECT_TRUE(qw::CleanPlainUtf8(valid, out)) << at;
            EXPECT_EQ(out, qw::CleanPlainText(valid)) << at;
        }
        // Stray Windows-1252, a lone continuation, overlong forms, surrogates,
        // code points above U+10FFFF, sequences cut off by the end or by a
        // control character.
        for (const string& bad : {"\xe9"s, "\x80"s, "\xc0\x80"s, "\xe0\x80\x80"s, "\xed\xa0\x80"s,
                                  "\xf4\x90\x80\x80"s, "\xf5\x80\x80\x80"s, "\xd0"s, "\xe4\xb8"s,
                                  "\xf0\x9f\x98"s, "\xd0\n"s, "\xe4\xb8\r"s}) {
            string out;
            EXPECT_FALSE(qw::CleanPlainUtf8(pad + bad, out)) << at;
            EXPECT_FALSE(qw::CleanPlainUtf8(pad + bad + "tail text " + letter, out)) << at;
        }
    }
}

class TrimTest : public testing::TestWithParam<PassCase> {};
TEST_P(TrimTest, Trims) {
    EXPECT_EQ(qw::TrimConvertedText(GetParam().in), GetParam().out);
    string inPlace = GetParam().in;
    qw::TrimConvertedTextInPlace(inPlace);
    EXPECT_EQ(inPlace, GetParam().out);
}
INSTANTIATE_TEST_SUITE_P(Cases, TrimTest,
                         testing::Values(PassCase{"Empty", "", ""},
                                         PassCase{"OnlyBlanks", "\r\n \t\r\n", ""},
                                         PassCase{"LeadingBreaks", "\r\n\n\rabc", "abc"},
                                         PassCase{"LeadingBlanksKept", " \tabc", " \tabc"},
                                         PassCase{"Trailing", "abc \t\r\n \r\n", "abc"},
                                         PassCase{"Inner", "\r\na\r\n\r\nb\r\n", "a\r\n\r\nb"},
                                         PassCase{"OtherControlsKept",
                                                  "\x7f"
                                                  "a\x7f",
                                                  "\x7f"
                                                  "a\x7f"}),
                         [](const auto& info) { return string(info.param.name); });

struct NormalizeCase {
    const char* name;
    string in;
    bool blankLines;
    string out;
};

class NormalizeTest : public testing::TestWithParam<NormalizeCase> {};
TEST_P(NormalizeTest, Normalizes) {
    EXPECT_EQ(qw::NormalizeLineBreaks(GetParam().in, GetParam().blankLines), GetParam().out);
    string inPlace = GetParam().in;
    qw::NormalizeLineBreaksInPlace(inPlace, GetParam().blankLines);
    EXPECT_EQ(inPlace, GetParam().out);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, NormalizeTest,
    testing::Values(
        NormalizeCase{"Empty", "", false, ""},
        NormalizeCase{"CrLfStays", "a\r\nb", false, "a\r\nb"},
        NormalizeCase{"LoneLf", "a\nb\n", false, "a\r\nb\r\n"},
        NormalizeCase{"FirstLfStays", "\na", false, "\na"},
        NormalizeCase{"LastCrStays", "a\r", false, "a\r"},
        NormalizeCase{"LoneCr", "a\rb", false, "a\r\nb"},
        NormalizeCase{"ControlsUntouched", "a\x01\0b"s, false, "a\x01\0b"s},
        NormalizeCase{"BlankSingleBreak", "a\r\nb", true, "a\r\n\r\nb"},
        NormalizeCase{"BlankDoubleBreakStays", "a\r\n\r\nb", true, "a\r\n\r\nb"},
        NormalizeCase{"BlankTripleBreakStays", "a\r\n\r\n\r\nb", true, "a\r\n\r\n\r\nb"},
        NormalizeCase{"BlankLoneLf", "a\nb", true, "a\r\n\r\nb"},
        NormalizeCase{"BlankLoneCr", "a\rb", true, "a\r\n\r\nb"},
        NormalizeCase{"BlankTrailingBreak", "a\r\n", true, "a\r\n"},
        NormalizeCase{"BlankSeveralParagraphs", "a\r\nb\r\nc", true, "a\r\n\r\nb\r\n\r\nc"},
        NormalizeCase{"BlankLeadingBreak", "\r\na", true, "\r\n\r\na"},
        NormalizeCase{"BlankNoBreaks", "abc", true, "abc"}),
    [](const auto& info) { return string(info.param.name); });

// The in-place pass skips words without line breaks; a break anywhere in a
// word is still seen.
TEST(NormalizeLineBreaksInPlace, BreaksAtEveryWordPosition) {
    for (size_t at = 0; at <= 17; ++at) {
        for (const string& breaks : {"\n"s, "\r"s, "\r\n"s, "\r\n\r\n"s}) {
            const string text = string(at, 'x') + breaks + string(20, 'y');
            for (bool blankLines : {false, true}) {
                string inPlace = text;
                qw::NormalizeLineBreaksInPlace(inPlace, blankLines);
                EXPECT_EQ(inPlace, qw::NormalizeLineBreaks(text, blankLines)) << at << blankLines;
            }
        }
    }
}

TEST(IsBlankText, BlanksAndControlsOnly) {
    EXPECT_TRUE(qw::IsBlankText(""));
    EXPECT_TRUE(qw::IsBlankText(" \r\n\t\x01\0"s));
    EXPECT_FALSE(qw::IsBlankText(" \r\n."));
    EXPECT_FALSE(qw::IsBlankText("\x7f"));
    EXPECT_FALSE(qw::IsBlankText("\xa0"));
}

} // namespace

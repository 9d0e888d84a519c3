#include "import/cp1252.h"
#include "import/rtf_to_text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

using std::string;
using namespace std::string_literals;

struct RtfCase {
    const char* name;
    string rtf;
    string text; // Windows-1252 unless utf8 is set
    bool utf8 = false;
};

class RtfToTextTest : public testing::TestWithParam<RtfCase> {};

TEST_P(RtfToTextTest, GivesPlainText) {
    // The cases spell Windows-1252 text; the converter gives UTF-8.
    EXPECT_EQ(qw::RtfToText(GetParam().rtf),
              GetParam().utf8 ? GetParam().text : qw::Cp1252ToUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RtfToTextTest,
    testing::Values(
        RtfCase{"Paragraphs", "{\\rtf1\\ansi Hello\\par World\\par}", "Hello\r\nWorld\r\n"},
        RtfCase{"LineAndTab", "{\\rtf1 a\\line b\\tab c}", "a\r\nb\tc"},
        RtfCase{"SourceLineBreaksIgnored", "{\\rtf1 one\r\ntwo\nthree}", "onetwothree"},
        RtfCase{"DelimitingSpaceEaten", "{\\rtf1\\b bold\\b0  text}", "bold text"},
        RtfCase{"EscapedSpecials", "{\\rtf1 \\{x\\} back\\\\slash}", "{x} back\\slash"},
        RtfCase{"HexEscape", "{\\rtf1 caf\\'e9}", "caf\xe9"},
        RtfCase{"HexEscapeUpperCase", "{\\rtf1 \\'C4}", "\xc4"},
        RtfCase{"UnicodeSkipsFallback", "{\\rtf1 \\u8364?x}", "\x80x"},
        RtfCase{"UnicodeNegative", "{\\rtf1 \\u-3913?}", "\xEF\x82\xB7", true}, // U+F0B7
        RtfCase{"UnicodeWithUc2", "{\\rtf1\\uc2 \\u233\\'65\\'27z}", "\xe9z"},
        RtfCase{"UnicodeUc0", "{\\rtf1\\uc0 \\u233 z}", "\xe9z"},
        RtfCase{"UcIsPerGroup", "{\\rtf1 {\\uc2 \\u233 ab}\\u233 cd}",
                "\xe9\xe9"
                "d"},
        RtfCase{"SurrogatePairIsOneCharacter", "{\\rtf1 \\u-10179?\\u-8704?x}", "\xF0\x9F\x98\x80x",
                true},
        RtfCase{"CyrillicByUnicode", "{\\rtf1 \\u1055?\\u1088?}", "\xD0\x9F\xD1\x80", true},
        RtfCase{"IgnorableDestination", "{\\rtf1 a{\\*\\generator Writer;}b}", "ab"},
        RtfCase{"PictureLeftOut", "{\\rtf1 a{\\pict\\pngblip 89504e47{}}b}", "ab"},
        RtfCase{"FontTableColorsStylesInfo",
                "{\\rtf1{\\fonttbl{\\f0 Times;}}{\\colortbl;\\red0;}{\\stylesheet{\\s0 "
                "Normal;}}{\\info{\\title T}}Body}",
                "Body"},
        RtfCase{"FieldShowsResult",
                "{\\rtf1 see {\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt "
                "the site}}.}",
                "see the site."},
        RtfCase{"HiddenTextSkipped", "{\\rtf1 a{\\v hidden}b\\v c\\v0 d}", "abd"},
        RtfCase{"HeadersAndFootnotesSkipped", "{\\rtf1{\\header Head}text{\\footnote note}.}",
                "text."},
        RtfCase{"TableCells", "{\\rtf1 A\\cell B\\cell\\row C}", "A\tB\t\r\nC"},
        RtfCase{"Quotes", "{\\rtf1 \\lquote x\\rquote \\ldblquote y\\rdblquote \\emdash}",
                "\x91x\x92\x93y\x94\x97"},
        RtfCase{"NonBreakingAndOptional", "{\\rtf1 a\\~b\\-c\\_d}",
                "a\xa0"
                "bc-d"},
        RtfCase{"BinDataSkipped", "{\\rtf1 a{\\bin4 {}\\x}b}", "ab"},
        RtfCase{"BackslashNewlineIsParagraph", "{\\rtf1 a\\\nb}", "a\r\nb"},
        RtfCase{"TextAfterDocumentIgnored", "{\\rtf1 a}trailing", "a"},
        RtfCase{"MacCodePage", "{\\rtf1\\mac \\'8e}", "\xe9"},
        RtfCase{"CyrillicFontByItsCodePage",
                "{\\rtf1{\\fonttbl{\\f1\\fcharset204 Arial;}}\\f1 \\'e0b}",
                "\xD0\xB0"
                "b",
                true},
        RtfCase{"AnsiFontKeepsBytes",
                "{\\rtf1\\ansicpg1251{\\fonttbl{\\f0\\fcharset0 A;}}\\f0 \\'e0}", "\xe0"},
        RtfCase{"PlainResetsFont",
                "{\\rtf1\\deff0{\\fonttbl{\\f0\\fcharset0 A;}{\\f1\\fcharset204 B;}}\\f1 "
                "\\'e0\\plain \\'e0}",
                "\xD0\xB0\xC3\xA0", true},
        RtfCase{"ShiftJisPairIsOneCharacter",
                "{\\rtf1{\\fonttbl{\\f1\\fcharset128 MS;}}\\f1 \\'82\\'a0x}", "\xE3\x81\x82x",
                true},
        RtfCase{"ListTextSkipped", "{\\rtf1{\\listtext 1.\\tab}Item}", "Item"},
        RtfCase{"NotRtfReadAsBody", "plain {\\b text}\nhere", "plain texthere"},
        RtfCase{"DestinationAfterSourceLineBreak", "{\\rtf1{\r\n\\info{\\title T}}Body}", "Body"},
        RtfCase{"Empty", "", ""}),
    [](const auto& info) { return string(info.param.name); });

TEST(RemoveRtfNoiseGroups, LeavesOutStarredAndPictureGroupsCountingEscapedBraces) {
    EXPECT_EQ(qw::RemoveRtfNoiseGroups("a{\\*\\x{b}c}d{\\pict e}f{\\b g}"), "adf{\\b g}");
    // The escaped closing brace ends the group early, as the removal counts it.
    EXPECT_EQ(qw::RemoveRtfNoiseGroups("{\\*x\\}y}z}"), "y}z}");
    // It needs the bytes after the brace.
    EXPECT_EQ(qw::RemoveRtfNoiseGroups("a{\\"), "a{\\");
    EXPECT_EQ(qw::RemoveRtfNoiseGroups("a{\\pic"), "a{\\pic");
    EXPECT_EQ(qw::RemoveRtfNoiseGroups("a{\\*"), "a");
}

TEST(RtfToText, LargeDocumentLosesAndDoublesNothing) {
    // More than three times 65000 bytes of paragraphs.
    string rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Times;}}";
    string expected;
    for (int i = 0; rtf.size() < 4 * 65000; ++i) {
        const string line = "Paragraph " + std::to_string(i) + " of the long document.";
        rtf += "{\\pard\\plain " + line + "\\par}\n";
        expected += line + "\r\n";
    }
    rtf += "}";
    EXPECT_EQ(qw::RtfToText(rtf), expected);
}

TEST(RtfToText, DeepNestingAndUnbalancedBracesDoNotCrash) {
    const string deep = "{\\rtf1 " + string(100000, '{') + "x" + string(100000, '}') + "}";
    EXPECT_EQ(qw::RtfToText(deep), "x");
    EXPECT_EQ(qw::RtfToText("{\\rtf1 " + string(100000, '{') + "open"), "open");
    EXPECT_EQ(qw::RtfToText("{\\rtf1 a}}}}b"), "a");
    EXPECT_EQ(qw::RtfToText("{\\rtf1 a\\"), "a");
    EXPECT_EQ(qw::RtfToText("{\\rtf1 a\\'"), "a");
    EXPECT_EQ(qw::RtfToText("{\\rtf1 a\\'4"), "a4"); // not a hex escape: the digit is text
    EXPECT_EQ(qw::RtfToText("{\\rtf1 a\\bin99999999999 xyz"), "a");
    EXPECT_EQ(qw::RtfToText("{\\rtf1 a\\u99999999999999 b}"), "a?");
}

TEST(RtfToText, RandomBytesAndFlipsNeverCrash) {
    const string good =
        "{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset0 T;}}{\\*\\gen x}\\uc1 a\\u233?\\'e9{\\pict 00}"
        "\\par{\\field{\\*\\fldinst x}{\\fldrslt y}}\\bin2 ab\\cell\\row}";
    std::mt19937 random(5);
    for (int round = 0; round < 2000; ++round) {
        string broken = good.substr(0, random() % (good.size() + 1));
        for (int k = 0; k < 3 && !broken.empty(); ++k)
            broken[random() % broken.size()] = static_cast<char>(random() % 256);
        const string text = qw::RtfToText(broken);
        EXPECT_LE(text.size(), broken.size() * 2);
    }
}

} // namespace

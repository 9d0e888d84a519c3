#include "import/convert.h"
#include "import/cp1252.h"
#include "import/palm_doc.h"
#include "import/text_decoding.h"

#include <gtest/gtest.h>

namespace {

using std::string;
using namespace std::string_literals;
using qw::TextEncoding;

string Repeat(const string& unit, int times) {
    string out;
    for (int i = 0; i < times; ++i)
        out += unit;
    return out;
}

struct DecodeCase {
    const char* name;
    string in;
    TextEncoding encoding;
    string out; // UTF-8
    const char* fallback = "Auto";
};

class DecodeTest : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTest, DetectsAndDecodes) {
    EXPECT_EQ(qw::DetectTextEncoding(GetParam().in), GetParam().encoding);
    EXPECT_EQ(qw::DecodeToUtf8(GetParam().in, GetParam().fallback), GetParam().out);
}

const string kRussian = "\xd0\x9f\xd1\x80\xd0\xb8\xd0\xb2\xd0\xb5\xd1\x82"; // Привет

INSTANTIATE_TEST_SUITE_P(
    Cases, DecodeTest,
    testing::Values(
        DecodeCase{"Empty", "", TextEncoding::Other, ""},
        DecodeCase{"Ascii", "plain text\r\n", TextEncoding::Other, "plain text\r\n"},
        DecodeCase{"Latin", "caf\xe9 na\xefve", TextEncoding::Other, "caf\xc3\xa9 na\xc3\xafve"},
        DecodeCase{"Cp1252Quotes", "\x93Hi\x94 \x80", TextEncoding::Other,
                   "\xe2\x80\x9cHi\xe2\x80\x9d \xe2\x82\xac"},
        DecodeCase{"Utf8Kept", "\xce\xb1\xf0\x9f\x98\x80!", TextEncoding::Utf8,
                   "\xce\xb1\xf0\x9f\x98\x80!"},
        DecodeCase{"Utf8BomDropped", "\xef\xbb\xbfhello", TextEncoding::Utf8Bom, "hello"},
        DecodeCase{"Utf8BomInvalidByteAsCp1252",
                   "\xef\xbb\xbf"
                   "a\xe9",
                   TextEncoding::Utf8Bom, "a\xc3\xa9"},
        DecodeCase{"OverlongIsNotUtf8", "\xc0\xaf", TextEncoding::Other, "\xc3\x80\xc2\xaf"},
        DecodeCase{"TruncatedSequence", "ab\xc3", TextEncoding::Other, "ab\xc3\x83"},
        // Nine good characters to one stray Windows-1252 apostrophe: UTF-8;
        // eight to one: the record's encoding.
        DecodeCase{"Utf8WithAStrayByte", "l\x92" + Repeat("\xc3\xa9", 9), TextEncoding::Utf8,
                   "l\xe2\x80\x99" + Repeat("\xc3\xa9", 9)},
        DecodeCase{"EightToOneIsNot", "l\x92" + Repeat("\xc3\xa9", 8), TextEncoding::Other,
                   "l\xe2\x80\x99" + Repeat("\xc3\x83\xc2\xa9", 8)},
        DecodeCase{"Utf16LE", "\xff\xfe\x1f\x04\x40\x04\x20\x20"s, TextEncoding::Utf16LE,
                   "\xd0\x9f\xd1\x80\xe2\x80\xa0"},
        DecodeCase{"Utf16BE", "\xfe\xff\0a\0\r\0\n"s, TextEncoding::Utf16BE, "a\r\n"},
        DecodeCase{"Utf16SurrogatePair",
                   "\xff\xfe\x3d\xd8\x00\xde"
                   "b\0"s,
                   TextEncoding::Utf16LE,
                   "\xf0\x9f\x98\x80"
                   "b"},
        DecodeCase{"Utf16LoneSurrogate",
                   "\xff\xfe\x00\xdc"
                   "b\0"s,
                   TextEncoding::Utf16LE,
                   "\xef\xbf\xbd"
                   "b"},
        DecodeCase{"Utf16OddByteDropped",
                   "\xff\xfe"
                   "a\0b"s,
                   TextEncoding::Utf16LE, "a"},
        DecodeCase{"Utf32LE", "\xff\xfe\0\0\x2d\x4e\0\0"s, TextEncoding::Utf32LE, "\xe4\xb8\xad"},
        DecodeCase{"Utf32BEOutOfRange", "\0\0\xfe\xff\0\x11\0\0"s, TextEncoding::Utf32BE,
                   "\xef\xbf\xbd"},
        DecodeCase{"Windows1251", "\xcf\xf0\xe8\xe2\xe5\xf2", TextEncoding::Other, kRussian,
                   "Windows-1251"},
        DecodeCase{"Koi8R", "\xf0\xd2\xc9\xd7\xc5\xd4", TextEncoding::Other, kRussian, "KOI8-R"},
        DecodeCase{"Cp866", "\x8f\xe0\xa8\xa2\xa5\xe2", TextEncoding::Other, kRussian, "cp866"},
        DecodeCase{"Gb18030", "\xd6\xd0\xce\xc4", TextEncoding::Other, "\xe4\xb8\xad\xe6\x96\x87",
                   "GB18030"},
        DecodeCase{"ValidUtf8WinsOverTheRecord", kRussian, TextEncoding::Utf8, kRussian, "KOI8-R"},
        DecodeCase{"UnknownEncodingIsWindows1252", "\xe9", TextEncoding::Other, "\xc3\xa9",
                   "NO-SUCH-CHARSET"},
        DecodeCase{"UnreadableBytesBecomeReplacements", "a\x80\xd6", TextEncoding::Other,
                   "a\xef\xbf\xbd\xef\xbf\xbd", "GB18030"}),
    [](const auto& info) { return string(info.param.name); });

TEST(BookEncodingNames, EveryListedEncodingIsKnownToTheLibrary) {
    const auto& names = qw::BookEncodingNames();
    ASSERT_GE(names.size(), 19u);
    EXPECT_EQ(names.front(), "Auto");
    for (size_t i = 1; i < names.size(); ++i) {
        string utf8;
        EXPECT_TRUE(qw::ConvertWithIconv("abc", names[i], utf8)) << names[i];
        EXPECT_EQ(utf8, "abc") << names[i];
    }
}

TEST(Cp1252, EveryByteSurvivesTheUnicodeRoundTripAndKnownCodePoints) {
    string all;
    for (int c = 0; c < 256; ++c)
        all.push_back(static_cast<char>(c));
    EXPECT_EQ(qw::Utf8ToCp1252(qw::Cp1252ToUtf8(all)), all);
    EXPECT_EQ(qw::Cp1252ToUnicode(0x80), U'\u20AC');
    EXPECT_EQ(qw::Cp1252ToUnicode(0x9F), U'\u0178');
    EXPECT_EQ(qw::Cp1252ToUnicode(0x81), U'\u0081');
    EXPECT_EQ(qw::Cp1252ToUnicode(0xE9), U'\u00E9');
    EXPECT_EQ(qw::UnicodeToCp1252(U'\u2014'), 0x97);
    EXPECT_EQ(qw::UnicodeToCp1252(U'\u0080'), -1); // a C1 control Windows-1252 uses for the euro
    EXPECT_EQ(qw::UnicodeToCp1252(U'\u03B1'), -1);
}

TEST(PlainTextToText, DecodesBeforeTheControlPassAndUpperExtension) {
    // UTF-16 holds NUL bytes that the plain-text pass would drop: decode first.
    EXPECT_EQ(qw::PlainTextToText("\xff\xfe"
                                  "a\0\n\0b\0"s),
              "a\r\nb");
    EXPECT_EQ(qw::PlainTextToText("\xef\xbb\xbf"
                                  "a\nb"),
              "a\r\nb");
    EXPECT_EQ(qw::UpperExtension("/a/b/Book.txt"), ".TXT");
    EXPECT_EQ(qw::UpperExtension("/a.dir/README"), "");
    EXPECT_EQ(qw::UpperExtension("archive.tar.Zip"), ".ZIP");
    EXPECT_EQ(qw::UpperExtension("x."), ".");
}

TEST(ConvertToText, HtmlDeclaredCharsetAndUtf8PalmDoc) {
    struct Case {
        string content;
        const char* extension;
        string text;
    };
    const string utf8Accent = "caf\xc3\xa9";
    for (const Case& c : {
             Case{"<meta charset=\"utf-8\"><p>caf\xe9 " + utf8Accent, ".HTML",
                  utf8Accent + " " + utf8Accent},
             Case{"<META CHARSET=UTF-8><p>" + utf8Accent, ".HTM", utf8Accent},
             Case{"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">" +
                      utf8Accent,
                  ".HTML", "caf\xc3\x83\xc2\xa9"},
             Case{"<meta charset=windows-1251><p>\xcf\xf0", ".HTML", "\xd0\x9f\xd1\x80"},
             Case{"<p>&#1055;&#x440;", ".HTML", "\xd0\x9f\xd1\x80"},
             Case{"<p>" + utf8Accent, ".HTML", utf8Accent},
             Case{"\xef\xbb\xbf<meta charset=iso-8859-1>" + utf8Accent, ".HTML", utf8Accent},
             Case{qw::BuildPalmDoc(utf8Accent + " na\xc3\xafve", "t", 0), ".PDB",
                  utf8Accent + " na\xc3\xafve"},
             Case{qw::BuildPalmDoc("caf\xe9", "t", 0), ".PDB", utf8Accent},
             Case{"{\\rtf1 \\u1055?\\u-32767?}", ".RTF", "\xd0\x9f\xe8\x80\x81"},
             Case{"{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0}", ".RTF", "\xd0\x9f\xd1\x80"},
             Case{"{\\rtf1\\ansi\\ansicpg936 \\'d6\\'d0}", ".RTF", "\xe4\xb8\xad"},
         }) {
        EXPECT_EQ(qw::ConvertToText(c.content, c.extension, {}).text, c.text) << c.content;
    }
}

} // namespace

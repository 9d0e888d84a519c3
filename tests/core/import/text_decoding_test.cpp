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
    string out; // Windows-1252
};

class TranscodeTest : public testing::TestWithParam<DecodeCase> {};

TEST_P(TranscodeTest, DetectsAndTranscodes) {
    EXPECT_EQ(qw::DetectTextEncoding(GetParam().in), GetParam().encoding);
    EXPECT_EQ(qw::TranscodeToCp1252(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TranscodeTest,
    testing::Values(
        DecodeCase{"Empty", "", TextEncoding::Cp1252, ""},
        DecodeCase{"Ascii", "plain text\r\n", TextEncoding::Cp1252, "plain text\r\n"},
        DecodeCase{"Latin", "caf\xe9 na\xefve", TextEncoding::Cp1252, "caf\xe9 na\xefve"},
        DecodeCase{"Utf8Accents", "caf\xc3\xa9", TextEncoding::Utf8, "caf\xe9"},
        DecodeCase{"Utf8Quotes", "\xe2\x80\x9cHi\xe2\x80\x9d \xe2\x80\x94 \xe2\x82\xac",
                   TextEncoding::Utf8, "\x93Hi\x94 \x97 \x80"},
        DecodeCase{"Utf8OutsideCp1252", "\xce\xb1\xf0\x9f\x98\x80!", TextEncoding::Utf8,
                   "?"
                   "?!"},
        DecodeCase{"Utf8BomAscii", "\xef\xbb\xbfhello", TextEncoding::Utf8Bom, "hello"},
        DecodeCase{"Utf8BomInvalidByteKept",
                   "\xef\xbb\xbf"
                   "a\xe9",
                   TextEncoding::Utf8Bom, "a\xe9"},
        DecodeCase{"Utf8C1Unassigned", "\xc2\x81\xc2\x9d", TextEncoding::Utf8, "\x81\x9d"},
        DecodeCase{"OverlongIsNotUtf8", "\xc0\xaf", TextEncoding::Cp1252, "\xc0\xaf"},
        DecodeCase{"SurrogateIsNotUtf8", "\xed\xa0\x80", TextEncoding::Cp1252, "\xed\xa0\x80"},
        DecodeCase{"TruncatedSequence", "ab\xc3", TextEncoding::Cp1252, "ab\xc3"},
        DecodeCase{"MixedInvalid", "\xc3\xa9 and \xe9", TextEncoding::Cp1252, "\xc3\xa9 and \xe9"},
        // Nine good characters to one stray Windows-1252 apostrophe: UTF-8;
        // eight to one: Windows-1252.
        DecodeCase{"Utf8WithAStrayByte", "l\x92" + Repeat("\xc3\xa9", 9), TextEncoding::Utf8,
                   "l\x92" + string(9, '\xe9')},
        DecodeCase{"EightToOneIsNot", "l\x92" + Repeat("\xc3\xa9", 8), TextEncoding::Cp1252,
                   "l\x92" + Repeat("\xc3\xa9", 8)},
        DecodeCase{"Utf16LE",
                   "\xff\xfe"
                   "a\0\xe9\0\x20\x20"s,
                   TextEncoding::Utf16LE, "a\xe9\x86"},
        DecodeCase{"Utf16BE", "\xfe\xff\0a\0\r\0\n"s, TextEncoding::Utf16BE, "a\r\n"},
        DecodeCase{"Utf16SurrogatePair",
                   "\xff\xfe\x3d\xd8\x00\xde"
                   "b\0"s,
                   TextEncoding::Utf16LE, "?b"},
        DecodeCase{"Utf16LoneSurrogate",
                   "\xff\xfe\x00\xdc"
                   "b\0"s,
                   TextEncoding::Utf16LE, "?b"},
        DecodeCase{"Utf16OddByteDropped",
                   "\xff\xfe"
                   "a\0b"s,
                   TextEncoding::Utf16LE, "a"}),
    [](const auto& info) { return string(info.param.name); });

TEST(Cp1252, EveryByteSurvivesTheUnicodeRoundTrip) {
    string all;
    for (int c = 0; c < 256; ++c)
        all.push_back(static_cast<char>(c));
    EXPECT_EQ(qw::Utf8ToCp1252(qw::Cp1252ToUtf8(all)), all);
}

TEST(Cp1252, KnownCodePoints) {
    EXPECT_EQ(qw::Cp1252ToUnicode(0x80), U'\u20AC');
    EXPECT_EQ(qw::Cp1252ToUnicode(0x9F), U'\u0178');
    EXPECT_EQ(qw::Cp1252ToUnicode(0x81), U'\u0081');
    EXPECT_EQ(qw::Cp1252ToUnicode(0xE9), U'\u00E9');
    EXPECT_EQ(qw::UnicodeToCp1252(U'\u2014'), 0x97);
    EXPECT_EQ(qw::UnicodeToCp1252(U'\u0080'), -1); // a C1 control Windows-1252 uses for the euro
    EXPECT_EQ(qw::UnicodeToCp1252(U'\u03B1'), -1);
}

TEST(PlainTextToText, TranscodesBeforeTheControlPass) {
    // UTF-16 holds NUL bytes that the plain-text pass would drop: decode first.
    EXPECT_EQ(qw::PlainTextToText("\xff\xfe"
                                  "a\0\n\0b\0"s),
              "a\r\nb");
    EXPECT_EQ(qw::PlainTextToText("\xef\xbb\xbf"
                                  "a\nb"),
              "a\r\nb");
}

TEST(ConvertToText, HtmlDeclaredCharsetAndUtf8PalmDoc) {
    struct Case {
        string content;
        const char* extension;
        string text;
    };
    const string utf8Accent = "caf\xc3\xa9";
    for (const Case& c : {
             Case{"<meta charset=\"utf-8\"><p>caf\xe9 " + utf8Accent, ".HTML", "caf\xe9 caf\xe9"},
             Case{"<META CHARSET=UTF-8><p>" + utf8Accent, ".HTM", "caf\xe9"},
             Case{"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">" +
                      utf8Accent,
                  ".HTML", "caf\xc3\xa9"},
             Case{"<p>" + utf8Accent, ".HTML", "caf\xe9"},
             Case{"\xef\xbb\xbf<meta charset=iso-8859-1>" + utf8Accent, ".HTML", "caf\xe9"},
             Case{qw::BuildPalmDoc(utf8Accent + " na\xc3\xafve", "t", 0), ".PDB",
                  "caf\xe9 na\xefve"},
             Case{qw::BuildPalmDoc("caf\xe9", "t", 0), ".PDB", "caf\xe9"},
         }) {
        EXPECT_EQ(qw::ConvertToText(c.content, c.extension, {}).text, c.text) << c.content;
    }
}

TEST(UpperExtension, TakesTheLastDotOfTheNamePart) {
    EXPECT_EQ(qw::UpperExtension("/a/b/Book.txt"), ".TXT");
    EXPECT_EQ(qw::UpperExtension("/a.dir/README"), "");
    EXPECT_EQ(qw::UpperExtension("archive.tar.Zip"), ".ZIP");
    EXPECT_EQ(qw::UpperExtension("x."), ".");
}

} // namespace

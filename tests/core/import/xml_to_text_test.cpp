#include "import/cp1252.h"
#include "import/plain_text.h"
#include "import/xml_to_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using std::string;

string Xml(const string& in) {
    return qw::TrimConvertedText(qw::XmlToText(in));
}

const string kUtf8 = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";

string Body(const string& content) {
    return kUtf8 + "<office:document-content><office:body>" + content +
           "</office:body></office:document-content>";
}

struct XmlCase {
    const char* name;
    string in;
    string out; // Windows-1252 unless utf8 is set
    bool utf8 = false;
};

class XmlRules : public testing::TestWithParam<XmlCase> {};

TEST_P(XmlRules, Converts) {
    // The cases spell Windows-1252 text; the converter gives UTF-8.
    EXPECT_EQ(Xml(GetParam().in),
              GetParam().utf8 ? GetParam().out : qw::Cp1252ToUtf8(GetParam().out));
}

INSTANTIATE_TEST_SUITE_P(
    Plain, XmlRules,
    testing::Values(
        XmlCase{"PlainXmlOneParagraph",
                "<book>\n  <title>A  tale</title>\n  <p>of\ttwo</p>\n</book>", "A tale of two"},
        XmlCase{"Comment", "a<!-- <x> > -->b", "ab"},
        XmlCase{"CommentWithQuote", "a<!-- say \"hi -->b", "ab"},
        XmlCase{"QuotedGreaterThan", "<a t=\"x>y\">b</a>", "b"}, XmlCase{"Amp", "AT&amp;T", "AT&T"},
        XmlCase{"Apos", "don&apos;t", "don't"}, XmlCase{"UnknownStays", "&foo; x", "&foo; x"},
        XmlCase{"QuoteDoesNotEndName", "&foo\"x y", "&foo\"x y"},
        XmlCase{"ReferenceInTagIgnored", "<a t=\"&amp;\">b</a>", "b"},
        XmlCase{"HexStays", "&#x41;", "&#x41;"}, XmlCase{"Decimal", "&#65;", "A"},
        XmlCase{"UnclosedTag", "a<b", "a"}, XmlCase{"UnclosedComment", "a<!--b", "a"},
        XmlCase{"ParagraphOutsideOfficeIgnored", "<text:p>a</text:p><text:p>b", "a\r\nb"},
        XmlCase{"CdataIsText", "<a><![CDATA[x < y & <b>z</b>]]> end</a>", "x < y & <b>z</b> end"},
        XmlCase{"CdataWithBrackets", "<![CDATA[a]b]]c]]>d", "a]b]]cd"},
        XmlCase{"UnclosedCdataRunsToTheEnd", "a<![CDATA[b\n  c", "ab c"}),
    [](const auto& info) { return string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Office, XmlRules,
    testing::Values(
        XmlCase{"HeadBeforeBodyDropped",
                kUtf8 + "<office:document-content><office:meta>Meta</office:meta>"
                        "<office:body><text:p>x</text:p></office:body>"
                        "<after>tail</after></office:document-content>",
                "x"},
        XmlCase{"Paragraphs",
                Body("<text:p text:style-name=\"P1\">one</text:p>"
                     "<text:p/><text:p>two</text:p>"),
                "one\r\n\r\ntwo"},
        XmlCase{"EmptyParagraphsGiveEmptyLines",
                Body("<text:p>a</text:p><text:p></text:p>"
                     "<text:p></text:p><text:p>b</text:p>"),
                "a\r\n\r\n\r\nb"},
        XmlCase{"HeadingStartsALine",
                Body("<text:p>a</text:p><text:h text:outline-level=\"1\">"
                     "H</text:h><text:p>b</text:p>"),
                "a\r\nH\r\nb"},
        XmlCase{"SpaceCount", Body("<text:p>a<text:s text:c=\"3\"/>b</text:p>"), "a   b"},
        XmlCase{"SpaceWithoutCount", Body("<text:p>a <text:s/>b</text:p>"), "a  b"},
        XmlCase{"SpaceBadCount", Body("<text:p>a<text:s text:c=\"x\"/>b</text:p>"), "ab"},
        XmlCase{"SpaceNegativeCount", Body("<text:p>a<text:s text:c=\"-4\"/>b</text:p>"), "ab"},
        XmlCase{"Tab", Body("<text:p>a<text:tab/>b<text:tab-stop/>c</text:p>"), "a\tb\tc"},
        XmlCase{"LineBreak", Body("<text:p>a<text:line-break/>b</text:p>"), "a\r\nb"},
        XmlCase{"DrawName",
                Body("<text:p><draw:frame draw:style-name=\"fr1\" "
                     "draw:name=\"Graphics1\"><draw:image/></draw:frame>x</text:p>"),
                "{GRAPHICS1}x"},
        XmlCase{"DrawWithoutName", Body("<text:p><draw:image xlink:href=\"a.png\"/>x</text:p>"),
                "x"},
        XmlCase{"TagNameEndsAtSpaceOnly", Body("<text:p\n>a</text:p><text:p>b</text:p>"), "a\r\nb"},
        XmlCase{"Utf8Decoded", Body("<text:p>caf\xC3\xA9 \xE2\x80\x99x\xE2\x80\x9C</text:p>"),
                "caf\xE9 \x92x\x93"},
        XmlCase{"Utf8OutsideCp1252", Body("<text:p>\xE4\xB8\xAD &#1055;</text:p>"),
                "\xE4\xB8\xAD \xD0\x9F", true},
        XmlCase{"ReferencesSurviveDecoding", Body("<text:p>&#233;&ndash;&eacute;</text:p>"),
                "\xE9\x96\xE9"}),
    [](const auto& info) { return string(info.param.name); });

TEST(XmlEncoding, DeclaredAndUndeclaredEncodings) {
    EXPECT_EQ(qw::DeclaredXmlEncoding("<?xml version=\"1.0\" encoding=\"utf-8\"?><a/>"), "UTF-8");
    EXPECT_EQ(qw::DeclaredXmlEncoding("<?xml version='1.0' encoding='ISO-8859-1'?>"), "ISO-8859-1");
    EXPECT_EQ(qw::DeclaredXmlEncoding("\xEF\xBB\xBF<?xml encoding = \"UTF-8\" ?>"), "UTF-8");
    EXPECT_EQ(qw::DeclaredXmlEncoding("<?xml version=\"1.0\"?>"), "");
    EXPECT_EQ(qw::DeclaredXmlEncoding("<a encoding=\"UTF-8\"/>"), "");
    EXPECT_EQ(qw::DeclaredXmlEncoding("<?xml encoding=\"UTF-8\""), ""); // unterminated
    EXPECT_EQ(Xml("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a>caf\xE9</a>"), "caf\xC3\xA9");
    EXPECT_EQ(Xml("<?xml version='1.0' encoding='UTF-8'?><a>\xC3\xA9</a>"), "\xC3\xA9");
    EXPECT_EQ(Xml("<a>\xC3\xA9</a>"), "\xC3\xA9");
    EXPECT_EQ(Xml("<a>\xE9t\xE9</a>"), "\xC3\xA9t\xC3\xA9"); // not UTF-8: Windows-1252
    EXPECT_EQ(Xml(kUtf8 + "<a>\xE9 \xC3\xA9</a>"), "\xC3\xA9 \xC3\xA9");
}

TEST(XmlAttributes, QuotedAndInteger) {
    EXPECT_EQ(qw::GetQuotedAttribute("DRAW:FRAME DRAW:NAME=\"X\"", "DRAW:NAME"), "X");
    EXPECT_EQ(qw::GetQuotedAttribute("A K=\"\"", "K"), "");
    EXPECT_FALSE(qw::GetQuotedAttribute("A K='x'", "K"));
    EXPECT_FALSE(qw::GetQuotedAttribute("A K=\"x", "K"));
    EXPECT_FALSE(qw::GetQuotedAttribute("A", "K"));
    // The first quotes after the key, wherever they stand.
    EXPECT_EQ(qw::GetQuotedAttribute("A K B=\"v\"", "K"), "v");
    const std::pair<const char*, std::optional<long>> integers[] = {
        {"3", 3},           {"-12", -12},
        {"+7", 7},          {"", {}},
        {"3x", {}},         {" 3", {}},
        {"-", {}},          {"99999999999", {}},
        {"2147483648", {}}, {"2147483647", 2147483647}};
    for (const auto& [value, expected] : integers)
        EXPECT_EQ(qw::GetIntegerAttribute(std::string("S C=\"") + value + "\"", "C"), expected)
            << value;
}

// Bad input.

TEST(XmlBadInput, StaysBoundedAndLinear) {
    string spaces;
    for (int k = 0; k < 1000; ++k)
        spaces += "<text:s text:c=\"2000000000\"/>";
    const string out = qw::XmlToText(Body(spaces));
    EXPECT_LE(out.size(), 3 * spaces.size() + 2 * qw::kMaxSpaceRun + 200);
    EXPECT_GE(out.size(), qw::kMaxSpaceRun);
    string nested;
    for (int k = 0; k < 200000; ++k)
        nested += "<a>";
    nested += "x";
    for (int k = 0; k < 200000; ++k)
        nested += "</a>";
    EXPECT_EQ(Xml(nested), "x");
    EXPECT_EQ(Xml("a<" + string(10 << 20, 'x') + ">b"), "ab");
    EXPECT_EQ(Xml("a<!-- " + string(1 << 20, '>')), "a");
    const string name(1 << 20, 'n');
    EXPECT_TRUE(Xml("&" + name) == "&" + name);
    EXPECT_EQ(Xml("a &amp"), "a &");
    string bytes;
    for (int c = 0; c < 256; ++c)
        bytes += static_cast<char>(c);
    // Each byte taken as Windows-1252 is at most three bytes of UTF-8.
    EXPECT_LE(qw::XmlToText(bytes + bytes).size(), 6 * bytes.size());
}

} // namespace

#include "import/cp1252.h"
#include "import/html_entities.h"
#include "import/html_to_text.h"
#include "import/plain_text.h"
#include "import/text_decoding.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using std::string;
using namespace std::string_literals;

enum Emphasis { kPlain, kCapitals, kMarks, kBoth };

string Html(const string& in, Emphasis emphasis = kPlain) {
    qw::ImportOptions options;
    options.htmlEmphasisAsCapitals = emphasis == kCapitals || emphasis == kBoth;
    options.htmlEmphasisMarks = emphasis == kMarks || emphasis == kBoth;
    return qw::TrimConvertedText(qw::HtmlToText(qw::DecodeHtmlToUtf8(in), options));
}

struct HtmlCase {
    const char* name;
    string in;
    string out;
    Emphasis emphasis = kPlain;
};

class HtmlRules : public testing::TestWithParam<HtmlCase> {};

TEST_P(HtmlRules, Converts) {
    // The cases spell Windows-1252 text; the converter gives UTF-8.
    EXPECT_EQ(Html(GetParam().in, GetParam().emphasis), qw::Cp1252ToUtf8(GetParam().out));
}

INSTANTIATE_TEST_SUITE_P(
    Body, HtmlRules,
    testing::Values(HtmlCase{"NoBodyTagWholeFile", "<title>T</title>Hello", "THello"},
                    HtmlCase{"HeadDroppedWithBody",
                             "<html><head><title>T</title></head><body>Hello</body></html>",
                             "Hello"},
                    HtmlCase{"LowerCaseBody", "x<body bgcolor=white>y", "y"},
                    HtmlCase{"TextAfterBodyEndDropped", "<body>a</body>b", "a"},
                    HtmlCase{"BodyTagAfterScriptSetsBody", "x<script>s</script><body>t", "t"},
                    HtmlCase{"BodyInCommentIsNoBody", "pre<!-- <body> -->post", "prepost"},
                    HtmlCase{"BodyInScriptIsNoBody", "a<script>w('<body>')</script>b", "ab"},
                    HtmlCase{"LongerTagNameIsNoBody", "a<bodytext>b</bodytext>", "ab"},
                    HtmlCase{"RealBodyAfterCommentedOne", "x<!--<body>-->y<body class=c>z", "z"}),
    [](const auto& info) { return string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    References, HtmlRules,
    testing::Values(
        HtmlCase{"Amp", "AT&amp;T", "AT&T"},
        HtmlCase{"NoSemicolonSwallowsSpace", "&copy 2020",
                 "\xA9"
                 "2020"},
        HtmlCase{"UnknownStays", "&foo; x", "&foo; x"},
        HtmlCase{"UnknownBeforeReference", "&foo&amp;", "&foo&"}, HtmlCase{"Decimal", "&#65;", "A"},
        HtmlCase{"HexStays", "&#x41;", "&#x41;"}, HtmlCase{"Byte150", "&#150;", "\x96"},
        HtmlCase{"LeadingZeroStays", "&#065;", "&#065;"}, HtmlCase{"Tab09", "a&#09;b", "a\tb"},
        HtmlCase{"Quot", "&quot;&lt;&gt;", "\"<>"}, HtmlCase{"NameCaseMatters", "&AMP;", "&AMP;"},
        HtmlCase{"Nbsp", "a&nbsp;&nbsp;b", "a  b"}, HtmlCase{"Num160", "a&#160;b", "a b"},
        HtmlCase{"Euro", "&euro;&#8364;", "\x80\x80"},
        HtmlCase{"Dashes", "&ndash;&mdash;", "\x96\x97"},
        HtmlCase{"Quotes", "&lsquo;&rsquo;&ldquo;&rdquo;", "\x91\x92\x93\x94"},
        HtmlCase{"ZeroWidthJoiner", "a&zwj;b", "ab"},
        HtmlCase{"Approximation", "&minus;&sim;", "-~"},
        HtmlCase{"ExtraNames", "&brkbar;&die;&hibar;&Dstrok;", "\xA6\xA8\xAF\xD0"},
        HtmlCase{"Scaron", "&Scaron;&#353;", "\x8A\x9A"},
        HtmlCase{"OutOfRangeStays", "&#99999999;", "&#99999999;"},
        HtmlCase{"ZeroStays", "&#0;", "&#0;"},
        HtmlCase{"NameRunsThroughTag", "a &copy<br>b c", "a &copy<br>b c"},
        HtmlCase{"LineBreakEndsName", "&amp\nx", "&x"},
        HtmlCase{"UnknownWithLineBreak", "&foo\nx", "&foo x"},
        HtmlCase{"ReferenceInAttribute", "<a href=\"?a=1&amp;b=2\">t</a>", "t"},
        HtmlCase{"UnknownReferenceClosesQuote", "<a href=\"?a=1&b=2\">t</a>", "t"},
        HtmlCase{"UnknownReferenceAtEnd", "x &cop", "x &cop"},
        HtmlCase{"ReferenceAtEnd", "x &copy", "x \xA9"}),
    [](const auto& info) { return string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Layout, HtmlRules,
    testing::Values(
        HtmlCase{"Paragraphs", "<p>one</p><p>two</p>", "one\r\n\r\ntwo"},
        HtmlCase{"ParagraphKeepsExistingBlankLine", "one<br><br><p>two", "one\r\n\r\ntwo"},
        HtmlCase{"DivAndTable", "a<div>b<table>c", "a\r\n\r\nb\r\n\r\nc"},
        HtmlCase{"Br", "a<br>b", "a\r\nb"}, HtmlCase{"BrWithSpaceSlash", "a<br />b", "a\r\nb"},
        HtmlCase{"BrSelfClosing", "a<br/>b", "a\r\nb"},
        HtmlCase{"BrMultiLineTag", "a<br\nclass=x>b", "a\r\nb"},
        HtmlCase{"Hr", "a<hr>b", "a\r\n____\r\nb"},
        HtmlCase{"Heading", "a<h1>T</h1>b", "a\r\n\r\nT\r\n\r\nb"},
        HtmlCase{"HeadingAfterLineBreak", "a<br><h2>T</h2>", "a\r\n\r\nT"},
        HtmlCase{"H7IsNoHeading", "a<h7>b", "ab"},
        HtmlCase{"Blockquote", "a<blockquote>q</blockquote>b", "a\r\n\r\nq\r\n\r\nb"},
        HtmlCase{"OrderedList", "a<ol><li>x<li>y</ol>", "a\r\n\t\r\n\t1. x\r\n\t2. y"},
        HtmlCase{"UnorderedList", "a<ul><li>x<li>y</ul>", "a\r\n\t\r\n\t- x\r\n\t- y"},
        HtmlCase{"ListAfterOrderedList", "a<ol><li>x</ol><ul><li>y</ul>",
                 "a\r\n\t\r\n\t1. x\r\n\t\r\n\t- y"},
        HtmlCase{"TableCells", "<table><tr><td>a<td>b<tr><td>c</table>", "a\tb\r\nc"},
        HtmlCase{"Menu", "a<menu>b</menu>c", "a\r\n\tb\r\nc"},
        HtmlCase{"WhitespaceCollapses", "a  \t\r\n b", "a b"},
        HtmlCase{"SpaceAfterBlockSkipped", "<p> x</p>", "x"},
        HtmlCase{"Pre", "<pre>a  b\nc\rd</pre>", "a  b\r\nc\r\nd"},
        HtmlCase{"PreKeepsCrLf", "<pre>a\r\nb</pre>", "a\r\nb"},
        HtmlCase{"UnknownTagsVanish", "a<span class=x>b</span>c", "abc"},
        HtmlCase{"Script", "<body>a<script>var x = 1;</script>b</body>", "ab"},
        HtmlCase{"Style", "<style>p { color: red }</style>a", "a"},
        HtmlCase{"ScriptIsRawText", "<script>if (a<b && c>d) x = \"</p>\";</script>t", "t"},
        HtmlCase{"ScriptReferenceCannotSwallowEnd", "<script>x&y</script>t", "t"},
        HtmlCase{"ScriptEndInAnyCase", "<SCRIPT>a<b</ScRiPt >t", "t"},
        HtmlCase{"StyleIsRawText", "<style>a<b{}</style>t", "t"},
        HtmlCase{"UnclosedScript", "a<script>b<c", "a"},
        HtmlCase{"StyleInBody", "<body>a<style>p{}</style>b", "ab"},
        HtmlCase{"Del", "a<del>gone</del>b", "ab"},
        HtmlCase{"QuotedGreaterThan", "<a title=\"x>y\">t</a>", "t"},
        HtmlCase{"SingleQuotedGreaterThanEnds", "<a title='x>y'>t</a>", "y'>t"},
        HtmlCase{"QuoteWithoutEqualsIsText", "<a \"x>y", "y"},
        HtmlCase{"Comment", "a<!-- x > y -->b", "ab"},
        HtmlCase{"CommentWithTags", "a<!-- <p>x</p> -->b", "ab"},
        HtmlCase{"UnclosedComment", "a<!-- x", "a"}, HtmlCase{"UnclosedTag", "a<b", "a"}),
    [](const auto& info) { return string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Emphasis, HtmlRules,
    testing::Values(HtmlCase{"NoEmphasis", "<b>b</b> <i>i</i>", "b i"},
                    HtmlCase{"Capitals", "a <em>\xE9mph</em> <b>b</b> <cite>c</cite> z",
                             "a \xC9MPH B C z", kCapitals},
                    HtmlCase{"CapitalsNested", "<b><i>x</i>y</b>z", "XYz", kCapitals},
                    HtmlCase{"CapitalsOfReferences", "<b>caf&eacute;</b>", "CAF\xC9", kCapitals},
                    HtmlCase{"CapitalsSpecialLetters", "<b>\x9A\x9C\x9E\xFF\xDF\xF7</b>",
                             "\x8A\x8C\x8E\x9F\xDF\xF7", kCapitals},
                    HtmlCase{"Marks", "<b>b</b> <strong>s</strong> <i>i</i> <u>u</u>",
                             "*b* *s* /i/ _u_", kMarks},
                    HtmlCase{"Both", "<b>bold</b>", "*BOLD*", kBoth},
                    HtmlCase{"PreNotCapitalised", "<b><pre>x</pre></b>", "x", kCapitals}),
    [](const auto& info) { return string(info.param.name); });

TEST(CharacterReferences, NamesAndNumbers) {
    EXPECT_EQ(qw::CharacterReferenceCount(), 410u);
    const char* names[] = {"iexcl", "copy", "frac12", "Agrave", "szlig", "eacute", "yuml"};
    const int codes[] = {161, 169, 189, 192, 223, 233, 255};
    for (size_t k = 0; k < 7; ++k) {
        const auto byName = qw::LookupCharacterReference(names[k]);
        const auto byNumber = qw::LookupCharacterReference("#" + std::to_string(codes[k]));
        ASSERT_TRUE(byName && byNumber) << names[k];
        EXPECT_EQ(*byName, *byNumber);
        EXPECT_EQ(*byName, qw::Cp1252ToUtf8(string(1, static_cast<char>(codes[k]))));
    }
    EXPECT_EQ(qw::LookupCharacterReference("#1055"), "\xd0\x9f");
    EXPECT_EQ(qw::LookupCharacterReference("#x41F"), "\xd0\x9f");
    EXPECT_EQ(qw::LookupCharacterReference("#8212"), "\xe2\x80\x94");
    EXPECT_EQ(qw::LookupCharacterReference("#128512"), "\xf0\x9f\x98\x80");
    EXPECT_EQ(qw::LookupCharacterReference("mdash"), "\xe2\x80\x94"); // names keep the table
    for (const char* bad :
         {"#55296", "#1114112", "#99999999", "#x", "#12a4", "#31", "#10", "", "apos"})
        EXPECT_FALSE(qw::LookupCharacterReference(bad)) << bad;
    EXPECT_EQ(Html("<p>&#1055;&#1088;"), "\xd0\x9f\xd1\x80");
    for (int n = 32; n <= 159; ++n) {
        const auto text = qw::LookupCharacterReference("#" + std::to_string(n));
        ASSERT_TRUE(text) << n;
        EXPECT_EQ(*text, qw::Cp1252ToUtf8(string(1, static_cast<char>(n))));
    }
}

TEST(UpperCp1252, LettersOnlyAndBodyTagInAnyCase) {
    // The division sign stays, and the micro sign has no capital here.
    const string lower = "aZ1\xE0\xFE\xF7\xB5", upper = "AZ1\xC0\xDE\xF7\xB5";
    for (size_t k = 0; k < lower.size(); ++k)
        EXPECT_EQ(qw::UpperCp1252(lower[k]), upper[k]) << k;
    EXPECT_TRUE(qw::HasHtmlBodyTag("<BODY>"));
    EXPECT_TRUE(qw::HasHtmlBodyTag("x<bOdY"));
    EXPECT_FALSE(qw::HasHtmlBodyTag("<bod"));
    EXPECT_FALSE(qw::HasHtmlBodyTag("< body>"));
    EXPECT_FALSE(qw::HasHtmlBodyTag(""));
}

// Bad input: never a crash or a hang, output bounded by a small multiple.

TEST(HtmlBadInput, NeverCrashesHangsOrGrows) {
    EXPECT_EQ(Html("a<" + string(10 * 1024 * 1024, 'x') + ">b"), "ab");
    EXPECT_EQ(Html("text<" + string(1 << 20, 'y')), "text");
    EXPECT_EQ(Html("text<!-- " + string(1 << 20, '>')), "text");
    EXPECT_EQ(Html("a<!-->b"), "ab"); // "!--" already ends in "--"
    const string reference = "&" + string(1 << 20, 'n');
    EXPECT_TRUE(Html(reference) == reference);
    string blocks;
    for (int k = 0; k < 100000; ++k)
        blocks += "<p><hr><li><h1>";
    EXPECT_LE(qw::HtmlToText(blocks, {}).size(), 4 * blocks.size());
    string bytes;
    for (int c = 0; c < 256; ++c)
        bytes += static_cast<char>(c);
    EXPECT_LE(qw::HtmlToText(bytes + bytes, {}).size(), 4 * bytes.size());
}

} // namespace

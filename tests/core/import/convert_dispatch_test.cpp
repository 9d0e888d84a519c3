#include "import/convert.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using std::string;

struct DispatchCase {
    const char* name;
    string content;
    string extension;
    string text;
};

class Dispatch : public testing::TestWithParam<DispatchCase> {};

TEST_P(Dispatch, PicksTheConverter) {
    qw::ImportOptions options;
    options.htmlEmphasisAsCapitals = true;
    const qw::ConvertResult result =
        qw::ConvertToText(GetParam().content, GetParam().extension, options);
    EXPECT_FALSE(result.failed);
    EXPECT_EQ(result.text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Dispatch,
    testing::Values(DispatchCase{"Htm", "<p>a<b>b</b></p>\n", ".HTM", "aB"},
                    DispatchCase{"Html", "<br>x &amp; y  ", ".HTML", "x & y"},
                    DispatchCase{"HtmlUtf8", "<p>caf\xC3\xA9 &#233;</p>", ".HTML", "caf\xE9 \xE9"},
                    DispatchCase{"HtmlAsTextElsewhere", "<p>a</p>", ".TXT", "<p>a</p>"},
                    DispatchCase{"Xml", "<a>\n x </a>", ".XML", "x"},
                    DispatchCase{"LowerCaseExtensionIsPlain", "<a>x</a>", ".xml", "<a>x</a>"},
                    DispatchCase{"Plain", "\r\n\r\nline\nnext \t\r\n", ".TXT", "line\r\nnext"},
                    DispatchCase{"NoExtension", "a\rb", "", "a\r\nb"},
                    DispatchCase{"HtmlBlankGivesEmpty", "<p> </p><br>", ".HTM", ""}),
    [](const auto& info) { return string(info.param.name); });

} // namespace

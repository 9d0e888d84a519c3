#include "import/convert.h"
#include "import/palm_doc.h"

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
                    DispatchCase{"HtmlUtf8", "<p>caf\xC3\xA9 &#233;</p>", ".HTML",
                                 "caf\xC3\xA9 \xC3\xA9"},
                    DispatchCase{"HtmlAsTextElsewhere", "<p>a</p>", ".TXT", "<p>a</p>"},
                    DispatchCase{"Xml", "<a>\n x </a>", ".XML", "x"},
                    DispatchCase{"LowerCaseExtensionIsPlain", "<a>x</a>", ".xml", "<a>x</a>"},
                    DispatchCase{"Plain", "\r\n\r\nline\nnext \t\r\n", ".TXT", "line\r\nnext"},
                    DispatchCase{"NoExtension", "a\rb", "", "a\r\nb"},
                    DispatchCase{"HtmlBlankGivesEmpty", "<p> </p><br>", ".HTM", ""}),
    [](const auto& info) { return string(info.param.name); });

TEST(Dispatch, FailuresSayWhyAndKeepTheNoticeForTheReader) {
    qw::ImportOptions options;
    options.maxTextBytes = 1000;
    string notText = qw::BuildPalmDoc("x", "t", 0);
    notText.replace(60, 4, "BOOK");
    struct Case {
        string content;
        string text;
        string error;
    };
    for (const Case& c :
         {Case{"short",
               "Error opening pdb file (File is shorter than its header)\r\n=> The file "
               "might be encrypted.",
               "Error opening pdb file (File is shorter than its header)"},
          Case{notText, qw::kPalmDocNotText, "Only text files in palm doc format are supported"},
          Case{qw::BuildPalmDoc(string(1001, 'x'), "t", 0), "",
               "The text of this Palm Doc file is larger than 0 MB, the largest book Quirewell "
               "reads."}}) {
        const qw::ConvertResult result = qw::ConvertToText(c.content, ".PDB", options);
        EXPECT_TRUE(result.failed);
        EXPECT_EQ(result.text, c.text);
        EXPECT_EQ(result.error, c.error);
        EXPECT_TRUE(result.palmDocTitle.empty());
    }
}

} // namespace

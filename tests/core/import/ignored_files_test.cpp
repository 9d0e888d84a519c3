#include "import/ignored_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using std::string;
using Patterns = std::vector<string>;

struct IgnoreCase {
    const char* name;
    string file;
    bool ignoreArchives;
    Patterns patterns;
    bool ignored;
};

class IgnoredFiles : public testing::TestWithParam<IgnoreCase> {};

TEST_P(IgnoredFiles, Decides) {
    const IgnoreCase& c = GetParam();
    EXPECT_EQ(qw::IsIgnoredFile(c.file, c.ignoreArchives, c.patterns), c.ignored);
}

const Patterns kDefault = {"*.lit"};

INSTANTIATE_TEST_SUITE_P(
    Cases, IgnoredFiles,
    testing::Values(
        IgnoreCase{"Empty", "", true, {"*"}, false}, IgnoreCase{"Blank", "  ", true, {"*"}, false},
        IgnoreCase{"PlainText", "book.txt", true, kDefault, false},
        IgnoreCase{"Picture", "cover.JPG", false, {}, true},
        IgnoreCase{"PictureInFolder", "img/cover.jpeg", false, {}, true},
        IgnoreCase{"Program", "setup.exe", false, {}, true},
        IgnoreCase{"Mht", "page.mht", false, {}, true},
        IgnoreCase{"ZipWhenArchivesIgnored", "inner.zip", true, {}, true},
        IgnoreCase{"ZipKeptOtherwise", "inner.zip", false, {}, false},
        IgnoreCase{"SxwWhenArchivesIgnored", "doc.SXW", true, {}, true},
        IgnoreCase{"OdtWhenArchivesIgnored", "doc.odt", true, {}, true},
        IgnoreCase{"LitPattern", "book.LIT", false, kDefault, true},
        IgnoreCase{"LitPatternOtherExtension", "book.lite", false, kDefault, false},
        IgnoreCase{"StarIgnoresWithExtension", "a.txt", false, {"*"}, true},
        IgnoreCase{"StarKeepsWithoutExtension", "README", false, {"*"}, false},
        IgnoreCase{"PrefixPattern", "README.TXT", false, {"README*"}, true},
        IgnoreCase{"PrefixPatternNoExtension", "README", false, {"README*"}, false},
        IgnoreCase{"PrefixPatternInFolder", "docs/README.TXT", false, {"README*"}, false},
        IgnoreCase{"PatternCaseIgnored", "Readme.txt", false, {"readme.TXT"}, true},
        IgnoreCase{"ExactPatternNeedsExactName", "readme.txt", false, {"read.txt"}, false},
        IgnoreCase{"EmptyExtensionPattern", "notes", false, {"notes"}, true},
        IgnoreCase{"EmptyExtensionPatternWithExtension", "notes.txt", false, {"notes"}, false},
        IgnoreCase{"ExtensionStar", "a.anything", false, {"a.*"}, true},
        IgnoreCase{"BackslashSeparatesFilePart", "dir.x\\name", false, {"*.x"}, false},
        IgnoreCase{"SlashDoesNotSeparate", "dir.lit/name", false, kDefault, false},
        IgnoreCase{"BlankPatternSkipped", "a.txt", false, {" ", ""}, false},
        IgnoreCase{"SecondPatternMatches", "a.doc", false, {"*.lit", "*.doc"}, true}),
    [](const auto& info) { return string(info.param.name); });

TEST(IgnoredFiles, TableHas35Extensions) {
    EXPECT_EQ(qw::AlwaysIgnoredExtensions().size(), 35u);
    for (const string& ext : qw::AlwaysIgnoredExtensions())
        EXPECT_TRUE(qw::IsIgnoredFile("x" + ext, false, {})) << ext;
}

} // namespace

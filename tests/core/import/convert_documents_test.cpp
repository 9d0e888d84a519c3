// The dispatch of RTF, Word and Palm DOC content.

#include "core/import/word_doc_builder.h"
#include "import/convert.h"
#include "import/palm_doc.h"
#include "import/read_file.h"
#include "import/word_doc.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using std::string;

qw::ConvertResult Convert(const string& content, const string& extension, bool blank = false) {
    qw::ImportOptions options;
    options.docBlankLine = blank;
    return qw::ConvertToText(content, extension, options);
}

string Data(const string& name) {
    return qw::ReadWholeFile(string(QW_TEST_DATA_DIR) + "/documents/" + name).bytes;
}

TEST(ConvertDocuments, RtfByExtensionOrSignature) {
    EXPECT_EQ(Convert("{\\rtf1 Hello\\par\\par}", ".RTF").text, "Hello");
    EXPECT_EQ(Convert("{\\rtf1 Hello\\par World}", ".TXT").text, "Hello\r\nWorld");
    EXPECT_EQ(Convert("{\\rtf1 Hello}", ".HTM").text, "Hello");
    // Not RTF inside, but the extension says so: read as an RTF body.
    EXPECT_EQ(Convert("line one\nline two", ".RTF").text, "line oneline two");
}

TEST(ConvertDocuments, WordResultIsNotTrimmed) {
    qw::test::WordBuild build;
    build.pieces.push_back({"\rText\r"});
    const qw::ConvertResult result = Convert(qw::test::BuildWordDocument(build), ".DOC");
    EXPECT_EQ(result.text, "\r\nText\r\n");
    EXPECT_TRUE(result.messages.empty());
    EXPECT_EQ(Convert(qw::test::BuildWordDocument(build), ".DOC", true).text,
              "\r\n\r\nText\r\n\r\n");
}

TEST(ConvertDocuments, PlainTextNamedDocIsPlainText) {
    const qw::ConvertResult result = Convert("Just text\nin a .doc\n", ".DOC");
    EXPECT_EQ(result.text, "Just text\r\nin a .doc");
    EXPECT_TRUE(result.messages.empty());
}

TEST(ConvertDocuments, EncryptedWordShowsMessagesThenPlainText) {
    qw::test::WordBuild build;
    build.pieces.push_back({"secret"});
    build.encrypted = true;
    const qw::ConvertResult result = Convert(qw::test::BuildWordDocument(build), ".DOC");
    EXPECT_EQ(result.messages, (std::vector<string>{qw::kWordEncrypted, qw::kWordNotSupported}));
    EXPECT_FALSE(result.failed);
}

TEST(ConvertDocuments, WordSignatureWithOtherExtensionIsPlainText) {
    qw::test::WordBuild build;
    build.pieces.push_back({"Text"});
    const qw::ConvertResult result = Convert(qw::test::BuildWordDocument(build), ".TXT");
    EXPECT_NE(result.text, "Text");
}

TEST(ConvertDocuments, RealWordDocument) {
    const qw::ConvertResult result = Convert(Data("novel.doc"), ".DOC", true);
    EXPECT_EQ(result.text.substr(0, 20), "Then may not when lo");
    EXPECT_NE(result.text.find(".\r\n\r\nCould can down"), string::npos);
}

TEST(ConvertDocuments, PalmDocWithTitle) {
    const qw::ConvertResult result = Convert(Data("novel_c.pdb"), ".PDB");
    EXPECT_EQ(result.palmDocTitle, "Novel Title");
    EXPECT_EQ(result.text.substr(0, 20), "Then may not when lo");
    EXPECT_EQ(result.text.back(), '.');
    const qw::ConvertResult blank = Convert(qw::BuildPalmDoc("one\ntwo\n", "T", 0), ".PDB", true);
    EXPECT_EQ(blank.text, "one\r\n\r\ntwo");
}

} // namespace

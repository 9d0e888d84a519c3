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

// A Word result is not trimmed; a Word signature with another extension, or
// plain text named .doc, is plain text; an encrypted document shows its
// messages, then plain text.
TEST(ConvertDocuments, WordByExtensionAndSignatureOrPlainText) {
    qw::test::WordBuild build, encrypted;
    build.pieces.push_back({"\rText\r"});
    encrypted.pieces.push_back({"secret"});
    encrypted.encrypted = true;
    const string word = qw::test::BuildWordDocument(build);
    const qw::ConvertResult result = Convert(word, ".DOC");
    EXPECT_EQ(result.text, "\r\nText\r\n");
    EXPECT_TRUE(result.messages.empty());
    EXPECT_EQ(Convert(word, ".DOC", true).text, "\r\n\r\nText\r\n\r\n");
    EXPECT_NE(Convert(word, ".TXT").text, "\r\nText\r\n");
    const qw::ConvertResult plain = Convert("Just text\nin a .doc\n", ".DOC");
    EXPECT_EQ(plain.text, "Just text\r\nin a .doc");
    EXPECT_TRUE(plain.messages.empty());
    const qw::ConvertResult locked = Convert(qw::test::BuildWordDocument(encrypted), ".DOC");
    EXPECT_EQ(locked.messages, (std::vector<string>{qw::kWordEncrypted, qw::kWordNotSupported}));
    EXPECT_FALSE(locked.failed);
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

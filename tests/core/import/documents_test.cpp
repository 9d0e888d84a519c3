// Our converters against documents made by LibreOffice and txt2pdbdoc, and
// against the text antiword, catdoc and unrtf give for them (see
// tests/data/documents/README.md).

#include "import/cp1252.h"
#include "import/palm_doc.h"
#include "import/palm_doc_writer.h"
#include "import/plain_text.h"
#include "import/read_file.h"
#include "import/rtf_to_text.h"
#include "import/word_doc.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

using std::string;

string Data(const string& name) {
    const qw::FileBytes file = qw::ReadWholeFile(string(QW_TEST_DATA_DIR) + "/documents/" + name);
    EXPECT_TRUE(file.ok()) << name;
    return file.bytes;
}

// The words of a text, with control characters and those in `drop` taken
// out of them (unrtf writes the low bytes of characters it cannot show).
std::vector<string> Words(const string& text, const string& drop = "") {
    std::vector<string> words;
    string word;
    for (char c : text + " ") {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\xa0') {
            if (!word.empty())
                words.push_back(word);
            word.clear();
        } else if (drop.find(c) == string::npos && static_cast<unsigned char>(c) >= 0x20) {
            word.push_back(c);
        }
    }
    return words;
}

string NovelText() {
    return qw::Utf8ToCp1252(Data("novel.txt"));
}

string WordText(const string& name) {
    const string file = Data(name);
    const qw::WordDocument doc = qw::IsWordDocument(file);
    EXPECT_EQ(doc.kind, 6) << name;
    EXPECT_TRUE(doc.messages.empty());
    // The expectations spell Windows-1252; the converter gives UTF-8.
    return qw::Utf8ToCp1252(qw::WordDocToText(file, doc, false));
}

TEST(ReferenceDocuments, WordTextMatchesAntiwordAndCatdoc) {
    const string ours = WordText("novel.doc");
    EXPECT_EQ(Words(ours), Words(qw::Utf8ToCp1252(Data("novel.antiword.txt"))));
    EXPECT_EQ(Words(ours), Words(qw::Utf8ToCp1252(Data("novel.catdoc.txt"))));
    EXPECT_EQ(Words(ours), Words(NovelText()));
    // One paragraph per line.
    EXPECT_EQ(qw::TrimConvertedText(ours),
              qw::TrimConvertedText(qw::NormalizeLineBreaks(NovelText(), false)));
}

TEST(ReferenceDocuments, WordFeatures) {
    const string text = WordText("features.doc");
    EXPECT_NE(text.find("ends here at the end {This is the footnote text.} and goes on.\r\n"),
              string::npos);
    EXPECT_NE(text.find("Visit the example site today."), string::npos);
    EXPECT_NE(text.find("Cell A\tCell B\t\tCell C\tCell D\t\t"), string::npos);
    EXPECT_NE(text.find("caf\xe9 \xfc"
                        "ber \x93quotes\x94 en\x96"
                        "dash em\x97"
                        "dash euro \x80"),
              string::npos);
    EXPECT_NE(text.find("\r\n{Headers}\r\nRunning Header Text"), string::npos);
}

TEST(ReferenceDocuments, RtfTextMatchesTheSourceAndUnrtf) {
    // The expectations spell Windows-1252; the converter gives UTF-8.
    const string ours = qw::Utf8ToCp1252(qw::RtfToText(Data("novel.rtf")));
    EXPECT_EQ(qw::TrimConvertedText(ours),
              qw::TrimConvertedText(qw::NormalizeLineBreaks(NovelText(), false)));
    // unrtf leaves out the typographic quotes and dashes.
    const string typographic = "\x91\x92\x93\x94\x96\x97";
    EXPECT_EQ(Words(ours, typographic),
              Words(qw::Utf8ToCp1252(Data("novel.unrtf.txt")), typographic));
}

TEST(ReferenceDocuments, RtfFeatures) {
    const string text = qw::Utf8ToCp1252(qw::RtfToText(Data("features.rtf")));
    EXPECT_NE(text.find("ends here at the end and goes on.\r\n"), string::npos);
    EXPECT_NE(text.find("Visit the example site today."), string::npos);
    EXPECT_NE(text.find("Cell A\tCell B\t\r\nCell C\tCell D\t"), string::npos);
    EXPECT_NE(text.find("caf\xe9 \xfc"
                        "ber \x93quotes\x94 en\x96"
                        "dash em\x97"
                        "dash euro \x80"),
              string::npos);
    EXPECT_EQ(text.find("Running Header"), string::npos);
}

TEST(ReferenceDocuments, Txt2pdbdocFilesRead) {
    const string expected = qw::NormalizeLineBreaks(NovelText(), false);
    const qw::PalmDocText compressed = qw::PalmDocToText(Data("novel_c.pdb"), false);
    EXPECT_EQ(compressed.title, "Novel Title");
    EXPECT_EQ(compressed.text, expected);
    const qw::PalmDocText stored = qw::PalmDocToText(Data("novel_u.pdb"), false);
    EXPECT_EQ(stored.title, "Novel Plain");
    EXPECT_EQ(stored.text, expected);
}

TEST(ReferenceDocuments, Txt2pdbdocDecodesOurFiles) {
    if (std::system("txt2pdbdoc -V > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "txt2pdbdoc is not installed";
    qw::test::TempDir dir;
    const string text = qw::NormalizeLineBreaks(NovelText(), false);
    const string pdb = dir.path() + "/ours.pdb";
    ASSERT_TRUE(qw::WritePalmDoc(pdb, text, "Ours").ok);
    const string out = dir.path() + "/decoded.txt";
    ASSERT_EQ(std::system(("txt2pdbdoc -d " + pdb + " " + out + " > /dev/null 2>&1").c_str()), 0);
    const qw::FileBytes decoded = qw::ReadWholeFile(out);
    EXPECT_EQ(decoded.bytes, qw::PreparePalmDocText(text));
}

} // namespace

#include "core/import/word_doc_builder.h"
#include "import/compound_file.h"
#include "import/word_doc.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

using std::string;
using namespace std::string_literals;
using qw::test::BuildCompoundFile;
using qw::test::BuildWordDocument;
using qw::test::PutLe32;
using qw::test::WordBuild;
using qw::test::WordPiece;

string Convert(const string& file, bool blankLine = false) {
    const qw::WordDocument doc = qw::IsWordDocument(file);
    EXPECT_TRUE(doc.isWord());
    return qw::WordDocToText(file, doc, blankLine);
}

WordBuild Simple(const string& text) {
    WordBuild build;
    build.pieces.push_back({text});
    return build;
}

// ---- Text filter

struct FilterCase {
    const char* name;
    string source;
    int kind;
    bool blankLine;
    string text;
};

class FilterWordTextTest : public testing::TestWithParam<FilterCase> {};

TEST_P(FilterWordTextTest, Filters) {
    const FilterCase& c = GetParam();
    EXPECT_EQ(qw::FilterWordText(c.source, 0, c.source.size(), c.kind, c.blankLine), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FilterWordTextTest,
    testing::Values(FilterCase{"ParagraphKind6", "a\rb\r", 6, false, "a\r\nb\r\n"},
                    FilterCase{"ParagraphKind6Blank", "a\rb", 6, true, "a\r\n\r\nb"},
                    FilterCase{"ParagraphKind1", "a\rb", 1, false, "a\rb"},
                    FilterCase{"ParagraphKind1Blank", "a\rb", 1, true, "a\r\n\rb"},
                    FilterCase{"ParagraphKind4", "a\rb", 4, false, "a\r\nb"},
                    FilterCase{"CellsAndRowsAreTabs",
                               "A\x07"
                               "B\x07\x07",
                               6, false, "A\tB\t\t"},
                    FilterCase{"Breaks",
                               "a\x0b"
                               "b\x0c"
                               "c\x0e"
                               "d",
                               6, false, "a\r\nb\r\nc\r\nd"},
                    FilterCase{"FieldResultOnly",
                               "p. \x13 PAGE \x14"
                               "12\x15 end",
                               6, false, "p. 12 end"},
                    FilterCase{"HyperlinkShowsText",
                               "\x13 HYPERLINK \"http://x.org\" \x14the site\x15.", 6, false,
                               "the site."},
                    FilterCase{"FieldWithoutResult",
                               "a\x13 TOC \x15"
                               "b",
                               6, false, "ab"},
                    FilterCase{"SeparatorOutsideField",
                               "a\x14"
                               "b",
                               6, false, "ab"},
                    FilterCase{"ControlsDropped",
                               "a\x01\x02\x05\x08\x1f"
                               "b\tc\x80\xff",
                               6, false, "ab\tc\x80\xff"},
                    FilterCase{"BlankSourceIsEmpty", " \r\r\t ", 6, false, ""}),
    [](const auto& info) { return string(info.param.name); });

TEST(FilterWordText, StaysInsideItsRange) {
    EXPECT_EQ(qw::FilterWordText("abcdef", 2, 2, 6, false), "cd");
    EXPECT_EQ(qw::FilterWordText("abcdef", 4, 100, 6, false), "ef");
    EXPECT_EQ(qw::FilterWordText("abcdef", 7, 1, 6, false), "");
}

// ---- Recognition

struct KindCase {
    const char* name;
    string bytes;
    int kind;
};

class WordKindTest : public testing::TestWithParam<KindCase> {};

TEST_P(WordKindTest, Recognises) {
    EXPECT_EQ(qw::IsWordDocument(GetParam().bytes).kind, GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WordKindTest,
    testing::Values(KindCase{"Empty", "", 0}, KindCase{"Plain", "Hello world", 0},
                    KindCase{"Kind1", "\x31\xBE rest"s, 1}, KindCase{"Kind2", "\x9B\xA5"s, 2},
                    KindCase{"Kind3", "\xDB\xA5\0\0"s, 3},
                    KindCase{"Kind4PartialSignature", "\xD0\xCF\x11\xE0 no more"s, 4},
                    KindCase{"Word97", BuildWordDocument(Simple("x\r")), 6},
                    KindCase{"Word6",
                             [] {
                                 WordBuild b = Simple("x\r");
                                 b.ident = 0xA5DC;
                                 return BuildWordDocument(b);
                             }(),
                             5}),
    [](const auto& info) { return string(info.param.name); });

string SingleStream(unsigned char first, unsigned char second, const string& text) {
    string file(128, '\0');
    file[0] = static_cast<char>(first);
    file[1] = static_cast<char>(second);
    PutLe32(file, 14, static_cast<std::uint32_t>(128 + text.size()));
    PutLe32(file, 24, 128);
    PutLe32(file, 28, static_cast<std::uint32_t>(128 + text.size()));
    return file + text + "trailing garbage";
}

TEST(WordDocToText, SingleStreamKindsAndOffsetsOutsideTheFile) {
    EXPECT_EQ(Convert(SingleStream(0x31, 0xBE, "Old\rWord")), "Old\rWord");
    EXPECT_EQ(Convert(SingleStream(0x9B, 0xA5, "Old\rWord")), "Old\rWord");
    EXPECT_EQ(Convert(SingleStream(0xDB, 0xA5, "Old\rWord"), true), "Old\r\n\rWord");
    EXPECT_EQ(Convert(SingleStream(0xD0, 0xCF, "Old\rWord")), "Old\r\nWord");
    string file = SingleStream(0x9B, 0xA5, "text");
    PutLe32(file, 28, 0xFFFFFFF0u);
    EXPECT_EQ(Convert(file), "texttrailing garbage");
    PutLe32(file, 24, 0xFFFFFF00u);
    EXPECT_EQ(Convert(file), "");
    EXPECT_EQ(Convert("\x31\xBE"s), "");
}

// ---- Compound Word documents

TEST(WordDocToText, MainTextThroughPiecesOrFromFcMin) {
    EXPECT_EQ(Convert(BuildWordDocument(Simple("Hello\rWorld\r"))), "Hello\r\nWorld\r\n");
    EXPECT_EQ(Convert(BuildWordDocument(Simple("Hello\rWorld\r")), true),
              "Hello\r\n\r\nWorld\r\n\r\n");
    WordBuild plain = Simple("Plain\rtext");
    plain.pieceTable = false;
    EXPECT_EQ(Convert(BuildWordDocument(plain)), "Plain\r\ntext");
    WordBuild build = Simple("Main\rHeader\r");
    build.ident = 0xA5DC;
    build.counts = {5, 0, 7};
    // Kind 5 takes fcMac - fcMin as the main text and no parts.
    EXPECT_EQ(Convert(BuildWordDocument(build)), "Main\r\nHeader\r\n");
}

TEST(WordDocToText, WideAndNarrowPiecesJoinedWithoutLoss) {
    WordBuild build;
    build.pieces.push_back({"caf\xe9 \x93"});
    WordPiece wide;
    wide.wide = true;
    // U+2013 must not start a field; Cyrillic, Greek and CJK have no
    // Windows-1252 byte; U+1F600 is a surrogate pair; a lone high surrogate
    // cannot be shown.
    wide.wideText = u"\u2013 \u0434\u043e\u043c \u03b1 \u4e2d \U0001F600 \xD800!\x13x\x14y\x15\r";
    build.pieces.push_back(wide);
    EXPECT_EQ(Convert(BuildWordDocument(build)),
              u8"caf\u00e9 \u201c\u2013 \u0434\u043e\u043c \u03b1 \u4e2d \U0001F600 \uFFFD!y\r\n");
}

TEST(WordDocToText, PiecesInTableOrderNotStreamOrder) {
    // The stream holds "World" before "Hello "; the piece table puts them right.
    for (bool oneTable : {true, false}) {
        WordBuild build;
        build.oneTable = oneTable;
        build.pieces.push_back({"World"});
        build.pieces.push_back({"Hello "});
        string file = BuildWordDocument(build);
        // Swap the two piece descriptors' file positions and lengths: CP 0..6
        // is "Hello ", CP 6..11 is "World".
        const qw::WordDocument doc = qw::IsWordDocument(file);
        ASSERT_EQ(doc.kind, 6);
        EXPECT_EQ(qw::WordDocToText(file, doc, false), "WorldHello ");
    }
}

TEST(WordDocToText, FootnoteGoesWhereItIsReferenced) {
    // Main text "The end\x02." with a footnote at CP 7; footnote text "\x02 Note.\r".
    WordBuild build;
    const string main = "The end\x02.\r";
    const string note = "\x02 Note text.\r";
    build.pieces.push_back({main + note});
    build.counts = {static_cast<std::uint32_t>(main.size()),
                    static_cast<std::uint32_t>(note.size())};
    string table(64, '\0');
    // Reference table at 0: CPs 7 and the end.
    PutLe32(table, 0, 7);
    PutLe32(table, 4, static_cast<std::uint32_t>(main.size()));
    // Text table at 16: CPs 0, size, and the extra end entry.
    PutLe32(table, 16, 0);
    PutLe32(table, 20, static_cast<std::uint32_t>(note.size()));
    PutLe32(table, 24, static_cast<std::uint32_t>(note.size()) + 1);
    build.extraTable = table;
    build.footnoteRef = 0;
    build.footnoteText = 16;
    build.footnoteTextSize = 12; // three entries: one footnote
    EXPECT_EQ(Convert(BuildWordDocument(build)), "The end {Note text.}.\r\n");
}

TEST(WordDocToText, PartsFollowUnderLabels) {
    WordBuild build;
    const string main = "Body\r";
    const string headers = "Head\r";
    const string annotation = "Note\r";
    build.pieces.push_back({main + headers + annotation});
    build.counts = {5, 0, 5, 0, 5};
    EXPECT_EQ(Convert(BuildWordDocument(build)),
              "Body\r\n\r\n{Headers}\r\nHead\r\n\r\n{Annotation}\r\nNote\r\n");
}

TEST(IsWordDocument, RefusesEncryptedAndOtherDocuments) {
    WordBuild encrypted = Simple("secret"), other = Simple("x");
    encrypted.encrypted = true;
    other.ident = 0x1234;
    const qw::WordDocument doc = qw::IsWordDocument(BuildWordDocument(encrypted));
    EXPECT_FALSE(doc.isWord());
    EXPECT_EQ(doc.messages, (std::vector<string>{qw::kWordEncrypted, qw::kWordNotSupported}));
    const qw::WordDocument workbook = qw::IsWordDocument(BuildCompoundFile({{"Workbook", "x"}}));
    EXPECT_FALSE(workbook.isWord());
    EXPECT_EQ(workbook.messages, std::vector<string>{qw::kWordNotSupported});
    EXPECT_FALSE(qw::IsWordDocument(BuildWordDocument(other)).isWord());
}

// ---- Hostile compound files

string WordFile() {
    string text;
    for (int i = 0; i < 400; ++i)
        text += "Paragraph " + std::to_string(i) + " of a longer document.\r";
    return BuildWordDocument(Simple(text));
}

struct Hostile {
    const char* name;
    string file;
    bool word;
};

class HostileCompoundTest : public testing::TestWithParam<Hostile> {};

TEST_P(HostileCompoundTest, GivesAMessageOrText) {
    const qw::WordDocument doc = qw::IsWordDocument(GetParam().file);
    EXPECT_EQ(doc.isWord(), GetParam().word);
    if (!doc.isWord()) {
        EXPECT_FALSE(doc.messages.empty());
    }
    const string text = qw::WordDocToText(GetParam().file, doc, true);
    EXPECT_LE(text.size(), GetParam().file.size() * 3);
}

string Patched(size_t at, std::uint32_t value, string file = WordFile()) {
    PutLe32(file, at, value);
    return file;
}

string Patched16(size_t at, unsigned value) {
    string file = WordFile();
    qw::test::PutLe16(file, at, value);
    return file;
}

// Where the FIB starts in WordFile(): the stream begins at a sector.
size_t FibAt() {
    const string file = WordFile();
    for (size_t at = 512; at + 512 <= file.size(); at += 512)
        if (file.compare(at, 2, "\xEC\xA5") == 0)
            return at;
    return 0;
}

// In the built files sector 0 is the FAT and sector 1 the directory.
constexpr size_t kFat = 512;
constexpr size_t kDirectory = 1024;

INSTANTIATE_TEST_SUITE_P(
    Cases, HostileCompoundTest,
    testing::Values(
        Hostile{"SectorShift12", Patched16(30, 12), false},
        Hostile{"MiniShift7", Patched16(32, 7), false},
        Hostile{"HeaderOnly", WordFile().substr(0, 512), false},
        Hostile{"DirectoryPastEnd", Patched(48, 100000), false},
        Hostile{"DirectoryChainLoops", Patched(kFat + 4 * 1, 1), true},
        Hostile{"DirectoryChainFree", Patched(48, 0xFFFFFFFFu), false},
        Hostile{"FatSectorPastEnd", Patched(76, 99999), true}, // only the first sectors read
        Hostile{"FatCountHuge", Patched(44, 0xFFFFFFF0u), true},
        Hostile{"DifatLoops", Patched(72, 5, Patched(68, 0, Patched(44, 200))), true},
        Hostile{"StreamSizeBeyondFile", Patched(kDirectory + 128 + 120, 0x7FFFFFFF), true},
        Hostile{"StreamStartPastEnd", Patched(kDirectory + 128 + 116, 0x00FFFFFF), false},
        Hostile{"MiniCutoffHuge", Patched(56, 0xFFFFFFFFu), false},
        Hostile{"MiniFatCountHuge", Patched(64, 0x7FFFFFFF), true},
        Hostile{"PieceTableOutside", Patched(FibAt() + 418, 0x7FFFFFF0), true},
        Hostile{"PieceTableHugeSize", Patched(FibAt() + 422, 0xFFFFFFF0u), true},
        Hostile{"MainCountHuge", Patched(FibAt() + 76, 0xFFFFFFF0u), true},
        Hostile{"FcMinPastEnd", Patched(FibAt() + 24, 0xFFFFFFF0u), true}),
    [](const auto& info) { return string(info.param.name); });

TEST(CompoundFile, ReadsStreamsAndGoesOnAfterFatWarnings) {
    std::vector<string> warnings;
    ASSERT_TRUE(qw::CompoundFile::Open(Patched(44, 500), warnings).has_value());
    EXPECT_EQ(warnings, std::vector<string>{qw::kCompoundFatError});
    // Mini and regular streams, and a FAT beyond 109 sectors (about 115) through the DIFAT.
    const string small = "small stream", large(9000, 'L'), big(7'500'000, 'B');
    for (const auto& streams :
         {std::vector<qw::test::NamedStream>{{"Small", small}, {"Large", large}}, {{"Big", big}}}) {
        warnings.clear();
        const string file = BuildCompoundFile(streams); // the reader keeps a view of it
        const auto cf = qw::CompoundFile::Open(file, warnings);
        ASSERT_TRUE(cf.has_value());
        EXPECT_TRUE(warnings.empty());
        qw::CompoundStream stream;
        for (const auto& [name, content] : streams) {
            ASSERT_EQ(cf->find(name, stream), qw::CompoundLookup::Found);
            EXPECT_EQ(cf->read(stream), content);
        }
        EXPECT_EQ(cf->read(stream, 10), streams.back().bytes.substr(0, 10));
        EXPECT_EQ(cf->find("Larg", stream), qw::CompoundLookup::NotFound);
    }
}

TEST(WordDocToText, TruncationsAndBitFlipsNeverCrash) {
    const string file = WordFile();
    for (size_t cut :
         {size_t{0}, size_t{100}, size_t{511}, size_t{512}, file.size() / 2, file.size() - 1}) {
        const string part = file.substr(0, cut);
        const qw::WordDocument doc = qw::IsWordDocument(part);
        EXPECT_LE(qw::WordDocToText(part, doc, true).size(), file.size() * 3);
    }
    std::mt19937 random(17);
    for (int round = 0; round < 300; ++round) {
        string broken = file;
        for (int k = 0; k < 6; ++k) {
            // Mostly in the header, the FAT, the directory and the FIB.
            const size_t at = random() % 2 ? random() % 2048 : random() % broken.size();
            broken[at] ^= static_cast<char>(1 << (random() % 8));
        }
        const qw::WordDocument doc = qw::IsWordDocument(broken);
        EXPECT_LE(qw::WordDocToText(broken, doc, true).size(), file.size() * 3);
    }
}

} // namespace

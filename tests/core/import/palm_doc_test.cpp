#include "import/palm_doc.h"
#include "import/palm_doc_writer.h"
#include "import/plain_text.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>

namespace {

using std::string;
using namespace std::string_literals;

unsigned U16(const string& s, size_t at) {
    return (static_cast<unsigned char>(s[at]) << 8) | static_cast<unsigned char>(s[at + 1]);
}
unsigned long U32(const string& s, size_t at) {
    return (static_cast<unsigned long>(U16(s, at)) << 16) | U16(s, at + 2);
}

// A copy of `length` bytes from `distance` back.
string Copy(unsigned distance, unsigned length) {
    const unsigned code = distance * 8 + (length - 3);
    return {static_cast<char>(0x80 + (code >> 8)), static_cast<char>(code & 0xFF)};
}

string Decompress(const string& record) {
    string out;
    EXPECT_TRUE(qw::DecompressPalmDocRecord(record, out));
    return out;
}

// A hand-made database with the given record 0 fields and text records.
string MakeDatabase(unsigned compression, const std::vector<string>& records,
                    const string& type = "TEXt") {
    const size_t n = records.size();
    string out(78 + 8 * (n + 1) + 2, '\0');
    out.replace(0, 4, "Book");
    out.replace(60, 4, type);
    out.replace(64, 4, "REAd");
    out[76] = static_cast<char>((n + 1) >> 8);
    out[77] = static_cast<char>(n + 1);
    auto put32 = [&](size_t at, size_t v) {
        for (int b = 0; b < 4; ++b)
            out[at + b] = static_cast<char>(v >> (24 - 8 * b));
    };
    put32(78, out.size());
    string record0(16, '\0');
    record0[1] = static_cast<char>(compression);
    record0[9] = static_cast<char>(n);
    out += record0;
    for (size_t k = 0; k < n; ++k) {
        put32(78 + 8 * (k + 1), out.size());
        out += records[k];
    }
    return out;
}

struct CodecCase {
    const char* name;
    string text;
    string compressed;
};

class CompressTest : public testing::TestWithParam<CodecCase> {};

TEST_P(CompressTest, EncodesAndDecodesBack) {
    EXPECT_EQ(qw::CompressPalmDocRecord(GetParam().text), GetParam().compressed);
    EXPECT_EQ(Decompress(GetParam().compressed), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CompressTest,
    testing::Values(CodecCase{"Empty", "", ""}, CodecCase{"SpaceLetterShareAByte", " A", "\xC1"},
                    CodecCase{"TwoSpaces", "  ", "  "}, CodecCase{"SpaceDigit", " 1", " 1"},
                    CodecCase{"TrailingSpace", "a ", "a "},
                    CodecCase{"SpaceBeforeHighByte", " \xe9", " \x01\xe9"},
                    CodecCase{"HighByteEscaped", "\x85", "\x01\x85"},
                    CodecCase{"EscapesJoined", "\x85\x86\x87", "\x03\x85\x86\x87"},
                    CodecCase{"NineEscapesSplit", "\x80\x81\x82\x83\x84\x85\x86\x87\x88",
                              "\x08\x80\x81\x82\x83\x84\x85\x86\x87\x01\x88"},
                    CodecCase{"LowControlEscaped", "a\x01"s + "b", "a\x01\x01"s + "b"},
                    CodecCase{"NulLiteral", "a\0b"s, "a\0b"s}, CodecCase{"TabLiteral", "\t", "\t"},
                    // "abcdefghij" again at distance 10: one copy of length 10.
                    CodecCase{"TenByteRepeat", "abcdefghijabcdefghijX", "abcdefghij\x80\x57X"},
                    CodecCase{"ThreeByteRepeatStaysLiteral", "abcXabc", "abcXabc"}),
    [](const auto& info) { return string(info.param.name); });

TEST(CompressPalmDocRecord, CopiesRepeatsWithinTheWindow) {
    const string part = "0123456789ABCDEFGHIJ";
    const string packed = qw::CompressPalmDocRecord(part + "-" + part);
    // The literal part and the dash, then a copy of ten bytes from distance 21.
    EXPECT_EQ(packed.substr(0, 23), part + "-" + Copy(21, 10));
    EXPECT_EQ(Decompress(packed), part + "-" + part);
    std::mt19937 random(7);
    string noise;
    for (int i = 0; i < 3000; ++i)
        noise.push_back(static_cast<char>('a' + random() % 26));
    string prose;
    while (prose.size() < 4096)
        prose += "It was the best of times, it was the worst of times, it was the age of wisdom. ";
    prose.resize(4096);
    const string far = "QUIREWELL!" + noise + "QUIREWELL!";
    for (const string& text : {far, prose})
        EXPECT_EQ(Decompress(qw::CompressPalmDocRecord(text)), text);
    // The far repeat cannot be copied; prose shrinks to under a quarter.
    EXPECT_GT(qw::CompressPalmDocRecord(far).size(), far.size() * 9 / 10);
    EXPECT_LT(qw::CompressPalmDocRecord(prose).size(), 4096u / 4);
}

TEST(CompressPalmDocRecord, RoundTripsRandomRecordsOfEveryByte) {
    std::mt19937 random(42);
    for (int round = 0; round < 300; ++round) {
        const size_t length = random() % 4097;
        string text;
        const int alphabet = round % 3 == 0 ? 256 : (round % 3 == 1 ? 4 : 40);
        for (size_t i = 0; i < length; ++i) {
            if (alphabet == 256)
                text.push_back(static_cast<char>(random() % 256));
            else
                text.push_back(
                    static_cast<char>((alphabet == 4 ? 'a' : ' ') + random() % alphabet));
        }
        const string packed = qw::CompressPalmDocRecord(text);
        ASSERT_EQ(Decompress(packed), text) << "round " << round;
        if (alphabet == 4 && length > 1000) {
            EXPECT_LT(packed.size(), text.size() * 3 / 4);
        }
    }
}

// The compression walk step by step as first written down: a candidate
// t[i, j) grows while an earlier occurrence exists, searched from where the
// last one was found. The fast compressor must give the same bytes.
string ReferenceCompress(const string& text) {
    const auto* t = reinterpret_cast<const unsigned char*>(text.data());
    const size_t length = text.size();
    string out, escapes;
    bool pending = false;
    auto flush = [&] {
        for (size_t at = 0; at < escapes.size(); at += 8) {
            const size_t count = std::min<size_t>(8, escapes.size() - at);
            out += static_cast<char>(count);
            out += escapes.substr(at, count);
        }
        escapes.clear();
    };
    auto plain = [&](unsigned char c) {
        flush();
        out += static_cast<char>(c);
    };
    auto literal = [&](unsigned char c) {
        if (pending) {
            pending = false;
            if (c >= 0x40 && c <= 0x7F)
                return plain(static_cast<unsigned char>(c ^ 0x80));
            plain(' ');
        }
        if (c == ' ')
            pending = true;
        else if (c == 0 || (c >= 9 && c <= 0x7F))
            plain(c);
        else
            escapes += static_cast<char>(c);
    };
    size_t i = 0, j = 1, k = 0;
    while (i < length) {
        if (i - k > 2047)
            k = i - 2047;
        const size_t m = j - i;
        size_t p = k;
        while (p < i && std::memcmp(t + p, t + i, m) != 0)
            ++p;
        if (p != i && m < 11 && j < length) {
            k = p;
            ++j;
            continue;
        }
        if (m < 4) {
            literal(t[i]);
            ++i;
        } else {
            if (pending) {
                pending = false;
                plain(' ');
            }
            const size_t code = (i - k) * 8 + (m - 4);
            flush();
            out += static_cast<char>(0x80 + (code >> 8));
            out += static_cast<char>(code & 0xFF);
            i = j - 1;
        }
        k = 0;
        if (j < length)
            ++j;
    }
    if (pending)
        plain(' ');
    flush();
    return out;
}

TEST(CompressPalmDocRecord, SameBytesAsTheStepByStepWalk) {
    std::mt19937 random(2024);
    string prose;
    while (prose.size() < 5000)
        prose += "So it goes, and so it went; the rain in Spain stays mainly in the plain. ";
    for (int round = 0; round < 200; ++round) {
        string text;
        const size_t length = random() % 4097;
        const int mode = round % 4;
        for (size_t n = 0; n < length; ++n) {
            if (mode == 0)
                text += static_cast<char>(random() % 256);
            else if (mode == 1)
                text += static_cast<char>("ab \x85"[random() % 4]);
            else if (mode == 2)
                text += prose[(n + random() % 3) % prose.size()];
            else
                text += static_cast<char>(' ' + random() % 8);
        }
        ASSERT_EQ(qw::CompressPalmDocRecord(text), ReferenceCompress(text)) << "round " << round;
    }
    const string long_text = prose.substr(0, 4096);
    EXPECT_EQ(qw::CompressPalmDocRecord(long_text), ReferenceCompress(long_text));
}

TEST(DecompressPalmDocRecord, CopiesOverlapAndReachIntoEarlierRecords) {
    // "ab" then a copy of length 6 from distance 2: "abababab".
    EXPECT_EQ(Decompress("ab" + Copy(2, 6)), "abababab");
    string out = "hello";
    ASSERT_TRUE(qw::DecompressPalmDocRecord(Copy(5, 5), out));
    EXPECT_EQ(out, "hellohello");
    // Distance zero, before the start (distance 2, one byte decoded), cut
    // inside a copy, a literal run past the end.
    for (const string& bad : {"\x80\x00"s, "\x80\x10"s, "ab\x80"s,
                              "\x05"
                              "ab"s}) {
        out = "x";
        EXPECT_FALSE(qw::DecompressPalmDocRecord(bad, out)) << bad;
    }
}

TEST(PreparePalmDocText, MakesLfLinesAndDropsLowBytes) {
    EXPECT_EQ(qw::PreparePalmDocText("a\r\nb\rc\nd\x0c"
                                     "e\x01\x08\tf\x0b"),
              "a\nb\nc\nd\ne\tf\x0b");
}

TEST(BuildPalmDoc, HeaderFieldsAsWritten) {
    const string db = qw::BuildPalmDoc("Hello", "My Title", 0x12345678);
    EXPECT_EQ(db.substr(0, 9), "My Title"s + '\0');
    EXPECT_EQ(db.substr(8, 24), string(24, '\0'));
    EXPECT_EQ(U32(db, 36), 0x12345678u);
    EXPECT_EQ(U32(db, 40), 0x12345678u);
    EXPECT_EQ(U32(db, 44), 0u);
    EXPECT_EQ(db.substr(60, 8), "TEXtREAd");
    EXPECT_EQ(U16(db, 76), 2u);
    const size_t record0 = 78 + 8 * 2 + 2;
    EXPECT_EQ(U32(db, 78), record0);
    EXPECT_EQ(static_cast<unsigned char>(db[82]), 0x40);
    EXPECT_EQ(U32(db, 86), record0 + 16);
    EXPECT_EQ(U16(db, 94), 0u); // the two NUL bytes after the list
    EXPECT_EQ(U16(db, record0), 2u);
    EXPECT_EQ(U32(db, record0 + 4), 5u);
    EXPECT_EQ(U16(db, record0 + 8), 1u);
    EXPECT_EQ(U16(db, record0 + 10), 4096u);
    EXPECT_EQ(U32(db, record0 + 12), 0u);
    EXPECT_EQ(db.substr(record0 + 16), "Hello");
}

TEST(BuildPalmDoc, EmptyFullRecordAndTitleBoundaries) {
    const string full = qw::BuildPalmDoc(string(4096, 'x'), "t", 0);
    EXPECT_EQ(U16(full, 76), 3u);
    const size_t record0 = 78 + 8 * 3 + 2;
    EXPECT_EQ(U16(full, record0 + 8), 2u);
    EXPECT_EQ(U32(full, record0 + 4), 4096u);
    EXPECT_EQ(U32(full, 78 + 16), full.size()); // the second text record is empty
    const string empty = qw::BuildPalmDoc("", "t", 0);
    EXPECT_EQ(U16(empty, 76), 2u);
    EXPECT_EQ(U32(empty, 86), empty.size());
    EXPECT_EQ(qw::PalmDocToText(empty, false).text, "");
    // A title of 31 leaves one NUL; a longer one is cut.
    EXPECT_EQ(qw::BuildPalmDoc("x", string(31, 'T'), 0).substr(0, 32), string(31, 'T') + '\0');
    const string cut = qw::BuildPalmDoc("x", string(40, 'U'), 0);
    EXPECT_EQ(cut.substr(0, 32), string(31, 'U') + '\0');
    EXPECT_EQ(qw::PalmDocToText(cut, false).title, string(31, 'U'));
}

TEST(PalmDocToText, ReadsWrittenAndHandMadeDatabases) {
    const string text = "Chapter 1\r\n\r\nIt was a dark\r\nand stormy night.\x0c\tEnd\x01\x85";
    const qw::PalmDocText read = qw::PalmDocToText(qw::BuildPalmDoc(text, "Storm", 0), false);
    EXPECT_FALSE(read.failed);
    EXPECT_EQ(read.title, "Storm");
    EXPECT_EQ(read.text, "Chapter 1\r\n\r\nIt was a dark\r\nand stormy night.\r\n\tEnd\x85");
    // The blank line option doubles single breaks.
    const string lines = qw::BuildPalmDoc("one\ntwo\n\nthree", "", 0);
    EXPECT_EQ(qw::PalmDocToText(lines, true).text, "one\r\n\r\ntwo\r\n\r\nthree");
    EXPECT_EQ(qw::PalmDocToText(lines, false).text, "one\r\ntwo\r\n\r\nthree");
    // Uncompressed records with compression 1; copies reaching across records.
    const qw::PalmDocText plain =
        qw::PalmDocToText(MakeDatabase(1, {"Plain ", "text\nhere"}), false);
    EXPECT_EQ(plain.text, "Plain text\r\nhere");
    EXPECT_EQ(plain.title, "Book");
    EXPECT_EQ(qw::PalmDocToText(MakeDatabase(2, {"Hello ", Copy(6, 6)}), false).text,
              "Hello Hello ");
    string db = MakeDatabase(1, {"abc", "def"});
    db[78 + 8 * 3 + 2 + 9] = 1; // one text record: the second record is not text
    EXPECT_EQ(qw::PalmDocToText(db, false).text, "abc");
    const qw::PalmDocText other = qw::PalmDocToText(MakeDatabase(1, {"x"}, "BOOK"), false);
    EXPECT_EQ(other.text, qw::kPalmDocNotText);
    EXPECT_TRUE(other.failed); // shown in place of the book, but not a book
}

TEST(PalmDocToText, RoundTripsEveryByteOfRandomTexts) {
    std::mt19937 random(1234);
    for (int round = 0; round < 40; ++round) {
        const size_t length = random() % 20000;
        string text;
        for (size_t i = 0; i < length; ++i) {
            int c = 9 + static_cast<int>(random() % 247);
            if (c == '\r' || c == '\x0c')
                c = '\n';
            if (round % 2 == 0 && random() % 3 != 0)
                c = "etaoin shrdlu"[random() % 13];
            text.push_back(static_cast<char>(c));
        }
        const qw::PalmDocText read = qw::PalmDocToText(qw::BuildPalmDoc(text, "r", 0), false);
        ASSERT_FALSE(read.failed);
        // Reading makes the line breaks CR LF; nothing else changes.
        string expected;
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\n' && i > 0)
                expected += '\r';
            expected += text[i];
        }
        ASSERT_EQ(read.text, expected) << "round " << round;
    }
}

const string kFailurePrefix = "Error opening pdb file (";
const string kFailureSuffix = ")\r\n=> The file might be encrypted.";

struct BadFile {
    const char* name;
    string file;
    string message;
};

class BadPalmFileTest : public testing::TestWithParam<BadFile> {};

TEST_P(BadPalmFileTest, GivesTheErrorText) {
    const qw::PalmDocText read = qw::PalmDocToText(GetParam().file, false);
    EXPECT_TRUE(read.failed);
    EXPECT_EQ(read.text, kFailurePrefix + GetParam().message + kFailureSuffix);
}

string WithU32(string s, size_t at, unsigned long v) {
    for (int b = 0; b < 4; ++b)
        s[at + b] = static_cast<char>(v >> (24 - 8 * b));
    return s;
}

const string kGood = MakeDatabase(2, {"abc", "defgh"});

INSTANTIATE_TEST_SUITE_P(
    Cases, BadPalmFileTest,
    testing::Values(
        BadFile{"Empty", "", "File is shorter than its header"},
        BadFile{"HeaderOnly", kGood.substr(0, 80), "File is shorter than its header"},
        BadFile{"NoRecords",
                [] {
                    string s = kGood;
                    s[76] = s[77] = 0;
                    return s;
                }(),
                "No records"},
        BadFile{"Record0PastEnd", WithU32(kGood, 78, 100000), "Record offset outside the file"},
        BadFile{"TextRecordPastEnd", WithU32(kGood, 86, 100000), "Record offset outside the file"},
        BadFile{"OffsetsOutOfOrder", WithU32(kGood, 94, 90), "Record offsets out of order"},
        BadFile{"MoreTextRecordsThanRecords",
                [] {
                    string s = kGood;
                    s[78 + 8 * 3 + 2 + 9] = 9;
                    return s;
                }(),
                "More text records than records"},
        BadFile{"CopyBeforeStart", MakeDatabase(2, {"\x80\x50"s}), "Invalid data"},
        BadFile{"CopyDistanceZero", MakeDatabase(2, {"abc\x80\x03"s}), "Invalid data"}),
    [](const auto& info) { return string(info.param.name); });

TEST(PalmDocToText, RecordExpandingBeyondARecordIsStillBounded) {
    // 2000 bytes of copies expand to 10 bytes each; the output stays within
    // five times the input.
    string record = "abcdefghij";
    for (int i = 0; i < 1000; ++i)
        record += "\x80\x57"s;
    const qw::PalmDocText read = qw::PalmDocToText(MakeDatabase(2, {record}), false);
    EXPECT_FALSE(read.failed);
    EXPECT_EQ(read.text.size(), 10u + 10000u);
}

TEST(PalmDocToText, TextOverTheBookLimitIsRefusedBeforeItIsDecoded) {
    // Ten-byte copies: 2 input bytes each give 10 bytes of text.
    string copies = "abcdefghij";
    for (int i = 0; i < 1000; ++i)
        copies += "\x80\x57"s;
    for (unsigned compression : {1u, 2u}) {
        const string record = compression == 2 ? copies : string(10010, 'x');
        const qw::PalmDocText read =
            qw::PalmDocToText(MakeDatabase(compression, {record, record}), false, 15000);
        EXPECT_TRUE(read.failed);
        EXPECT_EQ(read.text, "");
        EXPECT_EQ(read.error, "The text of this Palm Doc file is larger than 0 MB, the largest "
                              "book Quirewell reads.");
        EXPECT_EQ(qw::PalmDocToText(MakeDatabase(compression, {record}), false, 15000).text.size(),
                  10010u);
    }
    string out = "abc";
    EXPECT_FALSE(qw::DecompressPalmDocRecord(copies, out, 100));
    EXPECT_LE(out.capacity(), 200u); // the room for the record's 5x was never taken
}

TEST(PalmDocToText, TruncationsAndBitFlipsNeverCrash) {
    string text;
    for (int i = 0; i < 3000; ++i)
        text += "Line " + std::to_string(i) + " of the book.\n";
    const string db = qw::BuildPalmDoc(text, "Book", 0);
    for (size_t cut : {size_t{0}, size_t{100}, db.size() / 2, db.size() - 1}) {
        const qw::PalmDocText read = qw::PalmDocToText(db.substr(0, cut), false);
        EXPECT_TRUE(read.failed || read.text.size() <= text.size() * 2) << cut;
    }
    std::mt19937 random(99);
    for (int round = 0; round < 500; ++round) {
        string broken = db;
        for (int flips = 0; flips < 4; ++flips)
            broken[random() % broken.size()] ^= static_cast<char>(1 << (random() % 8));
        const qw::PalmDocText read = qw::PalmDocToText(broken, false);
        EXPECT_LE(read.text.size(), broken.size() * 10);
    }
}

TEST(WritePalmDoc, WritesAFileThatReadsBackStampedFrom1904) {
    qw::test::TempDir dir;
    const string path = dir.path() + "/book.pdb";
    ASSERT_TRUE(qw::WritePalmDoc(path, "Saved text\r\nline two", "Saved").ok);
    const qw::PalmDocText read = qw::PalmDocToText(qw::test::Slurp(path), false);
    EXPECT_EQ(read.text, "Saved text\r\nline two");
    EXPECT_EQ(read.title, "Saved");
    // 2020-01-01 is 3,660,681,600 seconds after 1904-01-01; a day of time
    // zone either way is allowed.
    EXPECT_GT(qw::PalmDocTimestampNow(), 3660681600u - 86400u);
}

} // namespace

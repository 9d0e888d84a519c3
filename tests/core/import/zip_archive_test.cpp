#include "import/archive.h"
#include "import/zip_archive.h"
#include "temp_dir.h"
#include "zip_test_util.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using qw::test::ZipMember;
using std::string;
using List = std::vector<string>;

const List kDefaultPatterns = {"*.lit"};

class ZipArchive : public testing::Test {
  protected:
    string zip(const string& name, const std::vector<ZipMember>& members) {
        const string path = dir.path() + "/" + name;
        EXPECT_TRUE(qw::test::WriteZip(path, members));
        return path;
    }
    static bool StartsWith(const string& text, const string& prefix) {
        return text.compare(0, prefix.size(), prefix) == 0;
    }

    qw::test::TempDir dir;
};

TEST_F(ZipArchive, ListsFilesInStoredOrderWithoutFoldersHidingIgnoredOnRequest) {
    const string path =
        zip("set.zip", {{"b.txt", "b"}, {"a/", ""}, {"a/z.txt", "z"}, {"a/b.txt", "ab"}});
    const qw::ArchiveListing listing = qw::ListArchive(path, false, kDefaultPatterns);
    EXPECT_TRUE(listing.ok());
    EXPECT_EQ(listing.entries, (List{"b.txt", "a/z.txt", "a/b.txt"}));
    const string mixed = zip(
        "mixed.zip", {{"book.txt", "t"}, {"cover.jpg", "j"}, {"inner.zip", "z"}, {"x.lit", "l"}});
    EXPECT_EQ(qw::ListArchive(mixed, true, kDefaultPatterns).entries, List{"book.txt"});
    EXPECT_EQ(qw::ListArchive(mixed, false, kDefaultPatterns).entries,
              (List{"book.txt", "cover.jpg", "inner.zip", "x.lit"}));
}

TEST_F(ZipArchive, ExtractsStoredDeflatedAndEmptyEntriesWithinTheLimit) {
    string big;
    for (int k = 0; k < 20000; ++k)
        big += "line " + std::to_string(k) + "\r\n";
    const string stored("stored\x00\xff", 8);
    const string path = zip("two.zip", {{"s.txt", stored, true}, {"d/d.txt", big}, {"e.txt", ""}});
    for (const auto& [name, content] :
         {std::pair{"s.txt", stored}, {"d/d.txt", big}, {"e.txt", ""}}) {
        const qw::ArchiveEntryBytes entry = qw::ExtractArchiveEntry(path, name);
        ASSERT_TRUE(entry.ok()) << entry.error;
        EXPECT_EQ(entry.bytes, content);
    }
    EXPECT_FALSE(qw::ExtractArchiveEntry(path, "d/d.txt", big.size() - 1).ok());
    EXPECT_TRUE(qw::ExtractArchiveEntry(path, "d/d.txt", big.size()).ok());
    const qw::ArchiveEntryBytes missing = qw::ExtractArchiveEntry(path, "b.txt");
    EXPECT_FALSE(missing.ok());
    EXPECT_TRUE(StartsWith(missing.error, "Error unzipping file b.txt from archive " + path))
        << missing.error;
    EXPECT_TRUE(missing.bytes.empty());
}

TEST_F(ZipArchive, UnreadableArchivesListNothing) {
    const string good = zip("good.zip", {{"a.txt", string(5000, 'a')}, {"b.txt", "b"}});
    const string bytes = qw::test::ReadBytes(good);
    const List files = {dir.write("zero.zip", ""),
                        dir.write("text.zip", "just text"),
                        dir.write("truncated.zip", bytes.substr(0, bytes.size() / 2)),
                        dir.write("tail-cut.zip", bytes.substr(0, bytes.size() - 5)),
                        dir.path() + "/missing.zip",
                        dir.path()};
    for (const string& file : files) {
        const qw::ArchiveListing listing = qw::ListArchive(file, false, {});
        EXPECT_TRUE(listing.entries.empty()) << file;
        EXPECT_FALSE(listing.ok()) << file;
        const qw::ArchiveEntryBytes entry = qw::ExtractArchiveEntry(file, "a.txt");
        EXPECT_FALSE(entry.ok()) << file;
        EXPECT_TRUE(StartsWith(entry.error, "Error unzipping file a.txt from archive " + file));
    }
}

TEST_F(ZipArchive, BitFlipsNeverCrash) {
    string text;
    for (int k = 0; k < 600; ++k)
        text += "word" + std::to_string(k) + " ";
    const string good = zip("flip.zip", {{"a.txt", text}, {"b.txt", "second"}});
    const string bytes = qw::test::ReadBytes(good);
    int failures = 0;
    for (size_t at = 0; at < bytes.size(); at += 5) {
        string damaged = bytes;
        damaged[at] = static_cast<char>(damaged[at] ^ (1 << (at % 8)));
        const string path = dir.write("flipped.zip", damaged);
        const qw::ArchiveListing listing = qw::ListArchive(path, false, {});
        for (const string& entry : listing.entries) {
            const qw::ArchiveEntryBytes got = qw::ExtractArchiveEntry(path, entry);
            if (!got.ok()) {
                ++failures;
            } else if (entry == "a.txt") {
                EXPECT_EQ(got.bytes, text) << "flip at " << at; // damage must not pass silently
            }
        }
    }
    EXPECT_GT(failures, 0);
}

// Changed stored data (a wrong CRC), an entry inflating past its declared
// size, one declared huge (refused before inflating) and an encrypted one.
TEST_F(ZipArchive, DamagedBombedAndEncryptedEntriesAreRefused) {
    string text(40000, 'x');
    for (size_t k = 0; k < text.size(); k += 13)
        text[k] = static_cast<char>('a' + k % 26);
    string damaged = qw::test::ReadBytes(zip("crc.zip", {{"a.txt", text, true}}));
    damaged[damaged.find("xxxx") + 2] = 'y';
    string bomb = qw::test::ReadBytes(zip("bomb.zip", {{"a.txt", string(4 << 20, '\0')}}));
    EXPECT_LT(bomb.size(), 20000u);
    qw::test::DeclareSize(bomb, 1000);
    string huge = qw::test::ReadBytes(zip("huge.zip", {{"a.txt", string(1 << 20, 'z')}}));
    qw::test::DeclareSize(huge, 0xFFFFFFF0u);
    string encrypted = qw::test::ReadBytes(zip("enc.zip", {{"a.txt", "secret text", true}}));
    qw::test::MarkEncrypted(encrypted);
    for (const auto& [bytes, error] : {std::pair{damaged, ""},
                                       {bomb, "larger than the archive states"},
                                       {huge, "larger than"},
                                       {encrypted, "encrypted"}}) {
        SCOPED_TRACE(error);
        const string path = dir.write("bad.zip", bytes);
        EXPECT_EQ(qw::ListArchive(path, false, {}).entries, List{"a.txt"});
        const qw::ArchiveEntryBytes entry = qw::ExtractArchiveEntry(path, "a.txt");
        EXPECT_FALSE(entry.ok());
        EXPECT_NE(entry.error.find(error), string::npos) << entry.error;
        EXPECT_TRUE(entry.bytes.empty());
    }
}

TEST_F(ZipArchive, HostileNamesStayInMemory) {
    const List names = {"../evil.txt", "/abs/path.txt", "back\\slash.txt", "a/../../up.txt"};
    std::vector<ZipMember> members;
    for (const string& name : names)
        members.push_back({name, "text of " + name});
    const string path = zip("names.zip", members);
    const qw::ArchiveListing listing = qw::ListArchive(path, false, {});
    EXPECT_EQ(listing.entries, names);
    for (const string& name : names) {
        const qw::ArchiveEntryBytes entry = qw::ExtractArchiveEntry(path, name);
        ASSERT_TRUE(entry.ok()) << name << ": " << entry.error;
        EXPECT_EQ(entry.bytes, "text of " + name);
    }
    // Nothing was written beside or above the archive.
    size_t files = 0;
    for (const auto& item : std::filesystem::directory_iterator(dir.path()))
        files += item.is_regular_file() ? 1 : 0;
    EXPECT_EQ(files, 1u);
    EXPECT_FALSE(
        std::filesystem::exists(std::filesystem::path(dir.path()).parent_path() / "evil.txt"));
}

TEST_F(ZipArchive, NamesThatAreNotUtf8AreListedAndFound) {
    const string path = zip("cp437.zip", {{"caf\x82.txt", "cafe"}}); // e acute in code page 437
    const qw::ArchiveListing listing = qw::ListArchive(path, false, {});
    ASSERT_EQ(listing.entries.size(), 1u);
    EXPECT_EQ(listing.entries[0], "caf\xC3\xA9.txt"); // shown as UTF-8
    const qw::ArchiveEntryBytes entry = qw::ExtractArchiveEntry(path, listing.entries[0]);
    ASSERT_TRUE(entry.ok()) << entry.error;
    EXPECT_EQ(entry.bytes, "cafe");
}

TEST_F(ZipArchive, TenThousandMembers) {
    std::vector<ZipMember> members;
    for (int k = 0; k < 10000; ++k)
        members.push_back({"ch" + std::to_string(k) + ".txt", "x", true});
    const string path = zip("many.zip", members);
    const qw::ArchiveListing listing = qw::ListArchive(path, true, kDefaultPatterns);
    ASSERT_EQ(listing.entries.size(), 10000u);
    EXPECT_EQ(listing.entries[9999], "ch9999.txt");
    EXPECT_TRUE(qw::ExtractArchiveEntry(path, "ch5000.txt").ok());
}

TEST_F(ZipArchive, MemberExistence) {
    const string path = zip("ref.zip", {{"part1/ch1.txt", "a"}});
    EXPECT_TRUE(qw::ArchiveHasEntry(path, "part1/ch1.txt"));
    EXPECT_FALSE(qw::ArchiveHasEntry(path, "part1/ch2.txt"));
    EXPECT_TRUE(qw::FileReferenceExists(path + "|part1/ch1.txt"));
    EXPECT_FALSE(qw::FileReferenceExists(path + "|part1/ch2.txt"));
    EXPECT_TRUE(qw::FileReferenceExists(path));
    EXPECT_FALSE(qw::FileReferenceExists(dir.path() + "/nothing.zip|part1/ch1.txt"));
    EXPECT_FALSE(qw::FileReferenceExists(dir.path()));
}

} // namespace

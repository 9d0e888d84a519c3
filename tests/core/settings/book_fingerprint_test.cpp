// Books that moved: the fingerprint of a file, and which record a book opened
// under a new name takes over.

#include "settings/book_fingerprint.h"

#include "settings/book_record.h"

#include <gtest/gtest.h>

#include <set>

namespace qw {
namespace {

TEST(BookFingerprint, SizeAndTheEndsOfTheFile) {
    const std::string big(300 * 1024, 'a');
    std::string middle = big;
    middle[150 * 1024] = 'b'; // neither in the first nor in the last 64 KB
    std::string last = big;
    last.back() = 'b';
    std::string first = big;
    first.front() = 'b';
    EXPECT_EQ(FileFingerprint(big), FileFingerprint(std::string(big)));
    EXPECT_EQ(FileFingerprint(middle), FileFingerprint(big));
    EXPECT_NE(FileFingerprint(last), FileFingerprint(big));
    EXPECT_NE(FileFingerprint(first), FileFingerprint(big));
    EXPECT_NE(FileFingerprint(big + "a"), FileFingerprint(big));
    EXPECT_NE(FileFingerprint(""), FileFingerprint("a"));
    EXPECT_NE(FileFingerprint("ab"), FileFingerprint("ba"));
    // A file shorter than both spans is hashed once, not twice.
    EXPECT_NE(FileFingerprint("abc"), FileFingerprint("abcabc"));
}

TEST(BookFingerprint, WhichRecordIsTakenOver) {
    const std::string book = FileFingerprint("the text of the book");
    const std::string other = FileFingerprint("the text, changed in place");
    struct Case {
        const char* name;
        std::string ini;
        std::set<std::string> existing; // files that are there
        const char* opened;
        std::string fingerprint;
        const char* takenOver; // empty: none
    };
    const std::string oldRecord =
        "[/books/old/a.txt]\nPage=12\nBookmark 1=30\nFingerprint=" + book + "\n";
    for (const Case& c : std::vector<Case>{
             {"moved to another folder",
              oldRecord,
              {},
              "/books/new/a.txt",
              book,
              "/books/old/a.txt"},
             {"renamed", oldRecord, {}, "/books/old/b.txt", book, "/books/old/a.txt"},
             {"moved into an archive",
              oldRecord,
              {},
              "/books/all.zip|texts/a.txt",
              book,
              "/books/old/a.txt"},
             {"out of an archive",
              "[/books/all.zip|a.txt]\nFingerprint=" + book + "\n",
              {},
              "/books/a.txt",
              book,
              "/books/all.zip|a.txt"},
             {"a copy: the first keeps the record",
              oldRecord,
              {"/books/old/a.txt"},
              "/books/copy/a.txt",
              book,
              ""},
             {"changed in place", oldRecord, {}, "/books/new/a.txt", other, ""},
             {"two records with the fingerprint",
              oldRecord + "[/books/x.txt]\nFingerprint=" + book + "\n",
              {},
              "/books/new/a.txt",
              book,
              ""},
             {"the book has a record of its own",
              oldRecord + "[/books/new/a.txt]\nPage=3\n",
              {},
              "/books/new/a.txt",
              book,
              ""},
             {"no fingerprint known", oldRecord, {}, "/books/new/a.txt", "", ""},
             {"a record with brackets",
              "[/books/<old> a.txt]\nFingerprint=" + book + "\n",
              {},
              "/books/a.txt",
              book,
              "/books/<old> a.txt"},
         }) {
        SCOPED_TRACE(c.name);
        ConfigFile config;
        config.Parse(c.ini);
        std::vector<std::string> asked;
        const ReferenceExists exists = [&](const std::string& reference) {
            asked.push_back(reference);
            return c.existing.count(reference) > 0;
        };
        EXPECT_EQ(FindMovedRecord(config, c.opened, c.fingerprint, exists), c.takenOver);
        if (std::string(c.takenOver) == "/books/<old> a.txt") {
            EXPECT_EQ(asked, std::vector<std::string>{"/books/[old] a.txt"}); // the file's name
        }
    }
}

TEST(BookFingerprint, TakingOverKeepsEveryKeyUnderTheNewName) {
    ConfigFile config;
    config.Parse("[Options]\nBook style=Yes\n[/old/a.txt]\nPage=12\nBookmark 1=30\n"
                 "Fontsize=14\nFingerprint=1-2\n[/other.txt]\nPage=1\n");
    TakeOverRecord(config, "/old/a.txt", "/new/b.txt");
    EXPECT_FALSE(config.SectionExists("/old/a.txt"));
    EXPECT_EQ(config.ReadString("/new/b.txt", "Page", ""), "12");
    EXPECT_EQ(config.ReadString("/new/b.txt", "Bookmark 1", ""), "30");
    EXPECT_EQ(config.ReadString("/new/b.txt", "Fontsize", ""), "14");
    EXPECT_EQ(config.ReadString("/new/b.txt", "Fingerprint", ""), "1-2");
    EXPECT_EQ(config.ReadString("/other.txt", "Page", ""), "1");
}

TEST(BookFingerprint, TheRecordKeepsItWhenKnown) {
    ConfigFile config;
    std::vector<std::string> created;
    config.SetNewSectionListener([&](const std::string& name) { created.push_back(name); });
    BookRecord record;
    record.fingerprint = "10-abc";
    SaveBookInfo(config, "/a.txt", record);
    EXPECT_EQ(config.ReadString("/a.txt", kFingerprintKey, ""), "10-abc");
    record.fingerprint.clear(); // a saved text: the old value stays until the file is read
    SaveBookInfo(config, "/a.txt", record);
    EXPECT_EQ(config.ReadString("/a.txt", kFingerprintKey, ""), "10-abc");
    EXPECT_EQ(created, std::vector<std::string>{"/a.txt"}); // the INI file list hears of it once
}

} // namespace
} // namespace qw

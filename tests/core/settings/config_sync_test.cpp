// Two running copies sharing one configuration file: each write merges what
// the other wrote meanwhile instead of overwriting it.

#include "settings/config_file.h"
#include "settings/file_lock.h"
#include "settings/ini_write.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace qw {
namespace {

using List = std::vector<std::string>;

using test::Slurp;

List RecentList(const ConfigFile& config) {
    List entries;
    for (int i = 0; i < 10; ++i) {
        std::string v = config.ReadString("Recent", "Recent " + std::to_string(i), "");
        if (!v.empty())
            entries.push_back(v);
    }
    return entries;
}

// What opening a file or removing an entry does to the recent list.
void WriteRecentList(ConfigFile& config, const List& entries) {
    for (int i = 0; i < 10; ++i)
        config.DeleteKey("Recent", "Recent " + std::to_string(i));
    for (size_t i = 0; i < entries.size(); ++i)
        config.WriteString("Recent", "Recent " + std::to_string(i), entries[i]);
}

void PushRecent(ConfigFile& config, const std::string& path) {
    List entries = RecentList(config);
    entries.erase(std::remove(entries.begin(), entries.end(), path), entries.end());
    entries.insert(entries.begin(), path);
    entries.resize(std::min<size_t>(entries.size(), 10));
    WriteRecentList(config, entries);
}

ConfigFile OpenCopy(const std::string& path) {
    ConfigFile config(path);
    config.SetListSection("Recent", 10);
    return config;
}

enum class Op { Set, Delete, Erase, Write, Push, Remove };

struct Step {
    char copy; // 'A' or 'B'
    Op op;
    const char* section = nullptr;
    const char* key = nullptr;
    const char* value = nullptr;
};

struct Expect {
    const char* section;
    const char* key;   // nullptr: the section itself
    const char* value; // nullptr: missing
};

struct MergeCase {
    const char* name;
    const char* initial;
    std::vector<Step> steps;
    std::vector<Expect> expected;
    List recent; // the expected recent list
};

void PrintTo(const MergeCase& c, std::ostream* os) {
    *os << c.name;
}

class TwoCopiesTest : public ::testing::TestWithParam<MergeCase> {};

TEST_P(TwoCopiesTest, EachWriteKeepsTheOtherCopysChanges) {
    const MergeCase& c = GetParam();
    test::TempDir dir;
    const std::string path = dir.write("Quirewell.ini", c.initial);
    ConfigFile a = OpenCopy(path);
    ConfigFile b = OpenCopy(path);
    for (const Step& s : c.steps) {
        ConfigFile& copy = s.copy == 'A' ? a : b;
        switch (s.op) {
        case Op::Set:
            copy.WriteString(s.section, s.key, s.value);
            break;
        case Op::Delete:
            copy.DeleteKey(s.section, s.key);
            break;
        case Op::Erase:
            copy.EraseSection(s.section);
            break;
        case Op::Write:
            ASSERT_TRUE(copy.UpdateFile()) << copy.LastWriteError();
            break;
        case Op::Push:
            PushRecent(copy, s.value);
            break;
        case Op::Remove: {
            List entries = RecentList(copy);
            entries.erase(std::remove(entries.begin(), entries.end(), s.value), entries.end());
            WriteRecentList(copy, entries);
            break;
        }
        }
    }
    // Both copies and the file itself end with the same content.
    ASSERT_TRUE(a.UpdateFile());
    ASSERT_TRUE(b.UpdateFile());
    ASSERT_TRUE(a.UpdateFile());
    ConfigFile file(path);
    for (const ConfigFile* view : {&file, &a, &b}) {
        for (const Expect& e : c.expected) {
            SCOPED_TRACE(std::string(e.section) + " / " + (e.key ? e.key : "(section)"));
            if (!e.key)
                EXPECT_EQ(view->SectionExists(e.section), e.value != nullptr);
            else if (!e.value)
                EXPECT_FALSE(view->ValueExists(e.section, e.key));
            else
                EXPECT_EQ(view->ReadString(e.section, e.key, "<missing>"), e.value);
        }
        EXPECT_EQ(RecentList(*view), c.recent);
    }
    EXPECT_EQ(a.Text(), Slurp(path));
    EXPECT_EQ(b.Text(), Slurp(path));
}

const char* const kBooks = "[Recent]\nRecent 0=/c.txt\nRecent 1=/d.txt\n"
                           "[Book A]\nPage=0\n[Book B]\nPage=0\n";
const List kRecent{"/c.txt", "/d.txt"};

INSTANTIATE_TEST_SUITE_P(
    Merges, TwoCopiesTest,
    ::testing::Values(
        MergeCase{"DifferentRecordsInTurn",
                  kBooks,
                  {{'A', Op::Set, "Book A", "Page", "20"},
                   {'A', Op::Write},
                   {'B', Op::Set, "Book B", "Page", "6"},
                   {'B', Op::Write},
                   {'A', Op::Set, "Book A", "Page", "22"},
                   {'A', Op::Write}},
                  {{"Book A", "Page", "22"}, {"Book B", "Page", "6"}},
                  kRecent},
        MergeCase{"DifferentRecordsBothPending",
                  kBooks,
                  {{'A', Op::Set, "Book A", "Page", "20"},
                   {'B', Op::Set, "Book B", "Page", "6"},
                   {'B', Op::Set, "Book C", "Page", "1"},
                   {'A', Op::Write},
                   {'B', Op::Write}},
                  {{"Book A", "Page", "20"}, {"Book B", "Page", "6"}, {"Book C", "Page", "1"}},
                  kRecent},
        MergeCase{"SameKeyTheLaterWriteWinsForThatKeyOnly",
                  "[Options]\nx=0\ny=0\nz=0\n",
                  {{'A', Op::Set, "Options", "x", "A"},
                   {'A', Op::Set, "Options", "y", "A"},
                   {'B', Op::Set, "Options", "x", "B"},
                   {'B', Op::Set, "Options", "z", "B"},
                   {'B', Op::Write},
                   {'A', Op::Write}},
                  {{"Options", "x", "A"}, {"Options", "y", "A"}, {"Options", "z", "B"}},
                  {}},
        MergeCase{"ErasedKeys",
                  "[S]\nk=1\nm=1\nn=1\n",
                  {{'A', Op::Delete, "S", "k"},
                   {'A', Op::Write},
                   {'B', Op::Set, "S", "m", "2"},
                   {'B', Op::Delete, "s", "N"},
                   {'B', Op::Write}},
                  {{"S", "k", nullptr}, {"S", "m", "2"}, {"S", "n", nullptr}},
                  {}},
        MergeCase{"ErasedSections",
                  "[Old]\nk=1\n[Keep]\nx=1\n",
                  {{'A', Op::Erase, "Old"},
                   {'B', Op::Set, "Keep", "x", "2"},
                   {'B', Op::Set, "Old", "k", "2"},
                   {'B', Op::Write},
                   {'A', Op::Write}},
                  {{"Old", nullptr, nullptr}, {"Keep", "x", "2"}},
                  {}},
        MergeCase{"ASectionCreatedByOneAndErasedByTheOther",
                  "[Keep]\nx=1\n",
                  {{'A', Op::Set, "New", "k", "1"},
                   {'A', Op::Write},
                   {'B', Op::Set, "Keep", "x", "2"},
                   {'B', Op::Write},
                   {'B', Op::Erase, "New"},
                   {'B', Op::Write},
                   {'A', Op::Set, "Keep", "y", "1"},
                   {'A', Op::Write}},
                  {{"New", nullptr, nullptr}, {"Keep", "x", "2"}, {"Keep", "y", "1"}},
                  {}},
        MergeCase{"AnErasedSectionWrittenAgainLaterHoldsOnlyTheLaterKeys",
                  "[Rec]\nPage=4\nTitle=T\n",
                  {{'A', Op::Erase, "Rec"},
                   {'A', Op::Write},
                   {'B', Op::Set, "Rec", "Page", "9"},
                   {'B', Op::Write}},
                  {{"Rec", "Page", "9"}, {"Rec", "Title", nullptr}},
                  {}},
        MergeCase{"RecentListsMergeAsLists",
                  kBooks,
                  {{'A', Op::Push, nullptr, nullptr, "/a.txt"},
                   {'A', Op::Write},
                   {'B', Op::Push, nullptr, nullptr, "/b.txt"},
                   {'B', Op::Push, nullptr, nullptr, "/d.txt"},
                   {'B', Op::Write}},
                  {},
                  {"/d.txt", "/b.txt", "/a.txt", "/c.txt"}},
        MergeCase{"ARemovedRecentEntryStaysRemoved",
                  kBooks,
                  {{'A', Op::Remove, nullptr, nullptr, "/c.txt"},
                   {'B', Op::Push, nullptr, nullptr, "/b.txt"},
                   {'B', Op::Write},
                   {'A', Op::Write}},
                  {},
                  {"/b.txt", "/d.txt"}},
        MergeCase{"TheRecentListKeepsTen",
                  "[Recent]\nRecent 0=/1\nRecent 1=/2\nRecent 2=/3\nRecent 3=/4\nRecent 4=/5\n"
                  "Recent 5=/6\nRecent 6=/7\nRecent 7=/8\nRecent 8=/9\n",
                  {{'A', Op::Push, nullptr, nullptr, "/a1"},
                   {'A', Op::Push, nullptr, nullptr, "/a2"},
                   {'B', Op::Push, nullptr, nullptr, "/b1"},
                   {'B', Op::Push, nullptr, nullptr, "/b2"},
                   {'A', Op::Write},
                   {'B', Op::Write}},
                  {{"Recent", "Recent 10", nullptr}},
                  {"/b2", "/b1", "/a2", "/a1", "/1", "/2", "/3", "/4", "/5", "/6"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ConfigSyncTest, AChangeOnlyTheContentHashSeesIsMerged) {
    // An edit in place of the same size within the same second, on a file
    // system that keeps whole seconds: identity, size and time stay alike.
    test::TempDir dir;
    const std::string path = dir.write("Quirewell.ini", "[S]\nx=1\n");
    const timespec whole[2] = {{1700000000, 0}, {1700000000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), whole, 0), 0);
    ConfigFile config(path);
    std::fstream(path, std::ios::in | std::ios::out | std::ios::binary) << "[S]\nx=2\n";
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), whole, 0), 0);
    config.WriteString("S", "y", "1");
    ASSERT_TRUE(config.UpdateFile());
    EXPECT_TRUE(config.LastUpdateMerged());
    EXPECT_EQ(Slurp(path), "[S]\nx=2\ny=1\n");

    // A file that was only touched is not merged.
    ::utimensat(AT_FDCWD, path.c_str(), nullptr, 0);
    config.WriteString("S", "y", "2");
    ASSERT_TRUE(config.UpdateFile());
    EXPECT_FALSE(config.LastUpdateMerged());
    EXPECT_EQ(Slurp(path), "[S]\nx=2\ny=2\n");
}

TEST(ConfigSyncTest, ChangesSurviveAFailedWriteUntilTheNextOneSucceeds) {
    test::TempDir dir;
    const std::string path = dir.write("Quirewell.ini", "[S]\nx=0\n");
    ConfigFile a(path), b(path);
    IniWriteSect(b, "S", "x", "B", false);
    a.WriteString("S", "y", "A");
    WriteFaults full;
    full.failAfterBytes = 4;
    a.SetWriteFaults(&full);
    EXPECT_FALSE(a.UpdateFile()); // merged in memory, but the disk is full
    EXPECT_EQ(Slurp(path), "[S]\nx=B\n");
    IniWriteSect(b, "S", "z", "B", false); // the other copy writes again meanwhile
    a.SetWriteFaults(nullptr);
    ASSERT_TRUE(a.UpdateFile());
    EXPECT_EQ(Slurp(path), "[S]\nx=B\nz=B\ny=A\n");
}

TEST(ConfigSyncTest, AHeldLockDelaysTheWriteOnlyBrieflyAndIsReportedOnce) {
    test::TempDir dir;
    const std::string path = dir.write("Quirewell.ini", "[S]\nx=0\n");
    ConfigFile config(path);
    config.SetLockTimeout(std::chrono::milliseconds(30));
    List reported;
    config.SetLockWarningListener([&](const std::string& m) { reported.push_back(m); });
    {
        const FileLock hung(path + ".lock", std::chrono::milliseconds(0));
        ASSERT_TRUE(hung.held());
        for (const char* value : {"1", "2"}) {
            EXPECT_TRUE(IniWriteSect(config, "S", "x", value, false));
            EXPECT_EQ(Slurp(path), std::string("[S]\nx=") + value + "\n");
            EXPECT_NE(config.LockWarning().find(path + ".lock"), std::string::npos);
        }
        ASSERT_EQ(reported.size(), 1u);
        EXPECT_EQ(reported[0], config.LockWarning());
    }
    EXPECT_TRUE(IniWriteSect(config, "S", "x", "3", false));
    EXPECT_TRUE(config.LockWarning().empty());
    const FileLock hungAgain(path + ".lock", std::chrono::milliseconds(0));
    EXPECT_TRUE(IniWriteSect(config, "S", "x", "4", false));
    EXPECT_EQ(reported.size(), 2u); // a new hang is told again
}

TEST(ConfigSyncTest, ACopyThatCannotWriteKeepsOneChangePerKey) {
    ConfigJournal journal;
    ConfigFile replayed, direct;
    auto add = [&](const ConfigChange& c) {
        journal.add(c);
        direct.Apply(c);
    };
    add({ConfigChange::Kind::Set, "Gone", "k", "1"});
    add({ConfigChange::Kind::Set, "Kept", "Title", "T"});
    add({ConfigChange::Kind::Set, "Kept", "Old", "1"});
    for (int page = 0; page < 20000; ++page)
        add({ConfigChange::Kind::Set, "Book A", page % 2 ? "Page" : "page", std::to_string(page)});
    add({ConfigChange::Kind::EraseSection, "gone", {}, {}});
    add({ConfigChange::Kind::DeleteKey, "Kept", "old", {}});
    for (int page = 0; page < 10000; ++page)
        add({ConfigChange::Kind::Set, "Book B", "Page", std::to_string(page)});
    EXPECT_LT(journal.changes().size(), 5000u); // of 30,005 made
    for (const ConfigChange& c : journal.changes())
        replayed.Apply(c);
    EXPECT_EQ(replayed.Text(), direct.Text());
}

// Turns pages in one book, registering it on the recent list first.
bool TurnPages(const std::string& path, const std::string& book, int pages) {
    ConfigFile config = OpenCopy(path);
    PushRecent(config, book);
    bool ok = config.UpdateFile();
    for (int page = 1; page <= pages; ++page)
        ok = IniWriteSect(config, book, "Page", std::to_string(page), true) && ok;
    return ok;
}

TEST(ConfigSyncTest, TwoProcessesTurningPagesKeepBothPositions) {
    test::TempDir dir;
    const std::string path =
        dir.write("Quirewell.ini", "[Recent]\nRecent 0=/old.txt\n[/books/A.txt]\nPage=0\n");
    constexpr int kPages = 60;
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        char go = 0;
        const bool started = ::read(ready[0], &go, 1) == 1;
        ::_exit(started && TurnPages(path, "/books/B.txt", kPages) ? 0 : 1);
    }
    ASSERT_EQ(::write(ready[1], "g", 1), 1); // both start turning together
    const bool parentOk = TurnPages(path, "/books/A.txt", kPages);
    int status = 0;
    ::waitpid(child, &status, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    ASSERT_TRUE(parentOk);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    const ConfigFile file(path);
    EXPECT_EQ(file.ReadInteger("/books/A.txt", "Page", -1), kPages);
    EXPECT_EQ(file.ReadInteger("/books/B.txt", "Page", -1), kPages);
    List recent = RecentList(file);
    ASSERT_EQ(recent.size(), 3u);
    EXPECT_EQ(recent[2], "/old.txt");
    std::sort(recent.begin(), recent.end() - 1);
    EXPECT_EQ(recent, (List{"/books/A.txt", "/books/B.txt", "/old.txt"}));
}

} // namespace
} // namespace qw

// The last read file, the recent list and the favourites, seen through the
// configuration file they leave behind.

#include "settings/recent_files.h"

#include "settings/config_load.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

namespace qw {
namespace {

using List = std::vector<std::string>;

class RecentFilesTest : public ::testing::Test {
  protected:
    void SetUp() override { open("[Base Directory]\nInitialDir=\n[Last]\nLast read file=\n"); }
    void open(const std::string& text) {
        config = ConfigFile(dir.write("Quirewell.ini", text));
        config.SetListSection("Recent", kPathListSize);
        config.SetListSection("Favorite", kPathListSize);
    }
    bool registerFile(const std::string& path, const std::string& entry = {}) {
        return recent.registerLastRead({path, entry}, rules, "/prog/");
    }
    // The file as another copy would read it.
    ConfigFile reread() const { return ConfigFile(config.FileName()); }

    test::TempDir dir;
    ConfigFile config;
    RecentFiles recent{config};
    RecordRules rules;
};

TEST(SplitDisplayNameTest, BaseFolderAndHiddenPaths) {
    struct Case {
        const char* path;
        bool hide;
        const char* base;
        DisplayName expected;
    };
    for (const Case& c : {
             Case{"", false, "/b/", {"", ""}},
             Case{"/b/c/d.txt", false, "/b/", {"c/d.txt", "/b/"}},
             Case{"/b/c/d.txt", false, "", {"/b/c/d.txt", ""}},
             Case{"/B/c/d.txt", false, "/b/", {"/B/c/d.txt", ""}}, // case counts
             Case{"/b/", false, "/b/", {"/b/", ""}},               // the base itself
             Case{"/b/c/d.txt", true, "/b/", {"d.txt", "/b/c/"}},
             Case{"/x/d.txt", true, "/b/", {"d.txt", "/x/"}},
             Case{"/b/sub/", true, "/b/", {"sub/", "/b/"}}, // folders keep their path
             Case{"/x/sub/", true, "/b/", {"/x/sub/", ""}}, // outside the base: whole
             Case{"/b/Grüße/ä.txt", false, "/b/", {"Grüße/ä.txt", "/b/"}},
             Case{"noslash.txt", true, "/b/", {"noslash.txt", ""}},
         }) {
        EXPECT_EQ(SplitDisplayName(c.path, c.hide, c.base), c.expected) << c.path << c.hide;
        if (*c.path) {
            EXPECT_EQ(c.expected.prefix + c.expected.name, c.path);
        }
    }
}

TEST(MoveToTopTest, MovesInsertsAndDropsTheLast) {
    struct Case {
        List before;
        const char* entry;
        size_t limit;
        List after;
    };
    for (const Case& c : {
             Case{{}, "a", 10, {"a"}},
             Case{{"a", "b", "c", "d"}, "c", 10, {"c", "a", "b", "d"}},
             Case{{"a", "b"}, "a", 10, {"a", "b"}},
             Case{{"a", "b", "c"}, "x", 3, {"x", "a", "b"}},
             Case{{"a", "b", "c"}, "c", 3, {"c", "a", "b"}},
         })
        EXPECT_EQ(MoveToTop(c.before, c.entry, c.limit), c.after) << c.entry;
}

TEST_F(RecentFilesTest, ElevenFilesLeaveTheTenNewestAndNoKeyAboveNine) {
    List opened;
    for (int i = 0; i < 11; ++i) {
        opened.insert(opened.begin(), "/books/" + std::to_string(i) + ".txt");
        ASSERT_TRUE(registerFile(opened.front()));
    }
    opened.resize(10);
    ConfigFile disk = reread();
    EXPECT_EQ(RecentFiles(disk).list(PathList::Recent), opened);
    EXPECT_FALSE(disk.ValueExists("Recent", "Recent 10"));
    EXPECT_EQ(disk.ReadString("Last", "Last read file", ""), "/books/10.txt");
    EXPECT_EQ(disk.ReadString("Base Directory", "InitialDir", ""), "/books/");

    // Re-opening the third moves it to the top, the others keep their order.
    ASSERT_TRUE(registerFile(opened[2]));
    List expected = opened;
    std::rotate(expected.begin(), expected.begin() + 2, expected.begin() + 3);
    EXPECT_EQ(recent.list(PathList::Recent), expected);
}

TEST_F(RecentFilesTest, ArchiveMembersAndTheLatestToOpen) {
    EXPECT_EQ(recent.latestToOpen(), "");
    EXPECT_EQ(recent.recentButtonHint(), RecentFiles::startupHint());
    ASSERT_TRUE(registerFile("/b/set.zip", "part 1/ch|1.txt"));
    EXPECT_EQ(recent.list(PathList::Recent), List{"/b/set.zip"});
    EXPECT_EQ(recent.lastReadFile(), (FileRef{"/b/set.zip", "part 1/ch|1.txt"}));
    EXPECT_EQ(recent.latestToOpen(), "/b/set.zip"); // the member is chosen again
    EXPECT_EQ(recent.recentButtonHint(),
              "Left click: Show recent files and favorites\r\nRight click: Open "
              "/b/set.zip|part 1/ch|1.txt");

    recent.forgetLastRead();
    EXPECT_EQ(reread().ReadString("Last", "Last read file", "x"), "");
    EXPECT_EQ(recent.latestToOpen(), "/b/set.zip"); // the recent list keeps it
    EXPECT_EQ(recent.recentButtonHint(),
              "Left click: Show recent files and favorites\r\nRight click: Open /b/set.zip");
}

TEST_F(RecentFilesTest, UnrecordedBooksAreNeitherLastReadNorRecent) {
    rules.excludedPaths = {"/MEDIA/*"};
    rules.ignoredPatterns = {"*.lit"};
    for (const char* path : {"/media/usb/a.txt", "/b/a.lit", "/b/Unnamed.txt", ""})
        EXPECT_FALSE(registerFile(path)) << path;
    EXPECT_TRUE(recent.list(PathList::Recent).empty());
    EXPECT_EQ(config.ReadString("Last", "Last read file", "x"), "");
    EXPECT_EQ(config.ReadString("Base Directory", "InitialDir", "x"), "");
}

TEST_F(RecentFilesTest, BaseFolderIsSetOnceAndFavouritesAddAndRemove) {
    open("[Last]\nLast read file=\n"); // no "Base Directory" section at all
    ASSERT_TRUE(registerFile("/a/x.txt"));
    ASSERT_TRUE(registerFile("/c/y.txt"));
    EXPECT_EQ(recent.baseDirectory(), "/a/");
    recent.setBaseDirectory("/c");
    EXPECT_EQ(reread().ReadString("Base Directory", "InitialDir", ""), "/c/");
    for (const char* path : {"/f/1.txt", "/f/dir/", "/f/2.txt", "/f/dir/"})
        recent.addFavorite(path);
    EXPECT_EQ(recent.list(PathList::Favorite), (List{"/f/dir/", "/f/2.txt", "/f/1.txt"}));

    EXPECT_TRUE(recent.removeEntry(PathList::Favorite, "/f/2.txt"));
    EXPECT_FALSE(recent.removeEntry(PathList::Favorite, "/f/none.txt"));
    const ConfigFile disk = reread();
    EXPECT_EQ(disk.ReadSectionValues("Favorite"),
              (List{"Favorite 0=/f/dir/", "Favorite 1=/f/1.txt"}));
}

TEST_F(RecentFilesTest, HandEditedListsGiveSensibleResultsAndKeepTheRest) {
    std::string text = "[Options]\nHide file path=No\n[Recent]\n";
    for (int i = 999; i >= 0; --i) // 1,000 keys, duplicates, gaps
        text += "Recent " + std::to_string(i * 3) + "=/r/" + std::to_string(i % 2) + ".txt\n";
    text += "[Book]\nPage=3\n";
    open(text);
    // "Recent 0", "3", "6" and "9" are read; a duplicate counts once.
    EXPECT_EQ(recent.list(PathList::Recent), (List{"/r/0.txt", "/r/1.txt"}));
    ASSERT_TRUE(registerFile("/r/1.txt"));
    // The read keys become a clean list; keys beyond the ten stay as they were.
    const ConfigFile disk = reread();
    EXPECT_EQ(disk.ReadString("Recent", "Recent 0", ""), "/r/1.txt");
    EXPECT_EQ(disk.ReadString("Recent", "Recent 1", ""), "/r/0.txt");
    EXPECT_FALSE(disk.ValueExists("Recent", "Recent 2"));
    EXPECT_EQ(disk.ReadString("Recent", "Recent 2997", ""), "/r/1.txt");
    EXPECT_EQ(disk.ReadString("Book", "Page", ""), "3");
    EXPECT_EQ(disk.ReadString("Options", "Hide file path", ""), "No");
    EXPECT_EQ(disk.ReadSections(), (List{"Options", "Recent", "Book", "Base Directory", "Last"}));
}

} // namespace
} // namespace qw

#include "import/folder_files.h"

#include "core/import/zip_test_util.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Refs = std::vector<qw::FileRef>;
using Names = std::vector<std::string>;

// "path" or "path|entry" for each pair, paths made relative to base.
Names Written(const Refs& files, const std::string& base = {}) {
    Names names;
    for (qw::FileRef file : files) {
        if (!base.empty() && file.path.rfind(base + "/", 0) == 0)
            file.path.erase(0, base.size() + 1);
        names.push_back(file.format());
    }
    return names;
}

Refs Parsed(const Names& names) {
    Refs files;
    for (const std::string& name : names)
        files.push_back(qw::FileRef::parse(name));
    return files;
}

struct SortCase {
    const char* name;
    Names input;
    std::string base;
    Names expected;
};

class SortFileListCases : public testing::TestWithParam<SortCase> {};

TEST_P(SortFileListCases, Orders) {
    Refs files = Parsed(GetParam().input);
    qw::SortFileList(files, GetParam().base);
    EXPECT_EQ(Written(files), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SortFileListCases,
    testing::Values(SortCase{"NumbersByValueLettersWithoutCase",
                             {"/b/ch10.txt", "/b/Ch 3.txt", "/b/ch2.txt", "/b/B.txt", "/b/a.txt"},
                             "",
                             {"/b/a.txt", "/b/B.txt", "/b/ch2.txt", "/b/Ch 3.txt", "/b/ch10.txt"}},
                    SortCase{"MembersSitBetweenTheFilesByTheirArchive",
                             {"/f/c.txt", "/f/b.zip|y.txt", "/f/a.txt", "/f/b.zip|x.txt"},
                             "/f",
                             {"/f/a.txt", "/f/b.zip|x.txt", "/f/b.zip|y.txt", "/f/c.txt"}},
                    SortCase{"MembersWithoutFolderFirst",
                             {"/f/z.zip|d/a.txt", "/f/z.zip|b.txt", "/f/z.zip|c/c.txt"},
                             "",
                             {"/f/z.zip|b.txt", "/f/z.zip|c/c.txt", "/f/z.zip|d/a.txt"}},
                    SortCase{"TheBaseFolderBeforeItsSubfolders",
                             {"/r/sub/a.txt", "/r/z.txt", "/r/Sub2/b.txt", "/r/m.txt"},
                             "/r",
                             {"/r/m.txt", "/r/z.txt", "/r/sub/a.txt", "/r/Sub2/b.txt"}},
                    SortCase{"FolderNumbersByValue",
                             {"/r/vol10/a.txt", "/r/vol9/a.txt", "/r/vol9/b.txt"},
                             "/r/",
                             {"/r/vol9/a.txt", "/r/vol9/b.txt", "/r/vol10/a.txt"}},
                    SortCase{"OneFileStays", {"/x"}, "", {"/x"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SortFileListBadInput, OneHugeMemberFolderDoesNotBlowUpKeys) {
    // Padding every key to this folder would take gigabytes.
    Refs files;
    for (int i = 3000; i > 0; --i)
        files.push_back({"/f/a.zip", "n" + std::to_string(i) + ".txt"});
    files.push_back({"/f/a.zip", std::string(60000, 'd') + "/last.txt"});
    qw::SortFileList(files);
    ASSERT_EQ(files.size(), 3001u);
    EXPECT_EQ(files.front().entry, "n1.txt");
    EXPECT_EQ(files[1].entry, "n2.txt");
    EXPECT_EQ(files.back().entry.substr(60000), "/last.txt");
}

// A folder with plain files, an archive, an OpenOffice text, pictures, an
// ignored pattern, hidden files, a pipe, dangling and looping links and
// nested subfolders.
class FolderListing : public testing::Test {
  protected:
    void SetUp() override {
        const std::string& d = dir_.path();
        dir_.write("a.txt", "A");
        dir_.write("cover.jpg", "JFIF");
        dir_.write("book.lit", "LIT");
        dir_.write("notes.sxw", "not really a zip");
        dir_.write(".hidden.txt", "H");
        dir_.write("broken.zip", "PK but not an archive");
        ASSERT_TRUE(qw::test::WriteZip(
            d + "/b.zip", {{"y.txt", "Y"}, {"pic.gif", "GIF"}, {"x.txt", "X"}, {"folder/", ""}}));
        ASSERT_EQ(::mkfifo((d + "/pipe.txt").c_str(), 0600), 0); // opening it would block
        std::filesystem::create_directories(d + "/sub/deeper");
        std::filesystem::create_directories(d + "/.git");
        dir_.write("sub/c.txt", "C");
        dir_.write("sub/deeper/d.txt", "D");
        dir_.write(".git/e.txt", "E");
        std::filesystem::create_directory_symlink(d, d + "/loop");
        std::filesystem::create_directory_symlink("..", d + "/sub/up");
        std::filesystem::create_symlink("gone.txt", d + "/dangling.txt");
        std::filesystem::create_symlink("self.txt", d + "/self.txt");
    }
    qw::test::TempDir dir_;
};

TEST_F(FolderListing, FiltersAndRecursion) {
    struct Case {
        bool filter;
        bool recursive;
        Names expected;
    };
    const Case cases[] = {
        {false,
         false,
         {"a.txt", "b.zip|pic.gif", "b.zip|x.txt", "b.zip|y.txt", "book.lit", "cover.jpg",
          "notes.sxw|content.xml"}},
        {true, false, {"a.txt", "b.zip|x.txt", "b.zip|y.txt", "notes.sxw|content.xml"}},
        {true,
         true,
         {"a.txt", "b.zip|x.txt", "b.zip|y.txt", "notes.sxw|content.xml", "sub/c.txt",
          "sub/deeper/d.txt"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "filter " << c.filter << " recursive " << c.recursive);
        qw::FolderListOptions options;
        options.filter = c.filter;
        options.recursive = c.recursive;
        options.ignoredPatterns = {"*.lit"};
        qw::FolderListing listing = qw::ListFolderFiles(dir_.path(), options);
        EXPECT_TRUE(listing.ok()) << listing.error;
        qw::SortFileList(listing.files, dir_.path());
        EXPECT_EQ(Written(listing.files, dir_.path()), c.expected);
    }
}

TEST_F(FolderListing, SubfoldersComeAfterTheFolderOwnFiles) {
    qw::FolderListOptions options;
    options.recursive = true;
    const Names names = Written(qw::ListFolderFiles(dir_.path(), options).files, dir_.path());
    ASSERT_EQ(names.size(), 9u);
    EXPECT_EQ(names[7], "sub/c.txt");
    EXPECT_EQ(names[8], "sub/deeper/d.txt");
}

TEST(FolderListingBadInput, FoldersThatCannotBeRead) {
    qw::test::TempDir dir;
    const std::string file = dir.write("plain.txt", "x");
    const std::string missing = dir.path() + "/missing";
    const qw::FolderListing gone = qw::ListFolderFiles(missing, {});
    EXPECT_EQ(gone.error, "Cannot read the folder " + missing + ": No such file or directory");
    EXPECT_TRUE(gone.files.empty());
    EXPECT_EQ(qw::ListFolderFiles(file, {}).error,
              "Cannot read the folder " + file + ": Not a directory");

    const std::string locked = dir.path() + "/locked";
    std::filesystem::create_directory(locked);
    dir.write("locked/in.txt", "x");
    ::chmod(locked.c_str(), 0);
    if (::geteuid() != 0) { // root reads it anyway
        const qw::FolderListing listing = qw::ListFolderFiles(locked, {});
        EXPECT_EQ(listing.error, "Cannot read the folder " + locked + ": Permission denied");
        EXPECT_TRUE(listing.files.empty());
    }
    // Below the folder asked for, an unreadable subfolder is passed over.
    qw::FolderListOptions recursive;
    recursive.recursive = true;
    const qw::FolderListing outer = qw::ListFolderFiles(dir.path(), recursive);
    EXPECT_TRUE(outer.ok());
    EXPECT_GE(outer.files.size(), 1u);
}

} // namespace

// The walk of find in files over a generated tree: subfolders after a
// folder's own files, archive members as files, converters as the reader
// uses them, and what is passed over: ignored files, a corrupt and an
// encrypted archive, a pipe, a dangling link, a link back up the tree, an
// unreadable folder, a file too large to open; stopping.

#include "tools/book_encodings.h"
#include "tools/file_search.h"

#include "import/folder_files.h"

#include "core/import/zip_test_util.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

namespace qw {
namespace {

std::vector<std::string> formatted(const std::vector<FileRef>& files) {
    std::vector<std::string> out;
    for (const FileRef& file : files)
        out.push_back(file.format());
    return out;
}

class Collect : public FileSearchObserver {
  public:
    bool keepGoing() override { return stopAfter < 0 || searched < stopAfter; }
    void searching(int, int, const FileRef&) override { ++searched; }
    void found(const FileRef& file) override { hits.push_back(file.format()); }
    int stopAfter = -1;
    int searched = 0;
    std::vector<std::string> hits;
};

class FileSearch : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string& root = dir_.path();
        namespace fs = std::filesystem;
        dir_.write("a.txt", "Tell the old\r\nman.");
        dir_.write("b10.txt", "nothing here");
        dir_.write("b9.txt", "the old\nman");
        dir_.write("cover.jpg", "the old man");
        dir_.write("page.html", "<p>the old <b>man</b></p>");
        dir_.write("russian.txt", "\xF1\xF2\xE0\xF0\xE8\xEA"); // "старик" in Windows-1251
        ASSERT_TRUE(test::WriteZip(root + "/books.zip", {{"ch1.txt", "an old\r\nman"},
                                                         {"part/ch2.txt", "the OLD MAN"},
                                                         {"ch3.txt", "young"},
                                                         {"pic.gif", "old man"}}));
        dir_.write("corrupt.zip", "PK\x03\x04 this is no archive");
        ASSERT_TRUE(test::WriteZip(root + "/locked.zip", {{"secret.txt", "old man", true}}));
        std::string locked = test::ReadBytes(root + "/locked.zip");
        test::MarkEncrypted(locked);
        test::WriteBytes(root + "/locked.zip", locked);
        ASSERT_EQ(::mkfifo((root + "/pipe.txt").c_str(), 0600), 0);
        fs::create_symlink(root + "/nowhere.txt", root + "/dangling.txt");
        fs::create_directories(root + "/sub/deep");
        dir_.write("sub/c.txt", "old man");
        dir_.write("sub/deep/d.txt", "old man");
        fs::create_directory_symlink(root, root + "/sub/loop");
        fs::create_directory(root + "/secret");
        dir_.write("secret/e.txt", "old man");
        fs::permissions(root + "/secret", fs::perms::none);
    }

    FileSearchRequest request(const std::string& phrase) const {
        FileSearchRequest r;
        r.folder = dir_.path() + "/";
        r.phrase = phrase;
        r.subfolders = true;
        return r;
    }
    // Root reads every folder whatever its permissions.
    static bool unreadableFoldersExist() { return ::geteuid() != 0; }

    test::TempDir dir_;
};

TEST_F(FileSearch, ListsFilesThenSubfoldersInNaturalOrder) {
    std::vector<FileRef> files = ListSearchFiles(dir_.path(), true, ImportOptions{});
    SortFileList(files);
    std::vector<std::string> expected = {"a.txt",
                                         "b9.txt",
                                         "b10.txt",
                                         "books.zip|ch1.txt",
                                         "books.zip|ch3.txt",
                                         "books.zip|part/ch2.txt",
                                         "locked.zip|secret.txt",
                                         "page.html",
                                         "russian.txt",
                                         "sub/c.txt",
                                         "sub/deep/d.txt"};
    if (!unreadableFoldersExist())
        expected.insert(expected.begin() + 9, "secret/e.txt");
    EXPECT_EQ(formatted(files), expected);

    std::vector<FileRef> top = ListSearchFiles(dir_.path(), false, ImportOptions{});
    EXPECT_EQ(top.size(), 9u); // no file of a subfolder
}

TEST_F(FileSearch, FindsInConvertedFilesAndMembers) {
    Collect collect;
    EXPECT_EQ(SearchFiles(request("old man"), collect), FileSearchEnd::Done);
    // b9.txt is found: loading makes its lone LF a CR LF, as the reader shows it.
    std::vector<std::string> expected = {
        "a.txt",     "b9.txt",    "books.zip|ch1.txt", "books.zip|part/ch2.txt",
        "page.html", "sub/c.txt", "sub/deep/d.txt"};
    if (!unreadableFoldersExist())
        expected.insert(expected.begin() + 5, "secret/e.txt");
    EXPECT_EQ(collect.hits, expected);

    FileSearchRequest kept = request("OLD MAN");
    kept.caseSensitive = true;
    kept.subfolders = false;
    Collect caseKept;
    SearchFiles(kept, caseKept);
    EXPECT_EQ(caseKept.hits, std::vector<std::string>{"books.zip|part/ch2.txt"});

    // The book's encoding decides how a plain text without a mark is read.
    FileSearchRequest russian = request("СТАРИК");
    Collect auto1252;
    SearchFiles(russian, auto1252);
    EXPECT_TRUE(auto1252.hits.empty());
    ConfigFile config;
    config.Parse("[" + dir_.path() + "/russian.txt]\nEncoding=Windows-1251\n");
    const BookEncodings encodings = BookEncodings::From(config);
    russian.encodingOf = [&encodings](const std::string& path, const std::string& entry) {
        return encodings.of(path, entry);
    };
    Collect cp1251;
    SearchFiles(russian, cp1251);
    EXPECT_EQ(cp1251.hits, std::vector<std::string>{"russian.txt"});
}

TEST_F(FileSearch, BadInputEndsCleanly) {
    Collect none;
    EXPECT_EQ(SearchFiles(request("no such words"), none), FileSearchEnd::Done);
    EXPECT_TRUE(none.hits.empty());

    Collect stopped;
    stopped.stopAfter = 2;
    EXPECT_EQ(SearchFiles(request("old man"), stopped), FileSearchEnd::Stopped);
    EXPECT_EQ(stopped.hits, std::vector<std::string>{"a.txt"});

    Collect missing;
    FileSearchRequest gone = request("old man");
    gone.folder = dir_.path() + "/no such folder/";
    EXPECT_EQ(SearchFiles(gone, missing), FileSearchEnd::NoFiles);

    // A file larger than the reader opens is refused before it is read: a
    // sparse 300 MB file takes no time and no memory.
    const std::string big = dir_.path() + "/big.txt";
    const int fd = ::open(big.c_str(), O_CREAT | O_WRONLY, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, 300ll * 1024 * 1024), 0);
    ::close(fd);
    EXPECT_FALSE(TextAsLoaded({big, {}}, ImportOptions{}));
    EXPECT_FALSE(TextAsLoaded({dir_.path() + "/corrupt.zip", "x.txt"}, ImportOptions{}));
    EXPECT_EQ(TextAsLoaded({dir_.path() + "/page.html", {}}, ImportOptions{}).value_or("?"),
              "the old man");
}

} // namespace
} // namespace qw

#include "import/save_file.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

using std::string;

using qw::test::Slurp;

size_t FilesIn(const string& folder) {
    size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++count;
    return count;
}

TEST(ReplaceFileContents, CreatesAndReplacesKeepingThePermissions) {
    qw::test::TempDir dir;
    const string path = dir.path() + "/book.txt";
    ASSERT_TRUE(qw::ReplaceFileContents(path, "first").ok);
    EXPECT_EQ(Slurp(path), "first");
    ASSERT_TRUE(qw::ReplaceFileContents(path, "second, longer").ok);
    EXPECT_EQ(Slurp(path), "second, longer");
    ASSERT_TRUE(qw::ReplaceFileContents(path, "").ok);
    EXPECT_EQ(Slurp(path), "");
    EXPECT_EQ(FilesIn(dir.path()), 1u); // no temporary file left
    // The replaced file keeps its permissions.
    ::chmod(path.c_str(), 0640);
    ASSERT_TRUE(qw::ReplaceFileContents(path, "new").ok);
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(ReplaceFileContents, MissingFolderOrFolderTargetFails) {
    qw::test::TempDir dir;
    const qw::WriteOutcome missing = qw::ReplaceFileContents(dir.path() + "/no/such.txt", "x");
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.detail.empty());
    EXPECT_FALSE(qw::ReplaceFileContents(dir.path(), "x").ok);
    EXPECT_FALSE(qw::ReplaceFileContents("", "x").ok);
}

TEST(ReplaceFileContents, AFailedWriteLeavesTheOldFile) {
    qw::test::TempDir dir;
    const string path = dir.write("book.txt", "the old text");
    // A file size limit makes the write fail part-way, as a full disk would.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const qw::WriteOutcome outcome = qw::ReplaceFileContents(path, string(5000, 'n'));
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, SIG_DFL);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(Slurp(path), "the old text");
    EXPECT_EQ(FilesIn(dir.path()), 1u);
}

TEST(ReplaceFileContents, WritesThroughLinksAndKeepsThem) {
    struct Case {
        const char* name;
        std::vector<std::pair<string, string>> links; // link name -> what it points to
        const char* saved;                            // the name saved to
        const char* target;                           // the file that gets the text
    };
    for (const Case& c : {
             Case{"Relative", {{"link.txt", "book.txt"}}, "link.txt", "book.txt"},
             Case{"IntoAFolder", {{"link.txt", "sub/book.txt"}}, "link.txt", "sub/book.txt"},
             Case{"Chain", {{"one", "two"}, {"two", "book.txt"}}, "one", "book.txt"},
             Case{"Dangling", {{"link.txt", "new.txt"}}, "link.txt", "new.txt"},
         }) {
        qw::test::TempDir dir;
        std::filesystem::create_directory(dir.path() + "/sub");
        dir.write("book.txt", "old");
        dir.write("sub/book.txt", "old");
        for (const auto& [link, to] : c.links)
            std::filesystem::create_symlink(to, dir.path() + "/" + link);
        ASSERT_TRUE(qw::ReplaceFileContents(dir.path() + "/" + c.saved, "new").ok) << c.name;
        EXPECT_EQ(Slurp(dir.path() + "/" + c.target), "new") << c.name;
        for (const auto& [link, to] : c.links)
            EXPECT_TRUE(std::filesystem::is_symlink(dir.path() + "/" + link)) << c.name;
    }
}

TEST(ReplaceFileContents, FolderWithoutRoomForANewFileRewritesInPlace) {
    qw::test::TempDir dir;
    const string path = dir.write("book.txt", "the old text");
    struct stat before {};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);
    qw::SaveFaults readOnlyFolder;
    readOnlyFolder.tempFileError = EACCES;
    for (const string& text :
         {string("a longer new text than before"), string("short"), string()}) {
        ASSERT_TRUE(qw::ReplaceFileContents(path, text, &readOnlyFolder).ok);
        EXPECT_EQ(Slurp(path), text);
    }
    struct stat after {};
    ASSERT_EQ(::stat(path.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(FilesIn(dir.path()), 1u);
    // A new file cannot be made there at all.
    EXPECT_FALSE(qw::ReplaceFileContents(dir.path() + "/new.txt", "x", &readOnlyFolder).ok);

    // A rewrite that fails part-way puts the old text back.
    ASSERT_TRUE(qw::ReplaceFileContents(path, "the old text", &readOnlyFolder).ok);
    qw::SaveFaults fullDisk = readOnlyFolder;
    fullDisk.failInPlaceAfterBytes = 4;
    for (const string& text : {string("a much longer replacement"), string("tiny")}) {
        EXPECT_FALSE(qw::ReplaceFileContents(path, text + "!", &fullDisk).ok);
        EXPECT_EQ(Slurp(path), "the old text");
    }
}

TEST(ReplaceFileContents, PipeIsWrittenIntoNotReplaced) {
    qw::test::TempDir dir;
    const string fifo = dir.path() + "/pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_TRUE(qw::ReplaceFileContents(fifo, "piped").ok);
    char buffer[16] = {};
    EXPECT_EQ(::read(reader, buffer, sizeof buffer), 5);
    ::close(reader);
    EXPECT_EQ(string(buffer), "piped");
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
}

} // namespace

#include "import/palm_doc_writer.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

using std::string;

string ReadAll(const string& path) {
    std::ifstream in(path, std::ios::binary);
    return string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

size_t FilesIn(const string& folder) {
    size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++count;
    return count;
}

TEST(ReplaceFileContents, CreatesAndReplaces) {
    qw::test::TempDir dir;
    const string path = dir.path() + "/book.txt";
    ASSERT_TRUE(qw::ReplaceFileContents(path, "first").ok);
    EXPECT_EQ(ReadAll(path), "first");
    ASSERT_TRUE(qw::ReplaceFileContents(path, "second, longer").ok);
    EXPECT_EQ(ReadAll(path), "second, longer");
    ASSERT_TRUE(qw::ReplaceFileContents(path, "").ok);
    EXPECT_EQ(ReadAll(path), "");
    EXPECT_EQ(FilesIn(dir.path()), 1u); // no temporary file left
}

TEST(ReplaceFileContents, KeepsThePermissionsOfTheReplacedFile) {
    qw::test::TempDir dir;
    const string path = dir.write("book.txt", "old");
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
    EXPECT_EQ(ReadAll(path), "the old text");
    EXPECT_EQ(FilesIn(dir.path()), 1u);
}

} // namespace

#include "import/read_file.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace std::string_literals;

TEST(ReadWholeFile, ReadsEveryByte) {
    qw::test::TempDir dir;
    std::string content = "line\r\n\0\xff"s;
    for (int i = 0; i < 5000; ++i)
        content += static_cast<char>(i * 7);
    const std::string path = dir.write("book.txt", content);
    const qw::FileBytes file = qw::ReadWholeFile(path);
    ASSERT_TRUE(file.ok()) << file.error;
    EXPECT_EQ(file.bytes, content);
}

TEST(ReadWholeFile, ZeroLengthFile) {
    qw::test::TempDir dir;
    const qw::FileBytes file = qw::ReadWholeFile(dir.write("empty.txt", ""));
    EXPECT_TRUE(file.ok());
    EXPECT_TRUE(file.bytes.empty());
}

TEST(ReadWholeFile, NonAsciiPathWithSpaces) {
    qw::test::TempDir dir;
    const std::string path = dir.write("Gr\xc3\xbc\xc3\x9f"
                                       "e aus K\xc3\xb6ln.txt",
                                       "hallo");
    const qw::FileBytes file = qw::ReadWholeFile(path);
    ASSERT_TRUE(file.ok()) << file.error;
    EXPECT_EQ(file.bytes, "hallo");
}

TEST(ReadWholeFile, FailuresNameTheFile) {
    qw::test::TempDir dir;
    const std::string missing = dir.path() + "/missing.txt";
    EXPECT_EQ(qw::ReadWholeFile(missing).error, "Cannot open file " + missing + "!");
    EXPECT_EQ(qw::ReadWholeFile(dir.path()).error, "Cannot open file " + dir.path() + "!");

    const std::string locked = dir.write("locked.txt", "secret");
    ::chmod(locked.c_str(), 0);
    if (::geteuid() != 0) { // root reads it anyway
        const qw::FileBytes file = qw::ReadWholeFile(locked);
        EXPECT_FALSE(file.ok());
        EXPECT_TRUE(file.bytes.empty());
    }
}

TEST(ReadWholeFile, RefusesFilesOverTheLimit) {
    qw::test::TempDir dir;
    const std::string path = dir.write("big.txt", std::string(4096, 'x'));
    const qw::FileBytes refused = qw::ReadWholeFile(path, 4095);
    EXPECT_FALSE(refused.ok());
    EXPECT_TRUE(refused.bytes.empty());
    EXPECT_NE(refused.error.find("Cannot open file " + path + "!"), std::string::npos);
    EXPECT_TRUE(qw::ReadWholeFile(path, 4096).ok());
}

TEST(ReadWholeFile, SparseFileOfTwoGigabytesIsRefusedWithoutReading) {
    qw::test::TempDir dir;
    const std::string path = dir.write("huge.txt", "");
    ASSERT_EQ(::truncate(path.c_str(), 2LL * 1024 * 1024 * 1024), 0);
    const qw::FileBytes refused = qw::ReadWholeFile(path);
    EXPECT_FALSE(refused.ok());
    EXPECT_NE(refused.error.find("256 MB"), std::string::npos);
}

TEST(ReadWholeFile, StreamsAreReadUpToTheLimit) {
    // /dev/zero never ends: the read must stop at the limit, not run out of memory.
    const qw::FileBytes endless = qw::ReadWholeFile("/dev/zero", 1 << 20);
    EXPECT_FALSE(endless.ok());
    EXPECT_TRUE(endless.bytes.empty());
}

} // namespace

#include "import/read_file.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace std::string_literals;

// Every byte, an empty file, and a path that is not ASCII and has blanks.
TEST(ReadWholeFile, ReadsEveryByte) {
    qw::test::TempDir dir;
    std::string content = "line\r\n\0\xff"s;
    for (int i = 0; i < 5000; ++i)
        content += static_cast<char>(i * 7);
    for (const auto& [name, bytes] : {std::pair{"book.txt", content},
                                      {"empty.txt", ""},
                                      {"Gr\xc3\xbc\xc3\x9f"
                                       "e aus K\xc3\xb6ln.txt",
                                       "hallo"}}) {
        const qw::FileBytes file = qw::ReadWholeFile(dir.write(name, bytes));
        ASSERT_TRUE(file.ok()) << file.error;
        EXPECT_EQ(file.bytes, bytes);
    }
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

TEST(ReadWholeFile, RefusesFilesOverTheLimitWithoutReadingThem) {
    qw::test::TempDir dir;
    const std::string path = dir.write("big.txt", std::string(4096, 'x'));
    const qw::FileBytes refused = qw::ReadWholeFile(path, 4095);
    EXPECT_FALSE(refused.ok());
    EXPECT_TRUE(refused.bytes.empty());
    EXPECT_NE(refused.error.find("Cannot open file " + path + "!"), std::string::npos);
    EXPECT_TRUE(qw::ReadWholeFile(path, 4096).ok());
    // A sparse file of two gigabytes is refused without reading it.
    const std::string huge = dir.write("huge.txt", "");
    ASSERT_EQ(::truncate(huge.c_str(), 2LL * 1024 * 1024 * 1024), 0);
    const qw::FileBytes tooLarge = qw::ReadWholeFile(huge);
    EXPECT_FALSE(tooLarge.ok());
    EXPECT_NE(tooLarge.error.find("256 MB"), std::string::npos);
    // /dev/zero never ends: the read must stop at the limit, not run out of memory.
    const qw::FileBytes endless = qw::ReadWholeFile("/dev/zero", 1 << 20);
    EXPECT_FALSE(endless.ok());
    EXPECT_TRUE(endless.bytes.empty());
}

} // namespace

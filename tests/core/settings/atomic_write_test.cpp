// Replacing the configuration file: never a truncated or half-written file.

#include "settings/atomic_write.h"
#include "settings/config_file.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace qw {
namespace {

using test::Slurp;

// Files in the folder besides the lock file, which stays once a write took it.
size_t FilesIn(const std::string& dir) {
    size_t n = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        n += entry.path().extension() != ".lock";
    return n;
}

const std::string kOld = "[Options]\nBook style=Yes\n";

TEST(AtomicWriteTest, ReplacesTheFileAndLeavesNothingElse) {
    test::TempDir dir;
    const std::string path = dir.write("Quirewell.ini", kOld);
    ::chmod(path.c_str(), 0640);
    EXPECT_EQ(WriteFileAtomically(path, "[New]\n"), "");
    EXPECT_EQ(Slurp(path), "[New]\n");
    EXPECT_EQ(FilesIn(dir.path()), 1u);
    struct stat info {};
    ::stat(path.c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u); // the file keeps its permissions
}

TEST(AtomicWriteTest, CreatesAMissingFileAndReplacesALinkedOneBehindTheLink) {
    test::TempDir dir;
    const std::string real = dir.path() + "/real.ini", link = dir.path() + "/Quirewell.ini";
    EXPECT_EQ(WriteFileAtomically(real, "x"), "");
    EXPECT_EQ(Slurp(real), "x");
    ASSERT_EQ(::symlink(real.c_str(), link.c_str()), 0);
    EXPECT_EQ(WriteFileAtomically(link, "[New]\n"), "");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(Slurp(real), "[New]\n");
}

struct FaultCase {
    const char* name;
    long failAfterBytes;
    bool failRename;
    const char* reason;
};

class AtomicWriteFaultTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(AtomicWriteFaultTest, AFailedWriteLeavesThePreviousFileIntact) {
    test::TempDir dir;
    const std::string path = dir.write("Quirewell.ini", kOld);
    WriteFaults faults;
    faults.failAfterBytes = GetParam().failAfterBytes;
    faults.failRename = GetParam().failRename;
    const std::string error = WriteFileAtomically(path, std::string(100000, 'n'), &faults);
    EXPECT_NE(error.find(GetParam().reason), std::string::npos) << error;
    EXPECT_NE(error.find(path), std::string::npos);
    EXPECT_EQ(Slurp(path), kOld);
    EXPECT_EQ(FilesIn(dir.path()), 1u); // the temporary file is gone
}

INSTANTIATE_TEST_SUITE_P(Faults, AtomicWriteFaultTest,
                         ::testing::Values(FaultCase{"DiskFullAtOnce", 0, false, "No space"},
                                           FaultCase{"DiskFullMidway", 4096, false, "No space"},
                                           FaultCase{"RenameFails", -1, true, "error"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AtomicWriteTest, AKillBetweenWriteAndRenameLeavesThePreviousFile) {
    test::TempDir dir;
    const std::string path = dir.write("Quirewell.ini", kOld);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        WriteFaults faults;
        faults.beforeRename = [] { ::raise(SIGKILL); };
        WriteFileAtomically(path, "[Half]\nwritten=", &faults);
        ::_exit(0); // not reached
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(Slurp(path), kOld);
    // The next write still succeeds beside the leftover temporary file.
    EXPECT_EQ(WriteFileAtomically(path, "[New]\n"), "");
    EXPECT_EQ(Slurp(path), "[New]\n");
}

TEST(AtomicWriteTest, AFullDiskIsReportedAndTheOldFileKept) {
    // A file size limit makes the kernel refuse the write as a full disk would.
    test::TempDir dir;
    const std::string path = dir.write("Quirewell.ini", kOld);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{1024, 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ConfigFile config(path);
        config.WriteString("Big", "value", std::string(8192, 'b'));
        const bool saved = config.UpdateFile();
        const bool reported = config.LastWriteError().find("File too large") != std::string::npos;
        ::_exit(!saved && reported ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(Slurp(path), kOld);
    EXPECT_EQ(FilesIn(dir.path()), 1u);
}

TEST(AtomicWriteTest, AReadOnlyFileOrFolderAndAMissingFolderAreReported) {
    test::TempDir dir;
    const std::string path = dir.write("Quirewell.ini", kOld);
    ::chmod(path.c_str(), 0444);
    std::string error = WriteFileAtomically(path, "[New]\n");
    EXPECT_NE(error.find("Permission denied"), std::string::npos) << error;
    EXPECT_EQ(Slurp(path), kOld);
    ::chmod(path.c_str(), 0644);
    if (::geteuid() != 0) { // the superuser writes into read-only folders
        ::chmod(dir.path().c_str(), 0555);
        error = WriteFileAtomically(path, "[New]\n");
        ::chmod(dir.path().c_str(), 0755);
        EXPECT_NE(error.find("Permission denied"), std::string::npos) << error;
        EXPECT_EQ(Slurp(path), kOld);
    }
    error = WriteFileAtomically(dir.path() + "/no/such/Quirewell.ini", "x");
    EXPECT_NE(error.find("No such file or directory"), std::string::npos) << error;
}

} // namespace
} // namespace qw

#include "reader/help_file.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

TEST(HelpFile, LooksBesideTheProgramThenInTheDataFolders) {
    using V = std::vector<std::string>;
    struct Row {
        qw::HelpFileEnvironment env;
        V expected;
    };
    const Row rows[] = {
        {{"/opt/qw/bin", "", "/home/r", ""},
         {"/opt/qw/bin/Help.txt", "/opt/qw/bin/../share/quirewell/Help.txt",
          "/home/r/.local/share/quirewell/Help.txt", "/usr/local/share/quirewell/Help.txt",
          "/usr/share/quirewell/Help.txt"}},
        // XDG_DATA_HOME wins over HOME; relative and empty entries are skipped,
        // a folder named twice is looked at once.
        {{"/b/", "/data", "/home/r", "/x::rel:/x/:/usr/share"},
         {"/b/Help.txt", "/b/../share/quirewell/Help.txt", "/data/quirewell/Help.txt",
          "/x/quirewell/Help.txt", "/usr/share/quirewell/Help.txt"}},
        {{"", "relative", "", "/s"}, {"/s/quirewell/Help.txt"}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(qw::HelpFileCandidates(row.env), row.expected) << row.env.programDir;
}

TEST(HelpFile, FindsTheFirstThatIsAFile) {
    qw::test::TempDir temp;
    const std::string bin = temp.path() + "/bin";
    const std::string share = temp.path() + "/data";
    std::filesystem::create_directories(bin);
    std::filesystem::create_directories(share + "/quirewell");
    const qw::HelpFileEnvironment env{bin, "", "", share};
    EXPECT_EQ(qw::FindHelpFile(env), "");
    std::ofstream(share + "/quirewell/Help.txt") << "guide";
    EXPECT_EQ(qw::FindHelpFile(env), share + "/quirewell/Help.txt");
    std::filesystem::create_directories(bin + "/Help.txt"); // a folder is no guide
    EXPECT_EQ(qw::FindHelpFile(env), share + "/quirewell/Help.txt");
    // The installed place beside bin/ comes before the data folders.
    std::filesystem::create_directories(temp.path() + "/share/quirewell");
    std::ofstream(temp.path() + "/share/quirewell/Help.txt") << "installed";
    EXPECT_EQ(qw::FindHelpFile(env), bin + "/../share/quirewell/Help.txt");
}

} // namespace

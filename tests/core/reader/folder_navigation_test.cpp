#include "reader/folder_navigation.h"

#include "core/import/zip_test_util.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

using qw::FileDirection;

struct StepCase {
    const char* name;
    std::vector<std::string> files; // in file-list order
    std::string current;            // the open book; empty: none
    FileDirection direction;
    std::string expected; // the file opened, or the message shown
};

class ChooseFolderFileCases : public testing::TestWithParam<StepCase> {};

TEST_P(ChooseFolderFileCases, Chooses) {
    const StepCase& c = GetParam();
    std::vector<qw::FileRef> files;
    for (const std::string& file : c.files)
        files.push_back(qw::FileRef::parse(file));
    const qw::FileStep step =
        qw::ChooseFolderFile(files, qw::FileRef::parse(c.current), c.direction, {"*.lit"});
    EXPECT_EQ(step.target.path.empty() ? step.message : step.target.format(), c.expected);
    EXPECT_TRUE(step.target.path.empty() != step.message.empty());
}

const std::vector<std::string> kFolder = {"/f/a.txt", "/f/b.zip|pic.gif", "/f/b.zip|x.txt",
                                          "/f/b.zip|y.txt", "/f/c.txt"};
const std::vector<std::string> kPictures = {"/f/a.jpg", "/f/b.txt", "/f/c.lit", "/f/d.png"};

INSTANTIATE_TEST_SUITE_P(
    Cases, ChooseFolderFileCases,
    testing::Values(
        StepCase{"NextIntoTheArchive", kFolder, "/f/a.txt", FileDirection::Next, "/f/b.zip|x.txt"},
        StepCase{"NextWithinTheArchive", kFolder, "/f/b.zip|x.txt", FileDirection::Next,
                 "/f/b.zip|y.txt"},
        StepCase{"NextOutOfTheArchive", kFolder, "/f/b.zip|y.txt", FileDirection::Next, "/f/c.txt"},
        StepCase{"PreviousSkipsAPicture", kFolder, "/f/b.zip|x.txt", FileDirection::Previous,
                 "/f/a.txt"},
        StepCase{"First", kFolder, "/f/c.txt", FileDirection::First, "/f/a.txt"},
        StepCase{"Last", kFolder, "/f/a.txt", FileDirection::Last, "/f/c.txt"},
        StepCase{"NoBookMeansFirst", kFolder, "", FileDirection::Last, "/f/a.txt"},
        StepCase{"NextFromTheLast", kFolder, "/f/c.txt", FileDirection::Next,
                 "This is the last file in the current directory"},
        StepCase{"PreviousFromTheFirst", kFolder, "/f/a.txt", FileDirection::Previous,
                 "This is the first file in the current directory"},
        StepCase{"OnlyIgnoredFollow", kPictures, "/f/b.txt", FileDirection::Next,
                 "This is the last valid file in the current directory"},
        StepCase{"OnlyIgnoredBefore", kPictures, "/f/b.txt", FileDirection::First,
                 "This is the first valid file in the current directory"},
        StepCase{"BookNotInTheFolder", kFolder, "/f/Unnamed.txt", FileDirection::Next,
                 "Current file /f/Unnamed.txt not found"},
        StepCase{"LastForAJoinedBook", kFolder, "/f/Unnamed.txt", FileDirection::Last, "/f/c.txt"},
        StepCase{"OneFile",
                 {"/f/a.txt"},
                 "/f/a.txt",
                 FileDirection::Next,
                 "No more files in this directory"},
        StepCase{"NoFiles", {}, "", FileDirection::First, "No more files in this directory"},
        StepCase{"OpenDocumentOpensAsTheFile",
                 {"/f/a.txt", "/f/b.odt|content.xml", "/f/c.txt"},
                 "/f/a.txt",
                 FileDirection::Next,
                 "/f/b.odt"},
        StepCase{"OpenDocumentIsFoundAsTheOpenBook",
                 {"/f/a.txt", "/f/b.sxw|content.xml", "/f/c.txt"},
                 "/f/b.sxw",
                 FileDirection::Next,
                 "/f/c.txt"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StepThroughFolder, WalksTheSortedFolderOnDisk) {
    qw::test::TempDir dir;
    const std::string& d = dir.path();
    dir.write("c.txt", "C");
    dir.write("a.txt", "A");
    dir.write("cover.jpg", "JFIF");
    ASSERT_TRUE(qw::test::WriteZip(d + "/b.zip", {{"y.txt", "Y"}, {"x.txt", "X"}}));
    std::vector<std::string> opened;
    qw::FileRef current{d + "/a.txt", {}};
    for (int i = 0; i < 4; ++i) {
        const qw::FileStep step = qw::StepThroughFolder(d, current, FileDirection::Next, {});
        opened.push_back(step.target.path.empty() ? step.message : step.target.format());
        if (!step.target.path.empty())
            current = step.target;
    }
    EXPECT_EQ(opened,
              (std::vector<std::string>{d + "/b.zip|x.txt", d + "/b.zip|y.txt", d + "/c.txt",
                                        "This is the last valid file in the current "
                                        "directory"}));
}

TEST(StepThroughFolderBadInput, HugeVanishedAndUnreadableFolders) {
    qw::test::TempDir dir;
    const std::string& d = dir.path();
    for (int i = 1; i <= 10000; ++i)
        dir.write("f" + std::to_string(i) + ".txt", "");
    const auto next = [&](const std::string& name) {
        const qw::FileStep step =
            qw::StepThroughFolder(d, {d + "/" + name, {}}, FileDirection::Next, {});
        return step.target.path.empty() ? step.message : step.target.path.substr(d.size() + 1);
    };
    EXPECT_EQ(next("f9.txt"), "f10.txt");
    EXPECT_EQ(next("f9999.txt"), "f10000.txt");
    // The open book itself vanished: its place in the folder is gone too.
    ASSERT_EQ(std::remove((d + "/f500.txt").c_str()), 0);
    EXPECT_EQ(next("f500.txt"), "Current file " + d + "/f500.txt not found");

    const std::string gone = d + "/gone";
    EXPECT_EQ(qw::StepThroughFolder(gone, {gone + "/a.txt", {}}, FileDirection::Next, {}).message,
              "Cannot read the folder " + gone + ": No such file or directory");
}

TEST(FolderOfPath, KeepsTheRoot) {
    EXPECT_EQ(qw::FolderOfPath("/books/a.txt"), "/books");
    EXPECT_EQ(qw::FolderOfPath("/a.txt"), "/");
    EXPECT_EQ(qw::FolderOfPath("a.txt"), "");
}

} // namespace

#include "import/file_ref.h"

#include <gtest/gtest.h>

namespace qw {
namespace {

TEST(FileRef, ParsesAtTheBarAfterAnArchiveNameOnlyAndFormatsBack) {
    const struct {
        const char* reference;
        const char* path;
        const char* entry;
    } cases[] = {
        {"/b/set.zip|part1/ch1.txt", "/b/set.zip", "part1/ch1.txt"},
        {"/b/book.txt", "/b/book.txt", ""},
        {"/b/SET.Zip|a.txt", "/b/SET.Zip", "a.txt"},
        {"/b/doc.sxw|content.xml", "/b/doc.sxw", "content.xml"},
        // A bar in a folder or file name is part of the path.
        {"/b/x|y/set.ZIP|a|b.txt", "/b/x|y/set.ZIP", "a|b.txt"},
        {"/b/a|b/book.txt", "/b/a|b/book.txt", ""},
        {"/b/file|entry", "/b/file|entry", ""},
        {"/b/old.zip|", "/b/old.zip", ""},
        {"|", "|", ""},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        const FileRef ref = FileRef::parse(c.reference);
        EXPECT_EQ(ref.path, c.path) << c.reference;
        EXPECT_EQ(ref.entry, c.entry) << c.reference;
        EXPECT_EQ(FileRef::parse(ref.format()), ref) << c.reference;
    }
    EXPECT_EQ((FileRef{"/b/set.zip", "a.txt"}.format()), "/b/set.zip|a.txt");
    EXPECT_EQ((FileRef{"/b/a|b.txt", ""}.format()), "/b/a|b.txt");
}

} // namespace
} // namespace qw

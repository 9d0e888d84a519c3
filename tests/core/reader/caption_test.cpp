#include "reader/caption.h"

#include <gtest/gtest.h>

namespace {

qw::CaptionInput openBook() {
    qw::CaptionInput in;
    in.bookOpen = true;
    in.fileName = "/books/set.zip";
    in.archiveEntry = "vol1/ch1.txt";
    in.fontName = "Liberation Serif";
    in.fontSize = 12;
    in.pageCount = 10;
    return in;
}

TEST(Caption, NamePartFollowsTheOptions) {
    struct Case {
        bool member, hidePaths, hideArchives;
        const char* expected;
    };
    for (const Case& c : {
             Case{true, false, false, "[vol1/ch1.txt] from archive /books/set.zip"},
             Case{true, false, true, "[vol1/ch1.txt]"},
             Case{true, true, false, "[ch1.txt] from archive set.zip"},
             Case{true, true, true, "[ch1.txt]"},
             Case{false, false, false, "/books/set.zip"},
             Case{false, true, false, "set.zip"},
         }) {
        qw::CaptionInput in = openBook();
        if (!c.member)
            in.archiveEntry.clear();
        in.hideFilePaths = c.hidePaths;
        in.hideArchiveNames = c.hideArchives;
        EXPECT_EQ(qw::CaptionNamePart(in), c.expected);
    }
}

TEST(Caption, TitleSubtitleAuthor) {
    qw::CaptionInput in = openBook();
    in.title = "Emma";
    EXPECT_EQ(qw::CaptionNamePart(in), "Emma");
    in.subtitle = "A Novel";
    in.author = "Jane Austen";
    EXPECT_EQ(qw::CaptionNamePart(in), "Emma, A Novel - by Jane Austen");
    in.title = "   ";
    EXPECT_EQ(qw::CaptionNamePart(in), "[vol1/ch1.txt] from archive /books/set.zip");
}

TEST(Caption, PagesAndAutomaticTurningOrTheDefaultFontWithoutABook) {
    qw::CaptionInput in = openBook();
    in.archiveEntry.clear();
    EXPECT_EQ(qw::ComposeCaption(in), "/books/set.zip (Liberation Serif, 12 pt, 10 pages)");
    in.pageCount = 1;
    EXPECT_EQ(qw::ComposeCaption(in), "/books/set.zip (Liberation Serif, 12 pt, 1 page)");
    in.autoTurnOn = true;
    in.autoTurnSecondsLeft = 7;
    EXPECT_EQ(qw::ComposeCaption(in), "/books/set.zip (Liberation Serif, 12 pt, 1 page) - 7 s");
    in.autoTurnPaused = true;
    EXPECT_EQ(qw::ComposeCaption(in),
              "/books/set.zip (Liberation Serif, 12 pt, 1 page) - 7 s (Paused)");
    qw::CaptionInput none; // no book
    none.defaultFontName = "Liberation Serif";
    none.defaultFontSize = 14;
    EXPECT_EQ(qw::ComposeCaption(none), "Quirewell Version 1.9.0 Release Candidate - January 2010 "
                                        "(Default font: Liberation Serif, 14 pt)");
}

} // namespace

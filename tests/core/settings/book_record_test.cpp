#include "settings/book_record.h"

#include <gtest/gtest.h>

namespace {

qw::FontChoice fonts() {
    qw::FontChoice f;
    f.fontList = {"Liberation Serif", "DejaVu Sans"};
    f.defaultFontName = "Liberation Serif";
    f.defaultFontSize = 12;
    return f;
}

qw::RecordRules rules() {
    qw::RecordRules r;
    r.ignoredPatterns = {"*.lit"};
    r.excludedPaths = {"/media/*", "/opt/quirewell/"};
    r.includedPaths = {"/opt/quirewell/"};
    return r;
}

TEST(RecordNames, EncodeBracketsAndArchiveMembers) {
    EXPECT_EQ(qw::BookSectionName("", ""), "Default");
    EXPECT_EQ(qw::BookSectionName("/books/[Notes] Story.txt", ""), "/books/<Notes> Story.txt");
    EXPECT_EQ(qw::BookSectionName("/d/a.zip", "texts/one.txt"), "/d/a.zip|texts/one.txt");
    EXPECT_EQ(qw::DecodeSectionName("/books/<Notes> Story.txt"), "/books/[Notes] Story.txt");
    EXPECT_EQ(qw::EncodeMultiline("a\r\nb\r\n"), "a||b||");
    EXPECT_EQ(qw::DecodeMultiline("a||b||"), "a\r\nb\r\n");
}

TEST(RecordNames, WhichBooksGetNoRecord) {
    struct Case {
        const char* name;
        bool unrecorded;
    };
    for (const Case& c : {Case{"/books/emma.txt", false}, Case{"/books/emma.lit", true},
                          Case{"/books/cover.JPG", true}, Case{"/books/Unnamed.txt", true},
                          Case{"/media/usb/emma.txt", true}, Case{"/MEDIA/usb/emma.txt", true},
                          Case{"/opt/quirewell/Help.txt", false}, // included paths come last
                          Case{"/d/a.zip|texts/one.txt", false}, Case{"/d/a.zip|pic.gif", true},
                          Case{"/d/a.zip|inner.zip", true},
                          Case{"/media/a.zip|texts/one.txt", true}, Case{"emma.txt", false}}) {
        EXPECT_EQ(qw::IsUnrecorded(c.name, rules()), c.unrecorded) << c.name;
    }
    EXPECT_TRUE(qw::PathRuleMatches("", ""));
    EXPECT_FALSE(qw::PathRuleMatches("", "/A/"));
    EXPECT_TRUE(qw::PathRuleMatches("/A/*", "/A/"));
    EXPECT_FALSE(qw::PathRuleMatches("/A/B*", "/A/"));
}

TEST(BookRecord, SavesAndLoadsEveryGroup) {
    qw::ConfigFile config;
    qw::BookRecord record;
    record.settings.fontName = "DejaVu Sans";
    record.settings.fontSize = 14;
    record.info.title = "Emma";
    record.info.author = "Jane Austen";
    record.info.rating = "5";
    record.info.synopsis = "Line one\r\nLine two";
    record.info.finished = true;
    record.info.lastOpened = "2026-12-06 20:30";
    record.position = {17, 5000, 40};
    record.bookmarks = {3, 9, qw::kNoBookmark};
    const std::string name = qw::BookSectionName("/books/emma.txt", "");
    qw::SaveBookSection(config, name, record, false, rules());
    EXPECT_EQ(config.ReadString(name, "Synopsis", ""), "Line one||Line two");
    EXPECT_EQ(config.ReadString(name, "Bookmark 3", "x"), "");

    const qw::BookRecord loaded =
        qw::LoadBookSection(config, name, qw::BookRecord{}, fonts(), rules(), {false, 30});
    EXPECT_EQ(loaded.settings.fontName, "DejaVu Sans");
    EXPECT_EQ(loaded.settings.fontSize, 14);
    EXPECT_EQ(loaded.info, record.info);
    EXPECT_EQ(loaded.position.page, 17);
    EXPECT_EQ(loaded.position.totalLines, 5000);
    EXPECT_EQ(loaded.position.linesPerPage, 40);
    EXPECT_EQ(loaded.bookmarks, record.bookmarks);
}

TEST(BookRecord, UnrecordedBooksAreNeverWritten) {
    qw::ConfigFile config;
    qw::BookRecord record;
    record.position.page = 3;
    qw::SaveBookSection(config, "/media/usb/emma.txt", record, false, rules());
    EXPECT_FALSE(config.SectionExists("/media/usb/emma.txt"));
    qw::SaveBookSection(config, "Default", record, false, rules());
    EXPECT_TRUE(config.SectionExists("Default"));
    EXPECT_FALSE(config.ValueExists("Default", "Page")); // "Default" has no position
}

TEST(BookRecord, NewBooksKeepOrTakeTheDefaultSettings) {
    qw::ConfigFile config;
    config.Parse("[Default]\nFontname=DejaVu Sans\nFontsize=20\n");
    qw::BookRecord current;
    current.settings.fontName = "Liberation Serif";
    current.settings.fontSize = 13;
    current.info.title = "Previous book";
    current.position.page = 8;
    current.bookmarks = {2, qw::kNoBookmark, qw::kNoBookmark};

    const qw::BookRecord kept =
        qw::LoadBookSection(config, "/books/new.txt", current, fonts(), rules(), {false, 30});
    EXPECT_EQ(kept.settings.fontName, "Liberation Serif");
    EXPECT_EQ(kept.settings.fontSize, 13);
    EXPECT_EQ(kept.info, qw::BookInfo{});
    EXPECT_EQ(kept.position.page, 0);
    EXPECT_EQ(kept.bookmarks[0], qw::kNoBookmark);

    const qw::BookRecord defaults =
        qw::LoadBookSection(config, "/books/new.txt", current, fonts(), rules(), {true, 30});
    EXPECT_EQ(defaults.settings.fontName, "DejaVu Sans");
    EXPECT_EQ(defaults.settings.fontSize, 20);
    EXPECT_EQ(defaults.info, qw::BookInfo{});
}

TEST(BookRecord, ArchiveRecordMovesToItsMember) {
    qw::ConfigFile config;
    config.Parse("[/d/a.zip]\nPage=12\nTitle=Stories\n[Other]\nx=1\n");
    const qw::BookRecord loaded = qw::LoadBookSection(
        config, "/d/a.zip|texts/one.txt", qw::BookRecord{}, fonts(), rules(), {false, 30});
    EXPECT_EQ(loaded.position.page, 12);
    EXPECT_EQ(loaded.info.title, "Stories");
    EXPECT_FALSE(config.SectionExists("/d/a.zip"));
    EXPECT_EQ(config.ReadString("/d/a.zip|texts/one.txt", "Title", ""), "Stories");
    EXPECT_EQ(config.ReadString("Other", "x", ""), "1");
}

TEST(BookRecord, HandEditedNonsenseGivesSensibleValues) {
    qw::ConfigFile config;
    config.Parse("[/b/x.txt]\nPage=-5\nTotal lines=many\nLines=0\nBookmark 1=abc\n"
                 "Bookmark 2=-3\nBookmark 3=7\nFontname=No Such Font\nFontsize=21\n"
                 "Rating=11\n[/b/y.txt]\nPage=4\n");
    const qw::BookRecord loaded =
        qw::LoadBookSection(config, "/b/x.txt", qw::BookRecord{}, fonts(), rules(), {false, 30});
    EXPECT_EQ(loaded.position.page, 0);
    EXPECT_EQ(loaded.position.totalLines, 0);
    EXPECT_EQ(loaded.position.linesPerPage, 30);
    EXPECT_EQ(loaded.bookmarks, (qw::BookmarkPages{qw::kNoBookmark, qw::kNoBookmark, 7}));
    EXPECT_EQ(loaded.info.rating, "");
    // The font and size are corrected in the record, other records untouched.
    EXPECT_EQ(loaded.settings.fontName, "Liberation Serif");
    EXPECT_EQ(loaded.settings.fontSize, 22);
    EXPECT_EQ(config.ReadString("/b/x.txt", "Fontname", ""), "Liberation Serif");
    EXPECT_EQ(config.ReadString("/b/x.txt", "Fontsize", ""), "22");
    EXPECT_EQ(config.ReadString("/b/y.txt", "Page", ""), "4");
}

} // namespace

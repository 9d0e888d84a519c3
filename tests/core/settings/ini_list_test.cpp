#include "settings/ini_list.h"

#include <gtest/gtest.h>

namespace {

const char* kFile = "[Options]\nBook style=Yes\n[Default]\nFontname=X\n"
                    "[/books/<Notes> Story.txt]\nPage=1\n"
                    "[/d/a.zip|texts/one.txt]\nPage=2\nFontname=DejaVu Sans\nFontsize=14\n"
                    "Title=One\n"
                    "[/gone/old.txt]\nPage=3\n[NoPath]\nx=1\n";

std::vector<std::string> displays(const std::vector<qw::IniListEntry>& entries) {
    std::vector<std::string> shown;
    for (const auto& e : entries)
        shown.push_back(e.display);
    return shown;
}

TEST(IniList, ListsBookRecordsAsTheOptionsShowThem) {
    qw::ConfigFile config;
    config.Parse(kFile);
    const qw::ReferenceExists exists = [](const std::string& ref) {
        return ref.rfind("/gone/", 0) != 0;
    };
    auto entries = qw::FillIniList(config, {}, exists);
    EXPECT_EQ(displays(entries),
              (std::vector<std::string>{"/books/[Notes] Story.txt", "[texts/one.txt] in /d/a.zip",
                                        "*/gone/old.txt"}));
    EXPECT_EQ(entries[0].recordName, "/books/[Notes] Story.txt");
    entries = qw::FillIniList(config, {true, false, false}, exists);
    EXPECT_EQ(displays(entries),
              (std::vector<std::string>{"[Notes] Story.txt", "[one.txt] in a.zip", "*old.txt"}));
    entries = qw::FillIniList(config, {true, true, true}, exists);
    EXPECT_EQ(displays(entries),
              (std::vector<std::string>{"*old.txt", "[Notes] Story.txt", "[one.txt]"}));
}

TEST(IniList, SortsWithoutCaseInEveryScript) {
    qw::ConfigFile config;
    config.Parse("[/b/Яблоко.txt]\nPage=1\n[/b/арбуз.txt]\nPage=1\n[/b/Zeta.txt]\nPage=1\n"
                 "[/b/Ωμέγα.txt]\nPage=1\n[/b/alpha.txt]\nPage=1\n[/b/ωα.txt]\nPage=1\n");
    EXPECT_EQ(displays(qw::FillIniList(config, {true, false, true}, nullptr)),
              (std::vector<std::string>{"alpha.txt", "Zeta.txt", "ωα.txt", "Ωμέγα.txt", "арбуз.txt",
                                        "Яблоко.txt"}));
}

TEST(IniList, DeletesByRange) {
    qw::ConfigFile config;
    config.Parse(kFile);
    auto entries =
        qw::FillIniList(config, {}, [](const std::string& r) { return r.rfind("/gone/", 0) != 0; });
    qw::RecordRules rules;
    rules.excludedPaths = {"/BOOKS/"};
    EXPECT_EQ(qw::EntriesToDelete(entries, qw::DeleteRange::NonExisting, {}, {}, rules),
              std::vector<size_t>{2});
    EXPECT_EQ(qw::EntriesToDelete(entries, qw::DeleteRange::Excluded, {}, {}, rules),
              std::vector<size_t>{0});
    EXPECT_EQ(qw::EntriesToDelete(entries, qw::DeleteRange::AllButRecentAndFavourites, {},
                                  {"/D/A.ZIP|texts/one.txt"}, rules),
              (std::vector<size_t>{0, 2}));
    EXPECT_EQ(qw::EntriesToDelete(entries, qw::DeleteRange::Selected, {1, 9}, {}, rules),
              std::vector<size_t>{1});

    qw::DeleteRecords(config, entries, {0, 2, 2, 17});
    EXPECT_EQ(entries.size(), 1u);
    EXPECT_FALSE(config.SectionExists("/books/<Notes> Story.txt"));
    EXPECT_FALSE(config.SectionExists("/gone/old.txt"));
    EXPECT_TRUE(config.SectionExists("/d/a.zip|texts/one.txt"));
    EXPECT_TRUE(config.SectionExists("Options"));
    EXPECT_TRUE(config.SectionExists("NoPath"));
}

TEST(IniList, SetToCurrentAndHints) {
    qw::ConfigFile config;
    config.Parse(kFile);
    auto entries = qw::FillIniList(config, {}, {});
    qw::BookSettings current;
    current.fontName = "Liberation Serif";
    current.fontSize = 16;
    current.removeLineBreaks = false;
    qw::SetRecordsToCurrent(config, entries, {1}, qw::SetToCurrent::FontSize, current, false);
    EXPECT_EQ(config.ReadString("/d/a.zip|texts/one.txt", "Fontsize", ""), "16");
    EXPECT_EQ(config.ReadString("/d/a.zip|texts/one.txt", "Fontname", ""), "DejaVu Sans");
    qw::SetRecordsToCurrent(config, entries, {0}, qw::SetToCurrent::FontLineToc, current, false);
    EXPECT_EQ(config.ReadString("/books/<Notes> Story.txt", "Remove line breaks", ""), "No");
    EXPECT_EQ(config.ReadString("/books/<Notes> Story.txt", "Fontname", ""), "Liberation Serif");

    const std::string hint = qw::RecordHint(config, "/d/a.zip|texts/one.txt");
    EXPECT_EQ(hint.substr(0, hint.find('\n', hint.find('\n') + 1)),
              "/d/a.zip|texts/one.txt\nDejaVu Sans, 16 pt");
    EXPECT_NE(hint.find("\nTitle: One\n"), std::string::npos);
    EXPECT_EQ(hint.find("Author:"), std::string::npos);
    EXPECT_NE(hint.find("Remove single line breaks: ?"), std::string::npos);
}

} // namespace

// The option table, the typed getters and setters and the write helpers.

#include "settings/settings_model.h"

#include "settings/book_settings.h"
#include "settings/font_lists.h"
#include "settings/import_settings.h"
#include "settings/ini_case.h"
#include "settings/ini_write.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

namespace qw {
namespace {

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Every option has one row and one key, and a missing key reads as its default.
TEST(SettingsTableTest, EveryOptionHasOneRowAndOneKey) {
    const auto& table = Settings::Table();
    ASSERT_EQ(table.size(), static_cast<size_t>(Setting::Count));
    ConfigFile empty;
    const Settings settings(empty);
    std::set<std::string> keys;
    for (size_t i = 0; i < table.size(); ++i) {
        const SettingInfo& row = table[i];
        EXPECT_EQ(static_cast<size_t>(row.setting), i);
        EXPECT_TRUE(IsGeneralSection(row.section)) << row.section;
        EXPECT_TRUE(keys.insert(FoldCase(std::string(row.section) + "|" + row.key)).second)
            << row.key;
        const std::string fallback = row.defaultValue;
        if (row.kind == SettingKind::Bool) {
            EXPECT_TRUE(fallback == "Yes" || fallback == "No") << row.key;
            EXPECT_EQ(settings.Bool(row.setting), fallback == "Yes") << row.key;
        } else if (row.kind == SettingKind::Integer) {
            EXPECT_EQ(settings.Int(row.setting), std::stoi(fallback)) << row.key;
        }
    }
}

TEST(SettingsTest, TypedReadsFollowTheirRule) {
    ConfigFile config;
    config.Parse("[Options]\nAuto turn interval=abc\nBook style=yes\nQuick page=Yes\n"
                 "[Page margins]\nLeft=17\n[Base Directory]\nInitialDir=/books/\n");
    Settings settings(config);
    EXPECT_EQ(settings.Int(Setting::AutoTurnInterval), 120);
    EXPECT_EQ(settings.Int(Setting::MarginLeft), 17);
    EXPECT_EQ(settings.Int(Setting::MarginRight), 0);
    EXPECT_EQ(settings.Int(Setting::WindowLeft, 333), 333);
    EXPECT_FALSE(settings.Bool(Setting::BookStyle));
    EXPECT_TRUE(settings.Bool(Setting::QuickPage));
    EXPECT_EQ(settings.Text(Setting::InitialDir), "/books/");
    EXPECT_EQ(settings.Text(Setting::ColorMenuText), "clNavy");
    EXPECT_EQ(settings.Bytes(Setting::Punctuation), DefaultPunctuationMarks());
}

TEST(SettingsTest, WritingAnOptionWritesTheFileAtOnce) {
    test::TempDir dir;
    const std::string path = dir.path() + "/Quirewell.ini";
    ConfigFile config(path);
    Settings settings(config);
    std::vector<Setting> heard;
    settings.Subscribe([&](Setting s) { heard.push_back(s); });

    EXPECT_TRUE(settings.SetBool(Setting::HideIgnoredFiles, true));
    EXPECT_EQ(Slurp(path), "[Options]\nHide ignored files=Yes\n");
    EXPECT_TRUE(settings.SetInt(Setting::AutoTurnInterval, 45));
    EXPECT_TRUE(settings.SetBytes(Setting::Punctuation, ".\x93"));
    EXPECT_EQ(Slurp(path), "[Options]\nHide ignored files=Yes\nAuto turn interval=45\n"
                           "Punctuation=.\xE2\x80\x9C\n");
    EXPECT_EQ(settings.Bytes(Setting::Punctuation), ".\x93");
    EXPECT_TRUE(settings.SetText(Setting::ColorText, "$00112233"));
    EXPECT_EQ(ConfigFile(path).ReadString("Colors", "Text", ""), "$00112233");
    EXPECT_EQ(heard, (std::vector<Setting>{Setting::HideIgnoredFiles, Setting::AutoTurnInterval,
                                           Setting::Punctuation, Setting::ColorText}));
}

TEST(SettingsTest, GeneralSectionsMatchInAnyCase) {
    EXPECT_TRUE(IsGeneralSection("color schemes"));
    EXPECT_TRUE(IsGeneralSection("BASE DIRECTORY"));
    EXPECT_FALSE(IsGeneralSection("Color Scheme"));
    EXPECT_FALSE(IsGeneralSection("/books/a.txt"));
}

TEST(IniWriteTest, NotifiesOnlyForANewSectionWhenAsked) {
    test::TempDir dir;
    ConfigFile config(dir.path() + "/Quirewell.ini");
    std::vector<std::string> created;
    config.SetNewSectionListener([&](const std::string& s) { created.push_back(s); });
    EXPECT_TRUE(IniWriteSect(config, "/b/one.txt", "Page", "3", true));
    EXPECT_TRUE(IniWriteSect(config, "/b/one.txt", "Page", "4", true));
    EXPECT_TRUE(IniWriteBool(config, "/b/two.txt", "Finished", true, false));
    EXPECT_TRUE(IniWriteBool(config, "/b/three.txt", "Finished", false, true));
    EXPECT_EQ(created, (std::vector<std::string>{"/b/one.txt", "/b/three.txt"}));
    EXPECT_EQ(Slurp(dir.path() + "/Quirewell.ini"),
              "[/b/one.txt]\nPage=4\n[/b/two.txt]\nFinished=Yes\n[/b/three.txt]\nFinished=No\n");
}

TEST(IniWriteTest, ReportsAFailedSave) {
    test::TempDir dir;
    ConfigFile config(dir.path() + "/missing/Quirewell.ini");
    EXPECT_FALSE(IniWriteSect(config, "A", "k", "v", false));
    EXPECT_EQ(config.ReadString("A", "k", ""), "v");
}

TEST(FontListsTest, ExclusionsInAnyCaseAndListedSizes) {
    EXPECT_EQ(
        BuildFontList({"Arial", "symbol", "Marlett", "Arial", "Gentium", "Symbol"}, {"gentium"}),
        (std::vector<std::string>{"Arial", "Arial"}));
    EXPECT_TRUE(IsListedFontSize(20));
    EXPECT_FALSE(IsListedFontSize(21));
    EXPECT_TRUE(IsListedFontSize(66));
    EXPECT_FALSE(IsListedFontSize(64));
}

struct SizeCase {
    int wanted;
    int selected;
};

class SelectFontSizeTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(SelectFontSizeTest, FirstSizeAtLeastTheWantedOne) {
    EXPECT_EQ(SelectFontSize(GetParam().wanted), GetParam().selected);
}

INSTANTIATE_TEST_SUITE_P(Sizes, SelectFontSizeTest,
                         ::testing::Values(SizeCase{-3, 6}, SizeCase{0, 6}, SizeCase{6, 6},
                                           SizeCase{12, 12}, SizeCase{21, 22}, SizeCase{41, 44},
                                           SizeCase{61, 66}, SizeCase{91, 99}, SizeCase{99, 99},
                                           SizeCase{100, 99}, SizeCase{1000000, 99}));

TEST(BookSettingsTest, SavedGroupsReadBackTheSame) {
    ConfigFile config;
    BookSettings s;
    s.fontName = "Gentium";
    s.fontSize = 14;
    s.tabWidth = 40;
    s.removeLineBreaks = false;
    s.checkPunctuationMarks = true;
    s.automaticToc = true;
    s.sectionHeaderContains = "Chapter";
    s.precedingBlankLines = 2;
    s.sectionHeaderSize = 9;
    s.countBlankLines = false;
    s.tocOnLeftSide = true;
    s.sectionOnRightPage = true;
    std::vector<std::string> created;
    config.SetNewSectionListener([&](const std::string& n) { created.push_back(n); });
    SaveFontLineSettings(config, "/b/x.txt", s);
    SaveTocSettings(config, "/b/x.txt", s, true);
    EXPECT_EQ(created, std::vector<std::string>{"/b/x.txt"});
    const BookSettings back = LoadBookSettings(config, "/B/X.TXT", BookSettings{},
                                               FontChoice{{"Gentium"}, "Gentium", 12}, true);
    EXPECT_TRUE(back == s);
    // A hidden contents panel is stored as not docked.
    SaveTocSettings(config, "/b/x.txt", s, false);
    EXPECT_EQ(config.ReadString("/b/x.txt", BookKeyName(BookKey::TocOnLeftSide), ""), "No");
}

TEST(BookSettingsTest, MissingKeysKeepTheCurrentState) {
    ConfigFile config;
    config.Parse("[/b/y.txt]\nFontname=Gentium\n");
    BookSettings current;
    current.removeLineBreaks = false;
    current.precedingBlankLines = 8;
    current.fontSize = 16;
    const BookSettings got = LoadBookSettings(config, "/b/y.txt", current,
                                              FontChoice{{"Arial", "Gentium"}, "Arial", 16}, false);
    EXPECT_EQ(got.fontName, "Gentium");
    EXPECT_EQ(got.fontSize, 16); // the default size
    EXPECT_FALSE(got.removeLineBreaks);
    EXPECT_EQ(got.precedingBlankLines, 8);
    EXPECT_EQ(config.Text(), "[/b/y.txt]\nFontname=Gentium\n"); // not corrected
}

TEST(BookSettingsTest, RecordKeysAreDistinct) {
    std::set<std::string> keys;
    for (int i = 0; i < static_cast<int>(BookKey::Count); ++i)
        EXPECT_TRUE(keys.insert(BookKeyName(static_cast<BookKey>(i))).second);
}

} // namespace
} // namespace qw

namespace qw {
namespace {

TEST(ImportSettingsTest, ConvertersSeeTheCurrentOptions) {
    ConfigFile config;
    config.Parse("[Import]\nHTML emphasis as capitals=No\nHTML bold,italic,underlined=Yes\n"
                 "[Options]\nHide ignored files=Yes\n");
    Settings settings(config);
    ConfigState state;
    state.ignoredFiles = {"*.lit", "*.exe"};
    const ImportOptions options = ImportOptionsFrom(settings, state);
    EXPECT_FALSE(options.htmlEmphasisAsCapitals);
    EXPECT_TRUE(options.htmlEmphasisMarks);
    EXPECT_TRUE(options.docBlankLine); // missing: its default
    EXPECT_TRUE(options.hideIgnoredInArchives);
    EXPECT_EQ(options.ignoredFiles, state.ignoredFiles);
}

} // namespace
} // namespace qw

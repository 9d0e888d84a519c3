// The configuration load at start-up and the window bounds at exit, seen
// through the file they leave behind.

#include "settings/config_load.h"
#include "settings/file_lock.h"

#include "controls/scripted_dialogs.h"
#include "import/cp1252.h"
#include "settings/settings_model.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace qw {
namespace {

using test::Slurp;

class FakeEnvironment : public ConfigEnvironment {
  public:
    std::string program;
    std::string user;
    std::string overrideDir;
    std::vector<std::string> fonts = {"DejaVu Sans", "Liberation Serif", "Symbol",
                                      "Liberation Mono"};
    std::string substitute = "Liberation Serif";
    int width = 1920, height = 1080;

    std::string programDir() const override { return program; }
    std::string userConfigDir() const override { return user; }
    std::string configDirOverride() const override { return overrideDir; }
    std::vector<std::string> screenFonts() const override { return fonts; }
    std::string substituteFont(const std::string& family) const override {
        return family == "Times New Roman" ? substitute : std::string();
    }
    int screenWidth() const override { return width; }
    int screenHeight() const override { return height; }
};

class ConfigLoadTest : public ::testing::Test {
  protected:
    void SetUp() override {
        env.program = dir.path() + "/bin/";
        env.user = dir.path() + "/home/.config/Quirewell/";
        std::filesystem::create_directories(env.program);
    }
    std::string iniPath() const { return env.program + "Quirewell.ini"; }
    void writeIni(const std::string& text) const { std::ofstream(iniPath()) << text; }
    ConfigLoadResult load() {
        config = ConfigFile();
        return LoadConfiguration(config, env, dialogs);
    }

    test::TempDir dir;
    FakeEnvironment env;
    ScriptedDialogs dialogs;
    ConfigFile config;
};

std::string ExpectedFirstFile(const std::string& programDir) {
    return "[Base Directory]\n"
           "InitialDir=\n"
           "[Last]\n"
           "Last read file=\n"
           "[Recent]\n"
           "[Favorite]\n"
           "[Options]\n"
           "Punctuation=" +
           Cp1252ToUtf8(DefaultPunctuationMarks()) +
           "\n"
           "[Colors]\n"
           "Text=clBlack\n"
           "Background=$00E7E7E7\n"
           "Button text=$00404040\n"
           "Window background=clBtnFace\n"
           "Menu text=clNavy\n"
           "Menu background=clBtnface\n"
           "List text=clBlack\n"
           "List background=$00D2A6A6\n"
           "[Color Schemes]\n"
           "Night=$00C8C8C8,$001E1E1E,$00A0A0A0,$00121212,$00D8D8D8,$002C2C2C,$00D0D0D0,"
           "$00302824\n"
           "Sepia=$001E3246,$00D5E8F4,$00324A5E,$00A6C0D4,$00203A52,$00C2DAEA,$00203040,"
           "$00B8D2E4\n"
           "High contrast=clWhite,clBlack,clYellow,$00503000,clYellow,clBlack,clWhite,clNavy\n"
           "[Page margins]\n"
           "Apply=No\n"
           "[Excluded Fonts]\n"
           "Symbol=\n"
           "[Excluded Paths]\n"
           "/media/=\n"
           "[Included Paths]\n" +
           programDir +
           "=\n"
           "[Ignored files]\n"
           "*.lit=\n"
           "[Window]\n"
           "Maximized=Yes\n"
           "[Import]\n"
           "HTML emphasis as capitals=Yes\n"
           "[Default]\n"
           "Fontname=Liberation Serif\n"
           "Fontsize=12\n"
           "Tab width=32\n"
           "Remove line breaks=Yes\n"
           "Check punctuation marks=No\n"
           "Check indentation=Yes\n"
           "Automatically create TOC=No\n"
           "Section header contains=\n"
           "Preceding blank lines=3\n"
           "Section header size=5\n"
           "Count blank lines=Yes\n"
           "TOC on left side=No\n"
           "Section on new page=No\n"
           "Section on right page=No\n";
}

TEST_F(ConfigLoadTest, FirstStartWritesTheDefaultFileKeyByKeyAndReadsItBack) {
    const ConfigLoadResult r = load();
    ASSERT_FALSE(r.exitProgram);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(Slurp(iniPath()), ExpectedFirstFile(env.program));
    EXPECT_EQ(r.state.configDir, env.program);
    EXPECT_EQ(Settings(config).Bytes(Setting::Punctuation), DefaultPunctuationMarks());
    EXPECT_EQ(DefaultPunctuationMarks().size(), 19u);
    // Times New Roman is missing: the system's stand-in is the default.
    EXPECT_EQ(r.state.defaultFontName, "Liberation Serif");
    EXPECT_EQ(r.state.defaultFontSize, 12);
    EXPECT_EQ(r.state.fontList,
              (std::vector<std::string>{"DejaVu Sans", "Liberation Serif", "Liberation Mono"}));
    EXPECT_EQ(r.state.excludedPaths, std::vector<std::string>{"/media/"});
    EXPECT_EQ(r.state.includedPaths, std::vector<std::string>{env.program});
    EXPECT_EQ(r.state.ignoredFiles, std::vector<std::string>{"*.lit"});
    EXPECT_TRUE(r.state.maximized);
    // Centred at the design size.
    EXPECT_EQ(r.state.bounds, (WindowRect{448, 180, 448 + 1024, 180 + 720}));
    const Settings settings(config);
    EXPECT_TRUE(settings.Bool(Setting::HtmlEmphasisAsCapitals));
    EXPECT_FALSE(settings.Bool(Setting::HtmlBoldItalicUnderlined));
    EXPECT_TRUE(settings.Bool(Setting::DocBlankLine));
    EXPECT_EQ(settings.AutoTurnSeconds(), 120);
    // The second start reads the file back unchanged.
    const ConfigLoadResult second = load();
    EXPECT_EQ(Slurp(iniPath()), ExpectedFirstFile(env.program));
    EXPECT_TRUE(second.state.book == r.state.book);
    EXPECT_EQ(second.state.defaultFontName, r.state.defaultFontName);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ConfigLoadTest, FontsOfTheScreenLessTheExcludedOnesOrNoneEndsTheProgram) {
    writeIni("[Excluded Fonts]\nliberation serif=\nDejaVu Sans=\n");
    const ConfigLoadResult r = load();
    EXPECT_EQ(r.state.fontList, std::vector<std::string>{"Liberation Mono"});
    EXPECT_EQ(r.state.defaultFontName, "Liberation Mono");
    // First starts: Times New Roman itself, else the first font when there is no stand-in.
    env.fonts = {"Zapf", "Times New Roman"};
    std::filesystem::remove(iniPath());
    EXPECT_EQ(load().state.defaultFontName, "Times New Roman");
    env.fonts = {"Zapf", "Gentium"};
    std::filesystem::remove(iniPath());
    EXPECT_EQ(load().state.defaultFontName, "Zapf");
    env.fonts = {"Symbol", "Wingdings", "Webdings"};
    std::filesystem::remove(iniPath());
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(load().exitProgram);
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"No Fonts available - exit program!"});
    // The first-use defaults are saved all the same.
    EXPECT_TRUE(ConfigFile(iniPath()).SectionExists("Colors"));
}

TEST_F(ConfigLoadTest, LegacyKeysMoveIntoTheDefaults) {
    writeIni("[Options]\nDefault font name=Liberation Mono\nDefault font size=21\n"
             "Default automatic TOC=Yes\nBook style=No\n");
    const ConfigLoadResult r = load();
    const std::string file = Slurp(iniPath());
    EXPECT_EQ(file.find("Default font name"), std::string::npos);
    EXPECT_EQ(file.find("Default font size"), std::string::npos);
    EXPECT_EQ(file.find("Default automatic TOC"), std::string::npos);
    EXPECT_NE(file.find("Book style=No"), std::string::npos);
    EXPECT_EQ(r.state.defaultFontName, "Liberation Mono");
    EXPECT_EQ(r.state.defaultFontSize, 22); // the next listed size
    EXPECT_TRUE(r.state.book.automaticToc);
    EXPECT_EQ(config.ReadString("Default", "Fontname", ""), "Liberation Mono");
    EXPECT_EQ(config.ReadString("Default", "Fontsize", ""), "22");
    EXPECT_EQ(config.ReadString("Default", "Automatically create TOC", ""), "Yes");
    writeIni("[Options]\nDefault font size=big\n"); // no number: twelve
    EXPECT_EQ(load().state.defaultFontSize, 12);
    // The legacy automatic TOC only fills a missing default key.
    writeIni("[Options]\nDefault automatic TOC=Yes\n[Default]\nFontname=Liberation Mono\n"
             "Automatically create TOC=No\n");
    EXPECT_FALSE(load().state.book.automaticToc);
    writeIni("[Options]\nDefault automatic TOC=Yes\n[Default]\nFontname=Liberation Mono\n");
    EXPECT_TRUE(load().state.book.automaticToc);
}

TEST_F(ConfigLoadTest, DefaultRecordIsReadAndCorrected) {
    writeIni("[Default]\nFontname=Not Installed\nFontsize=21\nTab width=abc\n"
             "Remove line breaks=No\nCheck indentation=no\nPreceding blank lines=7\n"
             "Section header contains=CHAPTER\n");
    const ConfigLoadResult r = load();
    EXPECT_EQ(r.state.book.fontName, "Liberation Serif");
    EXPECT_EQ(r.state.book.fontSize, 22);
    EXPECT_EQ(r.state.book.tabWidth, 32);
    EXPECT_FALSE(r.state.book.removeLineBreaks);
    EXPECT_FALSE(r.state.book.checkIndentation);
    EXPECT_EQ(r.state.book.precedingBlankLines, 7);
    EXPECT_EQ(r.state.book.sectionHeaderContains, "CHAPTER");
    EXPECT_TRUE(r.state.book.countBlankLines); // missing: the controls' state
    EXPECT_EQ(r.state.defaultFontSize, 22);
    EXPECT_EQ(config.ReadString("Default", "Fontname", ""), "Liberation Serif");
    EXPECT_EQ(config.ReadString("Default", "Fontsize", ""), "22");
    // Reading does not add the missing keys.
    EXPECT_FALSE(config.ValueExists("Default", "Count blank lines"));
}

TEST_F(ConfigLoadTest, MissingColourKeysAreAddedAndTextIsKept) {
    writeIni("[Colors]\nText=clMaroon\n");
    const ConfigLoadResult r = load();
    EXPECT_EQ(
        config.ReadSection("Colors"),
        (std::vector<std::string>{"Text", "Background", "Button text", "Window background",
                                  "Menu text", "Menu background", "List text", "List background"}));
    (void)r;
    EXPECT_EQ(Settings(config).Text(Setting::ColorText), "clMaroon");
    EXPECT_EQ(Settings(config).Text(Setting::ColorListBackground), "$00D2A6A6");
}

TEST_F(ConfigLoadTest, ExistingValuesAreNeverOverwrittenByDefaults) {
    writeIni("[Excluded Paths]\n/mnt/*=\n[Window]\nLeft=10\n[Import]\nDOC blank line between "
             "paragraphs=No\n[Options]\nPunctuation=.!\n");
    const ConfigLoadResult r = load();
    EXPECT_EQ(r.state.excludedPaths, std::vector<std::string>{"/mnt/*"});
    EXPECT_FALSE(r.state.maximized); // "Maximized" missing from an existing section
    EXPECT_FALSE(config.ValueExists("Window", "Maximized"));
    EXPECT_FALSE(config.ValueExists("Import", "HTML emphasis as capitals"));
    const Settings settings(config);
    EXPECT_TRUE(settings.Bool(Setting::HtmlEmphasisAsCapitals)); // the key's default
    EXPECT_FALSE(settings.Bool(Setting::DocBlankLine));
    EXPECT_EQ(settings.Bytes(Setting::Punctuation), ".!");
    EXPECT_EQ(r.state.bounds.left, 10);
}

TEST_F(ConfigLoadTest, ValuesThatAreReadStrictlyOrConverted) {
    writeIni("[Window]\nMaximized=yes\n"); // lower case is not "Yes"
    EXPECT_FALSE(load().state.maximized);
    // Both HTML options on leave only the marking.
    writeIni("[Import]\nHTML emphasis as capitals=Yes\nHTML bold,italic,underlined=Yes\n");
    load();
    EXPECT_FALSE(Settings(config).Bool(Setting::HtmlEmphasisAsCapitals));
    EXPECT_TRUE(Settings(config).Bool(Setting::HtmlBoldItalicUnderlined));
    EXPECT_EQ(config.ReadString("Import", "HTML emphasis as capitals", ""), "No");
    // Punctuation is converted to Windows-1252; missing, it ends the section.
    writeIni("[Options]\nPunctuation=.\xE2\x80\x9C\xC2\xBB\n");
    load();
    EXPECT_EQ(Settings(config).Bytes(Setting::Punctuation), ".\x93\xBB");
    writeIni("[Options]\nBook style=No\n\n[Window]\nMaximized=No\n");
    load();
    EXPECT_EQ(config.ReadSection("Options"),
              (std::vector<std::string>{"Book style", "Punctuation"}));
    EXPECT_NE(Slurp(iniPath()).find("Punctuation=.:;!?\xC2\xBF"), std::string::npos);
}

struct MigrationCase {
    const char* name;
    const char* lastRead;
    const char* recent0;
    const char* autoOpen;
    const char* expectRecent0;
    const char* expectLastRead;
};

class MigrationTest : public ConfigLoadTest, public ::testing::WithParamInterface<MigrationCase> {};

TEST_P(MigrationTest, LastReadFileMovesIntoTheRecentList) {
    const MigrationCase& c = GetParam();
    writeIni(std::string("[Last]\nLast read file=") + c.lastRead +
             "\n[Recent]\nRecent 0=" + c.recent0 + "\n[Options]\nAuto-open=" + c.autoOpen + "\n");
    const ConfigLoadResult r = load();
    EXPECT_EQ(config.ReadString("Recent", "Recent 0", ""), c.expectRecent0);
    EXPECT_EQ(config.ReadString("Last", "Last read file", "?"), c.expectLastRead);
    EXPECT_EQ(Settings(config).Text(Setting::LastReadFile), c.expectLastRead);
}

INSTANTIATE_TEST_SUITE_P(
    Migration, MigrationTest,
    ::testing::Values(MigrationCase{"AutoOpenOff", "/b/a.zip|x/one.txt", "", "No", "/b/a.zip", ""},
                      MigrationCase{"AutoOpenOn", "/b/a.zip|x/one.txt", "", "Yes", "/b/a.zip",
                                    "/b/a.zip|x/one.txt"},
                      MigrationCase{"RecentAlreadySet", "/b/c.txt", "/b/d.txt", "No", "/b/d.txt",
                                    "/b/c.txt"},
                      // A bar without an archive name before it is part of the name.
                      MigrationCase{"BarredName", "|member", "", "No", "|member", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConfigLoadTest, RecentAndFavouritesAreRenumberedWithoutGaps) {
    writeIni("[Recent]\nRecent 0=\nRecent 3=/b/three.txt\nRecent 1=/b/one.txt\n"
             "[Favorite]\nFavorite 9=/b/\n");
    load();
    EXPECT_EQ(config.ReadSectionValues("Recent"),
              (std::vector<std::string>{"Recent 0=/b/one.txt", "Recent 1=/b/three.txt"}));
    EXPECT_EQ(config.ReadSectionValues("Favorite"), std::vector<std::string>{"Favorite 0=/b/"});
}

TEST_F(ConfigLoadTest, MarginsAndNumbersThatAreNotNumbers) {
    writeIni("[Page margins]\nLeft=12\nRight=abc\nTop=-4\nBottom=250\nApply=Yes\n"
             "[Options]\nAuto turn interval=soon\n[Window]\nWidth=x\nHeight=0\n");
    const ConfigLoadResult r = load();
    const Settings settings(config);
    EXPECT_EQ(settings.Margins(), (PageMargins{12, 0, 0, 99}));
    EXPECT_TRUE(settings.Bool(Setting::ApplyMargins));
    EXPECT_EQ(settings.AutoTurnSeconds(), 120);
    EXPECT_EQ(r.state.bounds.width(), kDesignWidth);
    EXPECT_EQ(r.state.bounds.height(), kDesignHeight);
}

TEST_F(ConfigLoadTest, WindowReopensAtItsSavedBounds) {
    load();
    CloseBounds close;
    close.normalRectSet = true;
    close.normalRect = WindowRect{30, 40, 830, 640};
    SaveWindowBounds(config, close);
    const ConfigLoadResult r = load();
    EXPECT_EQ(r.state.bounds, (WindowRect{30, 40, 830, 640}));
    EXPECT_FALSE(r.state.maximized);
}

struct CloseCase {
    const char* name;
    CloseBounds close;
    const char* maximized;
    WindowRect stored;
};

CloseBounds Close(bool maximized, bool fullScreen, bool maxBefore, bool savedSet, bool normalSet,
                  bool normalWithToc, bool tocLeft) {
    CloseBounds c;
    c.maximized = maximized;
    c.fullScreen = fullScreen;
    c.maximizedBeforeFullScreen = maxBefore;
    c.savedRectSet = savedSet;
    c.savedRect = {5, 6, 505, 406};
    c.normalRectSet = normalSet;
    c.normalRect = {100, 50, 900, 650};
    c.normalRectWithToc = normalWithToc;
    c.tocOnLeftSide = tocLeft;
    c.window = {0, 0, 1920, 1080};
    return c;
}

class CloseTest : public ConfigLoadTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseTest, StoredBoundsNeverIncludeTheDockedContents) {
    load();
    SaveWindowBounds(config, GetParam().close);
    ConfigFile reread(iniPath());
    EXPECT_EQ(reread.ReadString("Window", "Maximized", ""), GetParam().maximized);
    const WindowRect& r = GetParam().stored;
    EXPECT_EQ(reread.ReadInteger("Window", "Left", -1), r.left);
    EXPECT_EQ(reread.ReadInteger("Window", "Top", -1), r.top);
    EXPECT_EQ(reread.ReadInteger("Window", "Width", -1), r.width());
    EXPECT_EQ(reread.ReadInteger("Window", "Height", -1), r.height());
}

INSTANTIATE_TEST_SUITE_P(
    Close, CloseTest,
    ::testing::Values(CloseCase{"Normal",
                                Close(false, false, false, false, true, false, false),
                                "No",
                                {100, 50, 900, 650}},
                      CloseCase{"NormalWithToc",
                                Close(false, false, false, false, true, true, true),
                                "No",
                                {300, 50, 900, 650}},
                      CloseCase{"Maximized",
                                Close(true, false, false, false, true, false, false),
                                "Yes",
                                {100, 50, 900, 650}},
                      CloseCase{"FullScreenFromMaximized",
                                Close(false, true, true, true, true, false, false),
                                "Yes",
                                {5, 6, 505, 406}},
                      CloseCase{"FullScreen",
                                Close(false, true, false, true, true, false, false),
                                "No",
                                {5, 6, 505, 406}},
                      CloseCase{"NoNormalRect",
                                Close(false, false, false, false, false, false, false),
                                "No",
                                {0, 0, 1920, 1080}},
                      CloseCase{"NoNormalRectTocLeft",
                                Close(false, false, false, false, false, false, true),
                                "No",
                                {200, 0, 1920, 1080}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConfigLoadTest, UnwritableProgramFolderFallsBackToTheUserFolder) {
    // The program's "folder" is a file: nothing can be created in it.
    std::filesystem::remove_all(env.program);
    std::ofstream(dir.path() + "/bin") << "not a folder";
    env.program = dir.path() + "/bin/";
    const ConfigLoadResult r = load();
    EXPECT_EQ(r.state.configDir, env.user);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    const std::string message = dialogs.messages()[0];
    EXPECT_NE(message.find("Cannot write the configuration file " + env.program + "Quirewell.ini"),
              std::string::npos)
        << message;
    EXPECT_NE(message.find("\r\nThe configuration file Quirewell.ini will be created in the "
                           "configuration directory (" +
                           env.user + ") instead."),
              std::string::npos)
        << message;
    EXPECT_TRUE(std::filesystem::exists(env.user + "Quirewell.ini"));
    EXPECT_TRUE(config.SectionExists("Default"));

    dialogs.clear();
    load();
    EXPECT_TRUE(dialogs.shown.empty()); // the file exists now: no second message
}

TEST_F(ConfigLoadTest, ReadOnlyFileInTheProgramFolderIsLeftAlone) {
    writeIni("[Options]\nBook style=No\n");
    ::chmod(iniPath().c_str(), 0444);
    const ConfigLoadResult r = load();
    EXPECT_EQ(r.state.configDir, env.user);
    EXPECT_EQ(Slurp(iniPath()), "[Options]\nBook style=No\n");
    EXPECT_EQ(dialogs.messages().size(), 1u);
}

TEST_F(ConfigLoadTest, NothingWritableAnywhereKeepsDefaultsAndSaysSo) {
    std::filesystem::remove_all(env.program);
    std::ofstream(dir.path() + "/bin") << "x";
    std::ofstream(dir.path() + "/home") << "x";
    const ConfigLoadResult r = load();
    EXPECT_FALSE(r.exitProgram);
    EXPECT_EQ(r.state.defaultFontName, "Liberation Serif");
    const auto messages = dialogs.messages();
    ASSERT_EQ(messages.size(), 2u); // the fallback message, then the failed save once
    EXPECT_NE(messages[1].find("Changed settings are not saved"), std::string::npos);
    Settings settings(config);
    EXPECT_FALSE(settings.SetBool(Setting::BookStyle, false));
    EXPECT_FALSE(settings.Bool(Setting::BookStyle)); // still held in memory
    EXPECT_EQ(dialogs.messages().size(), 2u);
}

TEST_F(ConfigLoadTest, EnvironmentNamesTheFolder) {
    env.overrideDir = dir.path() + "/portable/";
    load();
    EXPECT_TRUE(std::filesystem::exists(env.overrideDir + "Quirewell.ini"));
    EXPECT_FALSE(std::filesystem::exists(iniPath()));
}

TEST_F(ConfigLoadTest, DamagedFilesStartWithDefaultsAndKeepTheirContent) {
    std::string binary;
    for (int i = 0; i < 2000; ++i)
        binary += static_cast<char>((i * 97 + 13) % 256);
    for (const std::string& damaged :
         {std::string(), binary, std::string("[Options\nBook style=No\n"),
          std::string("orphan=1\n[Options]\rBook style=No\r"),
          "[Window]\nLeft=" + std::string(1024 * 1024, '9') + "\n"}) {
        writeIni(damaged);
        const ConfigLoadResult r = load();
        EXPECT_FALSE(r.exitProgram);
        EXPECT_TRUE(config.SectionExists("Default"));
        EXPECT_EQ(r.state.bounds.width(), kDesignWidth);
        const std::string after = Slurp(iniPath());
        // Every line of the damaged file is still there.
        ConfigFile original;
        original.Parse(damaged);
        std::istringstream lines(original.Text());
        for (std::string line; std::getline(lines, line);)
            EXPECT_NE(after.find(line), std::string::npos) << line.substr(0, 40);
    }
}

TEST(LoadPathListTest, RewritesTheFileOnlyWhenTheListChanged) {
    test::TempDir dir;
    const std::string path = dir.write("Quirewell.ini", "[Recent]\nRecent 0=/a.txt\n");
    ConfigFile config(path);
    std::vector<std::string> failures;
    config.SetWriteFailureListener([&](const std::string& m) { failures.push_back(m); });
    WriteFaults full;
    full.failAfterBytes = 0;
    config.SetWriteFaults(&full); // any write would now be reported
    EXPECT_EQ(LoadPathList(config, "Recent"), std::vector<std::string>{"/a.txt"});
    EXPECT_TRUE(failures.empty());
    config.Parse("[Recent]\nRecent 2=/a.txt\n");
    EXPECT_EQ(LoadPathList(config, "Recent"), std::vector<std::string>{"/a.txt"});
    EXPECT_EQ(config.ReadSectionValues("Recent"), std::vector<std::string>{"Recent 0=/a.txt"});
    EXPECT_EQ(failures.size(), 1u);
}

TEST_F(ConfigLoadTest, ACopyHoldingTheLockIsToldOnceAndTheFileStillWritten) {
    writeIni("[Options]\nBook style=No\n");
    const FileLock hung(iniPath() + ".lock", std::chrono::milliseconds(0));
    ASSERT_TRUE(hung.held());
    config = ConfigFile();
    config.SetLockTimeout(std::chrono::milliseconds(10));
    ASSERT_FALSE(LoadConfiguration(config, env, dialogs).exitProgram);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_NE(dialogs.messages()[0].find(iniPath() + ".lock"), std::string::npos);
    EXPECT_NE(Slurp(iniPath()).find("[Default]"), std::string::npos);
}

} // namespace
} // namespace qw

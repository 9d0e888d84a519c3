#include "settings/config_load.h"

#include "settings/colour_scheme.h"

#include "controls/dialogs.h"
#include "import/cp1252.h"
#include "import/file_ref.h"
#include "settings/font_lists.h"
#include "settings/ini_case.h"
#include "settings/settings_model.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace qw {

namespace {

constexpr const char* kFileName = "Quirewell.ini";
constexpr const char* kTestSection = "Test";
constexpr const char* kTimesNewRoman = "Times New Roman";
constexpr const char* kNoFonts = "No Fonts available - exit program!";

std::string WithSlash(std::string dir) {
    if (!dir.empty() && dir.back() != '/')
        dir += '/';
    return dir;
}

void MakeFolder(const std::string& dir) {
    std::error_code ignored;
    std::filesystem::create_directories(dir, ignored);
}

// Opens the file and proves that it can be written; the failure's message.
std::string OpenAndTest(ConfigFile& config, const std::string& path) {
    config.Open(path);
    config.WriteString(kTestSection, kTestSection, kTestSection);
    config.EraseSection(kTestSection);
    return config.UpdateFile() ? std::string() : config.LastWriteError();
}

void WriteDefault(ConfigFile& config, Setting setting, const std::string& value) {
    const SettingInfo& info = Settings::Info(setting);
    config.WriteString(info.section, info.key, value);
}

void WriteFirstUseDefaults(ConfigFile& config, const ConfigEnvironment& env) {
    auto info = [](Setting s) -> const SettingInfo& { return Settings::Info(s); };
    auto missing = [&](const char* section) { return !config.SectionExists(section); };
    auto writeIfSectionMissing = [&](Setting s) {
        if (missing(info(s).section))
            WriteDefault(config, s, info(s).defaultValue);
    };
    auto keyIfSectionMissing = [&](const char* section, const std::string& key) {
        if (missing(section))
            config.WriteString(section, key, "");
    };

    writeIfSectionMissing(Setting::InitialDir);
    writeIfSectionMissing(Setting::LastReadFile);
    keyIfSectionMissing(sections::kRecent, std::string(sections::kRecent) + " 0");
    keyIfSectionMissing(sections::kFavorite, std::string(sections::kFavorite) + " 0");
    if (!config.ValueExists(info(Setting::Punctuation).section, info(Setting::Punctuation).key))
        WriteDefault(config, Setting::Punctuation, Cp1252ToUtf8(DefaultPunctuationMarks()));
    writeIfSectionMissing(Setting::ColorText);
    for (Setting s :
         {Setting::ColorBackground, Setting::ColorButtonText, Setting::ColorWindowBackground,
          Setting::ColorMenuText, Setting::ColorMenuBackground, Setting::ColorListText,
          Setting::ColorListBackground})
        if (!config.ValueExists(info(s).section, info(s).key))
            WriteDefault(config, s, info(s).defaultValue);
    if (missing(sections::kColorSchemes)) {
        config.WriteString(sections::kColorSchemes, kTestSection, "");
        config.DeleteKey(sections::kColorSchemes, kTestSection);
        WriteReadyMadeSchemes(config); // once, when the section is first made
    }
    writeIfSectionMissing(Setting::ApplyMargins);
    keyIfSectionMissing(sections::kExcludedFonts, "Symbol");
    keyIfSectionMissing(sections::kExcludedPaths, "/media/");
    keyIfSectionMissing(sections::kIncludedPaths, env.programDir());
    keyIfSectionMissing(sections::kIgnoredFiles, "*.lit");
    if (missing(info(Setting::WindowMaximized).section))
        WriteDefault(config, Setting::WindowMaximized, "Yes");
    if (missing(info(Setting::HtmlEmphasisAsCapitals).section))
        WriteDefault(config, Setting::HtmlEmphasisAsCapitals, "Yes");
}

// The font the lists select: the default when listed, Times New Roman's
// stand-in when that is listed, else the first font.
std::string ChooseFont(const std::vector<std::string>& fonts, const std::string& wanted,
                       const ConfigEnvironment& env) {
    for (const std::string& f : fonts)
        if (EqualsNoCase(f, wanted))
            return f;
    if (EqualsNoCase(wanted, kTimesNewRoman)) {
        const std::string stand = env.substituteFont(kTimesNewRoman);
        for (const std::string& f : fonts)
            if (!stand.empty() && EqualsNoCase(f, stand))
                return f;
    }
    return fonts.front();
}

} // namespace

std::string UserConfigDirFromEnvironment() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && *xdg == '/')
        return WithSlash(xdg) + "Quirewell/";
    const char* home = std::getenv("HOME");
    return WithSlash(home && *home ? home : "/tmp") + ".config/Quirewell/";
}

std::string ConfigDirOverrideFromEnvironment() {
    const char* dir = std::getenv("QUIREWELL_CONFIG_DIR");
    return dir && *dir ? WithSlash(dir) : std::string();
}

std::vector<std::string> LoadPathList(ConfigFile& config, const std::string& section) {
    const std::vector<std::string> before = config.ReadSectionValues(section);
    std::vector<std::string> entries;
    for (size_t i = 0; i < kPathListSize; ++i) {
        const std::string key = section + " " + std::to_string(i);
        std::string value = config.ReadString(section, key, "");
        config.DeleteKey(section, key);
        if (!value.empty())
            entries.push_back(std::move(value));
    }
    for (size_t i = 0; i < entries.size(); ++i)
        config.WriteString(section, section + " " + std::to_string(i), entries[i]);
    // Each rewrite costs a flush to the disk; an unchanged list needs none.
    if (config.ReadSectionValues(section) != before)
        config.UpdateFile();
    return entries;
}

ConfigLoadResult LoadConfiguration(ConfigFile& config, const ConfigEnvironment& env,
                                   Dialogs& dialogs) {
    ConfigLoadResult result;
    ConfigState& st = result.state;
    Settings settings(config);
    // Running copies that share the file merge these lists entry by entry.
    config.SetListSection(sections::kRecent, kPathListSize);
    config.SetListSection(sections::kFavorite, kPathListSize);
    config.SetLockWarningListener(
        [&dialogs](const std::string& message) { dialogs.warning(message); });

    // Where the file lives: the program's folder (or the folder the
    // environment names) when it can be written, else the user's folder.
    std::string dir = env.configDirOverride();
    if (dir.empty())
        dir = WithSlash(env.programDir());
    else
        MakeFolder(dir);
    const std::string failure = OpenAndTest(config, dir + kFileName);
    if (!failure.empty()) {
        dir = WithSlash(env.userConfigDir());
        MakeFolder(dir);
        const std::string path = dir + kFileName;
        std::error_code ec;
        if (!std::filesystem::exists(path, ec))
            dialogs.information(failure + "\r\n" + "The configuration file " + kFileName +
                                " will be created in the configuration directory (" + dir +
                                ") instead.");
        config.Open(path);
    }
    st.configDir = dir;
    config.SetWriteFailureListener([&dialogs](const std::string& message) {
        dialogs.error(message + "\rChanged settings are not saved until the file can be written.");
    });

    WriteFirstUseDefaults(config, env);
    config.UpdateFile();

    st.excludedFonts = config.ReadSection(sections::kExcludedFonts);
    st.excludedPaths = config.ReadSection(sections::kExcludedPaths);
    st.includedPaths = config.ReadSection(sections::kIncludedPaths);
    st.ignoredFiles = config.ReadSection(sections::kIgnoredFiles);

    // Keys of older versions whose role the "Default" record took over.
    if (settings.Exists(Setting::LegacyDefaultFontName)) {
        st.defaultFontName = settings.Text(Setting::LegacyDefaultFontName);
        settings.Remove(Setting::LegacyDefaultFontName);
    }
    std::string legacySize;
    if (settings.Exists(Setting::LegacyDefaultFontSize)) {
        legacySize = settings.Text(Setting::LegacyDefaultFontSize);
        settings.Remove(Setting::LegacyDefaultFontSize);
    }
    if (settings.Exists(Setting::LegacyDefaultAutomaticToc)) {
        st.book.automaticToc = settings.Bool(Setting::LegacyDefaultAutomaticToc);
        settings.Remove(Setting::LegacyDefaultAutomaticToc);
    }

    // Font and size lists.
    st.fontList = BuildFontList(env.screenFonts(), st.excludedFonts);
    if (st.fontList.empty()) {
        config.UpdateFile();
        dialogs.error(kNoFonts);
        result.exitProgram = true;
        return result;
    }
    st.defaultFontName = ChooseFont(st.fontList, st.defaultFontName, env);
    int wantedSize = st.defaultFontSize;
    if (!ParseIniInteger(legacySize, wantedSize))
        wantedSize = st.defaultFontSize;
    const int size = SelectFontSize(wantedSize);
    st.book.fontName = st.defaultFontName;
    st.book.fontSize = size;

    // The "Default" record: created from the controls, or read into them.
    if (!config.SectionExists(kDefaultRecord)) {
        SaveFontLineSettings(config, kDefaultRecord, st.book);
        SaveTocSettings(config, kDefaultRecord, st.book, false);
    } else {
        st.book = LoadBookSettings(config, kDefaultRecord, st.book,
                                   FontChoice{st.fontList, st.defaultFontName, size}, true);
    }
    st.defaultFontName = st.book.fontName;
    st.defaultFontSize = st.book.fontSize;

    // Options. The two HTML options exclude each other.
    if (settings.Bool(Setting::HtmlEmphasisAsCapitals) &&
        settings.Bool(Setting::HtmlBoldItalicUnderlined))
        settings.SetBool(Setting::HtmlEmphasisAsCapitals, false);

    // Last read file; an old file without a recent list gets one.
    const std::string filePart = FileRef::parse(settings.Text(Setting::LastReadFile)).path;
    const std::string recent0 = std::string(sections::kRecent) + " 0";
    if (!filePart.empty() && config.ReadString(sections::kRecent, recent0, "").empty()) {
        config.WriteString(sections::kRecent, recent0, filePart);
        if (!settings.Bool(Setting::AutoOpen))
            WriteDefault(config, Setting::LastReadFile, "");
    }
    // Read where they are shown: a merge with another copy may change them.
    LoadPathList(config, sections::kRecent);
    LoadPathList(config, sections::kFavorite);

    // Window bounds: centred at the design size, then the stored bounds.
    const int left = settings.Int(Setting::WindowLeft, (env.screenWidth() - kDesignWidth) / 2);
    const int top = settings.Int(Setting::WindowTop, (env.screenHeight() - kDesignHeight) / 2);
    int width = settings.Int(Setting::WindowWidth, kDesignWidth);
    int height = settings.Int(Setting::WindowHeight, kDesignHeight);
    if (width <= 0)
        width = kDesignWidth;
    if (height <= 0)
        height = kDesignHeight;
    st.bounds = WindowRect{left, top, left + width, top + height};
    st.maximized = settings.Bool(Setting::WindowMaximized);

    config.UpdateFile();
    return result;
}

void SaveWindowBounds(ConfigFile& config, const CloseBounds& close) {
    auto write = [&](Setting s, int value) {
        const SettingInfo& info = Settings::Info(s);
        config.WriteInteger(info.section, info.key, value);
    };
    const SettingInfo& maximized = Settings::Info(Setting::WindowMaximized);
    config.WriteBool(maximized.section, maximized.key,
                     close.maximized || (close.fullScreen && close.maximizedBeforeFullScreen));
    WindowRect r;
    if (close.fullScreen && close.savedRectSet) {
        r = close.savedRect;
    } else if (close.normalRectSet) {
        r = close.normalRect;
        if (close.normalRectWithToc)
            r.left += close.tocWidth;
    } else {
        r = close.window;
        if (close.tocOnLeftSide)
            r.left += close.tocWidth;
    }
    write(Setting::WindowLeft, r.left);
    write(Setting::WindowTop, r.top);
    write(Setting::WindowWidth, r.width());
    write(Setting::WindowHeight, r.height());
    config.UpdateFile();
}

} // namespace qw

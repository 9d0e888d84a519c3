#pragma once
// The general options of Quirewell.ini as one table: every option has its
// section, key, default and the kind that says how it is read and written.
// Controls bind to a Setting rather than to key strings; writing an option
// rewrites the file at once.
//
//   Settings& s = ...;
//   if (s.Bool(Setting::HideIgnoredFiles)) ...
//   s.SetBool(Setting::AutomaticallyFit, checked);

#include "settings/config_file.h"
#include "settings/page_margins.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qw {

enum class Setting {
    // "Base Directory" and "Last"
    InitialDir,
    LastReadFile,
    // "Options"
    Punctuation,
    LegacyDefaultFontName,
    LegacyDefaultFontSize,
    LegacyDefaultAutomaticToc,
    AutomaticallyFit,
    FitLeavingMenu,
    MenuHelpOnClick,
    ActivateShortcuts,
    BookStyle,
    QuickPage,
    QuickFind,
    AutoOpen,
    ShowProgressBar,
    ProgressBarBelowText,
    ShowClock,
    LargeMenu,
    SmallMenuOnRightClick,
    HideFilePath,
    HideArchiveName,
    HideIgnoredFiles,
    PageNumbersBelowText,
    IniFileListFullInfo,
    IniFileListSorted,
    ApplyDefaultSettings,
    AutoTurnInterval,
    UseFontInEditor,
    SkipGutenbergFrame,
    AlwaysListChapters,
    JustifyText,
    FindMovedBooks,
    // "Colors"
    ColorText,
    ColorBackground,
    ColorButtonText,
    ColorWindowBackground,
    ColorMenuText,
    ColorMenuBackground,
    ColorListText,
    ColorListBackground,
    // "Page margins"
    MarginLeft,
    MarginRight,
    MarginTop,
    MarginBottom,
    ApplyMargins,
    // "Window"
    WindowLeft,
    WindowTop,
    WindowWidth,
    WindowHeight,
    WindowMaximized,
    // "Import"
    HtmlEmphasisAsCapitals,
    HtmlBoldItalicUnderlined,
    DocBlankLine,
    Count
};

enum class SettingKind {
    Bool,       // "Yes" / "No"; true only for exactly "Yes"
    Integer,    // decimal; the default when missing or not a number
    Text,       // UTF-8 text as stored
    Cp1252Text, // text the core uses as Windows-1252 bytes (converted at the store)
    Colour,     // a colour name or "$00BBGGRR"
};

struct SettingInfo {
    Setting setting;
    const char* section;
    const char* key;
    SettingKind kind;
    const char* defaultValue; // the value used when the key is missing
};

// Section names the program uses besides those of the option table.
namespace sections {
constexpr const char* kRecent = "Recent";
constexpr const char* kFavorite = "Favorite";
constexpr const char* kColorSchemes = "Color Schemes";
constexpr const char* kExcludedFonts = "Excluded Fonts";
constexpr const char* kExcludedPaths = "Excluded Paths";
constexpr const char* kIncludedPaths = "Included Paths";
constexpr const char* kIgnoredFiles = "Ignored files";
constexpr const char* kEditor = "Editor";
constexpr const char* kPgBrowser = "PG Browser";
} // namespace sections

// The section names that are not book records, in file order.
const std::vector<std::string>& GeneralSectionNames();
bool IsGeneralSection(std::string_view name);

// The default line-break protecting punctuation marks, as Windows-1252 bytes.
const std::string& DefaultPunctuationMarks();

class Settings {
  public:
    explicit Settings(ConfigFile& config) : config_(config) {}

    static const SettingInfo& Info(Setting setting);
    static const std::vector<SettingInfo>& Table();

    ConfigFile& File() { return config_; }
    const ConfigFile& File() const { return config_; }

    bool Exists(Setting setting) const;
    bool Bool(Setting setting) const;
    int Int(Setting setting) const;
    // For keys whose default is computed (the window bounds).
    int Int(Setting setting, int defaultValue) const;
    std::string Text(Setting setting) const;
    // Cp1252Text settings as Windows-1252 bytes.
    std::string Bytes(Setting setting) const;

    // Options read in one shape everywhere.
    PageMargins Margins() const;       // "Page margins", each limited to 0 ... 99
    std::string BaseDirectory() const; // "InitialDir", ending in "/" or empty
    int AutoTurnSeconds() const;       // "Turn 1 page every N seconds", at least 1

    // Each writes the key and rewrites the file; false when it could not be
    // saved. Listeners hear of every change.
    bool SetBool(Setting setting, bool value);
    bool SetInt(Setting setting, int value);
    bool SetText(Setting setting, std::string_view value);
    bool SetBytes(Setting setting, std::string_view cp1252);
    // The four margins, limited to 0 ... 99, with one rewrite of the file.
    bool SetMargins(const PageMargins& margins);

    // Removes the key from memory only (the next UpdateFile stores it).
    void Remove(Setting setting);

    using Listener = std::function<void(Setting)>;
    void Subscribe(Listener listener) { listeners_.push_back(std::move(listener)); }

  private:
    bool Store(Setting setting, std::string_view text);

    ConfigFile& config_;
    std::vector<Listener> listeners_;
};

} // namespace qw

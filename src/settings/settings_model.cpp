#include "settings/settings_model.h"

#include "import/cp1252.h"
#include "settings/book_settings.h"
#include "settings/ini_case.h"
#include "settings/ini_write.h"

#include <algorithm>
#include <cassert>

namespace qw {

namespace {

using K = SettingKind;
using S = Setting;

constexpr const char* kOptions = "Options";
constexpr const char* kColors = "Colors";
constexpr const char* kMargins = "Page margins";
constexpr const char* kWindow = "Window";
constexpr const char* kImport = "Import";

const std::vector<SettingInfo> kTable = {
    {S::InitialDir, "Base Directory", "InitialDir", K::Text, ""},
    {S::LastReadFile, "Last", "Last read file", K::Text, ""},
    {S::Punctuation, kOptions, "Punctuation", K::Cp1252Text, ""},
    {S::LegacyDefaultFontName, kOptions, "Default font name", K::Text, ""},
    {S::LegacyDefaultFontSize, kOptions, "Default font size", K::Text, ""},
    {S::LegacyDefaultAutomaticToc, kOptions, "Default automatic TOC", K::Bool, "No"},
    {S::AutomaticallyFit, kOptions, "Automatically fit", K::Bool, "Yes"},
    {S::FitLeavingMenu, kOptions, "Fit leaving menu", K::Bool, "Yes"},
    {S::MenuHelpOnClick, kOptions, "Menu/Help on click", K::Bool, "No"},
    {S::ActivateShortcuts, kOptions, "Activate shortcuts", K::Bool, "Yes"},
    {S::BookStyle, kOptions, "Book style", K::Bool, "Yes"},
    {S::QuickPage, kOptions, "Quick page", K::Bool, "Yes"},
    {S::QuickFind, kOptions, "Quick find", K::Bool, "Yes"},
    {S::AutoOpen, kOptions, "Auto-open", K::Bool, "No"},
    {S::ShowProgressBar, kOptions, "Show progress bar", K::Bool, "Yes"},
    {S::ProgressBarBelowText, kOptions, "Progress bar below text", K::Bool, "Yes"},
    {S::ShowClock, kOptions, "Show clock", K::Bool, "Yes"},
    {S::LargeMenu, kOptions, "Large Menu", K::Bool, "Yes"},
    {S::SmallMenuOnRightClick, kOptions, "Small menu on right click", K::Bool, "No"},
    {S::HideFilePath, kOptions, "Hide file path", K::Bool, "Yes"},
    {S::HideArchiveName, kOptions, "Hide archive name", K::Bool, "Yes"},
    {S::HideIgnoredFiles, kOptions, "Hide ignored files", K::Bool, "No"},
    {S::PageNumbersBelowText, kOptions, "Page numbers below text", K::Bool, "No"},
    {S::IniFileListFullInfo, kOptions, "INI file list full info", K::Bool, "No"},
    {S::IniFileListSorted, kOptions, "INI file list sorted", K::Bool, "Yes"},
    {S::ApplyDefaultSettings, kOptions, "Apply default settings", K::Bool, "No"},
    {S::AutoTurnInterval, kOptions, "Auto turn interval", K::Integer, "120"},
    {S::UseFontInEditor, kOptions, "Use font in editor", K::Bool, "No"},
    {S::SkipGutenbergFrame, kOptions, "Skip Gutenberg header", K::Bool, "Yes"},
    {S::AlwaysListChapters, kOptions, "Always list chapter headings", K::Bool, "Yes"},
    {S::JustifyText, kOptions, "Justify text", K::Bool, "No"},
    {S::FindMovedBooks, kOptions, "Find moved books", K::Bool, "Yes"},
    {S::ColorText, kColors, "Text", K::Colour, "clBlack"},
    {S::ColorBackground, kColors, "Background", K::Colour, "$00E7E7E7"},
    {S::ColorButtonText, kColors, "Button text", K::Colour, "$00404040"},
    {S::ColorWindowBackground, kColors, "Window background", K::Colour, "clBtnFace"},
    {S::ColorMenuText, kColors, "Menu text", K::Colour, "clNavy"},
    {S::ColorMenuBackground, kColors, "Menu background", K::Colour, "clBtnface"},
    {S::ColorListText, kColors, "List text", K::Colour, "clBlack"},
    {S::ColorListBackground, kColors, "List background", K::Colour, "$00D2A6A6"},
    {S::MarginLeft, kMargins, "Left", K::Integer, "0"},
    {S::MarginRight, kMargins, "Right", K::Integer, "0"},
    {S::MarginTop, kMargins, "Top", K::Integer, "0"},
    {S::MarginBottom, kMargins, "Bottom", K::Integer, "0"},
    {S::ApplyMargins, kMargins, "Apply", K::Bool, "No"},
    {S::WindowLeft, kWindow, "Left", K::Integer, "0"},
    {S::WindowTop, kWindow, "Top", K::Integer, "0"},
    {S::WindowWidth, kWindow, "Width", K::Integer, "0"},
    {S::WindowHeight, kWindow, "Height", K::Integer, "0"},
    {S::WindowMaximized, kWindow, "Maximized", K::Bool, "No"},
    {S::HtmlEmphasisAsCapitals, kImport, "HTML emphasis as capitals", K::Bool, "Yes"},
    {S::HtmlBoldItalicUnderlined, kImport, "HTML bold,italic,underlined", K::Bool, "No"},
    {S::DocBlankLine, kImport, "DOC blank line between paragraphs", K::Bool, "Yes"},
};

int ParseInt(const std::string& text, int fallback) {
    int n = 0;
    return ParseIniInteger(text, n) ? n : fallback;
}

} // namespace

const std::vector<std::string>& GeneralSectionNames() {
    using Settings = qw::Settings;
    using namespace sections;
    static const std::vector<std::string> names = {Settings::Info(Setting::InitialDir).section,
                                                   Settings::Info(Setting::LastReadFile).section,
                                                   kRecent,
                                                   kOptions,
                                                   kDefaultRecord,
                                                   kMargins,
                                                   kExcludedFonts,
                                                   kExcludedPaths,
                                                   kIncludedPaths,
                                                   kIgnoredFiles,
                                                   kWindow,
                                                   kColors,
                                                   kImport,
                                                   kFavorite,
                                                   kEditor,
                                                   kPgBrowser,
                                                   kColorSchemes};
    return names;
}

bool IsGeneralSection(std::string_view name) {
    const auto& names = GeneralSectionNames();
    return std::any_of(names.begin(), names.end(),
                       [&](const std::string& n) { return EqualsNoCase(n, name); });
}

const std::string& DefaultPunctuationMarks() {
    static const std::string marks = "\x2E\x3A\x3B\x21\x3F\xBF\xA1\x8B\x9B\xAB\xBB\x22\x93\x94\x84"
                                     "\x91\x92\xB4\x27";
    return marks;
}

const std::vector<SettingInfo>& Settings::Table() {
    static const bool ordered = [] {
        for (size_t i = 0; i < kTable.size(); ++i)
            if (static_cast<size_t>(kTable[i].setting) != i)
                return false;
        return kTable.size() == static_cast<size_t>(Setting::Count);
    }();
    assert(ordered && "the settings table follows the order of the enum");
    (void)ordered;
    return kTable;
}

const SettingInfo& Settings::Info(Setting setting) {
    return Table().at(static_cast<size_t>(setting));
}

bool Settings::Exists(Setting setting) const {
    const SettingInfo& info = Info(setting);
    return config_.ValueExists(info.section, info.key);
}

bool Settings::Bool(Setting setting) const {
    const SettingInfo& info = Info(setting);
    return config_.ReadString(info.section, info.key, info.defaultValue) == "Yes";
}

int Settings::Int(Setting setting) const {
    const SettingInfo& info = Info(setting);
    return Int(setting, ParseInt(info.defaultValue, 0));
}

int Settings::Int(Setting setting, int defaultValue) const {
    const SettingInfo& info = Info(setting);
    return config_.ReadInteger(info.section, info.key, defaultValue);
}

std::string Settings::Text(Setting setting) const {
    const SettingInfo& info = Info(setting);
    if (setting == Setting::Punctuation)
        return config_.ReadString(info.section, info.key, Cp1252ToUtf8(DefaultPunctuationMarks()));
    return config_.ReadString(info.section, info.key, info.defaultValue);
}

std::string Settings::Bytes(Setting setting) const {
    return Utf8ToCp1252(Text(setting));
}

bool Settings::Store(Setting setting, std::string_view text) {
    const SettingInfo& info = Info(setting);
    const bool written = IniWriteSect(config_, info.section, info.key, text, false);
    for (const Listener& listener : listeners_)
        listener(setting);
    return written;
}

namespace {
constexpr Setting kMarginSettings[] = {Setting::MarginLeft, Setting::MarginRight,
                                       Setting::MarginTop, Setting::MarginBottom};
} // namespace

PageMargins Settings::Margins() const {
    PageMargins margins{};
    for (size_t i = 0; i < margins.size(); ++i)
        margins[i] = std::clamp(Int(kMarginSettings[i]), 0, kMaxMargin);
    return margins;
}

bool Settings::SetMargins(const PageMargins& margins) {
    for (size_t i = 0; i < margins.size(); ++i) {
        const SettingInfo& info = Info(kMarginSettings[i]);
        config_.WriteInteger(info.section, info.key, std::clamp(margins[i], 0, kMaxMargin));
    }
    const bool written = config_.UpdateFile();
    for (Setting setting : kMarginSettings)
        for (const Listener& listener : listeners_)
            listener(setting);
    return written;
}

std::string Settings::BaseDirectory() const {
    std::string dir = Text(Setting::InitialDir);
    if (!dir.empty() && dir.back() != '/')
        dir += '/';
    return dir;
}

int Settings::AutoTurnSeconds() const {
    return std::max(1, Int(Setting::AutoTurnInterval));
}

bool Settings::SetBool(Setting setting, bool value) {
    return Store(setting, value ? "Yes" : "No");
}

bool Settings::SetInt(Setting setting, int value) {
    return Store(setting, std::to_string(value));
}

bool Settings::SetText(Setting setting, std::string_view value) {
    return Store(setting, value);
}

bool Settings::SetBytes(Setting setting, std::string_view cp1252) {
    return Store(setting, Cp1252ToUtf8(cp1252));
}

void Settings::Remove(Setting setting) {
    const SettingInfo& info = Info(setting);
    config_.DeleteKey(info.section, info.key);
}

} // namespace qw

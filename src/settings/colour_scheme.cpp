#include "settings/colour_scheme.h"

#include "settings/ini_case.h"

namespace qw {

namespace {

constexpr Setting kSettings[kSchemeColourCount] = {
    Setting::ColorText,       Setting::ColorBackground,
    Setting::ColorButtonText, Setting::ColorWindowBackground,
    Setting::ColorMenuText,   Setting::ColorMenuBackground,
    Setting::ColorListText,   Setting::ColorListBackground};

ColourSet FromTexts(const std::array<const char*, kSchemeColourCount>& texts) {
    ColourSet set{};
    for (size_t i = 0; i < kSchemeColourCount; ++i)
        set[i] = ParseColour(texts[i]).value_or(ColourValue{});
    return set;
}

std::string Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return std::string(text);
}

} // namespace

Setting SettingOf(SchemeColour colour) {
    return kSettings[static_cast<size_t>(colour)];
}

ColourValue DefaultColour(SchemeColour colour) {
    return ParseColour(Settings::Info(SettingOf(colour)).defaultValue).value_or(ColourValue{});
}

ColourSet DefaultColours() {
    ColourSet set{};
    for (size_t i = 0; i < kSchemeColourCount; ++i)
        set[i] = DefaultColour(static_cast<SchemeColour>(i));
    return set;
}

ColourSet ReadColors(const Settings& settings) {
    ColourSet set{};
    for (size_t i = 0; i < kSchemeColourCount; ++i) {
        const auto colour = static_cast<SchemeColour>(i);
        set[i] = ParseColour(settings.Text(SettingOf(colour))).value_or(DefaultColour(colour));
    }
    return set;
}

std::string FormatSchemeLine(const ColourSet& colours) {
    std::string line;
    for (size_t i = 0; i < kSchemeColourCount; ++i) {
        if (i > 0)
            line += ',';
        line += FormatColour(colours[i]);
    }
    return line;
}

SchemeLine ParseSchemeLine(std::string_view line, const ColourSet& current) {
    SchemeLine result{current, false};
    size_t start = 0;
    for (size_t i = 0; i < kSchemeColourCount; ++i) {
        if (start > line.size())
            return result; // too few parts
        const size_t comma = line.find(',', start);
        const std::string_view part = line.substr(
            start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
        const std::optional<ColourValue> colour = ParseColour(part);
        if (!colour)
            return result;
        result.colours[i] = *colour;
        start = comma == std::string_view::npos ? line.size() + 1 : comma + 1;
    }
    result.complete = true;
    return result;
}

const std::vector<std::pair<std::string, ColourSet>>& ReadyMadeSchemes() {
    // Text, page, button text, window, menu text, menu, list text, list.
    static const std::vector<std::pair<std::string, ColourSet>> schemes = {
        {"Night", FromTexts({"$00C8C8C8", "$001E1E1E", "$00A0A0A0", "$00121212", "$00D8D8D8",
                             "$002C2C2C", "$00D0D0D0", "$00302824"})},
        {"Sepia", FromTexts({"$001E3246", "$00D5E8F4", "$00324A5E", "$00A6C0D4", "$00203A52",
                             "$00C2DAEA", "$00203040", "$00B8D2E4"})},
        {"High contrast", FromTexts({"clWhite", "clBlack", "clYellow", "$00503000", "clYellow",
                                     "clBlack", "clWhite", "clNavy"})},
    };
    return schemes;
}

void WriteReadyMadeSchemes(ConfigFile& config) {
    for (const auto& [name, colours] : ReadyMadeSchemes())
        config.WriteString(sections::kColorSchemes, name, FormatSchemeLine(colours));
}

std::vector<std::string> ColourSchemes::names() const {
    std::vector<std::string> list = {kDefaultScheme};
    for (std::string& name : config_.ReadSection(sections::kColorSchemes))
        if (!name.empty())
            list.push_back(std::move(name));
    return list;
}

SchemeLine ColourSchemes::choose(const std::string& name, const ColourSet& current) const {
    if (EqualsNoCase(name, kDefaultScheme))
        return {ReadColors(Settings(config_)), true};
    const std::string line = config_.ReadString(sections::kColorSchemes, name, "");
    if (line.empty())
        return {current, false};
    return ParseSchemeLine(line, current);
}

ColourSchemes::NewResult ColourSchemes::create(const std::string& name, const ColourSet& current) {
    const std::string trimmed = Trimmed(name);
    if (trimmed.empty())
        return NewResult::Empty;
    for (const std::string& known : names())
        if (EqualsNoCase(known, trimmed))
            return NewResult::Duplicate;
    config_.WriteString(sections::kColorSchemes, trimmed, FormatSchemeLine(current));
    config_.UpdateFile();
    return NewResult::Created;
}

void ColourSchemes::remove(const std::string& name) {
    if (EqualsNoCase(name, kDefaultScheme))
        return;
    config_.DeleteKey(sections::kColorSchemes, name);
    config_.UpdateFile();
}

void ColourSchemes::saveColour(const std::string& selected, SchemeColour colour,
                               const ColourSet& current) {
    if (EqualsNoCase(selected, kDefaultScheme)) {
        Settings(config_).SetText(SettingOf(colour), FormatColour(At(current, colour)));
        return;
    }
    config_.WriteString(sections::kColorSchemes, selected, FormatSchemeLine(current));
    config_.UpdateFile();
}

} // namespace qw

#include "settings/colour_value.h"

#include "import/text_scan.h"
#include "settings/ini_case.h"

#include <cstdio>

namespace qw {

namespace {

struct NamedColour {
    const char* name;
    ColourValue value;
};

const NamedColour kNames[] = {
    {"clBlack", {SystemColour::None, 0x000000}},
    {"clMaroon", {SystemColour::None, 0x800000}},
    {"clGreen", {SystemColour::None, 0x008000}},
    {"clOlive", {SystemColour::None, 0x808000}},
    {"clNavy", {SystemColour::None, 0x000080}},
    {"clPurple", {SystemColour::None, 0x800080}},
    {"clTeal", {SystemColour::None, 0x008080}},
    {"clGray", {SystemColour::None, 0x808080}},
    {"clSilver", {SystemColour::None, 0xC0C0C0}},
    {"clRed", {SystemColour::None, 0xFF0000}},
    {"clLime", {SystemColour::None, 0x00FF00}},
    {"clYellow", {SystemColour::None, 0xFFFF00}},
    {"clBlue", {SystemColour::None, 0x0000FF}},
    {"clFuchsia", {SystemColour::None, 0xFF00FF}},
    {"clAqua", {SystemColour::None, 0x00FFFF}},
    {"clWhite", {SystemColour::None, 0xFFFFFF}},
    {"clBtnFace", {SystemColour::ButtonFace, 0}},
    {"clWindow", {SystemColour::Window, 0}},
    {"clWindowText", {SystemColour::WindowText, 0}},
    {"clBtnText", {SystemColour::ButtonText, 0}},
    {"clHighlight", {SystemColour::Highlight, 0}},
    {"clHighlightText", {SystemColour::HighlightText, 0}},
    {"clInfoBk", {SystemColour::InfoBackground, 0}},
    {"clInfoText", {SystemColour::InfoText, 0}},
    {"clGrayText", {SystemColour::GrayText, 0}},
};

} // namespace

std::optional<ColourValue> ParseColour(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '$') {
        text.remove_prefix(1);
        if (text.empty() || text.size() > 8)
            return std::nullopt;
        std::uint32_t value = 0;
        for (char c : text) {
            const int d = HexDigitValue(c);
            if (d < 0)
                return std::nullopt;
            value = value << 4 | static_cast<std::uint32_t>(d);
        }
        // Stored as blue, green, red from the high byte down.
        const std::uint32_t r = value & 0xFF, g = value >> 8 & 0xFF, b = value >> 16 & 0xFF;
        return ColourValue{SystemColour::None, r << 16 | g << 8 | b};
    }
    for (const NamedColour& named : kNames)
        if (EqualsNoCase(text, named.name))
            return named.value;
    return std::nullopt;
}

std::string FormatColour(std::uint32_t rgb) {
    char text[16];
    std::snprintf(text, sizeof text, "$00%02X%02X%02X", rgb & 0xFF, rgb >> 8 & 0xFF,
                  rgb >> 16 & 0xFF);
    return text;
}

} // namespace qw

#include "settings/colour_value.h"

#include "import/text_scan.h"
#include "settings/ini_case.h"

#include <cstdio>

namespace qw {

namespace {

constexpr std::uint32_t kLastSystemIndex = static_cast<std::uint32_t>(SystemColour::InfoBackground);

struct NamedColour {
    const char* name;
    std::uint32_t code;
};

// The fixed colours in 00BBGGRR, then the system colours in index order.
const NamedColour kNames[] = {
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clScrollBar", 0x80000000},
    {"clBackground", 0x80000001},
    {"clActiveCaption", 0x80000002},
    {"clInactiveCaption", 0x80000003},
    {"clMenu", 0x80000004},
    {"clWindow", 0x80000005},
    {"clWindowFrame", 0x80000006},
    {"clMenuText", 0x80000007},
    {"clWindowText", 0x80000008},
    {"clCaptionText", 0x80000009},
    {"clActiveBorder", 0x8000000A},
    {"clInactiveBorder", 0x8000000B},
    {"clAppWorkSpace", 0x8000000C},
    {"clHighlight", 0x8000000D},
    {"clHighlightText", 0x8000000E},
    {"clBtnFace", 0x8000000F},
    {"clBtnShadow", 0x80000010},
    {"clGrayText", 0x80000011},
    {"clBtnText", 0x80000012},
    {"clInactiveCaptionText", 0x80000013},
    {"clBtnHighlight", 0x80000014},
    {"cl3DDkShadow", 0x80000015},
    {"cl3DLight", 0x80000016},
    {"clInfoText", 0x80000017},
    {"clInfoBk", 0x80000018},
};

std::optional<ColourValue> Valid(std::uint32_t code) {
    const std::uint32_t high = code >> 24;
    if (high == 0 || (high == 0x80 && (code & 0x00FFFFFF) <= kLastSystemIndex))
        return ColourValue{code};
    return std::nullopt;
}

std::optional<ColourValue> ParseHex(std::string_view digits) {
    if (digits.empty() || digits.size() > 8)
        return std::nullopt;
    std::uint32_t code = 0;
    for (char c : digits) {
        const int d = HexDigitValue(c);
        if (d < 0)
            return std::nullopt;
        code = code << 4 | static_cast<std::uint32_t>(d);
    }
    return Valid(code);
}

// A decimal number in the range of a 32-bit colour code, signed or not.
std::optional<ColourValue> ParseDecimal(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative || (!text.empty() && text.front() == '+'))
        text.remove_prefix(1);
    if (text.empty() || text.size() > 10)
        return std::nullopt;
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (negative)
        value = -value;
    if (value < INT32_MIN || value > static_cast<std::int64_t>(UINT32_MAX))
        return std::nullopt;
    return Valid(static_cast<std::uint32_t>(value));
}

} // namespace

ColourValue ColourValue::FromRgb(std::uint32_t rgb) {
    return {(rgb & 0xFF) << 16 | (rgb & 0xFF00) | (rgb >> 16 & 0xFF)};
}

std::uint32_t ColourValue::rgb() const {
    return (code & 0xFF) << 16 | (code & 0xFF00) | (code >> 16 & 0xFF);
}

std::optional<ColourValue> ParseColour(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '$')
        return ParseHex(text.substr(1));
    for (const NamedColour& named : kNames)
        if (EqualsNoCase(text, named.name))
            return ColourValue{named.code};
    return ParseDecimal(text);
}

std::string FormatColour(ColourValue colour) {
    for (const NamedColour& named : kNames)
        if (named.code == colour.code)
            return named.name;
    char text[16];
    std::snprintf(text, sizeof text, "$%08X", static_cast<unsigned>(colour.code));
    return text;
}

} // namespace qw

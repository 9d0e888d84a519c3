#pragma once
// Colour values as Quirewell.ini stores them: a colour name such as "clNavy"
// or "clBtnFace", "$00BBGGRR" (blue, green, red in hexadecimal), or the same
// number in decimal. System colours ("clBtnFace") are 0x80000000 plus the
// index of the desktop colour; the toolkit supplies their values.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qw {

// The desktop colours of the system names, by their index.
enum class SystemColour {
    ScrollBar = 0,
    Background,
    ActiveCaption,
    InactiveCaption,
    Menu,
    Window,
    WindowFrame,
    MenuText,
    WindowText,
    CaptionText,
    ActiveBorder,
    InactiveBorder,
    AppWorkSpace,
    Highlight,
    HighlightText,
    ButtonFace,
    ButtonShadow,
    GrayText,
    ButtonText,
    InactiveCaptionText,
    ButtonHighlight,
    DarkShadow3D,
    Light3D,
    InfoText,
    InfoBackground,
};

struct ColourValue {
    std::uint32_t code = 0; // 0x00BBGGRR, or 0x80000000 + a system colour index

    static ColourValue FromRgb(std::uint32_t rgb); // 0xRRGGBB
    static ColourValue System(SystemColour colour) {
        return {0x80000000u | static_cast<std::uint32_t>(colour)};
    }
    bool isSystem() const { return code >> 24 == 0x80; }
    SystemColour system() const { return static_cast<SystemColour>(code & 0xFF); }
    std::uint32_t rgb() const; // 0xRRGGBB of a fixed colour
    bool operator==(const ColourValue& o) const { return code == o.code; }
    bool operator!=(const ColourValue& o) const { return code != o.code; }
};

// Nothing for text that is no colour: an unknown name, a number out of range,
// or a number that names neither a fixed nor a known system colour. Names
// ignore letter case ("clBtnface"); blanks around the text are ignored.
std::optional<ColourValue> ParseColour(std::string_view text);

// The colour's name when it has one, else "$00BBGGRR".
std::string FormatColour(ColourValue colour);

} // namespace qw

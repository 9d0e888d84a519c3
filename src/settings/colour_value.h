#pragma once
// Colour values as Quirewell.ini stores them: "$00BBGGRR" (blue, green, red
// in hexadecimal) or a colour name such as "clNavy" or "clBtnFace".

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qw {

// The desktop colours a name may stand for; the toolkit supplies their values.
enum class SystemColour {
    None,
    ButtonFace,
    Window,
    WindowText,
    ButtonText,
    Highlight,
    HighlightText,
    InfoBackground,
    InfoText,
    GrayText
};

struct ColourValue {
    SystemColour system = SystemColour::None;
    std::uint32_t rgb = 0; // 0xRRGGBB when not a system colour
    bool operator==(const ColourValue& o) const { return system == o.system && rgb == o.rgb; }
};

// Nothing for text that is neither a known name nor a "$" hexadecimal value.
// Names ignore letter case ("clBtnface").
std::optional<ColourValue> ParseColour(std::string_view text);

// "$00BBGGRR" for an RGB value.
std::string FormatColour(std::uint32_t rgb);

} // namespace qw

#include "settings/ui/scheme_colour.h"

#include "settings/colour_value.h"

namespace qw {

QColor SchemeColour(const std::string& text, const QColor& fallback, const QPalette& palette) {
    const std::optional<ColourValue> value = ParseColour(text);
    if (!value)
        return fallback;
    switch (value->system) {
    case SystemColour::None:
        return QColor::fromRgb(value->rgb);
    case SystemColour::ButtonFace:
        return palette.color(QPalette::Button);
    case SystemColour::Window:
        return palette.color(QPalette::Base);
    case SystemColour::WindowText:
        return palette.color(QPalette::Text);
    case SystemColour::ButtonText:
        return palette.color(QPalette::ButtonText);
    case SystemColour::Highlight:
        return palette.color(QPalette::Highlight);
    case SystemColour::HighlightText:
        return palette.color(QPalette::HighlightedText);
    case SystemColour::InfoBackground:
        return palette.color(QPalette::ToolTipBase);
    case SystemColour::InfoText:
        return palette.color(QPalette::ToolTipText);
    case SystemColour::GrayText:
        return palette.color(QPalette::Disabled, QPalette::Text);
    }
    return fallback;
}

} // namespace qw

#include "settings/ui/colour_scheme_ui.h"

#include <QApplication>
#include <QWidget>

namespace qw {

namespace {

constexpr const char* kRoleProperty = "qwColourRole";

QPalette::ColorRole PaletteRoleOf(SystemColour colour) {
    switch (colour) {
    case SystemColour::ButtonFace:
    case SystemColour::ScrollBar:
    case SystemColour::ActiveBorder:
    case SystemColour::InactiveBorder:
    case SystemColour::Menu:
        return QPalette::Button;
    case SystemColour::Window:
    case SystemColour::Background:
        return QPalette::Base;
    case SystemColour::WindowText:
    case SystemColour::MenuText:
        return QPalette::Text;
    case SystemColour::ButtonText:
    case SystemColour::InactiveCaptionText:
        return QPalette::ButtonText;
    case SystemColour::Highlight:
    case SystemColour::ActiveCaption:
        return QPalette::Highlight;
    case SystemColour::HighlightText:
    case SystemColour::CaptionText:
        return QPalette::HighlightedText;
    case SystemColour::InfoBackground:
        return QPalette::ToolTipBase;
    case SystemColour::InfoText:
        return QPalette::ToolTipText;
    case SystemColour::InactiveCaption:
    case SystemColour::AppWorkSpace:
        return QPalette::Mid;
    case SystemColour::ButtonShadow:
        return QPalette::Dark;
    case SystemColour::WindowFrame:
    case SystemColour::DarkShadow3D:
        return QPalette::Shadow;
    case SystemColour::ButtonHighlight:
        return QPalette::Light;
    case SystemColour::Light3D:
        return QPalette::Midlight;
    case SystemColour::GrayText:
        break;
    }
    return QPalette::NoRole;
}

ColourSet& Current() {
    static ColourSet colours = DefaultColours();
    return colours;
}

void SetPair(QWidget& widget, const QColor& text, const QColor& background,
             std::initializer_list<QPalette::ColorRole> textRoles,
             std::initializer_list<QPalette::ColorRole> backgroundRoles) {
    QPalette palette = widget.palette();
    for (QPalette::ColorRole role : textRoles)
        palette.setColor(role, text);
    for (QPalette::ColorRole role : backgroundRoles)
        if (background.isValid())
            palette.setColor(role, background);
    widget.setPalette(palette);
}

void Paint(QWidget& widget, ColourRole role, const ColourSet& colours) {
    auto colour = [&](SchemeColour which) { return SchemeColourOf(colours, which); };
    switch (role) {
    case ColourRole::None:
        return;
    case ColourRole::Window:
        SetPair(widget, colour(SchemeColour::ButtonText), colour(SchemeColour::WindowBackground),
                {QPalette::WindowText, QPalette::ButtonText}, {QPalette::Window});
        return;
    case ColourRole::Menu:
        widget.setAutoFillBackground(true);
        SetPair(widget, colour(SchemeColour::MenuText), colour(SchemeColour::MenuBackground),
                {QPalette::WindowText, QPalette::ButtonText}, {QPalette::Window, QPalette::Button});
        return;
    case ColourRole::MenuTitle:
        SetPair(widget, colour(SchemeColour::MenuText), QColor(), {QPalette::WindowText}, {});
        return;
    case ColourRole::List:
        SetPair(widget, colour(SchemeColour::ListText), colour(SchemeColour::ListBackground),
                {QPalette::Text}, {QPalette::Base});
        return;
    case ColourRole::BookText:
        SetPair(widget, colour(SchemeColour::Text), colour(SchemeColour::Background),
                {QPalette::Text, QPalette::WindowText}, {QPalette::Base, QPalette::Window});
        return;
    }
}

ColourRole RoleOf(const QWidget& widget) {
    const QVariant role = widget.property(kRoleProperty);
    return role.isValid() ? static_cast<ColourRole>(role.toInt()) : ColourRole::None;
}

} // namespace

void SetColourRole(QWidget& widget, ColourRole role) {
    widget.setProperty(kRoleProperty, static_cast<int>(role));
}

QColor ToQColor(ColourValue colour, const QPalette& system) {
    if (!colour.isSystem())
        return QColor::fromRgb(colour.rgb());
    if (colour.system() == SystemColour::GrayText)
        return system.color(QPalette::Disabled, QPalette::Text);
    return system.color(PaletteRoleOf(colour.system()));
}

QColor SchemeColourOf(const ColourSet& colours, SchemeColour which) {
    return ToQColor(At(colours, which), QApplication::palette());
}

const ColourSet& CurrentColours() {
    return Current();
}

void SetCurrentColours(const ColourSet& colours) {
    Current() = colours;
}

void ApplyColourScheme(QWidget& window, const ColourSet& colours) {
    // Parents first, so a marked control's own colours win over inherited ones.
    Paint(window, RoleOf(window), colours);
    for (QWidget* child : window.findChildren<QWidget*>())
        Paint(*child, RoleOf(*child), colours);
}

void ApplyColourScheme(QWidget& window) {
    ApplyColourScheme(window, CurrentColours());
}

} // namespace qw

#include "controls/panel_button.h"

namespace qw {

Bevels ChooseBevels(TRaiseStyle style, const PanelButtonState& state) {
    if (style == TRaiseStyle::rsNone)
        return {};
    if (LooksPressed(state))
        return {Bevel::None, Bevel::Lowered};
    if (state.inside || state.focused)
        return {Bevel::None, Bevel::Raised};
    switch (style) {
    case TRaiseStyle::rsGroove:
        return {Bevel::Raised, Bevel::Lowered};
    case TRaiseStyle::rsWall:
        return {Bevel::Lowered, Bevel::Raised};
    case TRaiseStyle::rsNone:
    case TRaiseStyle::rsFlat:
        break;
    }
    return {};
}

FaceFill ChooseFaceFill(bool showRect, const PanelButtonState& state) {
    if (!showRect)
        return FaceFill::ButtonColour;
    if (LooksPressed(state))
        return FaceFill::DownColor;
    return state.inside ? FaceFill::HLColor : FaceFill::ButtonColour;
}

CaptionColour ChooseCaptionColour(bool showRect, const PanelButtonState& state) {
    if (!showRect)
        return CaptionColour::Font;
    if (LooksPressed(state))
        return CaptionColour::DownTextColor;
    return state.inside || state.focused ? CaptionColour::HLTextColor : CaptionColour::Font;
}

bool ShowsHighlightFrame(bool showFrame, const PanelButtonState& state) {
    return showFrame && (state.inside || state.focused);
}

int CaptionShift(TRaiseStyle style, const PanelButtonState& state) {
    return style != TRaiseStyle::rsNone && LooksPressed(state) ? 1 : 0;
}

int HintDisplayMs(std::string_view utf8Text) {
    int characters = 0;
    for (const char c : utf8Text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) // not a continuation byte
            ++characters;
    return 500 + 40 * characters;
}

} // namespace qw

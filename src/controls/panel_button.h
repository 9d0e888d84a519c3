#pragma once
// The drawing rules of the flat panel button: which bevels it shows, how its
// face is filled and which colour its caption takes, for each state. The Qt
// control asks these and paints; tests check them without a window.

#include <string_view>

namespace qw {

// How a button raises: never, only under the mouse, or with an idle groove or
// wall. The order is the stored order (0 to 3).
enum class TRaiseStyle { rsNone, rsFlat, rsGroove, rsWall };

enum class Bevel { None, Raised, Lowered };

struct Bevels {
    Bevel inner = Bevel::None;
    Bevel outer = Bevel::None;
    bool operator==(const Bevels& other) const {
        return inner == other.inner && outer == other.outer;
    }
};

struct PanelButtonState {
    bool inside = false;  // the mouse is over the button
    bool pressed = false; // a mouse button or Space is held on it
    bool focused = false;
    bool down = false; // the Down property: drawn pressed for good
};

// Pressed by the mouse or the keyboard, or kept down.
inline bool LooksPressed(const PanelButtonState& s) {
    return s.pressed || s.down;
}

Bevels ChooseBevels(TRaiseStyle style, const PanelButtonState& state);

enum class FaceFill { ButtonColour, HLColor, DownColor };
FaceFill ChooseFaceFill(bool showRect, const PanelButtonState& state);

enum class CaptionColour { Font, HLTextColor, DownTextColor };
CaptionColour ChooseCaptionColour(bool showRect, const PanelButtonState& state);

// The highlight frame shows while the mouse is over the button or it has the focus.
bool ShowsHighlightFrame(bool showFrame, const PanelButtonState& state);

// How far the caption moves down and right: one pixel while drawn pressed,
// never for a button that does not raise.
int CaptionShift(TRaiseStyle style, const PanelButtonState& state);

// How long a hint stays up: half a second and 40 ms for each character
// (UTF-8 code point) of its text, so a long hint can be read to the end.
int HintDisplayMs(std::string_view utf8Text);

} // namespace qw

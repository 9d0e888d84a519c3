#pragma once
// The editor's tool bar: four bands (font, actions, find, replace) in an
// order the user chooses, each starting a new row or not, shown or hidden.
// "Layout" in section "Editor" keeps them as 8 characters per band: the
// band's letter ("F", "A", "S", "R"), "B" when it starts a row else "-", "V"
// when it is visible else "-", and its width as five digits.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qw {

enum class EditorBandKind { Font, Actions, Find, Replace };

struct EditorBand {
    EditorBandKind kind = EditorBandKind::Font;
    bool breakBefore = true; // starts a new row
    bool visible = true;
    int width = 0; // pixels, as last shown
    bool operator==(const EditorBand& o) const {
        return kind == o.kind && breakBefore == o.breakBefore && visible == o.visible &&
               width == o.width;
    }
};

using EditorBands = std::vector<EditorBand>;

extern const char* const kEditorLayoutError; // "Error saving editor layout"

// Font and actions on the first row, find and replace on the second.
EditorBands DefaultEditorLayout();

// The stored layout (the default when it holds no band); pieces that are not 8 well-formed
// characters, unknown letters and repeated bands are passed over, and a band the text lacks comes
// after the others on a row of its own. Widths are kept in 0..99999.
EditorBands ParseEditorLayout(std::string_view text);

// The layout text; nothing when a band's letter cannot be determined (the
// window then says kEditorLayoutError).
std::optional<std::string> FormatEditorLayout(const EditorBands& bands);

// The context menu "BarPopup": hiding a band gives the band after it a row
// break; showing a band gives it one. False when the band is not in the list.
bool SetBandVisible(EditorBands& bands, EditorBandKind kind, bool visible);

// The band's item in the context menu: "Font", "Actions", "Find", "Replace".
const char* EditorBandCaption(EditorBandKind kind);

} // namespace qw

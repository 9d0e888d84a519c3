#pragma once
// The one place that paints a window in the colours of the current scheme.
// A window marks its controls with the role they play (menu-like panel, list,
// ...) once, and calls ApplyColourScheme each time it is shown; the reader's
// own window calls it again whenever a colour or the scheme changes.
//
//   SetColourRole(*resultList, ColourRole::List);
//   void showEvent(QShowEvent*) override { ApplyColourScheme(*this); }

#include "settings/colour_scheme.h"

#include <QColor>
#include <QPalette>

class QWidget;

namespace qw {

enum class ColourRole {
    None,
    Window,    // a window: its background and the text of its buttons and labels
    Menu,      // a menu-like panel: menu text on menu background
    MenuTitle, // a title on such a panel: menu text
    List,      // lists, trees, text boxes: list text on list background
    BookText,  // shows book text: book text on book background
};

void SetColourRole(QWidget& widget, ColourRole role);

// A colour of the scheme; system colours come from the palette.
QColor ToQColor(ColourValue colour, const QPalette& system);
QColor SchemeColourOf(const ColourSet& colours, SchemeColour which);

// The colours of this run, set at start-up, by the colour buttons and by
// choosing a scheme.
const ColourSet& CurrentColours();
void SetCurrentColours(const ColourSet& colours);

// Paints the window (when it has a role) and every marked control in it.
void ApplyColourScheme(QWidget& window, const ColourSet& colours);
void ApplyColourScheme(QWidget& window);

} // namespace qw

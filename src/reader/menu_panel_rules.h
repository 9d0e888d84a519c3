#pragma once
// The rules of the panels that float over the book (menu, help, recent
// files, a floating contents panel): the menu's command column and when its
// entries are enabled, when the "Menu" and "Help" buttons open or close a
// panel, what closing the panels does, where a menu opened by a right click
// goes, and when the clock shows.

#include "reader/commands.h"

#include <vector>

namespace qw {

// One entry of the menu's command column.
struct MenuCommand {
    Command command;
    const char* name;    // object name of its button
    const char* caption; // two leading blanks, "&" before the access letter
    const char* hint;
    bool needsBook; // enabled only while a book is open
};
const std::vector<MenuCommand>& MenuCommands();
// The contents entry: "  S&how TOC", or "  &Hide TOC" while the panel shows.
const char* TocCommandCaption(bool tocShown);
// "Fit lines now": a book is open and "Automatically fit lines" is off.
bool FitNowEnabled(bool bookOpen, bool automaticallyFit);

// The clock shows only below the pages, beside the progress bar.
bool ShowClockEnabled(bool showProgressBar, bool progressBarBelow);
bool ClockVisible(bool showProgressBar, bool progressBarBelow, bool showClock);

enum class PanelTrigger { MouseEnter, Click };
enum class PanelAction { Nothing, Show, Close };
// The "Menu" and "Help" buttons. By default the mouse moving onto a button
// opens its panel; with click-only control ("Disable control by mouse
// movement") a click opens or closes it. A click without click-only (the
// access letter) opens a hidden panel.
PanelAction PanelButtonAction(PanelTrigger trigger, bool clickOnly, bool panelVisible);

struct ClosePanelsInput {
    bool fromMouseMove = false;     // the mouse moved over the book
    bool clickOnly = false;         // "Disable control by mouse movement"
    bool fromContentsPanel = false; // the movement is over the contents panel
    bool fromRecentEntry = false;   // the menu's "Recent/Fav." entry closes the menu
    bool tocVisible = false;
    bool tocDockedLeft = false;
    bool menuVisible = false;
    bool helpVisible = false;
    bool openedByCommand = false; // a menu command ran while the menu was open
    bool bookOpen = false;
    bool fitLeavingMenu = true;   // "Fit when leaving menu after changes"
    bool automaticallyFit = true; // "Automatically fit lines"
    bool fittingSettingsChanged = false;
};

struct ClosePanelsSteps {
    bool hideToc = false;
    bool hideHelp = false;
    bool hideRecent = false;
    bool hideMenu = false;
    bool fitLines = false;
    bool clearCommandFlag = false;
};

// MenuHilfeAus: closes the panels. Movement over the book does nothing with
// click-only control. The lines are fitted when the menu is left after
// fitting settings changed without automatic fitting, unless a command ran
// from the menu.
ClosePanelsSteps DecideClosePanels(const ClosePanelsInput& in);

struct PanelPlace {
    int x = 0;
    int y = 0;
};
// The menu opened by a right click: centred on the mouse (10 pixels to its
// right), its centre 23 pixels above it, kept below the button bar and inside
// the client area.
PanelPlace PlaceMenuAtMouse(int mouseX, int mouseY, int width, int height, int clientWidth,
                            int clientHeight, int barBottom);

} // namespace qw

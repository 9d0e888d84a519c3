#include "reader/menu_panel_rules.h"

#include <algorithm>

namespace qw {

const std::vector<MenuCommand>& MenuCommands() {
    using C = Command;
    static const std::vector<MenuCommand> commands = {
        {C::Open, "Laden", "  &Open",
         "Open files (Ctrl+O; Ctrl+Shift+O opens the current file in the program associated with "
         "it)",
         false},
        {C::Append, "Append", "  &Append", "Append files (Ctrl+A)", false},
        {C::SaveAs, "Speichern", "  &Save as...", "Save the text (Ctrl+S)", true},
        {C::Close, "Schliessen", "  Close", "Close the file (Ctrl+W)", true},
        {C::Copy, "Copy", "  &Copy", "Copy the selection (Ctrl+C)", true},
        {C::Find, "Find", "  &Find", "Find in the current file (Ctrl+F)", true},
        {C::FindInFiles, "FindInFiles", "  Find in files", "Find in files (Ctrl+Shift+F)", false},
        {C::ShowRecent, "MRecent", "  &Recent/Fav.",
         "Recent files and favorites (Ctrl+R; Ctrl+Shift+R opens the most recent)", false},
        {C::ToggleContents, "ShowTOC", "  S&how TOC", "Table of contents (Ctrl+T)", false},
        {C::Edit, "Editor", "  &Editor", "Edit the text in the internal editor (Ctrl+E)", false},
        {C::OpenCatalogue, "PGBrowser", "  P&G Browser",
         "Browse and download Project Gutenberg files (Ctrl+G)", false},
        {C::PrintText, "Print", "  &Print text", "Print the selection or the two pages (Ctrl+P)",
         true},
        {C::Exit, "Beenden", "  E&xit", "Well ... tired of reading? (Ctrl+X)", false},
    };
    return commands;
}

const char* TocCommandCaption(bool tocShown) {
    return tocShown ? "  &Hide TOC" : "  S&how TOC";
}

bool FitNowEnabled(bool bookOpen, bool automaticallyFit) {
    return bookOpen && !automaticallyFit;
}

bool ShowClockEnabled(bool showProgressBar, bool progressBarBelow) {
    return showProgressBar && progressBarBelow;
}

bool ClockVisible(bool showProgressBar, bool progressBarBelow, bool showClock) {
    return ShowClockEnabled(showProgressBar, progressBarBelow) && showClock;
}

PanelAction PanelButtonAction(PanelTrigger trigger, bool clickOnly, bool panelVisible) {
    if (trigger == PanelTrigger::MouseEnter)
        return !clickOnly && !panelVisible ? PanelAction::Show : PanelAction::Nothing;
    if (panelVisible)
        return clickOnly ? PanelAction::Close : PanelAction::Nothing;
    return PanelAction::Show;
}

ClosePanelsSteps DecideClosePanels(const ClosePanelsInput& in) {
    ClosePanelsSteps steps;
    if (in.clickOnly && in.fromMouseMove)
        return steps;
    steps.hideToc = in.tocVisible && !in.tocDockedLeft && !in.menuVisible && !in.helpVisible &&
                    !in.fromContentsPanel;
    steps.hideHelp = true;
    steps.hideRecent = !in.fromRecentEntry;
    steps.hideMenu = in.menuVisible;
    // Only leaving the menu fits: a mere movement over the book after a font
    // key must not undo "Automatically fit lines" being off.
    steps.fitLines = in.menuVisible && !in.openedByCommand && in.bookOpen && in.fitLeavingMenu &&
                     !in.automaticallyFit && in.fittingSettingsChanged;
    steps.clearCommandFlag = true;
    return steps;
}

PanelPlace PlaceMenuAtMouse(int mouseX, int mouseY, int width, int height, int clientWidth,
                            int clientHeight, int barBottom) {
    PanelPlace place;
    place.x = std::max(0, std::min(mouseX + 10 - width / 2, clientWidth - width));
    place.y = std::max(barBottom, std::min(mouseY - 23 - height / 2, clientHeight - height));
    return place;
}

} // namespace qw

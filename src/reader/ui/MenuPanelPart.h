#pragma once
// The reader window's menu part: the "Menu" button on the button bar and the
// menu panel that floats over the book, with the command column and the
// options pages (General, Colors, Margins, Control, Import, INI file, File
// specific with TOC, Book info, Annotation), kept showing the current states.
// It opens the panel by mouse movement or by click, at the mouse after a
// right click, and closes the panels (MenuHilfeAus). A check box is stored
// here; what an option does to the pages and the book is the window's, which
// hears of it through the signals.

#include "reader/commands.h"
#include "reader/menu_panel_rules.h"
#include "reader/ui/ReaderContext.h"
#include "settings/page_margins.h"
#include "settings/ui/option_pages.h"

#include <QObject>
#include <QPoint>

#include <functional>
#include <map>
#include <string>

class QBoxLayout;

namespace qw {

class CheckOptionsPage;
class ColorsPage;
class ContentsPart;
class FileSpecificPage;
class IniFileListPage;
class MarginsPage;
class MenuPanel;
class RecentPart;
class RecordsPart;
class TPanelButton;

// The node numbers of the options tree.
enum OptionsNode {
    kGeneralNode = 0,
    kColorsNode = 1, // under "General"
    kMarginsNode = 2,
    kControlNode = 3,
    kImportNode = 4,
    kIniFileNode = 5,
    kFileSpecificNode = 6,
    kTocNode = 7, // under "File specific"
    kBookInfoNode = 8,
    kAnnotationNode = 9,
};

class MenuPanelPart : public QObject {
    Q_OBJECT
  public:
    MenuPanelPart(ReaderContext& context, QBoxLayout& buttonRow, RecordsPart& records,
                  ContentsPart& contents, RecentPart& recent);

    // States the options show that are the window's, not stored options.
    std::function<bool()> fullScreen = [] { return false; };
    std::function<bool()> antialiasing = [] { return true; };
    // Whether the fitting settings differ from those of the last fitting.
    std::function<bool()> fittingSettingsChanged = [] { return false; };
    // The help panel, which the menu excludes.
    std::function<bool()> helpVisible = [] { return false; };
    std::function<void()> hideHelp = [] {};

    MenuPanel* panel() const { return panel_; }
    TPanelButton* menuButton() const { return MenuButton; }
    CheckOptionsPage* generalPage() const { return general_; }
    CheckOptionsPage* controlPage() const { return control_; }
    ColorsPage* colorsPage() const { return colors_; }
    bool isOpen() const;
    void menuKeyState(KeyState& s, const QWidget* focus) const;

    // ShowMenu: opened by the "Menu" button (its width from "Large Menu"),
    // or at the mouse after a right click on the book.
    void ShowMenu(bool byMenuButton);
    void showAtMouse(const QPoint& globalPosition);
    // Shows the menu with the options at a page (-1: the page shown last).
    void showOptions(int page = -1);
    // ShowOptionsPage of the node selected in the tree (Enter on the tree).
    void showSelectedPage();
    // MenuHilfeAus: closes the panels; fromMouseMove for a movement over the
    // book, fromContentsPanel for one over the contents panel.
    void MenuHilfeAus(bool fromMouseMove, bool fromContentsPanel = false,
                      bool fromRecentEntry = false);
    // Enables the commands that need a book and shows the current states.
    void UpdateMenuButtons();
    // Shows the current states on the pages; presetMargins also resets the
    // margin edits to the stored margins.
    void sync(bool presetMargins = false);
    // The INI file list, after a change of how names are shown.
    void refreshIniList();

  signals:
    // A command of the column was chosen (the panels are closed already).
    void commandChosen(qw::Command command);
    // A check box of the General or Control page was clicked (and stored).
    void generalOptionChanged(GeneralOption option, bool checked);
    void controlOptionChanged(ControlOption option, bool checked);
    void fitNowClicked();
    void fitLinesOnLeaving();
    void applyMarginsToggled(bool apply);
    void changeMarginsRequested(const PageMargins& margins);
    void fontChosen(const std::string& name);
    void sizeChosen(int size);
    void tabWidthApplied(int width);
    void lineBreakOptionsChanged(bool remove, bool punctuation, bool indentation);
    // A colour or the colour scheme changed: the window repaints.
    void coloursChanged();
    void encodingChosen(const std::string& name);

  private:
    void build(QBoxLayout& buttonRow);
    void buildCommands();
    void buildPages();
    void menuButtonEvent(PanelTrigger trigger);
    void placeBelowMenuButton();
    void fitHeight();
    void commandClicked(Command command);
    void checkOptionClicked(CheckOptionsPage* page, int option, bool checked);

    ReaderContext& context_;
    RecordsPart& records_;
    ContentsPart& contents_;
    RecentPart& recent_;
    bool openedByCommand_ = false;
    TPanelButton* MenuButton = nullptr;
    MenuPanel* panel_ = nullptr;
    std::map<Command, TPanelButton*> commands_;
    CheckOptionsPage* general_ = nullptr;
    CheckOptionsPage* control_ = nullptr;
    CheckOptionsPage* import_ = nullptr;
    TPanelButton* Anpassen = nullptr; // "Fit lines now"
    MarginsPage* margins_ = nullptr;
    ColorsPage* colors_ = nullptr;
    FileSpecificPage* fileSpecific_ = nullptr;
    IniFileListPage* iniList_ = nullptr;
};

} // namespace qw

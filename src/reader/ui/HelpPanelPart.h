#pragma once
// The reader window's help part: the "Help" button on the button bar (F1)
// and the help panel over the book (ShowHelp). "Open Help.txt" opens the
// guide as a book.

#include "reader/commands.h"
#include "reader/ui/ReaderContext.h"

#include <QObject>
#include <QPoint>

#include <functional>
#include <string>

class QBoxLayout;

namespace qw {

class HelpPanel;
class TPanelButton;

class HelpPanelPart : public QObject {
    Q_OBJECT
  public:
    HelpPanelPart(ReaderContext& context, QBoxLayout& buttonRow);

    // The other panels, which the help panel excludes, and the way the
    // window closes them all and opens a file.
    std::function<void()> hideMenu = [] {};
    std::function<void()> hideRecent = [] {};
    std::function<void()> hideFloatingToc = [] {};
    std::function<void()> closeAllPanels = [] {};
    std::function<void()> openHelpText = [] {}; // opens Help.txt as a book
    // Where the panel's top left corner goes: below the "Menu" button, so
    // the mouse reaches it from the "Help" button without crossing the book.
    std::function<QPoint()> panelCorner = [] { return QPoint(); };

    HelpPanel* panel() const { return panel_; }
    TPanelButton* helpButton() const { return MBHelp; }
    bool isOpen() const;
    void helpKeyState(KeyState& s, const QWidget* focus) const;

    void ShowHelp();
    void hidePanel();
    // F1: shows or hides the help.
    void toggle();
    // Enter on the tree: the selected node's page.
    void showSelectedPage();
    // "Open Help.txt": the guide from the program's folder, as a book.
    void openHelpFile();

  private:
    void buttonEvent(bool click);

    ReaderContext& context_;
    HelpPanel* panel_;
    TPanelButton* MBHelp;
};

} // namespace qw

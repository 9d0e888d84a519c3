#pragma once
// The reader window's options part: the options window with its pages
// (General, Margins, Control, Import, INI file, File specific with TOC, Book
// info, Annotation), made when first shown, kept showing the current states.
// A check box is stored here; what an option does to the pages and the book
// is the window's, which hears of it through the signals.

#include "controls/ui/TPanelButton.h"
#include "reader/ui/ReaderContext.h"
#include "settings/page_margins.h"
#include "settings/ui/option_pages.h"

#include <QObject>

#include <functional>
#include <string>

namespace qw {

class CheckOptionsPage;
class ColorsPage;
class ContentsPart;
class FileSpecificPage;
class IniFileListPage;
class MarginsPage;
class OptionsWindow;
class RecordsPart;

class OptionsPart : public QObject {
    Q_OBJECT
  public:
    OptionsPart(ReaderContext& context, RecordsPart& records, ContentsPart& contents);

    // States the options show that are the window's, not stored options.
    std::function<bool()> fullScreen = [] { return false; };
    std::function<bool()> antialiasing = [] { return true; };

    // Opens the options window at a page (-1: the page shown last).
    void show(int page = -1);
    OptionsWindow* window() const { return options_; }
    ColorsPage* colorsPage() const { return colors_; }
    // Shows the current states on the pages; presetMargins also resets the
    // margin edits to the stored margins.
    void sync(bool presetMargins = false);
    // The INI file list, after a change of how names are shown.
    void refreshIniList();

  signals:
    // A check box of the General or Control page was clicked (and stored).
    void generalOptionChanged(GeneralOption option, bool checked);
    void controlOptionChanged(ControlOption option, bool checked);
    void fitNowClicked();
    void applyMarginsToggled(bool apply);
    void changeMarginsRequested(const PageMargins& margins);
    void fontChosen(const std::string& name);
    void sizeChosen(int size);
    void tabWidthApplied(int width);
    void lineBreakOptionsChanged(bool remove, bool punctuation, bool indentation);
    // A colour or the colour scheme changed: the window repaints.
    void coloursChanged();
    void encodingChosen(const std::string& name);
    // The options window was left (closed or deactivated).
    void left();

  private:
    void build();
    void checkOptionClicked(CheckOptionsPage* page, int option, bool checked);

    ReaderContext& context_;
    RecordsPart& records_;
    ContentsPart& contents_;
    OptionsWindow* options_ = nullptr;
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

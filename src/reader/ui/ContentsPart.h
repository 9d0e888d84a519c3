#pragma once
// The reader window's contents part: the sections detected in the fitted
// text, the contents panel with its list and preview, jumping to a section,
// previous and next section, the "TOC", "|<" and ">|" buttons, and the panel's
// docking as the book record keeps it. The window's geometry while the panel
// docks stays with the window, which hears of it through dockedShownChanged.

#include "controls/ui/TPanelButton.h"
#include "reader/commands.h"
#include "reader/sections.h"
#include "reader/ui/ReaderContext.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QBoxLayout;
class QTimer;

namespace qw {

class ContentsPanel;
class RecordsPart;
class TocCriteriaGroup;

class ContentsPart : public QObject {
    Q_OBJECT
  public:
    // The buttons go into `buttonRow`; a running scan holds `resizeTimer`
    // until it is over.
    ContentsPart(ReaderContext& context, QBoxLayout& buttonRow, RecordsPart& records,
                 QTimer& resizeTimer);

    // Display line n of the current fitting (empty when there is none).
    std::function<std::string(int)> lineText = [](int) { return std::string(); };

    ContentsPanel* panel() const { return Contents; }
    const SectionMap& sections() const { return sections_; }
    // How often a running scan lets events through (and so sees Space), in ms.
    void setPollInterval(int ms) { tocPollMs_ = ms; }
    void attachTocCriteria(TocCriteriaGroup* group);

    // Fitting: the sections of a new book start empty; after every fitting
    // or pagination the sections are detected again when that is wanted.
    void clearSections();
    bool createToc();
    void clearToc();
    bool tocWanted() const;
    void tocAfterRepagination();
    // The panel's docking as the record read for a new book says; true when
    // the panel was shown or hidden for it.
    bool syncContentsDocking();

    bool tocShown() const;
    void tocKeyState(KeyState& s, const QWidget* focus) const;

  public slots:
    void ShowToc(bool show);
    void ToggleToc();
    // Open and Append put a floating panel away; a docked one stays. True
    // when a panel was hidden.
    bool hideFloatingToc();
    void CreateTOCClick();
    void PreviousSection();
    void NextSection();
    // A click on a row (its page pair) and Enter (the section's own page).
    void JumpToSection(int row);
    void JumpToSelectedSection();
    // The criteria changed: stored, and detected again unless only the
    // header text changed.
    void TocCriteriaChanged(bool headerTextOnly);

  signals:
    void captionNeeded();
    // The panel became docked and shown, or stopped being so: the window
    // makes room for it or gives the room back.
    void dockedShownChanged(bool docked);

  private:
    Book& book() const { return context_.book; }
    PageArea& pages() const { return context_.pages; }
    Configuration& config() const { return context_.config; }

    void runCreateToc(bool redraw);
    void PreviewSection(int row);
    void syncContentsSelection(int leftPage);
    void showTocPanel(bool show);
    void storeTocSettings();
    std::vector<int> contentsPages() const;
    // After a jump from the floating panel: the panel moves off the page
    // that shows the section, or hides when it cannot.
    void keepPageInSight(int page);

    ReaderContext& context_;
    RecordsPart& records_;
    QTimer& resizeTimer_;
    ContentsPanel* Contents = nullptr;
    TPanelButton* MBTOC = nullptr;
    TPanelButton* MBPrevious = nullptr;
    TPanelButton* MBNext = nullptr;
    SectionMap sections_;
    std::vector<SectionRow> contentsRows_; // what the list shows
    int previewedRow_ = -1;
    int tocPollMs_ = 20;
    QPointer<TocCriteriaGroup> tocCriteria_;
    bool tocScanning_ = false;
};

} // namespace qw

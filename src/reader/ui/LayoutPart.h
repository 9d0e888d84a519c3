#pragma once
// The reader window's layout part: the page font and the wrap engine of the
// last fitting, fitting and re-pagination after a change of size, font,
// margins or style (the resize timer runs the expensive part once the size
// has settled), full screen, the room the docked contents panel takes, and
// what the layout options do once stored. It is the fitting's host.

#include "reader/fit_lines.h"
#include "reader/para_wrap.h"
#include "reader/ui/PageArea.h"
#include "reader/ui/ReaderContext.h"
#include "reader/window_layout.h"
#include "settings/config_load.h"
#include "settings/ui/option_pages.h"

#include <QObject>
#include <QRect>
#include <QSize>
#include <QTimer>

#include <optional>
#include <string>

namespace qw {

class ContentsPart;
class RecordsPart;

class LayoutPart : public QObject, private FitHost {
    Q_OBJECT
  public:
    LayoutPart(ReaderContext& context, RecordsPart& records);
    // The contents part, made after this one (it holds the resize timer
    // during a scan).
    void setContents(ContentsPart& contents) { contents_ = &contents; }
    QTimer& resizeTimer() { return resizeTimer_; }

    // Display line n of the current fitting.
    std::optional<std::string> displayLine(int n) const;
    // The wrap engine the display lines are made with.
    const ParaWrap& wrap() const { return wrap_; }

    void applyPageFont();
    // The wrap engine set to the pages' width, font and tab stops; only a
    // fitting changes it.
    void prepareWrap();
    void fitLines();
    void repaginate();
    void recomputeLinesPerPage();
    bool needsRefit() const;
    // The page area changed its size: the page work runs once it settles.
    void pagesResized();
    // Runs a relayout that waits for the window size to settle now.
    void flushPendingRelayout();
    // Lays the pages out again for the options and does the page work at once.
    void relayoutByCode(const std::string& reason);
    PageAreaOptions layoutOptions() const;
    CloseBounds closeBounds() const;

    // Font name and size (the size steps, Ctrl+N, the options' lists).
    void changeFontSize(int size);
    void changeFont(int step);
    void changeFontName(const std::string& name);
    void changeTabWidth(int width);
    void changeLineBreakOptions(bool remove, bool punctuation, bool indentation);

    void FullScreen(bool on);
    bool isFullScreen() const { return fullScreen_; }
    bool antialiasing() const { return antialiasing_; }
    void ApplyMarginsClick(bool apply);
    void ChangeMarginsClick(const PageMargins& margins);
    // The contents panel docked and shown, or not any more: the window grows
    // to the left by the panel's width (and shrinks back), so the pages keep
    // their size.
    void keepPageAreaWhileDocking(bool docked);

    // What the stored options do to the layout.
    void generalOptionChanged(GeneralOption option, bool checked);
    void controlOptionChanged(ControlOption option, bool checked);
    void leftOptions();

  signals:
    void captionNeeded();
    // States the options window shows changed (font, full screen, margins).
    void optionStatesChanged();
    // How file names are shown changed (the INI file list follows).
    void namesShownChanged();
    // Fitting replaced WorkText (line-break removal or its undoing).
    void workTextReplaced();

  private:
    Book& book() const { return context_.book; }
    PageArea& pages() const { return context_.pages; }
    Configuration& config() const { return context_.config; }
    QWidget& window() const { return context_.window; }

    void relayoutAfterResize();
    void fontChanged();
    FitOptions fitOptions() const;
    // How far a window whose client area starts at x = left can grow to the left.
    int widenLeftWithinScreen(int left, int wanted) const;

    // FitHost
    void showProgress(const std::string& caption) override;
    void setBusy(bool busy) override;
    void clearSections() override;
    bool createToc() override;
    void clearToc() override;
    void showPages() override;
    void workTextChanged() override { emit workTextReplaced(); }
    void writeBookRecord() override;

    ReaderContext& context_;
    RecordsPart& records_;
    ContentsPart* contents_ = nullptr;
    ParaWrap wrap_;
    QTimer resizeTimer_;
    QSize workedPageSize_; // the page control's size of the last fitting or pagination
    // Full screen: the bounds before it (without a docked contents panel) and
    // whether the window was maximised.
    bool fullScreen_ = false;
    bool maximizedBeforeFullScreen_ = false;
    bool savedRectSet_ = false;
    QRect savedRect_;
    // How far the window was widened to the left for the docked contents
    // panel: its width, or less near the screen's edge.
    int tocWidening_ = 0;
    bool antialiasing_ = true; // "Font antialiasing (system setting)"; not stored
};

} // namespace qw

// The layout part's window work: "Book style", the page margins, the
// progress bar's place, the page numbers, full screen, the room for the
// docked contents panel and the bounds the window leaves in the configuration.

#include "reader/ui/LayoutPart.h"

#include "reader/book.h"
#include "reader/ui/ContentsPanel.h"
#include "reader/ui/ContentsPart.h"
#include "settings/configuration.h"
#include "settings/ui/window_bounds.h"

#include <QScreen>

#include <algorithm>

namespace qw {

PageAreaOptions LayoutPart::layoutOptions() const {
    const Settings& s = config().settings;
    PageAreaOptions options;
    options.bookStyle = s.Bool(Setting::BookStyle);
    options.progressBarShown = s.Bool(Setting::ShowProgressBar);
    options.progressBarBelow = s.Bool(Setting::ProgressBarBelowText);
    const PageMargins applied = AppliedMargins(s.Margins(), s.Bool(Setting::ApplyMargins));
    options.margins = applied;
    options.pageNumbersBelow =
        s.Bool(Setting::PageNumbersBelowText) && PageNumbersBelowAllowed(applied);
    options.fullScreen = fullScreen_;
    options.justify = s.Bool(Setting::JustifyText);
    return options;
}

void LayoutPart::relayoutByCode(const std::string& reason) {
    // A relayout the program asks for finishes at once; a load in progress
    // keeps its own reason.
    const std::string running = book().ChangeReason;
    book().ChangeReason = reason;
    pages().setOptions(layoutOptions());
    resizeTimer_.stop();
    relayoutAfterResize();
    book().ChangeReason = running;
}

void LayoutPart::ApplyMarginsClick(bool apply) {
    config().settings.SetBool(Setting::ApplyMargins, apply);
    relayoutByCode("ChangeMargins");
    emit optionStatesChanged();
}

void LayoutPart::ChangeMarginsClick(const PageMargins& margins) {
    config().settings.SetMargins(ClampMargins(margins));
    if (config().settings.Bool(Setting::ApplyMargins))
        relayoutByCode("ChangeMargins");
    else
        pages().setOptions(layoutOptions());
    emit optionStatesChanged();
}

void LayoutPart::FullScreen(bool on) {
    if (on == fullScreen_)
        return;
    const int panel = ContentsPanel::panelWidth();
    if (on) {
        maximizedBeforeFullScreen_ = window().isMaximized();
        QRect bounds = maximizedBeforeFullScreen_ ? window().normalGeometry() : window().geometry();
        bounds.setLeft(bounds.left() + tocWidening_); // the stored bounds leave the panel out
        savedRect_ = bounds;
        savedRectSet_ = true;
        fullScreen_ = true;
        pages().setOptions(layoutOptions());
        window().showFullScreen();
    } else {
        fullScreen_ = false;
        pages().setOptions(layoutOptions());
        window().showNormal();
        if (savedRectSet_) {
            QRect bounds = savedRect_;
            const bool docked = contents_->panel()->isDocked() && contents_->panel()->isVisible();
            tocWidening_ = docked ? widenLeftWithinScreen(bounds.left(), panel) : 0;
            bounds.setLeft(bounds.left() - tocWidening_);
            window().setGeometry(bounds);
        }
        if (maximizedBeforeFullScreen_)
            window().showMaximized();
        savedRectSet_ = false;
    }
    emit optionStatesChanged();
    // The window manager resizes the window when it gets round to it; the
    // page work follows the last size change.
    if (book().isOpen())
        resizeTimer_.start();
    else
        recomputeLinesPerPage();
}

void LayoutPart::keepPageAreaWhileDocking(bool docked) {
    // The window grows to the left by the panel's width (and shrinks back),
    // so the pages keep their size; in full screen or maximised it cannot.
    if (fullScreen_ || window().isMaximized() || !window().isVisible())
        return;
    QRect bounds = window().geometry();
    if (docked) {
        tocWidening_ = widenLeftWithinScreen(bounds.left(), ContentsPanel::panelWidth());
        bounds.setLeft(bounds.left() - tocWidening_);
    } else {
        bounds.setLeft(bounds.left() + tocWidening_);
        tocWidening_ = 0;
    }
    window().setGeometry(bounds);
}

int LayoutPart::widenLeftWithinScreen(int left, int wanted) const {
    // Near the screen's left edge the window grows only as far as the edge;
    // the pages then give up the rest and are fitted again.
    const QScreen* shown = window().screen();
    if (shown == nullptr)
        return wanted;
    const int frame = window().geometry().left() - window().frameGeometry().left();
    const int room = left - frame - shown->availableGeometry().left();
    return std::clamp(room, 0, wanted);
}

CloseBounds LayoutPart::closeBounds() const {
    CloseBounds bounds = CloseBoundsOf(window(), tocWidening_ > 0);
    bounds.tocWidth = tocWidening_;
    if (fullScreen_) {
        bounds.fullScreen = true;
        bounds.maximized = false;
        bounds.maximizedBeforeFullScreen = maximizedBeforeFullScreen_;
        bounds.savedRectSet = savedRectSet_;
        bounds.savedRect =
            WindowRect{savedRect_.left(), savedRect_.top(), savedRect_.left() + savedRect_.width(),
                       savedRect_.top() + savedRect_.height()};
    }
    return bounds;
}

void LayoutPart::generalOptionChanged(GeneralOption option, bool checked) {
    switch (option) {
    case GeneralOption::BookStyle:
    case GeneralOption::ShowProgressBar:
    case GeneralOption::ProgressBarBelow:
        relayoutByCode("ChangeStyle");
        break;
    case GeneralOption::FullScreen:
        FullScreen(checked);
        break;
    case GeneralOption::Antialiasing:
        antialiasing_ = checked;
        applyPageFont(); // both pages and the title page are drawn again
        // Hinting without smoothing may give other widths: fit to them.
        if (book().isOpen())
            fitLines();
        break;
    case GeneralOption::PageNumbersBelow:
        pages().setOptions(layoutOptions()); // the pages keep their place
        break;
    case GeneralOption::HideFilePaths:
    case GeneralOption::HideArchiveNames:
        emit captionNeeded();
        emit namesShownChanged();
        break;
    case GeneralOption::SkipGutenbergFrame:
        if (book().isOpen())
            fitLines(); // the text between the frame lines, or all of it
        break;
    case GeneralOption::JustifyText:
        pages().setOptions(layoutOptions()); // only the drawing changes
        break;
    case GeneralOption::HideIgnoredFiles:
    case GeneralOption::ApplyDefaultSettings:
    case GeneralOption::FindMovedBooks:
        break; // read when they are needed
    }
}

void LayoutPart::controlOptionChanged(ControlOption option, bool checked) {
    // Switched on, automatic fitting catches up with what changed meanwhile.
    if (option == ControlOption::AutomaticallyFit && checked && book().isOpen() && needsRefit())
        fitLines();
}

void LayoutPart::leftOptions() {
    // "Fit when leaving menu after changes": the fitting that automatic
    // fitting would have done while the options were open.
    const Settings& s = config().settings;
    if (book().isOpen() && s.Bool(Setting::FitLeavingMenu) && !s.Bool(Setting::AutomaticallyFit) &&
        needsRefit())
        fitLines();
}

} // namespace qw

// The reader window's own layout: "Book style", the page margins, the
// progress bar's place, the page numbers, full screen and the bounds the
// window leaves in the configuration.

#include "reader/ui/TForm1.h"

#include "reader/ui/ContentsPanel.h"
#include "settings/ui/window_bounds.h"

#include <QScreen>

#include <algorithm>

namespace qw {

PageAreaOptions TForm1::layoutOptions() const {
    const Settings& s = config_->settings;
    PageAreaOptions options;
    options.bookStyle = s.Bool(Setting::BookStyle);
    options.progressBarShown = s.Bool(Setting::ShowProgressBar);
    options.progressBarBelow = s.Bool(Setting::ProgressBarBelowText);
    const PageMargins applied = AppliedMargins(s.Margins(), s.Bool(Setting::ApplyMargins));
    options.marginLeft = applied[0];
    options.marginRight = applied[1];
    options.marginTop = applied[2];
    options.marginBottom = applied[3];
    options.pageNumbersBelow =
        s.Bool(Setting::PageNumbersBelowText) && PageNumbersBelowAllowed(applied);
    options.fullScreen = fullScreen_;
    return options;
}

void TForm1::relayoutByCode(const std::string& reason) {
    // A relayout the program asks for finishes at once; a load in progress
    // keeps its own reason.
    const std::string running = book_.ChangeReason;
    book_.ChangeReason = reason;
    pages_->setOptions(layoutOptions());
    resizeTimer_.stop();
    relayoutAfterResize();
    book_.ChangeReason = running;
}

void TForm1::ApplyMarginsClick(bool apply) {
    config_->settings.SetBool(Setting::ApplyMargins, apply);
    relayoutByCode("ChangeMargins");
    syncOptionsWindow();
}

void TForm1::ChangeMarginsClick(const PageMargins& margins) {
    config_->settings.SetMargins(ClampMargins(margins));
    if (config_->settings.Bool(Setting::ApplyMargins))
        relayoutByCode("ChangeMargins");
    else
        pages_->setOptions(layoutOptions());
    syncOptionsWindow();
}

void TForm1::FullScreen(bool on) {
    if (on == fullScreen_)
        return;
    const int panel = ContentsPanel::panelWidth();
    if (on) {
        maximizedBeforeFullScreen_ = isMaximized();
        QRect bounds = maximizedBeforeFullScreen_ ? normalGeometry() : geometry();
        bounds.setLeft(bounds.left() + tocWidening_); // the stored bounds leave the panel out
        savedRect_ = bounds;
        savedRectSet_ = true;
        fullScreen_ = true;
        pages_->setOptions(layoutOptions());
        showFullScreen();
    } else {
        fullScreen_ = false;
        pages_->setOptions(layoutOptions());
        showNormal();
        if (savedRectSet_) {
            QRect bounds = savedRect_;
            const bool docked = contents_->panel()->isDocked() && contents_->panel()->isVisible();
            tocWidening_ = docked ? widenLeftWithinScreen(bounds.left(), panel) : 0;
            bounds.setLeft(bounds.left() - tocWidening_);
            setGeometry(bounds);
        }
        if (maximizedBeforeFullScreen_)
            showMaximized();
        savedRectSet_ = false;
    }
    syncOptionsWindow();
    // The window manager resizes the window when it gets round to it; the
    // page work follows the last size change.
    if (book_.isOpen())
        resizeTimer_.start();
    else
        recomputeLinesPerPage();
}

void TForm1::keepPageAreaWhileDocking(bool docked) {
    // The window grows to the left by the panel's width (and shrinks back),
    // so the pages keep their size; in full screen or maximised it cannot.
    if (fullScreen_ || isMaximized() || !isVisible())
        return;
    QRect bounds = geometry();
    if (docked) {
        tocWidening_ = widenLeftWithinScreen(bounds.left(), ContentsPanel::panelWidth());
        bounds.setLeft(bounds.left() - tocWidening_);
    } else {
        bounds.setLeft(bounds.left() + tocWidening_);
        tocWidening_ = 0;
    }
    setGeometry(bounds);
}

int TForm1::widenLeftWithinScreen(int left, int wanted) const {
    // Near the screen's left edge the window grows only as far as the edge;
    // the pages then give up the rest and are fitted again.
    const QScreen* shown = screen();
    if (shown == nullptr)
        return wanted;
    const int frame = geometry().left() - frameGeometry().left();
    const int room = left - frame - shown->availableGeometry().left();
    return std::clamp(room, 0, wanted);
}

CloseBounds TForm1::closeBounds() const {
    CloseBounds bounds = CloseBoundsOf(*this, tocWidening_ > 0);
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

} // namespace qw

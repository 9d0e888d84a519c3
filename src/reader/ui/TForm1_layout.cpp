// The reader window's layout work: the page font and the wrap engine,
// fitting, re-pagination after a size change, and font changes.

#include "reader/ui/TForm1.h"

#include "reader/fit_lines_settings.h"
#include "reader/page_moves.h"
#include "reader/ui/PageArea.h"
#include "reader/ui/PageView.h"
#include "reader/ui/RecordsPart.h"
#include "reader/ui/qt_text_measurer.h"

#include <QApplication>

#include <algorithm>

namespace qw {

void TForm1::applyPageFont() {
    const BookSettings& s = config_->state.book;
    QFont font(QString::fromStdString(s.fontName), std::max(1, s.fontSize));
    font.setStyleStrategy(antialiasing_ ? QFont::PreferAntialias : QFont::NoAntialias);
    pages_->setPageFont(PageFont(font));
}

// The wrap engine keeps the font, width and tab stops of the last fitting
// until the next one: the fitted line counts are only true for them, so
// display lines made with another font would lose or repeat lines.
void TForm1::prepareWrap() {
    const QtTextMeasurer measurer(pages_->pageFont());
    wrap_.setBounds(pages_->pageWidth(), pages_->leftPage()->height());
    wrap_.setFont(measurer);
    wrap_.setTabStops(std::clamp(config_->state.book.tabWidth, 1, 100));
    pages_->setTabStopDistance(wrap_.tabStopDistance());
}

FitOptions TForm1::fitOptions() const {
    FitOptions options = configLoaded_
                             ? FitOptionsFromSettings(config_->state.book, config_->settings)
                             : FitOptions{};
    options.automaticToc = contents_->tocWanted();
    options.fontName = config_->state.book.fontName;
    options.fontSize = config_->state.book.fontSize;
    options.pageWidth = pages_->pageWidth();
    options.bookStyle = pages_->options().bookStyle;
    options.applyMargins = configLoaded_ && config_->settings.Bool(Setting::ApplyMargins);
    const PageAreaOptions& p = pages_->options();
    options.margins[0] = p.marginLeft;
    options.margins[1] = p.marginRight;
    options.margins[2] = p.marginTop;
    options.margins[3] = p.marginBottom;
    return options;
}

bool TForm1::needsRefit() const {
    return NeedsRefit(book_.Snapshot, pages_->pageWidth(), config_->state.book.fontName,
                      config_->state.book.fontSize, config_->state.book.removeLineBreaks);
}

void TForm1::fitLines() {
    if (!book_.isOpen())
        return;
    prepareWrap();
    FitLines(book_, fitOptions(), wrap_, *this);
    workedPageSize_ = pages_->leftPage()->size();
}

void TForm1::showPages() {
    pages_->setLines(book_.LineCount, [this](int n) { return DisplayLineText(book_, wrap_, n); });
    pages_->history().clear();
    pages_->showCurrentPages();
    UpdateCaption();
}

void TForm1::repaginate() {
    book_.Pages.repaginate(book_.LineCount);
    workedPageSize_ = pages_->leftPage()->size();
    contents_->tocAfterRepagination();
    pages_->history().clear();
    pages_->showCurrentPages();
    UpdateCaption();
    records_->writeBookRecord();
}

void TForm1::recomputeLinesPerPage() {
    book_.Pages.setLinesPerPage(pages_->computeLinesPerPage());
}

void TForm1::flushPendingRelayout() {
    if (!resizeTimer_.isActive())
        return;
    resizeTimer_.stop();
    relayoutAfterResize();
}

void TForm1::relayoutAfterResize() {
    // A size that came back to where it was (the window widening for the
    // docked contents panel passes through a narrower page area) changes
    // nothing: the contents list and the page history stay.
    if (book_.isOpen() && book_.ChangeReason.empty() &&
        pages_->leftPage()->size() == workedPageSize_ &&
        pages_->computeLinesPerPage() == book_.Pages.LinesPerPage && !needsRefit())
        return;
    recomputeLinesPerPage();
    if (!book_.isOpen())
        return;
    const bool autoFit = !configLoaded_ || config_->settings.Bool(Setting::AutomaticallyFit);
    PageWork work = DecidePageWork(book_.ChangeReason, autoFit, needsRefit());
    // Docking keeps the pages' size only when the window could grow by the
    // whole panel; otherwise the lines must be divided into pages again.
    if (work == PageWork::ShowOnly && book_.Pages.LinesPerPage != book_.Pages.countedLinesPerPage())
        work = PageWork::Repaginate;
    switch (work) {
    case PageWork::ShowOnly:
        pages_->showCurrentPages();
        UpdateCaption();
        records_->writeBookRecord();
        return;
    case PageWork::Fit:
        pages_->history().clear();
        fitLines();
        break;
    case PageWork::Repaginate:
        pages_->history().clear();
        repaginate();
        break;
    }
    records_->updateTitlePage();
}

void TForm1::changeFontSize(int size) {
    if (size == config_->state.book.fontSize || size < 1)
        return;
    config_->state.book.fontSize = size;
    fontChanged();
}

void TForm1::fontChanged() {
    applyPageFont();
    syncOptionsWindow();
    recomputeLinesPerPage();
    pages_->history().clear();
    if (!book_.isOpen()) {
        // Without a book the font is the default one, and the caption says so.
        config_->state.defaultFontName = config_->state.book.fontName;
        config_->state.defaultFontSize = config_->state.book.fontSize;
        records_->writeFontSettings();
        UpdateCaption();
        return;
    }
    records_->updateTitlePage();
    if (!configLoaded_ || config_->settings.Bool(Setting::AutomaticallyFit)) {
        fitLines();
    } else {
        repaginate();
        records_->writeFontSettings();
    }
}

void TForm1::changeFont(int step) {
    const std::vector<std::string>& fonts = config_->state.fontList;
    if (fonts.empty())
        return;
    auto at = std::find(fonts.begin(), fonts.end(), config_->state.book.fontName);
    long index = at == fonts.end() ? 0 : at - fonts.begin();
    index = std::clamp<long>(index + step, 0, static_cast<long>(fonts.size()) - 1);
    if (fonts[static_cast<size_t>(index)] == config_->state.book.fontName)
        return;
    config_->state.book.fontName = fonts[static_cast<size_t>(index)];
    fontChanged();
}

} // namespace qw

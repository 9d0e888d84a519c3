// The layout part's page work: the page font and the wrap engine, fitting,
// re-pagination after a size change, and font changes.

#include "reader/ui/LayoutPart.h"

#include "reader/book.h"
#include "reader/fit_lines_settings.h"
#include "reader/page_moves.h"
#include "reader/ui/ContentsPart.h"
#include "reader/ui/PageArea.h"
#include "reader/ui/PageView.h"
#include "reader/ui/RecordsPart.h"
#include "reader/ui/qt_text_measurer.h"
#include "settings/configuration.h"

#include <QApplication>

#include <algorithm>

namespace qw {

LayoutPart::LayoutPart(ReaderContext& context, RecordsPart& records)
    : QObject(&context.window), context_(context), records_(records) {
    resizeTimer_.setSingleShot(true);
    resizeTimer_.setInterval(100);
    connect(&resizeTimer_, &QTimer::timeout, this, &LayoutPart::relayoutAfterResize);
}

std::optional<std::string> LayoutPart::displayLine(int n) const {
    return DisplayLineText(book(), wrap_, n);
}

void LayoutPart::pagesResized() {
    if (book().isOpen())
        resizeTimer_.start(); // the expensive part runs once the size is stable
    else
        recomputeLinesPerPage();
}

void LayoutPart::showProgress(const std::string& caption) {
    window().setWindowTitle(QString::fromStdString(caption));
}

void LayoutPart::setBusy(bool busy) {
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void LayoutPart::clearSections() {
    contents_->clearSections();
}

bool LayoutPart::createToc() {
    return contents_->createToc();
}

void LayoutPart::clearToc() {
    contents_->clearToc();
}

void LayoutPart::writeBookRecord() {
    records_.writeBookRecord();
}

void LayoutPart::applyPageFont() {
    const BookSettings& s = config().state.book;
    QFont font(QString::fromStdString(s.fontName), std::max(1, s.fontSize));
    font.setStyleStrategy(antialiasing_ ? QFont::PreferAntialias : QFont::NoAntialias);
    pages().setPageFont(PageFont(font));
}

// The wrap engine keeps the font, width and tab stops of the last fitting
// until the next one: the fitted line counts are only true for them, so
// display lines made with another font would lose or repeat lines.
void LayoutPart::prepareWrap() {
    const QtTextMeasurer measurer(pages().pageFont());
    wrap_.setBounds(pages().pageWidth(), pages().leftPage()->height());
    wrap_.setFont(measurer);
    wrap_.setTabStops(std::clamp(config().state.book.tabWidth, 1, 100));
    pages().setTabStopDistance(wrap_.tabStopDistance());
}

FitOptions LayoutPart::fitOptions() const {
    FitOptions options = context_.configLoaded
                             ? FitOptionsFromSettings(config().state.book, config().settings)
                             : FitOptions{};
    options.automaticToc = contents_->tocWanted();
    options.fontName = config().state.book.fontName;
    options.fontSize = config().state.book.fontSize;
    options.pageWidth = pages().pageWidth();
    options.bookStyle = pages().options().bookStyle;
    options.applyMargins = context_.configLoaded && config().settings.Bool(Setting::ApplyMargins);
    const PageAreaOptions& p = pages().options();
    options.margins = p.margins;
    return options;
}

bool LayoutPart::needsRefit() const {
    return NeedsRefit(book().Snapshot, pages().pageWidth(), config().state.book.fontName,
                      config().state.book.fontSize, config().state.book.removeLineBreaks);
}

void LayoutPart::fitLines() {
    if (!book().isOpen())
        return;
    prepareWrap();
    FitLines(book(), fitOptions(), wrap_, *this);
    workedPageSize_ = pages().leftPage()->size();
}

void LayoutPart::showPages() {
    pages().setLines(book().LineCount, [this](int n) { return displayLine(n); });
    pages().history().clear();
    pages().showCurrentPages();
    emit captionNeeded();
}

void LayoutPart::repaginate() {
    book().Pages.repaginate(book().LineCount);
    workedPageSize_ = pages().leftPage()->size();
    contents_->tocAfterRepagination();
    pages().history().clear();
    pages().showCurrentPages();
    emit captionNeeded();
    records_.writeBookRecord();
}

void LayoutPart::recomputeLinesPerPage() {
    book().Pages.setLinesPerPage(pages().computeLinesPerPage());
}

void LayoutPart::flushPendingRelayout() {
    if (!resizeTimer_.isActive())
        return;
    resizeTimer_.stop();
    relayoutAfterResize();
}

void LayoutPart::relayoutAfterResize() {
    // A size that came back to where it was (the window widening for the
    // docked contents panel passes through a narrower page area) changes
    // nothing: the contents list and the page history stay.
    if (book().isOpen() && book().ChangeReason.empty() &&
        pages().leftPage()->size() == workedPageSize_ &&
        pages().computeLinesPerPage() == book().Pages.LinesPerPage && !needsRefit())
        return;
    recomputeLinesPerPage();
    if (!book().isOpen())
        return;
    const bool autoFit =
        !context_.configLoaded || config().settings.Bool(Setting::AutomaticallyFit);
    PageWork work = DecidePageWork(book().ChangeReason, autoFit, needsRefit());
    // Docking keeps the pages' size only when the window could grow by the
    // whole panel; otherwise the lines must be divided into pages again.
    if (work == PageWork::ShowOnly &&
        book().Pages.LinesPerPage != book().Pages.countedLinesPerPage())
        work = PageWork::Repaginate;
    switch (work) {
    case PageWork::ShowOnly:
        pages().showCurrentPages();
        emit captionNeeded();
        records_.writeBookRecord();
        return;
    case PageWork::Fit:
        pages().history().clear();
        fitLines();
        break;
    case PageWork::Repaginate:
        pages().history().clear();
        repaginate();
        break;
    }
    records_.updateTitlePage();
}

void LayoutPart::changeFontSize(int size) {
    if (size == config().state.book.fontSize || size < 1)
        return;
    config().state.book.fontSize = size;
    fontChanged();
}

void LayoutPart::fontChanged() {
    applyPageFont();
    emit optionStatesChanged();
    recomputeLinesPerPage();
    pages().history().clear();
    if (!book().isOpen()) {
        // Without a book the font is the default one, and the caption says so.
        config().state.defaultFontName = config().state.book.fontName;
        config().state.defaultFontSize = config().state.book.fontSize;
        records_.writeFontSettings();
        emit captionNeeded();
        return;
    }
    records_.updateTitlePage();
    if (!context_.configLoaded || config().settings.Bool(Setting::AutomaticallyFit)) {
        fitLines();
    } else {
        repaginate();
        records_.writeFontSettings();
    }
}

void LayoutPart::changeFont(int step) {
    const std::vector<std::string>& fonts = config().state.fontList;
    if (fonts.empty())
        return;
    auto at = std::find(fonts.begin(), fonts.end(), config().state.book.fontName);
    long index = at == fonts.end() ? 0 : at - fonts.begin();
    index = std::clamp<long>(index + step, 0, static_cast<long>(fonts.size()) - 1);
    if (fonts[static_cast<size_t>(index)] == config().state.book.fontName)
        return;
    config().state.book.fontName = fonts[static_cast<size_t>(index)];
    fontChanged();
}

void LayoutPart::changeFontName(const std::string& name) {
    if (name.empty() || name == config().state.book.fontName)
        return;
    config().state.book.fontName = name;
    fontChanged();
}

void LayoutPart::changeTabWidth(int width) {
    config().state.book.tabWidth = width;
    prepareWrap(); // the tab stops of the pages and the wrap engine
    if (!book().isOpen())
        records_.writeFontSettings();
    else
        fitLines(); // stores the record
}

void LayoutPart::changeLineBreakOptions(bool remove, bool punctuation, bool indentation) {
    BookSettings& s = config().state.book;
    s.removeLineBreaks = remove;
    s.checkPunctuationMarks = punctuation;
    s.checkIndentation = indentation;
    // A file type that switched the removal off waits for the next fitting.
    if (RefitOnLineBreakOption(config().settings.Bool(Setting::AutomaticallyFit), book().isOpen(),
                               book().BreaksAutoOff))
        fitLines();
}

} // namespace qw

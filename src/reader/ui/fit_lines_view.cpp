#include "reader/ui/fit_lines_view.h"

#include "import/cp1252.h"
#include "reader/ui/qt_text_measurer.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>

#include <algorithm>
#include <cmath>

namespace qw {

namespace {

// The resize debounce: refit once the user stops dragging the window edge.
constexpr int kResizeDelayMs = 150;

} // namespace

FitLinesView::FitLinesView(Book& book, QPlainTextEdit* view,
                           std::function<void(const QString&)> caption,
                           std::function<void()> captionDone)
    : QObject(view), book_(book), view_(view), caption_(std::move(caption)),
      captionDone_(std::move(captionDone)) {
    view_->setLineWrapMode(QPlainTextEdit::NoWrap);
    view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setWordWrapMode(QTextOption::NoWrap);
    setPageFont(view_->font());
    resizeTimer_.setSingleShot(true);
    resizeTimer_.setInterval(kResizeDelayMs);
    connect(&resizeTimer_, &QTimer::timeout, this, &FitLinesView::fitIfNeeded);
    view_->viewport()->installEventFilter(this);
    connect(view_->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &FitLinesView::trackScrollPosition);
}

void FitLinesView::setPageFont(const QFont& font) {
    font_ = PageFont(font);
    view_->setFont(font_);
    QTextOption option = view_->document()->defaultTextOption();
    option.setWrapMode(QTextOption::NoWrap);
    view_->document()->setDefaultTextOption(option);
}

int FitLinesView::pageWidth() const {
    const double margin = view_->document()->documentMargin();
    return std::max(1, view_->viewport()->width() - static_cast<int>(std::ceil(2 * margin)) - 1);
}

void FitLinesView::prepare() {
    const QtTextMeasurer measurer(font_);
    wrap_.setFont(measurer);
    wrap_.setBounds(pageWidth(), view_->viewport()->height());
    wrap_.setTabStops(options_.tabWidth);
    // Tab stops of the view itself, so that tabs are drawn where they were counted.
    view_->setTabStopDistance(wrap_.tabStopDistance());
    options_.fontName = font_.family().toStdString();
    options_.fontSize = font_.pointSize();
    options_.pageWidth = pageWidth();
    // Lines per "page" of the scrolling view: one screenful.
    const double lineHeight = QFontMetricsF(font_).lineSpacing();
    const int perPage = std::max(1, static_cast<int>(view_->viewport()->height() / lineHeight));
    if (book_.LinesPerPage > 0 && perPage != book_.LinesPerPage)
        book_.StoredLinesPerPage = book_.LinesPerPage;
    book_.LinesPerPage = perPage;
}

void FitLinesView::fit() {
    if (!book_.isOpen())
        return;
    prepare();
    FitLines(book_, options_, wrap_, *this);
}

void FitLinesView::fitIfNeeded() {
    if (!book_.isOpen())
        return;
    if (NeedsRefit(book_.Snapshot, pageWidth(), font_.family().toStdString(), font_.pointSize(),
                   options_.removeLineBreaks))
        fit();
}

void FitLinesView::showProgress(const std::string& caption) {
    if (caption_)
        caption_(QString::fromStdString(caption));
}

void FitLinesView::setBusy(bool busy) {
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void FitLinesView::showPages() {
    const std::vector<std::string> lines = DisplayLines(book_, wrap_, 1, book_.LineCount);
    std::string text;
    std::size_t size = 0;
    for (const std::string& line : lines)
        size += line.size() + 1;
    text.reserve(size);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += '\n';
        text += lines[i];
    }
    const std::string utf8 = Cp1252ToUtf8(text);
    showing_ = true;
    view_->setPlainText(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
    // Scroll to the first line of the left page.
    const int first = book_.LeftPage <= 0 ? 0 : (book_.LeftPage - 1) * book_.LinesPerPage;
    view_->verticalScrollBar()->setValue(first);
    showing_ = false;
    if (captionDone_)
        captionDone_();
}

void FitLinesView::trackScrollPosition(int value) {
    // The plain view scrolls by display lines; its top line sets the left page.
    if (showing_ || !book_.isOpen() || book_.LinesPerPage <= 0)
        return;
    book_.LeftPage = value <= 0 ? 0 : value / book_.LinesPerPage + 1;
}

bool FitLinesView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_->viewport() && event->type() == QEvent::Resize && book_.isOpen())
        resizeTimer_.start();
    return QObject::eventFilter(watched, event);
}

} // namespace qw

#include "reader/ui/PageView.h"

#include "reader/justify.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace qw {

PageView::PageView(QWidget* parent) : QWidget(parent) {
    // The page background is the reading area's: the book picture shows through.
    setCursor(Qt::IBeamCursor);
    setFocusPolicy(Qt::ClickFocus);
    font_.setKerning(false);
}

void PageView::setPageText(const std::string& utf8) {
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    lines_ = text.isEmpty() ? QStringList() : text.split(QStringLiteral("\r\n"));
    justified_.clear();
    anchor_ = cursor_ = 0;
    update();
}

void PageView::clearPage() {
    lines_.clear();
    justified_.clear();
    anchor_ = cursor_ = 0;
    update();
}

void PageView::setJustifiedLines(std::vector<bool> justified) {
    justified_ = std::move(justified);
    update();
}

std::vector<double> PageView::justifiedBoundaries(int line,
                                                  const std::vector<double>& natural) const {
    if (line < 0 || static_cast<size_t>(line) >= justified_.size() ||
        !justified_[static_cast<size_t>(line)])
        return {};
    const QString& text = lines_[line];
    // A blank may grow to four times its width; a wider gap is a hole.
    const double blank = QFontMetricsF(font_, this).horizontalAdvance(QLatin1Char(' '));
    return JustifiedBoundaries(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                                   static_cast<size_t>(text.size())),
                               natural, width(), 3 * blank);
}

void PageView::drawWords(QPainter& painter, const QString& line, double baseline,
                         const std::vector<double>& xs) const {
    // Each run of characters between blanks at its stretched place.
    int start = 0;
    for (int k = 0; k <= line.size(); ++k) {
        if (k < line.size() && line[k] != QLatin1Char(' '))
            continue;
        if (k > start)
            painter.drawText(QPointF(xs[static_cast<size_t>(start)], baseline),
                             line.mid(start, k - start));
        start = k + 1;
    }
}

QString PageView::pageText() const {
    return lines_.join(QLatin1Char('\n'));
}

void PageView::setPageFont(const QFont& font) {
    font_ = font;
    font_.setKerning(false);
    update();
}

void PageView::setColors(const QColor& background, const QColor& text) {
    background_ = background;
    text_ = text;
    update();
}

void PageView::setTabStopDistance(double pixels) {
    tabStop_ = pixels > 0 ? pixels : 1;
    update();
}

double PageView::lineHeight() const {
    return QFontMetricsF(font_, this).height();
}

void PageView::setSelection(int start, int end) {
    const int size = static_cast<int>(pageText().size());
    anchor_ = std::clamp(start, 0, size);
    cursor_ = std::clamp(end, 0, size);
    update();
    emit selectionChanged();
}

void PageView::collapseSelection() {
    setSelection(0, 0);
}

QString PageView::selectedText() const {
    const int from = std::min(anchor_, cursor_);
    const int to = std::max(anchor_, cursor_);
    return pageText().mid(from, to - from);
}

void PageView::copy() const {
    if (hasSelection())
        QApplication::clipboard()->setText(selectedText());
}

int PageView::lineStart(int line) const {
    int start = 0;
    for (int i = 0; i < line && i < lines_.size(); ++i)
        start += static_cast<int>(lines_[i].size()) + 1;
    return start;
}

std::vector<double> PageView::naturalBoundaries(int line) const {
    const QFontMetricsF metrics(font_, this);
    const QString& text = lines_[line];
    std::vector<double> xs;
    xs.reserve(static_cast<size_t>(text.size()) + 1);
    double x = 0;
    xs.push_back(x);
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\t'))
            x = (std::floor(x / tabStop_ + 1e-9) + 1) * tabStop_;
        else
            x += metrics.horizontalAdvance(text[i]);
        xs.push_back(x);
    }
    return xs;
}

double PageView::lineScale(const std::vector<double>& natural) const {
    const double wide = natural.back();
    return wide > width() && width() > 0 ? width() / wide : 1.0;
}

std::vector<double> PageView::boundaries(int line) const {
    std::vector<double> xs = naturalBoundaries(line);
    if (std::vector<double> stretched = justifiedBoundaries(line, xs); !stretched.empty())
        return stretched;
    const double scale = lineScale(xs);
    if (scale != 1.0)
        for (double& x : xs)
            x *= scale;
    return xs;
}

int PageView::lineCount() const {
    return static_cast<int>(lines_.size());
}

double PageView::drawnLineWidth(int line) const {
    return line >= 0 && line < lines_.size() ? boundaries(line).back() : 0.0;
}

void PageView::drawRuns(QPainter& painter, const QString& line, double baseline,
                        const QFontMetricsF& metrics) const {
    // Runs between tabs, each starting at its tab stop.
    double x = 0;
    int runStart = 0;
    for (int k = 0; k <= line.size(); ++k) {
        if (k < line.size() && line[k] != QLatin1Char('\t'))
            continue;
        const QString run = line.mid(runStart, k - runStart);
        if (!run.isEmpty()) {
            painter.drawText(QPointF(x, baseline), run);
            x += metrics.horizontalAdvance(run);
        }
        if (k < line.size())
            x = (std::floor(x / tabStop_ + 1e-9) + 1) * tabStop_;
        runStart = k + 1;
    }
}

void PageView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font_);
    const QFontMetricsF metrics(font_, this);
    const double pitch = metrics.height();
    const int from = std::min(anchor_, cursor_);
    const int to = std::max(anchor_, cursor_);
    int start = 0;
    for (int i = 0; i < lines_.size(); ++i) {
        const double top = i * pitch;
        if (top > height())
            break;
        const QString& line = lines_[i];
        const int end = start + static_cast<int>(line.size());
        const double baseline = top + metrics.ascent();
        // A line fitted for a smaller font than the page shows now (until the
        // next fitting) is drawn narrower rather than cut off at the edge.
        const std::vector<double> natural = naturalBoundaries(i);
        const std::vector<double> stretched = justifiedBoundaries(i, natural);
        const double scale = lineScale(natural);
        auto drawLine = [&] {
            if (stretched.empty()) {
                painter.scale(scale, 1.0);
                drawRuns(painter, line, baseline, metrics);
            } else {
                drawWords(painter, line, baseline, stretched);
            }
        };
        painter.save();
        painter.setPen(text_);
        drawLine();
        painter.restore();
        if (from < to && to > start && from <= end) {
            // The selected part: highlight, and its characters again on top.
            const std::vector<double> xs = boundaries(i);
            const double left = xs[static_cast<size_t>(std::max(from, start) - start)];
            double right = xs[static_cast<size_t>(std::min(to, end) - start)];
            if (to > end)
                right += metrics.horizontalAdvance(QLatin1Char(' ')); // the line break
            const QRectF area(left, top, right - left, pitch);
            painter.fillRect(area, palette().color(QPalette::Highlight));
            painter.save();
            painter.setClipRect(area);
            painter.setPen(palette().color(QPalette::HighlightedText));
            drawLine();
            painter.restore();
        }
        start = end + 1;
    }
}

int PageView::positionAt(const QPointF& point) const {
    if (lines_.isEmpty())
        return 0;
    const double pitch = lineHeight();
    const int line =
        std::clamp(static_cast<int>(point.y() / pitch), 0, static_cast<int>(lines_.size()) - 1);
    const std::vector<double> xs = boundaries(line);
    int column = static_cast<int>(xs.size()) - 1;
    for (size_t k = 0; k + 1 < xs.size(); ++k) {
        if (point.x() < (xs[k] + xs[k + 1]) / 2) {
            column = static_cast<int>(k);
            break;
        }
    }
    return lineStart(line) + column;
}

void PageView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const int position = positionAt(event->position());
    anchor_ = (event->modifiers() & Qt::ShiftModifier) ? anchor_ : position;
    cursor_ = position;
    selecting_ = true;
    update();
    emit selectionChanged();
}

void PageView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        selecting_ = false;
    QWidget::mouseReleaseEvent(event);
}

void PageView::mouseMoveEvent(QMouseEvent* event) {
    // Only a drag that started with a press here selects (a press that
    // closed a panel did not).
    if (!selecting_ || !(event->buttons() & Qt::LeftButton))
        return;
    cursor_ = positionAt(event->position());
    update();
    emit selectionChanged();
}

void PageView::mouseDoubleClickEvent(QMouseEvent* event) {
    const QString text = pageText();
    int start = positionAt(event->position());
    int end = start;
    while (start > 0 && text[start - 1].isLetterOrNumber())
        --start;
    while (end < text.size() && text[end].isLetterOrNumber())
        ++end;
    setSelection(start, end);
}

void PageView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        copy();
        return;
    }
    QWidget::keyPressEvent(event); // page keys belong to the window
}

} // namespace qw

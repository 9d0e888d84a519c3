#include "reader/ui/TitlePageView.h"

#include <QFontMetricsF>
#include <QPainter>

namespace qw {

namespace {
// Book information and paths are UTF-8.
QString fromUtf8Text(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
} // namespace

QFont QtTitleMetrics::fontAt(int pointSize, bool italic) const {
    QFont font = font_;
    font.setPointSize(std::max(1, pointSize));
    font.setItalic(italic);
    return font;
}

double QtTitleMetrics::textWidth(const std::string& text, int pointSize, bool italic) const {
    return QFontMetricsF(fontAt(pointSize, italic)).horizontalAdvance(fromUtf8Text(text));
}

double QtTitleMetrics::mgHeight(int pointSize) const {
    return QFontMetricsF(fontAt(pointSize, false)).height();
}

double QtTitleMetrics::lineHeight(int pointSize) const {
    return QFontMetricsF(fontAt(pointSize, false)).lineSpacing();
}

std::vector<std::string> QtTitleMetrics::wrap(const std::string& text, double width,
                                              int pointSize) const {
    // Greedy word wrap; paragraphs (CR LF) start new lines, a word wider than
    // the block is cut where it no longer fits.
    const QFontMetricsF metrics(fontAt(pointSize, false));
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        const std::string paragraph = text.substr(start, end - start);
        std::string line;
        size_t i = 0;
        if (paragraph.empty())
            lines.emplace_back();
        while (i < paragraph.size()) {
            size_t wordEnd = paragraph.find(' ', i);
            if (wordEnd == std::string::npos)
                wordEnd = paragraph.size();
            std::string word = paragraph.substr(i, wordEnd - i);
            const std::string candidate = line.empty() ? word : line + " " + word;
            if (metrics.horizontalAdvance(fromUtf8Text(candidate)) <= width) {
                line = candidate;
                i = wordEnd + 1;
                continue;
            }
            if (!line.empty()) {
                lines.push_back(line);
                line.clear();
                continue;
            }
            // A single word wider than the block.
            size_t fit = 1;
            while (fit < word.size() &&
                   metrics.horizontalAdvance(fromUtf8Text(word.substr(0, fit + 1))) <= width)
                ++fit;
            lines.push_back(word.substr(0, fit));
            i += fit;
        }
        if (!line.empty())
            lines.push_back(line);
        if (end == text.size())
            break;
        start = end + 2;
    }
    return lines;
}

TitlePageView::TitlePageView(QWidget* parent) : QWidget(parent) {}

void TitlePageView::setBook(const TitlePageInput& input) {
    input_ = input;
    relayout();
}

void TitlePageView::setPageFont(const QFont& font) {
    font_ = font;
    relayout();
}

void TitlePageView::setColors(const QColor& background, const QColor& text) {
    background_ = background;
    text_ = text;
    update();
}

void TitlePageView::resizeEvent(QResizeEvent*) {
    relayout();
}

void TitlePageView::relayout() {
    input_.width = width();
    input_.height = height();
    input_.fontSize = font_.pointSize() > 0 ? font_.pointSize() : 12;
    items_ = LayoutTitlePage(input_, QtTitleMetrics(font_));
    update();
}

void TitlePageView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QtTitleMetrics metrics(font_);
    for (const TitleItem& item : items_) {
        if (item.kind == TitleItem::Kind::Rule) {
            painter.setPen(QPen(text_, 1));
            painter.drawLine(item.x1, item.y, item.x2, item.y);
            continue;
        }
        const QFont font = metrics.fontAt(item.pointSize, item.italic);
        painter.setFont(font);
        painter.setPen(text_);
        const QString text = fromUtf8Text(item.text);
        const QFontMetricsF fm(font);
        const double x = (width() - fm.horizontalAdvance(text)) / 2;
        painter.drawText(QPointF(x, item.y + fm.ascent()), text);
    }
}

} // namespace qw

#include "reader/ui/ProgressBar.h"

#include "reader/page_moves.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace qw {

ProgressBar::ProgressBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Fortschritt"));
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    setMinimumHeight(8);
}

void ProgressBar::setPosition(int leftPage, int pageCount) {
    leftPage_ = leftPage;
    pageCount_ = pageCount;
    update();
}

void ProgressBar::setColors(const QColor& bar, const QColor& filled) {
    bar_ = bar;
    filled_ = filled;
    update();
}

void ProgressBar::setFilledHidden(bool hidden) {
    if (hidden == filledHidden_)
        return;
    filledHidden_ = hidden;
    update();
}

int ProgressBar::filledWidth() const {
    return ProgressFilledWidth(leftPage_, pageCount_, width() - 2 * kMargin);
}

int ProgressBar::pageAt(int x) const {
    return ProgressClickPage(x - kMargin, pageCount_, width(), kMargin);
}

void ProgressBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), bar_);
    if (pageCount_ > 0)
        painter.fillRect(QRect(kMargin, kMargin, filledWidth(), height() - 2 * kMargin),
                         filledColour());
}

void ProgressBar::mousePressEvent(QMouseEvent* event) {
    // Either button goes to the page under the mouse.
    const bool button = event->button() == Qt::LeftButton || event->button() == Qt::RightButton;
    if (button && pageCount_ > 0)
        emit pageClicked(pageAt(static_cast<int>(event->position().x())));
}

void ProgressBar::mouseMoveEvent(QMouseEvent* event) {
    if (pageCount_ <= 0)
        return;
    const QString page = QString::number(pageAt(static_cast<int>(event->position().x())));
    const QPoint cursor = event->globalPosition().toPoint();
    QPoint at = cursor + QPoint(10, 10);
    if (belowText_) {
        // Below the pages the hint sits above the cursor, ending 2 pixels under its line.
        const int hintHeight = QFontMetrics(QToolTip::font()).height() + 8;
        at = QPoint(cursor.x() + 10, cursor.y() + 2 - hintHeight);
    }
    QToolTip::showText(at, page, this);
}

} // namespace qw

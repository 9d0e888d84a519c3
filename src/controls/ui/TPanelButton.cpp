#include "controls/ui/TPanelButton.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>

#include <algorithm>

namespace qw {

namespace {

constexpr int kIconSize = 16;
constexpr int kCaptionMargin = 4; // from a left or right aligned caption to the edge

// One pixel of bevel on each side: light above and left when raised.
void DrawBevel(QPainter& painter, QRect& area, Bevel bevel, const QPalette& palette) {
    if (bevel == Bevel::None)
        return;
    const QColor light = palette.color(QPalette::Light);
    const QColor shadow = palette.color(QPalette::Dark);
    const QColor& topLeft = bevel == Bevel::Raised ? light : shadow;
    const QColor& bottomRight = bevel == Bevel::Raised ? shadow : light;
    painter.setPen(topLeft);
    painter.drawLine(area.topLeft(), area.topRight());
    painter.drawLine(area.topLeft(), area.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawLine(area.topRight(), area.bottomRight());
    area.adjust(1, 1, -1, -1);
}

QColor OrPalette(const QColor& colour, const QPalette& palette, QPalette::ColorRole role) {
    return colour.isValid() ? colour : palette.color(role);
}

} // namespace

TPanelButton::TPanelButton(QWidget* parent) : TPanelButton(QString(), parent) {}

TPanelButton::TPanelButton(const QString& text, QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover, false);
    setMouseTracking(false);
    resize(65, 17);
    setText(text);
}

TPanelButton::~TPanelButton() = default;

// A property set to the value it has changes nothing and paints nothing.
template <typename T> void TPanelButton::assign(T& field, const T& value) {
    if (field == value)
        return;
    field = value;
    update();
}

void TPanelButton::setText(const QString& text) {
    if (text == text_)
        return;
    text_ = text;
    grabMnemonic();
    updateGeometry();
    update();
}

void TPanelButton::setIcon(const QIcon& icon) {
    icon_ = icon;
    updateGeometry();
    update();
}

void TPanelButton::setAlignment(Qt::Alignment alignment) {
    assign(alignment_, alignment);
}
void TPanelButton::setHLColor(const QColor& colour) {
    assign(hlColor_, colour);
}
void TPanelButton::setHLFrameColor(const QColor& colour) {
    assign(hlFrameColor_, colour);
}
void TPanelButton::setHLTextColor(const QColor& colour) {
    assign(hlTextColor_, colour);
}
void TPanelButton::setDownColor(const QColor& colour) {
    assign(downColor_, colour);
}
void TPanelButton::setDownTextColor(const QColor& colour) {
    assign(downTextColor_, colour);
}
void TPanelButton::setHLShowFrame(bool show) {
    assign(hlShowFrame_, show);
}
void TPanelButton::setHLShowRect(bool show) {
    assign(hlShowRect_, show);
}
void TPanelButton::setDown(bool down) {
    assign(state_.down, down);
}
void TPanelButton::setRaiseStyle(TRaiseStyle style) {
    assign(raiseStyle_, style);
}

void TPanelButton::useMenuLook() {
    setHLColor(palette().color(QPalette::Highlight));
    setHLTextColor(palette().color(QPalette::HighlightedText));
    setHLShowRect(true);
    setRaiseStyle(TRaiseStyle::rsNone);
}

void TPanelButton::useGrooveLook() {
    setHLFrameColor(Qt::black);
    setHLShowFrame(true);
    setRaiseStyle(TRaiseStyle::rsGroove);
}

void TPanelButton::setPressed(bool pressed) {
    assign(state_.pressed, pressed);
}

void TPanelButton::setInside(bool inside) {
    if (state_.inside == inside)
        return;
    state_.inside = inside;
    if (!inside)
        state_.pressed = false; // leaving with the button held drops the pressed look
    update();
    if (inside)
        emit OnMouseEnter();
    else
        emit OnMouseLeave();
}

void TPanelButton::click() {
    if (isEnabled())
        emit clicked();
}

void TPanelButton::grabMnemonic() {
    if (shortcutId_ != 0)
        releaseShortcut(shortcutId_);
    shortcutId_ = 0;
    const QKeySequence mnemonic = QKeySequence::mnemonic(text_);
    if (!mnemonic.isEmpty())
        shortcutId_ = grabShortcut(mnemonic);
}

bool TPanelButton::event(QEvent* event) {
    if (event->type() == QEvent::Shortcut &&
        static_cast<QShortcutEvent*>(event)->shortcutId() == shortcutId_) {
        if (focusPolicy() & Qt::TabFocus)
            setFocus(Qt::ShortcutFocusReason);
        click();
        return true;
    }
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        state_.pressed = false;
        clickArmed_ = false;
    }
    return QWidget::event(event);
}

void TPanelButton::enterEvent(QEnterEvent* event) {
    setInside(true);
    QWidget::enterEvent(event);
}

void TPanelButton::leaveEvent(QEvent* event) {
    setInside(false);
    QWidget::leaveEvent(event);
}

// Other mouse buttons stay with the button (its context menu), not its parent.
void TPanelButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    clickArmed_ = true;
    state_.inside = true;
    setPressed(true);
}

// While the button is held the mouse is grabbed and no leave arrives: moving
// off the button is its leave.
void TPanelButton::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton)
        setInside(rect().contains(event->position().toPoint()));
}

void TPanelButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    setPressed(false);
    const bool click = clickArmed_ && rect().contains(event->position().toPoint());
    clickArmed_ = false;
    if (click)
        this->click();
}

void TPanelButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Space || event->modifiers() != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat()) {
        setPressed(true);
        click();
    }
}

void TPanelButton::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Space) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    if (!event->isAutoRepeat())
        setPressed(false);
}

void TPanelButton::focusInEvent(QFocusEvent* event) {
    assign(state_.focused, true);
    QWidget::focusInEvent(event);
}

void TPanelButton::focusOutEvent(QFocusEvent* event) {
    state_.focused = false;
    state_.pressed = false; // a Space held while the focus leaves comes up elsewhere
    update();
    QWidget::focusOutEvent(event);
}

QColor TPanelButton::faceColour() const {
    const QPalette& p = palette();
    switch (ChooseFaceFill(hlShowRect_, state_)) {
    case FaceFill::HLColor:
        return OrPalette(hlColor_, p, QPalette::Button);
    case FaceFill::DownColor:
        return OrPalette(downColor_, p, QPalette::Button);
    case FaceFill::ButtonColour:
        break;
    }
    return p.color(QPalette::Window);
}

QColor TPanelButton::captionColour() const {
    const QPalette& p = palette();
    switch (ChooseCaptionColour(hlShowRect_, state_)) {
    case CaptionColour::HLTextColor:
        return OrPalette(hlTextColor_, p, QPalette::ButtonText);
    case CaptionColour::DownTextColor:
        return OrPalette(downTextColor_, p, QPalette::ButtonText);
    case CaptionColour::Font:
        break;
    }
    return p.color(QPalette::ButtonText);
}

void TPanelButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& p = palette();
    QRect area = rect();
    // The border between the bevels is the face colour, as a panel draws it.
    painter.fillRect(area, p.color(QPalette::Window));
    const Bevels b = bevels();
    DrawBevel(painter, area, b.outer, p);
    DrawBevel(painter, area, b.inner, p);
    painter.fillRect(area, faceColour());
    if (ShowsHighlightFrame(hlShowFrame_, state_)) {
        painter.setPen(hlFrameColor_);
        painter.drawRect(area.adjusted(0, 0, -1, -1));
    }

    const int shift = CaptionShift(raiseStyle_, state_);
    QRect caption = area.adjusted(kCaptionMargin, 0, -kCaptionMargin, 0).translated(shift, shift);
    if (!icon_.isNull()) {
        const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
        QRect iconRect(0, 0, kIconSize, kIconSize);
        if (text_.isEmpty()) {
            iconRect.moveCenter(caption.center());
        } else {
            iconRect.moveTopLeft({caption.left(), caption.center().y() - kIconSize / 2});
            caption.setLeft(iconRect.right() + 4);
        }
        icon_.paint(&painter, iconRect, Qt::AlignCenter, mode);
    }
    if (text_.isEmpty())
        return;
    // The caption is centred on the height of the font's letters; it has one
    // line unless it holds a line break.
    const int textHeight = fontMetrics().height() * lineCount();
    caption.setTop(caption.top() + (caption.height() - textHeight) / 2);
    caption.setHeight(textHeight);
    const int flags = (alignment_ & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter |
                      (lineCount() == 1 ? Qt::TextSingleLine : 0) | Qt::TextExpandTabs |
                      Qt::TextShowMnemonic;
    if (!isEnabled()) {
        // Engraved: a light copy one pixel down and right under the shadow one.
        painter.setPen(p.color(QPalette::Light));
        painter.drawText(caption.translated(1, 1), flags, text_);
        painter.setPen(p.color(QPalette::Dark));
        painter.drawText(caption, flags, text_);
        return;
    }
    painter.setPen(captionColour());
    painter.drawText(caption, flags, text_);
}

int TPanelButton::lineCount() const {
    return static_cast<int>(text_.count(QLatin1Char('\n'))) + 1;
}

int TPanelButton::contentWidth() const {
    QString shown = text_;
    shown.remove(QLatin1Char('&')); // close enough: "&&" is rare in a caption
    int width = 0;
    for (const QString& line : shown.split(QLatin1Char('\n')))
        width = std::max(width, fontMetrics().horizontalAdvance(line));
    if (!icon_.isNull())
        width += kIconSize + (shown.isEmpty() ? 0 : 4);
    return width + 2 * kCaptionMargin + 4; // room for the bevels and the pressed shift
}

QSize TPanelButton::sizeHint() const {
    const int minimumWidth = text_.isEmpty() ? 24 : 65;
    return {std::max(minimumWidth, contentWidth() + 8),
            std::max(17, std::max(fontMetrics().height() * lineCount(), kIconSize) + 8)};
}

QSize TPanelButton::minimumSizeHint() const {
    return {contentWidth(),
            std::max(fontMetrics().height() * lineCount(), icon_.isNull() ? 0 : kIconSize) + 4};
}

} // namespace qw

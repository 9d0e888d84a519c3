#include "controls/ui/TMyHintWindow.h"

#include "controls/panel_button.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>

namespace qw {

namespace {

constexpr int kPadding = 3;

// Shows the tooltips of the application in its one hint window and hides it
// when the mouse leaves what the hint is about, or on a click or key.
class HintFilter : public QObject {
  public:
    explicit HintFilter(QObject* parent) : QObject(parent) {
        window_ = new TMyHintWindow();
        window_->setObjectName(QStringLiteral("ApplicationHint"));
        info_ = new TMyHintWindow();
        info_->setObjectName(QStringLiteral("InfoHint"));
        QFont font(QStringLiteral("Tahoma"));
        font.setStyleHint(QFont::SansSerif); // where Tahoma is missing
        info_->setFont(font);
    }
    ~HintFilter() override {
        delete window_;
        delete info_;
    }
    TMyHintWindow* window() const { return window_; }
    TMyHintWindow* info() const { return info_; }

    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::ToolTip:
            if (auto* widget = qobject_cast<QWidget*>(watched))
                return showFor(widget, static_cast<QHelpEvent*>(event));
            break;
        case QEvent::MouseMove:
            if (window_->isVisible() && !about_.contains(QCursor::pos()))
                window_->setText(QString());
            break;
        case QEvent::Leave:
            if (watched == subject_)
                window_->setText(QString());
            break;
        case QEvent::MouseButtonPress:
        case QEvent::KeyPress:
        case QEvent::Wheel:
        case QEvent::WindowDeactivate:
            window_->setText(QString());
            break;
        case QEvent::ApplicationDeactivate:
            window_->setText(QString());
            info_->setText(QString());
            break;
        default:
            break;
        }
        return false;
    }

  private:
    // A widget's own tooltip, or an item view's tooltip of the item under the mouse.
    bool showFor(QWidget* widget, QHelpEvent* help) {
        QString text = widget->toolTip();
        QRect about = widget->rect();
        if (text.isEmpty())
            if (auto* view = qobject_cast<QAbstractItemView*>(widget->parentWidget());
                view != nullptr && view->viewport() == widget) {
                const QModelIndex index = view->indexAt(help->pos());
                text = index.data(Qt::ToolTipRole).toString();
                about = view->visualRect(index);
            }
        if (text.isEmpty())
            return false; // the parent's tooltip may apply
        subject_ = widget;
        about_ = QRect(widget->mapToGlobal(about.topLeft()), about.size());
        window_->ActivateHint(help->globalPos() + QPoint(0, 20), text,
                              HintDisplayMs(text.toStdString()));
        return true;
    }

    TMyHintWindow* window_;
    TMyHintWindow* info_;
    QPointer<QWidget> subject_;
    QRect about_;
};

// The application owns the filter; the pointer empties when the application goes.
QPointer<QObject>& FilterObject() {
    static QPointer<QObject> filter;
    return filter;
}

HintFilter* Filter() {
    return static_cast<HintFilter*>(FilterObject().data());
}

} // namespace

TMyHintWindow::TMyHintWindow(QWidget* parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    hideTimer_.setSingleShot(true);
    connect(&hideTimer_, &QTimer::timeout, this, [this] { setText(QString()); });
}

void TMyHintWindow::ActivateHint(const QPoint& globalPos, const QString& text, int displayMs) {
    text_ = text;
    displayMs_ = displayMs;
    if (text.isEmpty()) {
        setText(text);
        return;
    }
    resize(sizeHint());
    QRect bounds(globalPos, size());
    if (const QScreen* screen = QGuiApplication::screenAt(globalPos)) {
        const QRect room = screen->availableGeometry();
        if (bounds.right() > room.right())
            bounds.moveRight(room.right());
        if (bounds.bottom() > room.bottom())
            bounds.moveBottom(globalPos.y() - 24); // above the mouse instead
        bounds.moveLeft(std::max(bounds.left(), room.left()));
        bounds.moveTop(std::max(bounds.top(), room.top()));
    }
    move(bounds.topLeft());
    update();
    show();
    raise();
    if (displayMs > 0)
        hideTimer_.start(displayMs);
    else
        hideTimer_.stop();
}

void TMyHintWindow::setText(const QString& text) {
    if (text.isEmpty()) {
        text_.clear();
        hideTimer_.stop();
        hide();
        return;
    }
    text_ = text;
    resize(sizeHint());
    update();
}

QSize TMyHintWindow::sizeHint() const {
    const QRect box = fontMetrics().boundingRect(QRect(0, 0, 600, 10000),
                                                 Qt::TextWordWrap | Qt::TextExpandTabs, text_);
    return box.size() + QSize(2 * kPadding + 2, 2 * kPadding + 2);
}

void TMyHintWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& p = palette();
    painter.fillRect(rect(), p.color(QPalette::ToolTipBase));
    // The edge: one pixel of one colour all round.
    painter.setPen(p.color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(p.color(QPalette::ToolTipText));
    painter.drawText(rect().adjusted(kPadding + 1, kPadding + 1, -kPadding - 1, -kPadding - 1),
                     Qt::TextWordWrap | Qt::TextExpandTabs, text_);
}

void InstallHintWindow() {
    if (qApp == nullptr || Filter() != nullptr)
        return;
    auto* filter = new HintFilter(qApp);
    FilterObject() = filter;
    qApp->installEventFilter(filter);
}

TMyHintWindow* ApplicationHintWindow() {
    HintFilter* filter = Filter();
    return filter ? filter->window() : nullptr;
}

TMyHintWindow* InfoHintWindow() {
    InstallHintWindow();
    HintFilter* filter = Filter();
    return filter ? filter->info() : nullptr;
}

} // namespace qw

#include "reader/ui/AutoTurnPart.h"

#include "reader/book.h"
#include "reader/ui/PageArea.h"
#include "reader/ui/ProgressBar.h"
#include "settings/configuration.h"
#include "settings/ui/CheckOptionsPage.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace qw {

namespace {

QToolButton* arrow(QWidget* parent, const char* name, Qt::ArrowType type) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setArrowType(type);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(16, 11);
    button->setAutoRepeat(true);
    return button;
}

} // namespace

AutoTurnPart::AutoTurnPart(ReaderContext& context, CheckOptionsPage& controlPage, ProgressBar& bar)
    : QObject(&context.window), context_(context), bar_(bar) {
    timer_.setObjectName(QStringLiteral("AutoTurnTimer"));
    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, &AutoTurnPart::tick);

    auto* row = new QWidget(&controlPage);
    row->setObjectName(QStringLiteral("AutoTurnRow"));
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    AutoTurnBox = new QCheckBox(tr("Turn 1 page every"), row);
    AutoTurnBox->setObjectName(QStringLiteral("AutoTurn"));
    AutoTurnBox->setToolTip(tr("Turn the pages on their own (Pause: pause or resume; "
                               "Shift+Pause: stop)"));
    Seconds = new QLineEdit(row);
    Seconds->setObjectName(QStringLiteral("AutoTurnSeconds"));
    Seconds->setMaxLength(60);
    Seconds->setFixedWidth(Seconds->fontMetrics().horizontalAdvance(QStringLiteral("000000")));
    Seconds->setText(QString::number(
        context_.configLoaded ? context_.config.settings.Int(Setting::AutoTurnInterval) : 120));
    Seconds->installEventFilter(this);
    auto* arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    Up = arrow(row, "AutoTurnUp", Qt::UpArrow);
    Down = arrow(row, "AutoTurnDown", Qt::DownArrow);
    arrows->addWidget(Up);
    arrows->addWidget(Down);
    layout->addWidget(AutoTurnBox);
    layout->addWidget(Seconds);
    layout->addLayout(arrows);
    layout->addWidget(new QLabel(tr("seconds"), row));
    layout->addStretch(1);
    controlPage.below()->insertWidget(0, row);

    connect(AutoTurnBox, &QCheckBox::clicked, this, [this](bool on) {
        if (on)
            switchOn();
        else
            switchOff();
    });
    connect(Seconds, &QLineEdit::textChanged, this, [this](const QString& text) {
        // Only a number is stored; anything else leaves the stored interval.
        if (const std::optional<int> seconds = ParseAutoTurnInterval(text.toStdString()))
            context_.config.settings.SetInt(Setting::AutoTurnInterval, *seconds);
    });
    connect(Up, &QToolButton::clicked, this, [this] { step(true); });
    connect(Down, &QToolButton::clicked, this, [this] { step(false); });
}

void AutoTurnPart::step(bool up) {
    Seconds->setText(QString::number(StepAutoTurnInterval(Seconds->text().toStdString(), up)));
}

bool AutoTurnPart::eventFilter(QObject* watched, QEvent* event) {
    // The up-down control follows the arrow keys in the edit.
    if (watched == Seconds && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            step(key == Qt::Key_Up);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

bool AutoTurnPart::lastPageShown() const {
    const Pagination& pages = context_.book.Pages;
    return pages.LeftPage >= pages.PageCount;
}

int AutoTurnPart::interval() const {
    return context_.config.settings.AutoTurnSeconds();
}

void AutoTurnPart::show() {
    {
        const QSignalBlocker quiet(AutoTurnBox);
        AutoTurnBox->setChecked(turn_.isOn());
    }
    bar_.setFilledHidden(turn_.filledPartHidden());
    if (turn_.isRunning())
        timer_.start();
    else
        timer_.stop();
    emit captionNeeded();
}

void AutoTurnPart::switchOn() {
    turn_.switchOn(interval(), !context_.book.isOpen() || lastPageShown());
    show();
}

void AutoTurnPart::switchOff() {
    turn_.switchOff();
    show();
}

void AutoTurnPart::pauseKey(bool shift) {
    turn_.pauseKey(shift, interval(), !context_.book.isOpen() || lastPageShown());
    show();
}

void AutoTurnPart::windowDeactivated(bool keepsFocus) {
    if (!turn_.isRunning() || keepsFocus)
        return;
    turn_.pause();
    show();
}

void AutoTurnPart::tick() {
    const AutoTurn::TickResult result = turn_.tick(interval(), lastPageShown());
    if (result.turn)
        context_.pages.applyMove(PageMove::OneForward);
    show();
}

} // namespace qw

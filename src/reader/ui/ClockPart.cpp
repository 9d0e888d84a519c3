#include "reader/ui/ClockPart.h"

#include "reader/menu_panel_rules.h"
#include "settings/configuration.h"
#include "settings/ui/colour_scheme_ui.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLocale>

namespace qw {

ClockPart::ClockPart(ReaderContext& context, QBoxLayout& buttonRow)
    : QObject(&context.window), context_(context) {
    Clock = new QLabel(&context.window);
    Clock->setObjectName(QStringLiteral("Clock"));
    Clock->setContentsMargins(6, 0, 6, 0);
    Clock->hide();
    buttonRow.addWidget(Clock);
    timer_.setObjectName(QStringLiteral("ClockTimer"));
    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, &ClockPart::tick);
    update();
}

void ClockPart::update() {
    const Settings& s = context_.config.settings;
    const bool visible =
        context_.configLoaded &&
        ClockVisible(s.Bool(Setting::ShowProgressBar), s.Bool(Setting::ProgressBarBelowText),
                     s.Bool(Setting::ShowClock));
    Clock->setVisible(visible);
    if (visible && !timer_.isActive()) {
        tick(); // the time at once, not a second later
        timer_.start();
    } else if (!visible) {
        timer_.stop();
    }
}

void ClockPart::tick() {
    Clock->setText(QLocale::system().toString(now(), QLocale::ShortFormat));
}

} // namespace qw

#pragma once
// The reader window's clock: a label on the button bar with the time in the
// system's short format. It shows only while the progress bar is shown below
// the text and "Show clock" is on; its timer runs only while it shows.

#include "reader/ui/ReaderContext.h"

#include <QDateTime>
#include <QObject>
#include <QTimer>

#include <functional>

class QBoxLayout;
class QLabel;

namespace qw {

class ClockPart : public QObject {
    Q_OBJECT
  public:
    ClockPart(ReaderContext& context, QBoxLayout& buttonRow);

    // The time shown; tests set their own clock.
    std::function<QTime()> now = [] { return QTime::currentTime(); };

    QLabel* label() const { return Clock; }
    QTimer& timer() { return timer_; }

  public slots:
    // Shows or hides the clock for the current options (and shows the time).
    void update();
    void tick();

  private:
    ReaderContext& context_;
    QLabel* Clock;
    QTimer timer_;
};

} // namespace qw

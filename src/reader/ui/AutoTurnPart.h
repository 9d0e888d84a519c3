#pragma once
// The reader window's automatic page turning: "Turn 1 page every" N
// "seconds" on the "Control" page, the turn timer (one tick a second), the
// countdown at the end of the caption and the blinking progress bar in the
// last five seconds, Pause and Shift+Pause, and the pause when the window is
// deactivated.

#include "reader/auto_turn.h"
#include "reader/ui/ReaderContext.h"

#include <QObject>
#include <QTimer>

#include <string>

class QCheckBox;
class QLineEdit;
class QToolButton;

namespace qw {

class CheckOptionsPage;
class ProgressBar;

class AutoTurnPart : public QObject {
    Q_OBJECT
  public:
    AutoTurnPart(ReaderContext& context, CheckOptionsPage& controlPage, ProgressBar& bar);

    const AutoTurn& state() const { return turn_; }
    QTimer& timer() { return timer_; }
    // The end of the caption: " - 57 s", " (Paused)" while paused.
    std::string captionSuffix() const { return turn_.captionSuffix(); }

    void switchOn();
    void switchOff();
    // The Pause key (Shift held: off).
    void pauseKey(bool shift);
    // The window was deactivated; keeping the keyboard focus, it goes on.
    void windowDeactivated(bool keepsFocus);
    // One second passed.
    void tick();

  signals:
    void captionNeeded();

  private:
    bool lastPageShown() const;
    int interval() const;
    void show();
    bool eventFilter(QObject* watched, QEvent* event) override;
    void step(bool up);

    ReaderContext& context_;
    ProgressBar& bar_;
    AutoTurn turn_;
    QTimer timer_;
    QCheckBox* AutoTurnBox;
    QLineEdit* Seconds;
    QToolButton* Up;
    QToolButton* Down;
};

} // namespace qw

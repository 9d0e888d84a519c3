#pragma once
// Keeps the window alive while a long scan of the book runs on the GUI
// thread: pending events are let through now and then so the window repaints
// and a stop key can be seen, but keys and mouse presses are not carried out
// meanwhile (a Space must not also turn the page, a click must not start
// another operation), and a resize relayout waits until the scan is over,
// because the lines must not change under the scan.

#include <QElapsedTimer>
#include <QObject>

#include <initializer_list>
#include <vector>

class QTimer;

namespace qw {

class ScanGuard : public QObject {
  public:
    // `stopKeys` end the scan when pressed; with `dropWaitingKeys` a key
    // already waiting when the scan starts is dropped without effect.
    ScanGuard(QTimer& resizeTimer, std::initializer_list<int> stopKeys, bool dropWaitingKeys);
    ~ScanGuard() override;
    ScanGuard(const ScanGuard&) = delete;
    ScanGuard& operator=(const ScanGuard&) = delete;

    // Lets pending events through when `intervalMs` have passed since the
    // last time; true while no stop key was pressed.
    bool poll(int intervalMs);
    // The stop key pressed, or 0.
    int stopKey() const { return stopKey_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QTimer& resizeTimer_;
    std::vector<int> stopKeys_;
    QElapsedTimer clock_;
    int stopKey_ = 0;
    bool discarding_ = false;
    bool relayoutPending_ = false;
};

} // namespace qw

#pragma once
// Automatic page turning: a countdown of seconds, one tick a second, that
// turns one page each time it runs out. It stops itself on the last page,
// pauses and resumes (the countdown keeps its value), and makes the filled
// part of the progress bar blink during the last five seconds.

#include <optional>
#include <string>
#include <string_view>

namespace qw {

// The seconds edit: a whole number of at least 1 (at most 60 characters are
// typed; very long numbers are capped), nothing for other text.
std::optional<int> ParseAutoTurnInterval(std::string_view text);
// The up-down control attached to the edit: 10 ... 6000 in steps of 10, from
// the edit's value (120 when it holds none).
int StepAutoTurnInterval(std::string_view text, bool up);
constexpr int kAutoTurnMin = 10;
constexpr int kAutoTurnMax = 6000;
constexpr int kAutoTurnStep = 10;
constexpr int kAutoTurnDefault = 120;
constexpr int kAutoTurnLongest = 86400; // a day; longer numbers are capped

class AutoTurn {
  public:
    // The check box "Turn 1 page every".
    bool isOn() const { return on_; }
    // The timer runs: on and not paused.
    bool isRunning() const { return on_ && running_; }
    int countdown() const { return countdown_; }

    // Switching on shows the last page? Then it stays off (false).
    bool switchOn(int interval, bool lastPageShown);
    void switchOff();

    struct TickResult {
        bool turn = false;        // show the next page now
        bool switchedOff = false; // the last page is shown
    };
    TickResult tick(int interval, bool lastPageShown);

    // The Pause key: Shift+Pause switches off; Pause pauses or resumes a
    // running countdown, or switches on.
    void pauseKey(bool shift, int interval, bool lastPageShown);
    // The window was deactivated and has no keyboard focus any more.
    void pause();

    // The filled part of the progress bar shows the bar's background now
    // (the odd seconds of the last five).
    bool filledPartHidden() const;
    // The end of the window caption: " - 57 s", " - 57 s (Paused)", or
    // nothing while it is off.
    std::string captionSuffix() const;

  private:
    bool on_ = false;
    bool running_ = false;
    int countdown_ = 0;
};

} // namespace qw

#include "reader/auto_turn.h"

#include <algorithm>

namespace qw {

std::optional<int> ParseAutoTurnInterval(std::string_view text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && text[begin] == ' ')
        ++begin;
    while (end > begin && text[end - 1] == ' ')
        --end;
    if (begin == end)
        return std::nullopt;
    long long value = 0;
    for (size_t i = begin; i < end; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return std::nullopt;
        value = std::min<long long>(value * 10 + (c - '0'), kAutoTurnLongest);
    }
    if (value < 1)
        return std::nullopt;
    return static_cast<int>(value);
}

int StepAutoTurnInterval(std::string_view text, bool up) {
    const int current = std::clamp(ParseAutoTurnInterval(text).value_or(kAutoTurnDefault),
                                   kAutoTurnMin, kAutoTurnMax);
    // Off the grid of steps, the first step lands on it.
    const int below = current / kAutoTurnStep * kAutoTurnStep;
    int next = up ? below + kAutoTurnStep : (below == current ? below - kAutoTurnStep : below);
    return std::clamp(next, kAutoTurnMin, kAutoTurnMax);
}

bool AutoTurn::switchOn(int interval, bool lastPageShown) {
    if (lastPageShown) {
        switchOff();
        return false;
    }
    on_ = true;
    running_ = true;
    countdown_ = std::max(1, interval);
    return true;
}

void AutoTurn::switchOff() {
    on_ = false;
    running_ = false;
}

AutoTurn::TickResult AutoTurn::tick(int interval, bool lastPageShown) {
    TickResult result;
    if (!isRunning())
        return result;
    if (lastPageShown) {
        switchOff();
        result.switchedOff = true;
        return result;
    }
    if (--countdown_ <= 0) {
        countdown_ = std::max(1, interval);
        result.turn = true;
    }
    return result;
}

void AutoTurn::pauseKey(bool shift, int interval, bool lastPageShown) {
    if (shift)
        switchOff();
    else if (on_)
        running_ = !running_;
    else
        switchOn(interval, lastPageShown);
}

void AutoTurn::pause() {
    running_ = false;
}

bool AutoTurn::filledPartHidden() const {
    return on_ && countdown_ <= 5 && countdown_ % 2 == 1;
}

std::string AutoTurn::captionSuffix() const {
    if (!on_)
        return {};
    std::string suffix = " - " + std::to_string(countdown_) + " s";
    if (!running_)
        suffix += " (Paused)";
    return suffix;
}

} // namespace qw

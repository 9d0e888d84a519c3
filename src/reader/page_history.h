#pragma once
// The pages visited, as the drop-down list next to the left page number
// shows them, with the selected entry.

#include <optional>
#include <string>
#include <vector>

namespace qw {

class PageHistory {
  public:
    // After a move that did not come from the history: entries after the
    // selected one go, and the page is appended unless it is the last entry.
    void record(int leftPage);
    // The page of the previous / next entry, selecting it; nothing at the ends.
    std::optional<int> back();
    std::optional<int> forward();
    // The page of entry `index`, selecting it; nothing when out of range.
    std::optional<int> choose(int index);
    void clear();

    const std::vector<std::string>& entries() const { return entries_; }
    int selected() const { return selected_; }

  private:
    std::optional<int> pageAt(int index);

    std::vector<std::string> entries_;
    int selected_ = -1;
};

} // namespace qw

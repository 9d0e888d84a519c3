#pragma once
// What line fitting keeps for the open book: the logical lines as positions
// into the text, the blank-line runs and the settings of the last fitting.

#include "settings/page_margins.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qw {

// The logical lines of a text (split at CR LF) as positions into it, so that
// no line is copied. A line that holds only blanks, no-break spaces and
// control characters reads as the empty string. As in a string list, a line
// break at the very end of the text starts no further line.
class BookLineIndex {
  public:
    // Indexes `text`; the lines are read from that same text later.
    void build(std::string_view text);
    void clear() {
        lines_.clear();
        lines_.shrink_to_fit();
    }
    std::size_t size() const { return lines_.size(); }
    bool empty() const { return lines_.empty(); }
    // Line i of `text` (the text the index was built from).
    std::string_view line(std::string_view text, std::size_t i) const;
    std::size_t capacityBytes() const { return lines_.capacity() * sizeof(Line); }

  private:
    struct Line {
        std::uint64_t start;
        std::uint32_t length; // 0 for a blank line
    };
    std::vector<Line> lines_;
};

// A run of blank display lines closed by a non-blank one.
struct BlankRun {
    int first = 0; // 1-based display line of the first blank line
    int count = 0;
    bool operator==(const BlankRun& o) const { return first == o.first && count == o.count; }
};

// The settings a fitting was made with, to tell later whether a new one is due.
struct FitSnapshot {
    std::string fontName;
    int fontSize = 0;
    bool removeLineBreaks = false;
    bool bookStyle = false;
    int pageWidth = -1; // width of the left page control
    bool applyMargins = false;
    PageMargins margins{}; // none when not applied
};

} // namespace qw

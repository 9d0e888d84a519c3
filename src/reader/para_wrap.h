#pragma once
// ParaWrap: the line breaker that decides where a logical line wraps on the
// page. The text is UTF-8. It measures ASCII with a table of the page font's
// advances and every other character once, keeping its width in a table
// filled as characters are met, so wrapping a line is a single pass of
// look-ups.
//
// Rules, the same as the page display's:
// - a line breaks after blanks; a run of blanks at the end of a line hangs
//   past the edge and never wraps on its own;
// - a tab advances to the next tab stop and may end a line (it hangs too);
// - a line's first word that does not fit is broken at the last character
//   that fits (at least one character per line);
// - a line never breaks inside a character or before a combining mark;
// - CJK ideographs (and kana, Hangul) may end a line without a blank, also
//   before an opening bracket of theirs, and after one before a Latin
//   letter or digit; nothing breaks after an opening bracket;
// - a line must leave room for the ink of its last glyph that reaches past
//   the glyph's advance (negative right bearing).
// Widths are kept in 1/64 pixel, as the toolkit's text layout keeps them, so
// that sums of advances are exact.

#include "reader/text_measurer.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace qw {

class ParaWrap {
  public:
    ParaWrap();

    // The width and height of the page control the lines are shown in, in
    // pixels. Only the width matters for wrapping.
    void setBounds(double width, double height);
    double width() const { return static_cast<double>(width_) / 64.0; }
    double height() const { return height_; }

    // Takes the page font's character widths (keeping a copy of the
    // measurer for the characters met later).
    void setFont(const TextMeasurer& measurer);
    // The "Tab width" option (1 ... 100) in quarters of the average
    // character width.
    void setTabStops(int tabWidth);
    double tabStopDistance() const { return static_cast<double>(tabStop_) / 64.0; }

    // Puts one logical line in. The engine keeps a view of it: the text must
    // stay alive and unchanged while its wrapped lines are read.
    void setText(std::string_view line) { text_ = line; }
    // The number of wrapped lines (0 for an empty line).
    int lineCount() const { return countLines(text_); }
    // Wrapped line k (0-based) with its hanging blanks; empty when k is out of range.
    std::string_view line(int k) const { return wrappedLine(text_, k); }
    void clear() { text_ = {}; }

    // The same operations on a line given directly.
    int countLines(std::string_view text) const;
    std::string_view wrappedLine(std::string_view text, int k) const;
    // Where the wrapped line that starts at `start` ends (exclusive): the
    // start of the next wrapped line, or text.size() for the last one.
    std::size_t nextLineStart(std::string_view text, std::size_t start) const;

    // How a character takes part in breaking.
    enum class Kind : std::uint8_t { Other, Alnum, Ideograph, Opening, CjkOpening, Combining };

  private:
    // One character: its length in bytes, its measure and its kind.
    struct Char {
        std::size_t length;
        std::int64_t advance;
        std::int64_t overhang;
        Kind kind;
    };
    struct Metrics {
        std::int32_t advance = 0;
        std::int32_t overhang = 0;
        Kind kind = Kind::Other;
        bool known = false;
    };
    using MetricsPage = std::array<Metrics, 256>;
    // Pages of 256 code points, made when a character of the page is met.
    struct MetricsCache {
        std::vector<std::unique_ptr<MetricsPage>> pages;
    };

    std::size_t layOutLine(std::string_view text, std::size_t start, bool anywhere,
                           bool& overflow) const;
    Char charAt(std::string_view text, std::size_t i) const;
    const Metrics& metricsOf(char32_t c) const;

    std::array<std::int64_t, 128> advance_{};
    std::array<std::int64_t, 128> overhang_{}; // ink past the advance, never negative
    std::shared_ptr<const TextMeasurer> measurer_;
    std::shared_ptr<MetricsCache> cache_; // shared by copies of the engine with the same font
    std::int64_t width_ = 0;
    std::int64_t tabStop_ = 0;
    std::int64_t averageWidth_ = 0;
    int tabWidth_ = 32;
    double height_ = 0;
    std::string_view text_;
};

} // namespace qw

#pragma once
// Character widths of the page font, as the wrap engine needs them: the
// advance of a character (a Unicode code point) and the average character
// width. The Qt layer measures a real font, with the fallback fonts drawing
// uses for characters the font lacks; tests use fixed widths.

#include <memory>
#include <unordered_map>

namespace qw {

class TextMeasurer {
  public:
    virtual ~TextMeasurer() = default;

    // Horizontal advance of one character, in pixels.
    virtual double advance(char32_t c) const = 0;
    // How far the glyph's ink reaches past its advance is -rightBearing when
    // negative; a line must leave room for that overhang of its last glyph.
    virtual double rightBearing(char32_t c) const {
        (void)c;
        return 0.0;
    }
    // The font's average character width; tab stops are counted in quarters of it.
    virtual double averageCharWidth() const = 0;
    // A copy the wrap engine keeps, to measure characters as it meets them.
    virtual std::shared_ptr<const TextMeasurer> clone() const = 0;
};

// Every character the same width (or a width per character), for tests and
// for tools that lay out text without a font.
class FixedWidthMeasurer : public TextMeasurer {
  public:
    explicit FixedWidthMeasurer(double width = 1.0, double average = -1.0);

    void setAdvance(char32_t c, double width) { advances_[c] = width; }
    void setRightBearing(char32_t c, double bearing) { bearings_[c] = bearing; }

    double advance(char32_t c) const override;
    double rightBearing(char32_t c) const override;
    double averageCharWidth() const override { return average_; }
    std::shared_ptr<const TextMeasurer> clone() const override;

  private:
    double width_;
    std::unordered_map<char32_t, double> advances_;
    std::unordered_map<char32_t, double> bearings_;
    double average_;
};

} // namespace qw

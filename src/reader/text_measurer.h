#pragma once
// Character widths of the page font, as the wrap engine needs them: the
// advance of each of the 256 Windows-1252 characters and the average
// character width. The Qt layer measures a real font; tests use fixed widths.

#include <array>

namespace qw {

class TextMeasurer {
  public:
    virtual ~TextMeasurer() = default;

    // Horizontal advance of one character, in pixels.
    virtual double advance(unsigned char c) const = 0;
    // How far the glyph's ink reaches past its advance is -rightBearing when
    // negative; a line must leave room for that overhang of its last glyph.
    virtual double rightBearing(unsigned char c) const {
        (void)c;
        return 0.0;
    }
    // The font's average character width; tab stops are counted in quarters of it.
    virtual double averageCharWidth() const = 0;
};

// Every character the same width (or a width per character), for tests and
// for tools that lay out text without a font.
class FixedWidthMeasurer : public TextMeasurer {
  public:
    explicit FixedWidthMeasurer(double width = 1.0, double average = -1.0);

    void setAdvance(unsigned char c, double width) { advances_[c] = width; }
    void setRightBearing(unsigned char c, double bearing) { bearings_[c] = bearing; }

    double advance(unsigned char c) const override { return advances_[c]; }
    double rightBearing(unsigned char c) const override { return bearings_[c]; }
    double averageCharWidth() const override { return average_; }

  private:
    std::array<double, 256> advances_{};
    std::array<double, 256> bearings_{};
    double average_;
};

} // namespace qw

#pragma once
// The page font's character widths, measured with Qt. Page fonts are used
// with kerning and ligatures off, so the advances of a line's characters add
// up exactly to the width the toolkit lays the line out with.

#include "reader/text_measurer.h"

#include <QFont>

#include <array>

namespace qw {

class QtTextMeasurer : public TextMeasurer {
  public:
    // Measures `font` as a page font (PageFont below).
    explicit QtTextMeasurer(const QFont& font);

    double advance(unsigned char c) const override { return advances_[c]; }
    double rightBearing(unsigned char c) const override { return bearings_[c]; }
    double averageCharWidth() const override { return average_; }

    // The font as measured (kerning off): the one to draw the lines with.
    const QFont& font() const { return font_; }

  private:
    QFont font_;
    std::array<double, 256> advances_{};
    std::array<double, 256> bearings_{};
    double average_ = 0;
};

// `font` with kerning and ligatures switched off, as every page font is used.
QFont PageFont(QFont font);

} // namespace qw

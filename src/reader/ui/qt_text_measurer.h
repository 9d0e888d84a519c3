#pragma once
// The page font's character widths, measured with Qt. Page fonts are used
// with kerning and ligatures off, so the advances of a line's characters add
// up exactly to the width the toolkit lays the line out with. A character
// the font lacks is measured in the fallback font that draws it.

#include "reader/text_measurer.h"

#include <QFont>
#include <QFontMetricsF>

#include <array>

namespace qw {

class QtTextMeasurer : public TextMeasurer {
  public:
    // Measures `font` as a page font (PageFont below).
    explicit QtTextMeasurer(const QFont& font);

    double advance(char32_t c) const override;
    double rightBearing(char32_t c) const override;
    double averageCharWidth() const override { return average_; }
    std::shared_ptr<const TextMeasurer> clone() const override;

    // The font as measured (kerning off): the one to draw the lines with.
    const QFont& font() const { return font_; }

  private:
    QFont font_;
    QFontMetricsF metrics_;
    std::array<double, 128> advances_{};
    std::array<double, 128> bearings_{};
    double average_ = 0;
};

// `font` with kerning and ligatures switched off, as every page font is used.
QFont PageFont(QFont font);

} // namespace qw

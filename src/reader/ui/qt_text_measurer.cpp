#include "reader/ui/qt_text_measurer.h"

#include <QString>

namespace qw {

QFont PageFont(QFont font) {
    font.setKerning(false);
    // No ligatures either: each character keeps its own advance.
    font.setStyleStrategy(
        static_cast<QFont::StyleStrategy>(font.styleStrategy() | QFont::PreferNoShaping));
    return font;
}

QtTextMeasurer::QtTextMeasurer(const QFont& font) : font_(PageFont(font)), metrics_(font_) {
    for (int c = 0; c < 128; ++c) {
        const QChar ch(static_cast<char16_t>(c));
        advances_[static_cast<size_t>(c)] = metrics_.horizontalAdvance(ch);
        bearings_[static_cast<size_t>(c)] = metrics_.rightBearing(ch);
    }
    average_ = metrics_.averageCharWidth();
}

double QtTextMeasurer::advance(char32_t c) const {
    if (c < 128)
        return advances_[c];
    // Through a string, so that a character the font lacks is measured in
    // the fallback font the layout draws it with.
    const char32_t code[1] = {c};
    return metrics_.horizontalAdvance(QString::fromUcs4(code, 1));
}

double QtTextMeasurer::rightBearing(char32_t c) const {
    if (c < 128)
        return bearings_[c];
    // The bearing is the font's own; a fallback glyph is taken as ending at
    // its advance.
    if (c > 0xFFFF || !metrics_.inFontUcs4(static_cast<uint>(c)))
        return 0.0;
    return metrics_.rightBearing(QChar(static_cast<char16_t>(c)));
}

std::shared_ptr<const TextMeasurer> QtTextMeasurer::clone() const {
    return std::make_shared<QtTextMeasurer>(*this);
}

} // namespace qw

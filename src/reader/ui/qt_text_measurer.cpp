#include "reader/ui/qt_text_measurer.h"

#include "import/cp1252.h"

#include <QFontMetricsF>

namespace qw {

QFont PageFont(QFont font) {
    font.setKerning(false);
    // No ligatures either: each character keeps its own advance.
    font.setStyleStrategy(
        static_cast<QFont::StyleStrategy>(font.styleStrategy() | QFont::PreferNoShaping));
    return font;
}

QtTextMeasurer::QtTextMeasurer(const QFont& font) : font_(PageFont(font)) {
    const QFontMetricsF metrics(font_);
    for (int c = 0; c < 256; ++c) {
        const char32_t code = Cp1252ToUnicode(static_cast<unsigned char>(c));
        const QChar ch(static_cast<char16_t>(code));
        advances_[c] = metrics.horizontalAdvance(ch);
        bearings_[c] = metrics.rightBearing(ch);
    }
    average_ = metrics.averageCharWidth();
}

} // namespace qw

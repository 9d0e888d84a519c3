#include "import/unicode_text.h"

#include "import/cp1252.h"
#include "import/utf8.h"

#include <utf8proc.h>

namespace qw {

namespace {

template <typename Map> std::string mapCodePoints(std::string_view text, Map map) {
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b < 0x80) {
            out.push_back(static_cast<char>(map(b)));
            ++i;
            continue;
        }
        char32_t cp;
        size_t length;
        if (!DecodeUtf8(text, i, cp, length)) {
            out.push_back(text[i++]);
            continue;
        }
        AppendUtf8(out, map(cp));
        i += length;
    }
    return out;
}

} // namespace

char32_t UpperCodePoint(char32_t c) {
    if (c == 0xDF)
        return c; // sharp s stays: its capital is a rare letter fonts lack
    return static_cast<char32_t>(utf8proc_toupper(static_cast<utf8proc_int32_t>(c)));
}

std::string UpperUtf8(std::string_view text) {
    return mapCodePoints(text, [](char32_t c) { return UpperCodePoint(c); });
}

std::string SimpleCaseFold(std::string_view text) {
    // utf8proc's simple lower-case mapping after its upper-case one equals
    // simple case folding for all but a handful of characters (final sigma
    // and the like fold alike this way, which is what a search wants).
    return mapCodePoints(text, FoldCodePoint);
}

char32_t FoldCodePoint(char32_t c) {
    const auto upper = utf8proc_toupper(static_cast<utf8proc_int32_t>(c));
    return static_cast<char32_t>(utf8proc_tolower(upper));
}

bool IsCombining(char32_t c) {
    if (c == 0x200D)
        return true;
    const utf8proc_category_t category = utf8proc_category(static_cast<utf8proc_int32_t>(c));
    return category == UTF8PROC_CATEGORY_MN || category == UTF8PROC_CATEGORY_MC ||
           category == UTF8PROC_CATEGORY_ME;
}

bool IsBreakableIdeograph(char32_t c) {
    return (c >= 0x2E80 && c <= 0x9FFF) || // CJK radicals, kana, ideographs
           (c >= 0xAC00 && c <= 0xD7A3) || // Hangul syllables
           (c >= 0xF900 && c <= 0xFAFF) || // compatibility ideographs
           (c >= 0xFF00 && c <= 0xFF60) || // full-width forms
           (c >= 0x20000 && c <= 0x3FFFF); // supplementary ideographs
}

} // namespace qw

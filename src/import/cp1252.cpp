#include "import/cp1252.h"

#include "import/utf8.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace qw {

namespace {

// Code points of bytes 0x80..0x9F; the rest of the range equals Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

char32_t Cp1252ToUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0)
        return kHighControls[byte - 0x80];
    return byte;
}

int UnicodeToCp1252(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<int>(cp);
    for (size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == cp)
            return static_cast<int>(0x80 + i);
    return -1;
}

std::string Cp1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    size_t run = 0; // ASCII is copied in runs
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80)
            continue;
        out.append(text.data() + run, i - run);
        AppendUtf8(out, Cp1252ToUnicode(c));
        run = i + 1;
    }
    out.append(text.data() + run, text.size() - run);
    return out;
}

bool DecodeUtf8(std::string_view text, size_t pos, char32_t& codePoint, size_t& length) {
    const size_t n = text.size();
    const auto c = static_cast<unsigned char>(text[pos]);
    if (c < 0x80) {
        codePoint = c;
        length = 1;
        return true;
    }
    size_t extra;
    char32_t cp;
    if (c >= 0xC2 && c <= 0xDF) {
        extra = 1;
        cp = c & 0x1Fu;
    } else if (c >= 0xE0 && c <= 0xEF) {
        extra = 2;
        cp = c & 0x0Fu;
    } else if (c >= 0xF0 && c <= 0xF4) {
        extra = 3;
        cp = c & 0x07u;
    } else {
        return false;
    }
    if (n - pos <= extra)
        return false;
    for (size_t k = 1; k <= extra; ++k) {
        const auto t = static_cast<unsigned char>(text[pos + k]);
        if ((t & 0xC0) != 0x80)
            return false;
        cp = (cp << 6) | (t & 0x3Fu);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
    if ((extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
        (cp >= 0xD800 && cp <= 0xDFFF))
        return false;
    codePoint = cp;
    length = extra + 1;
    return true;
}

std::string Utf8ToCp1252(std::string_view text) {
    size_t lost = 0;
    return Utf8ToCp1252(text, lost);
}

std::string Utf8ToCp1252(std::string_view text, size_t& lost) {
    lost = 0;
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    const size_t n = text.size();
    while (i < n) {
        // Copy ASCII runs whole, testing eight bytes at a time.
        size_t run = i;
        while (run + 8 <= n) {
            uint64_t word;
            std::memcpy(&word, text.data() + run, 8);
            if (word & 0x8080808080808080ull)
                break;
            run += 8;
        }
        while (run < n && static_cast<unsigned char>(text[run]) < 0x80)
            ++run;
        out.append(text.data() + i, run - i);
        i = run;
        if (i >= n)
            break;
        const auto c = static_cast<unsigned char>(text[i]);
        char32_t cp = 0;
        size_t length = 0;
        if (!DecodeUtf8(text, i, cp, length)) {
            out.push_back(static_cast<char>(c));
            ++i;
            continue;
        }
        const int byte = UnicodeToCp1252(cp);
        if (byte < 0)
            ++lost;
        out.push_back(byte < 0 ? '?' : static_cast<char>(byte));
        i += length;
    }
    return out;
}

} // namespace qw

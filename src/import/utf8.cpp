#include "import/utf8.h"

#include "import/cp1252.h"

#include <cstdint>
#include <cstring>

namespace qw {

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

std::size_t NextCodePoint(std::string_view text, std::size_t pos) {
    if (static_cast<unsigned char>(text[pos]) < 0x80)
        return pos + 1;
    char32_t cp;
    std::size_t length;
    return DecodeUtf8(text, pos, cp, length) ? pos + length : pos + 1;
}

std::size_t PreviousCodePoint(std::string_view text, std::size_t pos) {
    // Back over at most three continuation bytes, then check that the
    // sequence found really ends at pos.
    std::size_t start = pos - 1;
    while (start > 0 && pos - start < 4 && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80)
        --start;
    return NextCodePoint(text, start) == pos ? start : pos - 1;
}

std::size_t Utf8Length(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); i = NextCodePoint(text, i))
        ++count;
    return count;
}

std::string_view Utf8Prefix(std::string_view text, std::size_t count) {
    std::size_t i = 0;
    for (std::size_t k = 0; k < count && i < text.size(); ++k)
        i = NextCodePoint(text, i);
    return text.substr(0, i);
}

namespace {

// The length of the run of ASCII bytes from i, eight bytes at a time.
std::size_t asciiRunEnd(std::string_view s, std::size_t i) {
    const std::size_t n = s.size();
    while (i + 8 <= n) {
        std::uint64_t word;
        std::memcpy(&word, s.data() + i, 8);
        if (word & 0x8080808080808080ull)
            break;
        i += 8;
    }
    while (i < n && static_cast<unsigned char>(s[i]) < 0x80)
        ++i;
    return i;
}

} // namespace

namespace {

bool isContinuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

// The length of the valid sequence at p[i] (lead byte >= 0x80), or 0.
std::size_t sequenceLength(const unsigned char* p, std::size_t i, std::size_t n) {
    const unsigned char b = p[i];
    if (b >= 0xC2 && b <= 0xDF)
        return i + 1 < n && isContinuation(p[i + 1]) ? 2 : 0;
    if (b >= 0xE0 && b <= 0xEF) {
        if (i + 2 >= n || !isContinuation(p[i + 1]) || !isContinuation(p[i + 2]))
            return 0;
        // No overlong forms (E0 below A0), no surrogates (ED above 9F).
        if ((b == 0xE0 && p[i + 1] < 0xA0) || (b == 0xED && p[i + 1] > 0x9F))
            return 0;
        return 3;
    }
    if (b >= 0xF0 && b <= 0xF4) {
        if (i + 3 >= n || !isContinuation(p[i + 1]) || !isContinuation(p[i + 2]) ||
            !isContinuation(p[i + 3]))
            return 0;
        if ((b == 0xF0 && p[i + 1] < 0x90) || (b == 0xF4 && p[i + 1] > 0x8F))
            return 0;
        return 4;
    }
    return 0;
}

} // namespace

std::size_t Utf8SequenceLength(std::string_view text, std::size_t pos) {
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    return p[pos] < 0x80 ? 1 : sequenceLength(p, pos, text.size());
}

Utf8Counts CountUtf8(std::string_view text) {
    Utf8Counts counts;
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t n = text.size();
    std::size_t i = 0;
    while ((i = asciiRunEnd(text, i)) < n) {
        // Runs of non-ASCII characters (Cyrillic, Greek, CJK) stay in here.
        do {
            // Two-byte letters first: the whole of a Cyrillic or Greek text.
            if (p[i] >= 0xC2 && p[i] <= 0xDF && i + 1 < n && isContinuation(p[i + 1])) {
                ++counts.sequences;
                i += 2;
                continue;
            }
            const std::size_t length = sequenceLength(p, i, n);
            if (length == 0) {
                ++counts.invalid;
                ++i;
            } else {
                ++counts.sequences;
                i += length;
            }
        } while (i < n && p[i] >= 0x80);
    }
    return counts;
}

bool IsValidUtf8Text(std::string_view text) {
    return CountUtf8(text).invalid == 0;
}

std::string Utf16ToUtf8(std::u16string_view units) {
    std::string out;
    out.reserve(units.size() + units.size() / 2);
    const auto isLow = [](char32_t u) { return u >= 0xDC00 && u <= 0xDFFF; };
    for (std::size_t i = 0; i < units.size(); ++i) {
        char32_t unit = units[i];
        if (unit >= 0xD800 && unit <= 0xDFFF) {
            if (unit < 0xDC00 && i + 1 < units.size() && isLow(units[i + 1]))
                unit = 0x10000 + ((unit - 0xD800) << 10) + (units[++i] - 0xDC00);
            else
                unit = 0xFFFD;
        }
        AppendUtf8(out, unit);
    }
    return out;
}

std::string RepairUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 16);
    std::size_t i = 0;
    char32_t cp;
    std::size_t length;
    while (i < text.size()) {
        const std::size_t run = asciiRunEnd(text, i);
        out.append(text.data() + i, run - i);
        i = run;
        if (i >= text.size())
            break;
        if (DecodeUtf8(text, i, cp, length)) {
            out.append(text.data() + i, length);
            i += length;
        } else {
            AppendUtf8(out, Cp1252ToUnicode(static_cast<unsigned char>(text[i++])));
        }
    }
    return out;
}

} // namespace qw

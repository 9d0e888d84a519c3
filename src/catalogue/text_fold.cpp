#include "catalogue/text_fold.h"

#include "import/cp1252.h"

namespace qw {

namespace {

// Base letters of U+00C0 to U+00FF and U+0100 to U+017F; '*' keeps the
// character, '2' stands for two letters (handled below).
constexpr char kLatin1Base[] = "aaaaaa2ceeeeiiiidnooooo*ouuuuyt2aaaaaa2ceeeeiiiidnooooo*ouuuuyty";
constexpr char kLatinExtABase[] = "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiiiiijjkkk"
                                  "llllllllllnnnnnnnnnoooooooorrrrrrssssssssttttttuuuuuuuuuuuu"
                                  "wwyyyzzzzzzs";

char32_t LowerLetter(char32_t c) {
    if (c < 0x80)
        return c >= 'A' && c <= 'Z' ? c + 32 : c;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return c + 0x20;
    if (c >= 0x100 && c <= 0x137)
        return c | 1;
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E))
        return (c & 1) ? c + 1 : c;
    if (c >= 0x14A && c <= 0x177)
        return c | 1;
    if (c == 0x178)
        return 0xFF;
    if ((c >= 0x391 && c <= 0x3A9) && c != 0x3A2)
        return c + 0x20;
    if (c >= 0x410 && c <= 0x42F)
        return c + 0x20;
    if (c >= 0x400 && c <= 0x40F)
        return c + 0x50;
    return c;
}

bool IsUpper(char32_t c) {
    return LowerLetter(c) != c;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Calls f(codePoint, originalBytes) for every character; invalid bytes come
// as code point 0xFFFFFFFF with their one byte.
template <typename F> void ForEachChar(std::string_view text, F f) {
    for (size_t pos = 0; pos < text.size();) {
        const auto byte = static_cast<unsigned char>(text[pos]);
        if (byte < 0x80) {
            f(static_cast<char32_t>(byte), text.substr(pos, 1));
            ++pos;
            continue;
        }
        char32_t c = 0;
        size_t length = 0;
        if (DecodeUtf8(text, pos, c, length)) {
            f(c, text.substr(pos, length));
            pos += length;
        } else {
            f(static_cast<char32_t>(0xFFFFFFFF), text.substr(pos, 1));
            ++pos;
        }
    }
}

// The base letters of a lower-case character ("é" -> "e", "æ" -> "ae").
void AppendBase(std::string& out, char32_t lower, std::string_view original) {
    if (lower < 0x80) {
        out += static_cast<char>(lower);
        return;
    }
    char base = '*';
    if (lower >= 0xC0 && lower <= 0xFF)
        base = kLatin1Base[lower - 0xC0];
    else if (lower >= 0x100 && lower <= 0x17F)
        base = kLatinExtABase[lower - 0x100];
    if (base == '2')
        out += lower == 0xDF ? "ss" : "ae";
    else if (base == '*' && lower == 0x153)
        out += "oe";
    else if (base != '*')
        out += base;
    else if (lower == 0xFFFFFFFF)
        out += original;
    else
        AppendUtf8(out, lower);
}

} // namespace

std::string TitleSortKey(std::string_view utf8) {
    std::string key;
    key.reserve(utf8.size() + 4);
    ForEachChar(utf8, [&key](char32_t c, std::string_view original) {
        AppendBase(key, c == 0xFFFFFFFF ? c : LowerLetter(c), original);
    });
    return key;
}

std::string TitleTieKey(std::string_view utf8) {
    std::string key;
    ForEachChar(utf8, [&key](char32_t c, std::string_view) { key += IsUpper(c) ? '2' : '1'; });
    key += '\x01';
    key += utf8;
    return key;
}

bool TitleLess(const std::string& keyA, std::string_view titleA, const std::string& keyB,
               std::string_view titleB) {
    const int order = keyA.compare(keyB);
    return order != 0 ? order < 0 : TitleTieKey(titleA) < TitleTieKey(titleB);
}

} // namespace qw

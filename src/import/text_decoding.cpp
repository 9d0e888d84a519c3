#include "import/text_decoding.h"

#include "import/cp1252.h"

#include <cstring>

namespace qw {

namespace {

bool startsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

// True for valid UTF-8 with at least one multi-byte sequence.
bool isMultiByteUtf8(std::string_view s) {
    bool sawMultiByte = false;
    size_t i = 0;
    const size_t n = s.size();
    while (i < n) {
        // ASCII runs are the bulk of any text: test eight bytes at a time.
        while (i + 8 <= n) {
            uint64_t word;
            std::memcpy(&word, s.data() + i, 8);
            if (word & 0x8080808080808080ull)
                break;
            i += 8;
        }
        if (i >= n)
            break;
        if (static_cast<unsigned char>(s[i]) < 0x80) {
            ++i;
            continue;
        }
        char32_t cp;
        size_t length;
        if (!DecodeUtf8(s, i, cp, length))
            return false;
        sawMultiByte = true;
        i += length;
    }
    return sawMultiByte;
}

std::string utf16ToCp1252(std::string_view s, bool bigEndian) {
    std::string out;
    out.reserve(s.size() / 2);
    for (size_t i = 0; i + 1 < s.size(); i += 2) {
        const auto a = static_cast<unsigned char>(s[i]);
        const auto b = static_cast<unsigned char>(s[i + 1]);
        const char32_t unit = bigEndian ? (a << 8 | b) : (b << 8 | a);
        if (unit >= 0xD800 && unit <= 0xDFFF) {
            // A surrogate pair lies outside Windows-1252 anyway: one '?' for it.
            const bool high = unit < 0xDC00;
            if (high && i + 3 < s.size()) {
                const auto c = static_cast<unsigned char>(s[i + 2]);
                const auto d = static_cast<unsigned char>(s[i + 3]);
                const char32_t next = bigEndian ? (c << 8 | d) : (d << 8 | c);
                if (next >= 0xDC00 && next <= 0xDFFF)
                    i += 2;
            }
            out.push_back('?');
            continue;
        }
        const int byte = UnicodeToCp1252(unit);
        out.push_back(byte < 0 ? '?' : static_cast<char>(byte));
    }
    return out;
}

} // namespace

TextEncoding DetectTextEncoding(std::string_view bytes) {
    if (startsWith(bytes, "\xEF\xBB\xBF"))
        return TextEncoding::Utf8Bom;
    if (startsWith(bytes, "\xFF\xFE"))
        return TextEncoding::Utf16LE;
    if (startsWith(bytes, "\xFE\xFF"))
        return TextEncoding::Utf16BE;
    return isMultiByteUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Cp1252;
}

std::string TranscodeToCp1252(std::string_view bytes) {
    switch (DetectTextEncoding(bytes)) {
    case TextEncoding::Utf8Bom:
        return Utf8ToCp1252(bytes.substr(3));
    case TextEncoding::Utf8:
        return Utf8ToCp1252(bytes);
    case TextEncoding::Utf16LE:
        return utf16ToCp1252(bytes.substr(2), false);
    case TextEncoding::Utf16BE:
        return utf16ToCp1252(bytes.substr(2), true);
    case TextEncoding::Cp1252:
        break;
    }
    return std::string(bytes);
}

} // namespace qw

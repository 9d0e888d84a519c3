#pragma once
// Small character and tag helpers the converters and parsers share.

#include <string_view>

namespace qw {

// Upper-casing of ASCII letters only: tag and attribute text is compared
// in capitals, and UTF-8 bytes above 127 pass unchanged.
inline char UpperAsciiByte(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The value of a hexadecimal digit, or -1 for any other character.
inline int HexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The element name of a tag's text (what stands between "<" and ">"): its
// first word, without the "/" of an empty element ("br/" gives "br"), so
// that an empty element acts as its start tag.
inline std::string_view TagName(std::string_view tag) {
    const size_t space = tag.find(' ');
    if (space != std::string_view::npos)
        tag = tag.substr(0, space);
    if (tag.size() > 1 && tag.back() == '/')
        tag.remove_suffix(1);
    return tag;
}

} // namespace qw

#include "import/text_decoding.h"

#include "import/cp1252.h"

#include <cstring>

namespace qw {

namespace {

bool startsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

// True for text whose non-ASCII characters are, nine in ten or more, valid
// UTF-8 sequences: a UTF-8 book with a few stray Windows-1252 bytes is still
// UTF-8, while Windows-1252 text, whose accented letters are almost never
// followed by continuation bytes, is not.
bool isMostlyUtf8(std::string_view s) {
    size_t sequences = 0;
    size_t invalid = 0;
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
        if (DecodeUtf8(s, i, cp, length)) {
            ++sequences;
            i += length;
        } else {
            ++invalid;
            ++i;
        }
    }
    return sequences > 0 && invalid * 9 <= sequences;
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
    return isMostlyUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Cp1252;
}

std::string TranscodeToCp1252(std::string_view bytes) {
    return TranscodeToCp1252(bytes, DetectTextEncoding(bytes));
}

std::string TranscodeToCp1252(std::string_view bytes, TextEncoding encoding) {
    switch (encoding) {
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

namespace qw {

namespace {

char UpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool StartsWithNoCase(std::string_view s, size_t at, std::string_view upperWord) {
    if (s.size() - at < upperWord.size())
        return false;
    for (size_t k = 0; k < upperWord.size(); ++k)
        if (UpperAscii(s[at + k]) != upperWord[k])
            return false;
    return true;
}

// The value after "charset" and "=" in a META tag's text, upper-cased: the
// charset attribute or the one inside content="text/html; charset=...".
std::string CharsetIn(std::string_view tag) {
    for (size_t at = 0; at + 7 <= tag.size(); ++at) {
        if (!StartsWithNoCase(tag, at, "CHARSET"))
            continue;
        size_t p = at + 7;
        while (p < tag.size() && tag[p] == ' ')
            ++p;
        if (p >= tag.size() || tag[p] != '=')
            continue;
        ++p;
        while (p < tag.size() && (tag[p] == ' ' || tag[p] == '"' || tag[p] == '\''))
            ++p;
        std::string value;
        while (p < tag.size() && tag[p] != '"' && tag[p] != '\'' && tag[p] != ' ' &&
               tag[p] != ';' && tag[p] != '/' && tag[p] != '>' && value.size() < 40)
            value.push_back(UpperAscii(tag[p++]));
        return value;
    }
    return {};
}

} // namespace

std::string DeclaredHtmlCharset(std::string_view html) {
    const std::string_view head = html.substr(0, kHtmlCharsetScan);
    for (size_t at = head.find('<'); at != std::string_view::npos; at = head.find('<', at + 1)) {
        if (!StartsWithNoCase(head, at + 1, "META"))
            continue;
        const size_t end = head.find('>', at);
        const std::string charset = CharsetIn(
            head.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at));
        if (!charset.empty())
            return charset;
    }
    return {};
}

TextEncoding DetectHtmlEncoding(std::string_view html) {
    const TextEncoding detected = DetectTextEncoding(html);
    if (detected != TextEncoding::Cp1252 && detected != TextEncoding::Utf8)
        return detected; // a byte-order mark says it all
    const std::string charset = DeclaredHtmlCharset(html);
    if (charset == "UTF-8" || charset == "UTF8")
        return TextEncoding::Utf8;
    if (charset == "WINDOWS-1252" || charset == "CP1252" || charset == "ISO-8859-1" ||
        charset == "ISO-8859-15" || charset == "LATIN1" || charset == "US-ASCII" ||
        charset == "ASCII")
        return TextEncoding::Cp1252;
    return detected;
}

} // namespace qw

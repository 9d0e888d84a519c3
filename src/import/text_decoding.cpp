#include "import/text_decoding.h"

#include "import/cp1252.h"
#include "import/utf8.h"

#include <cerrno>
#include <iconv.h>

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
    const Utf8Counts counts = CountUtf8(s);
    return counts.sequences > 0 && counts.invalid * 9 <= counts.sequences;
}

// UTF-16 or UTF-32 after the mark; unpaired surrogates become U+FFFD and
// an incomplete last unit is dropped.
std::string utf16ToUtf8(std::string_view s, bool bigEndian) {
    std::string out;
    out.reserve(s.size() + s.size() / 2);
    auto unitAt = [&](size_t i) -> char32_t {
        const auto a = static_cast<unsigned char>(s[i]);
        const auto b = static_cast<unsigned char>(s[i + 1]);
        return bigEndian ? static_cast<char32_t>(a << 8 | b) : static_cast<char32_t>(b << 8 | a);
    };
    for (size_t i = 0; i + 1 < s.size(); i += 2) {
        char32_t unit = unitAt(i);
        if (unit >= 0xD800 && unit <= 0xDFFF) {
            const bool high = unit < 0xDC00;
            if (high && i + 3 < s.size() && unitAt(i + 2) >= 0xDC00 && unitAt(i + 2) <= 0xDFFF) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (unitAt(i + 2) - 0xDC00);
                i += 2;
            } else {
                unit = 0xFFFD;
            }
        }
        AppendUtf8(out, unit);
    }
    return out;
}

std::string utf32ToUtf8(std::string_view s, bool bigEndian) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i + 3 < s.size(); i += 4) {
        char32_t v = 0;
        for (int k = 0; k < 4; ++k) {
            const auto byte =
                static_cast<unsigned char>(s[i + static_cast<size_t>(bigEndian ? k : 3 - k)]);
            v = v << 8 | byte;
        }
        AppendUtf8(out, v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF) ? char32_t{0xFFFD} : v);
    }
    return out;
}

bool isWindows1252(std::string_view name) {
    std::string upper;
    for (char c : name)
        upper.push_back(c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c);
    return upper.empty() || upper == "AUTO" || upper == "WINDOWS-1252" || upper == "CP1252";
}

} // namespace

TextEncoding DetectTextEncoding(std::string_view bytes) {
    if (startsWith(bytes, "\xEF\xBB\xBF"))
        return TextEncoding::Utf8Bom;
    if (startsWith(bytes, std::string_view("\xFF\xFE\0\0", 4)))
        return TextEncoding::Utf32LE;
    if (startsWith(bytes, std::string_view("\0\0\xFE\xFF", 4)))
        return TextEncoding::Utf32BE;
    if (startsWith(bytes, "\xFF\xFE"))
        return TextEncoding::Utf16LE;
    if (startsWith(bytes, "\xFE\xFF"))
        return TextEncoding::Utf16BE;
    return isMostlyUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Other;
}

const std::vector<std::string>& BookEncodingNames() {
    static const std::vector<std::string> names = {
        kAutoEncoding,  "UTF-8",      "Windows-1252", "ISO-8859-1",   "ISO-8859-2",
        "ISO-8859-5",   "ISO-8859-7", "ISO-8859-15",  "Windows-1250", "Windows-1251",
        "Windows-1253", "KOI8-R",     "KOI8-U",       "CP437",        "CP866",
        "GB18030",      "Big5",       "Shift_JIS",    "EUC-KR"};
    return names;
}

bool ConvertWithIconv(std::string_view bytes, std::string_view encoding, std::string& utf8) {
    const std::string from(encoding);
    iconv_t cd = iconv_open("UTF-8", from.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    utf8.clear();
    utf8.reserve(bytes.size() * 2 + 16);
    char buffer[16384];
    char* in = const_cast<char*>(bytes.data()); // iconv's interface; it only reads
    size_t inLeft = bytes.size();
    while (inLeft > 0) {
        char* out = buffer;
        size_t outLeft = sizeof buffer;
        const size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
        utf8.append(buffer, static_cast<size_t>(out - buffer));
        if (result != static_cast<size_t>(-1) || errno == E2BIG)
            continue;
        // A byte the encoding cannot read (EILSEQ) or a sequence cut off at
        // the end (EINVAL): one replacement character, then go on.
        AppendUtf8(utf8, 0xFFFD);
        ++in;
        --inLeft;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    return true;
}

std::string DecodeToUtf8(std::string_view bytes, std::string_view fallback) {
    return DecodeToUtf8(bytes, DetectTextEncoding(bytes), fallback);
}

std::string DecodeToUtf8(std::string_view bytes, TextEncoding encoding, std::string_view fallback) {
    switch (encoding) {
    case TextEncoding::Utf8Bom:
        return RepairUtf8(bytes.substr(3));
    case TextEncoding::Utf8:
        return RepairUtf8(bytes);
    case TextEncoding::Utf16LE:
        return utf16ToUtf8(bytes.substr(2), false);
    case TextEncoding::Utf16BE:
        return utf16ToUtf8(bytes.substr(2), true);
    case TextEncoding::Utf32LE:
        return utf32ToUtf8(bytes.substr(4), false);
    case TextEncoding::Utf32BE:
        return utf32ToUtf8(bytes.substr(4), true);
    case TextEncoding::Other:
        break;
    }
    std::string utf8;
    if (!isWindows1252(fallback) && ConvertWithIconv(bytes, fallback, utf8))
        return utf8;
    return Cp1252ToUtf8(bytes);
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

std::string DecodeHtmlToUtf8(std::string_view html, std::string_view fallback) {
    const TextEncoding detected = DetectTextEncoding(html);
    if (detected != TextEncoding::Other && detected != TextEncoding::Utf8)
        return DecodeToUtf8(html, detected); // a byte-order mark says it all
    const std::string charset = DeclaredHtmlCharset(html);
    if (charset == "UTF-8" || charset == "UTF8")
        return RepairUtf8(html);
    // Latin-1 and ASCII pages are read as Windows-1252, as browsers do.
    if (charset == "ISO-8859-1" || charset == "LATIN1" || charset == "US-ASCII" ||
        charset == "ASCII")
        return Cp1252ToUtf8(html);
    std::string utf8;
    if (!charset.empty() && ConvertWithIconv(html, charset, utf8))
        return utf8;
    return DecodeToUtf8(html, detected, fallback);
}

} // namespace qw

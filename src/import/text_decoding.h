#pragma once
// Turning the bytes of a file into the book's UTF-8 text: a byte-order mark
// decides, then text that is (overwhelmingly) valid UTF-8 is UTF-8, then the
// book's chosen encoding, "Auto" meaning Windows-1252.

#include <string>
#include <string_view>
#include <vector>

namespace qw {

// Other: no mark and not UTF-8, so the book's encoding decides.
enum class TextEncoding { Other, Utf8Bom, Utf8, Utf16LE, Utf16BE, Utf32LE, Utf32BE };

// UTF-16 and UTF-32 need their byte-order mark; UTF-8 is recognised by its
// mark or by holding multi-byte sequences that make up nine in ten or more of
// its non-ASCII characters (the few other bytes are stray Windows-1252).
TextEncoding DetectTextEncoding(std::string_view bytes);

// The encoding names a book record may hold, "Auto" first.
const std::vector<std::string>& BookEncodingNames();
constexpr const char* kAutoEncoding = "Auto";

// The text as UTF-8. `fallback` names the encoding of text without a mark
// that is not UTF-8 ("Auto" or empty: Windows-1252). Bytes the encoding
// cannot read become U+FFFD; invalid bytes in UTF-8 text are taken as
// Windows-1252.
std::string DecodeToUtf8(std::string_view bytes, std::string_view fallback = kAutoEncoding);
std::string DecodeToUtf8(std::string_view bytes, TextEncoding encoding,
                         std::string_view fallback = kAutoEncoding);

// The bytes in the named encoding (iconv's names, any letter case) as UTF-8;
// false when the C library does not know the encoding.
bool ConvertWithIconv(std::string_view bytes, std::string_view encoding, std::string& utf8);

// How far into an HTML file a META charset is looked for.
constexpr size_t kHtmlCharsetScan = 64 * 1024;

// The charset an HTML file declares in a META tag (charset="..." or
// http-equiv content="...; charset=..."), upper-cased; empty when none.
std::string DeclaredHtmlCharset(std::string_view html);

// An HTML file as UTF-8: a byte-order mark first, then a declared charset,
// then the content as for plain text.
std::string DecodeHtmlToUtf8(std::string_view html, std::string_view fallback = kAutoEncoding);

} // namespace qw

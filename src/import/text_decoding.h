#pragma once
// Plain-text input that is UTF-8 or UTF-16 is turned into Windows-1252 before
// the plain-text pass; anything else is taken as Windows-1252 already.

#include <string>
#include <string_view>

namespace qw {

enum class TextEncoding { Cp1252, Utf8Bom, Utf8, Utf16LE, Utf16BE };

// UTF-16 needs its byte-order mark; UTF-8 is recognised by its mark or by
// holding multi-byte sequences that make up nine in ten or more of its
// non-ASCII characters (the few other bytes are stray Windows-1252).
TextEncoding DetectTextEncoding(std::string_view bytes);

// Windows-1252 text; characters outside Windows-1252 become '?', and bytes
// of UTF-8 text that are not valid UTF-8 are taken as Windows-1252.
std::string TranscodeToCp1252(std::string_view bytes);
std::string TranscodeToCp1252(std::string_view bytes, TextEncoding encoding);

// How far into an HTML file a META charset is looked for.
constexpr size_t kHtmlCharsetScan = 64 * 1024;

// The charset an HTML file declares in a META tag (charset="..." or
// http-equiv content="...; charset=..."), upper-cased; empty when none.
std::string DeclaredHtmlCharset(std::string_view html);

// A byte-order mark first, then a declared UTF-8 or single-byte Western
// charset, then the content as for plain text.
TextEncoding DetectHtmlEncoding(std::string_view html);

} // namespace qw

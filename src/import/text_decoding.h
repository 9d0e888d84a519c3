#pragma once
// Plain-text input that is UTF-8 or UTF-16 is turned into Windows-1252 before
// the plain-text pass; anything else is taken as Windows-1252 already.

#include <string>
#include <string_view>

namespace qw {

enum class TextEncoding { Cp1252, Utf8Bom, Utf8, Utf16LE, Utf16BE };

// UTF-16 needs its byte-order mark; UTF-8 is recognised by its mark or by
// being valid UTF-8 that holds at least one multi-byte sequence.
TextEncoding DetectTextEncoding(std::string_view bytes);

// Windows-1252 text; characters outside Windows-1252 become '?'.
std::string TranscodeToCp1252(std::string_view bytes);

} // namespace qw

#pragma once
// Windows-1252 is the book text's character set: one byte per character.
// Unicode appears only at the display boundary and for UTF-8 / UTF-16 input.

#include <string>
#include <string_view>

namespace qw {

// The Unicode code point a Windows-1252 byte shows. The five unassigned bytes
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 code points of the same value,
// so every byte survives the round trip.
char32_t Cp1252ToUnicode(unsigned char byte);

// The Windows-1252 byte for a code point, or -1 when it has none.
int UnicodeToCp1252(char32_t codePoint);

// Decodes one UTF-8 sequence at pos (pos < text.size()). False for a byte that
// does not start a valid, shortest-form sequence.
bool DecodeUtf8(std::string_view text, size_t pos, char32_t& codePoint, size_t& length);

std::string Cp1252ToUtf8(std::string_view text);

// Characters without a Windows-1252 byte become '?'; bytes that are not valid
// UTF-8 are taken as Windows-1252 characters.
std::string Utf8ToCp1252(std::string_view text);
// The same, counting the characters that became '?' in `lost`.
std::string Utf8ToCp1252(std::string_view text, size_t& lost);

} // namespace qw

#pragma once
// UTF-8, the book text's encoding: appending, stepping and counting code
// points, and turning bytes that are not UTF-8 into characters.

#include <cstddef>
#include <string>
#include <string_view>

namespace qw {

void AppendUtf8(std::string& out, char32_t codePoint);

// The number of code points; a byte that starts no valid sequence counts one.
std::size_t Utf8Length(std::string_view text);

// The byte position after the code point at `pos` (one byte for an invalid one).
std::size_t NextCodePoint(std::string_view text, std::size_t pos);

// The byte position of the code point before `pos` (pos > 0).
std::size_t PreviousCodePoint(std::string_view text, std::size_t pos);

// The length of the valid, shortest-form sequence at `pos` (pos < size), 1
// for ASCII, 0 for a byte that starts none.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t pos);

// The first `count` code points of the text.
std::string_view Utf8Prefix(std::string_view text, std::size_t count);

// Valid UTF-8 in which every byte that starts no valid sequence is taken as a
// Windows-1252 character: a UTF-8 book with a stray byte keeps both.
std::string RepairUtf8(std::string_view text);

// UTF-16 code units as UTF-8; a surrogate without its partner becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view units);

// True when the whole text is valid UTF-8.
bool IsValidUtf8Text(std::string_view text);

// How many valid multi-byte sequences and how many bytes that start none a
// text holds; one fast pass.
struct Utf8Counts {
    std::size_t sequences = 0;
    std::size_t invalid = 0;
};
Utf8Counts CountUtf8(std::string_view text);

} // namespace qw

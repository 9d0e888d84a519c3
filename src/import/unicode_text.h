#pragma once
// Unicode character facts the book text needs, from utf8proc: case mapping
// and folding, combining marks and ideographs.

#include <string>
#include <string_view>

namespace qw {

char32_t UpperCodePoint(char32_t c);

// The UTF-8 text upper-cased code point by code point (simple mappings, so a
// character stays one character). Invalid bytes are copied unchanged.
std::string UpperUtf8(std::string_view text);

// Simple case folding: the form case-insensitive comparisons compare.
std::string SimpleCaseFold(std::string_view text);
// The same for one code point.
char32_t FoldCodePoint(char32_t c);

// A mark that combines with the character before it (categories Mn, Mc, Me)
// or a zero-width joiner: a line never breaks before it.
bool IsCombining(char32_t c);

// A character a line may break before and after without a blank: the CJK
// ideographs, kana and Hangul syllables.
bool IsBreakableIdeograph(char32_t c);

} // namespace qw

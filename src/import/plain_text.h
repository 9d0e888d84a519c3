#pragma once
// The passes every converted text goes through: the plain-text clean-up, the
// trimming of converter results and the line-break normalisation. They never
// read past the given content and have no failure paths.

#include <string>
#include <string_view>

namespace qw {

// Drops NUL bytes, shows other control characters (but TAB, LF, CR) as byte
// 127, and makes every line break CR LF: a lone LF gets a CR before it (not
// when it is the first byte), a lone CR an LF after it (not when it is last).
std::string CleanPlainText(std::string_view content);

// The same pass over text that should be UTF-8, checking the encoding as it
// goes: false, with `out` empty, when a byte starts no valid sequence.
bool CleanPlainUtf8(std::string_view content, std::string& out);

// Removes leading CR and LF, then trailing CR, LF, TAB and space.
std::string TrimConvertedText(std::string_view text);

// The same trimming on a text the caller owns, without copying it.
void TrimConvertedTextInPlace(std::string& text);

// Makes every line break CR LF as CleanPlainText does. With blankLines set a
// single line break before text becomes a paragraph break with a blank line.
std::string NormalizeLineBreaks(std::string_view text, bool blankLines);

// The same on a text the caller owns; a text that needs no change (the usual
// case after the plain-text pass) is left as it is, without a copy.
void NormalizeLineBreaksInPlace(std::string& text, bool blankLines);

// True when the text holds nothing but blanks and control characters.
bool IsBlankText(std::string_view text);

} // namespace qw

#pragma once
// The code pages an RTF document names (\ansicpg, \mac, \pc, font charsets)
// and how their bytes map into Unicode.

namespace qw {

constexpr int kCodePageSymbol = 42; // symbol fonts: the bytes are glyph numbers

// The code page of an RTF font charset (\fcharsetN); 0 for charset 1, the
// document's default.
int RtfCharsetCodePage(int charset);

// True for the double-byte code pages (Japanese, Chinese, Korean), whose lead
// bytes take the next byte with them.
bool IsDoubleByteCodePage(int codePage);

// The character of a byte of a code page; U+FFFD when the code page is
// unknown or has no character there. Bytes below 0x80 are themselves in every
// code page we read. Code pages without a table here go through iconv.
char32_t CodePageByteToUnicode(int codePage, unsigned char byte);

// The character of a lead and a trail byte of a double-byte code page.
char32_t DoubleByteToUnicode(int codePage, unsigned char lead, unsigned char trail);

} // namespace qw

#pragma once
// The code pages an RTF document names (\ansicpg, \mac, \pc, font charsets)
// and how their bytes map into Windows-1252.

namespace qw {

constexpr int kCodePageSymbol = 42; // symbol fonts: the bytes are glyph numbers

// The code page of an RTF font charset (\fcharsetN); 0 for charset 1, the
// document's default.
int RtfCharsetCodePage(int charset);

// True for the double-byte code pages (Japanese, Chinese, Korean), whose lead
// bytes take the next byte with them.
bool IsDoubleByteCodePage(int codePage);

// The Windows-1252 byte for a byte of a code page, or -1 when the character
// has none there. Bytes below 0x80 are themselves in every code page we read.
int CodePageByteToCp1252(int codePage, unsigned char byte);

} // namespace qw

#pragma once
// Justified pages: every display line of a paragraph except its last is
// drawn stretched to the page width by widening its blanks. Only the drawing
// changes; line breaks, pages, find and selections stay as fitting made them.

#include "reader/book.h"

#include <string_view>
#include <vector>

namespace qw {

// Whether display line n is followed by another display line of its logical
// line (so it does not end a paragraph).
bool DisplayLineContinues(const Book& book, int n);

// For the lines page `page` shows (after the blank lines trimmed from its
// top), whether each is to be stretched.
std::vector<bool> PageLinesToJustify(const Book& book, int page, int leadingBlankLines,
                                     int shownLines);

// The character boundaries of a stretched line: `natural` holds the x offset
// of each boundary of `line` (size + 1 values) as measured; the blanks
// between words (not those of an indentation, not no-break spaces) share the
// room up to `width` in whole pixels. Empty when the line stays as it is: it
// has a TAB or no blank between words, is already as wide, or would need more
// than `maxExtraPerBlank` per blank (a long word pushed to the next line
// would leave holes rather than a line).
std::vector<double> JustifiedBoundaries(std::u16string_view line,
                                        const std::vector<double>& natural, double width,
                                        double maxExtraPerBlank);

} // namespace qw

#pragma once
// Lines that look like the heading of a chapter or a larger part of a book:
// "CHAPTER I", "Chapter 12", "CHAPTER THE FIRST", "BOOK II", "PART ONE",
// "VOLUME III", "LETTER IV", "STAVE ONE", or a Roman number with a full stop
// alone on a line ("XII."). The contents list them even when they follow
// another heading closely.

#include <string_view>

namespace qw {

enum class HeadingKind { None, Chapter, Book, Part, Volume, Letter, Stave, Numeral };

// The kind of heading the line is, None for any other line. Blanks around the
// line do not count; a title may follow the number after a full stop, colon,
// comma or dash, or after a blank when the whole line is in capitals.
HeadingKind ChapterHeadingKind(std::string_view line);

} // namespace qw

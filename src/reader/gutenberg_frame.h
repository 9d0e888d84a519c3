#pragma once
// The frame of a Project Gutenberg text: the header with its licence up to
// the "*** START OF ..." line and the licence from the "*** END OF ..." line
// on. The reader can show only the text between them and takes the book's
// title and author from the header when its record has none.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qw {

// A START line counts only within the first lines of a text, so that a book
// quoting one further down is not taken for a frame.
constexpr std::size_t kFrameStartLineLimit = 1000;

struct GutenbergHeader {
    std::string title, author, translator, releaseDate, language;
    bool empty() const {
        return title.empty() && author.empty() && translator.empty() && releaseDate.empty() &&
               language.empty();
    }
};

struct GutenbergFrame {
    bool found = false;
    // The text between the two lines: from the first non-blank line after the
    // START line to the start of the END line (the end of the text when there
    // is none).
    std::size_t bodyBegin = 0;
    std::size_t bodyEnd = 0;
    GutenbergHeader header;
};

// Finds the frame in a text with CR LF or LF line breaks; `found` is false
// for a text without a START line in its first kFrameStartLineLimit lines.
GutenbergFrame FindGutenbergFrame(std::string_view text);

// The lines a title page shows under the author: "Translated by ...",
// "Released ..." and "Language: ...", those that are known.
std::vector<std::string> HeaderNotes(const GutenbergHeader& header);

} // namespace qw

#pragma once
// The drawn title page: which lines go where, at which size. The window
// paints the result; measuring is done through TitleMetrics so that the
// layout is the same in tests and on screen.

#include "reader/gutenberg_frame.h"

#include <string>
#include <vector>

namespace qw {

class TitleMetrics {
  public:
    virtual ~TitleMetrics() = default;
    // Width of a text line in the page font at a point size.
    virtual double textWidth(const std::string& text, int pointSize, bool italic) const = 0;
    // Height of the text "Mg" at a point size.
    virtual double mgHeight(int pointSize) const = 0;
    // Distance from one line of a wrapped block to the next at a point size.
    virtual double lineHeight(int pointSize) const = 0;
    // The text wrapped to a width at a point size (lines without breaks).
    virtual std::vector<std::string> wrap(const std::string& text, double width,
                                          int pointSize) const = 0;
};

// Texts are UTF-8: book information and paths.
struct TitlePageInput {
    std::string title, subtitle, author, synopsis, remarks; // book information
    std::string fileName;                                   // path of the book (or archive)
    std::string archiveEntry;                               // member name, or empty
    std::vector<std::string> notes; // small lines under the author (translator, release)
    int fontSize = 12;              // P, the page font size
    int width = 0, height = 0;      // the picture, pixels
};

struct TitleItem {
    enum class Kind { Text, Rule };
    Kind kind = Kind::Text;
    std::string text; // UTF-8; centred horizontally
    int pointSize = 0;
    bool italic = false;
    int y = 0;          // top of the text line, or the rule's line
    int x1 = 0, x2 = 0; // the rule's ends
};

// The book information of a Project Gutenberg header where the record's own
// is blank: the title, the author, and the notes under a blank subtitle.
void FillFromGutenbergHeader(TitlePageInput& input, const GutenbergHeader& header);

std::vector<TitleItem> LayoutTitlePage(const TitlePageInput& input, const TitleMetrics& metrics);

// One pass of shortening a line that does not fit: a path loses a character
// at the end of its first folder name longer than 6 characters, other texts
// their last character; "..." marks the cut. Unchanged when nothing is left
// to cut.
std::string ShortenTitleLine(const std::string& text);

} // namespace qw

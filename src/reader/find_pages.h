#pragma once
// Find next on the two facing pages: where a search begins (the caret of the
// page that holds the last hit or had the focus last, the "found side"),
// which pages a hit is shown on, and its selection in the page controls.
//
// Positions in a page control count UTF-16 code units of its text with one
// unit per line break, as the page control counts them.

#include "reader/find_text.h"
#include "reader/page_text.h"

#include <optional>
#include <string>

namespace qw {

enum class PageSide { Left, Right };

// A place in a page text: its line (0-based, lines split at CR LF) and a
// byte column in that line.
struct PagePlace {
    int line = 0;
    int column = 0;
};

int ControlPosition(const std::string& pageText, PagePlace place);
PagePlace ControlPlace(const std::string& pageText, int position);

struct SearchStart {
    int line = 1;   // display line
    int column = 0; // byte column
};

// The display line and column of `caret` on page `page` (1 ...), whose shown
// text is `text` (with its removed blank lines at the top).
SearchStart SearchStartOf(int page, int linesPerPage, const PageText& text, PagePlace caret);

struct HitPlacement {
    int leftPage = 0;
    PageSide side = PageSide::Left;
};

// The pages a hit is shown on: the shown pages when the hit begins on the
// left page or lies on the right one, else the hit's first page on the left.
HitPlacement PlaceHit(const TextHit& hit, int leftPage, int linesPerPage);

struct PageSelection {
    int start = 0;
    int end = 0;
};

struct HitSelections {
    std::optional<PageSelection> left, right;
};

// The hit's selection in the page controls of pages `leftPage` and
// `leftPage` + 1 (their texts in `pages`): a hit that runs on past the left
// page is selected to its end and on from the top of the right page.
HitSelections SelectHit(const TextHit& hit, int leftPage, int linesPerPage, const PagePair& pages);

} // namespace qw

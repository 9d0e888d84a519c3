#pragma once
// The sections the reader would list for a text, without a window: the text
// is fitted to lines of a fixed width (every character one unit wide) and
// the sections are detected as in the reader.

#include "reader/toc.h"

#include <string>
#include <string_view>
#include <vector>

namespace qw {

struct ListedSection {
    int line = 0;     // display line, 1-based
    std::string text; // the heading as the page shows it (Windows-1252)
    bool operator==(const ListedSection& o) const { return line == o.line && text == o.text; }
};

constexpr int kListingLineWidth = 80;

// The sections of `text` (Windows-1252, CR LF) fitted to lines of `width`
// characters, with the tab stops of the default "Tab width".
std::vector<ListedSection> ListSections(std::string_view text, const TocCriteria& criteria,
                                        int width = kListingLineWidth);

} // namespace qw

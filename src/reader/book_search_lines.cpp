#include "reader/book_search_lines.h"

#include "reader/fit_lines.h"

namespace qw {

std::string_view BookSearchLines::line(int n) {
    const std::optional<DisplayLinePlace> place = FindDisplayLine(book_, n);
    if (!place) {
        known_ = false;
        return {};
    }
    const std::string_view text = book_.BookLines.line(book_.WorkText, place->logicalLine);
    std::size_t start = 0;
    if (known_ && place->logicalLine == logical_ && place->wrappedLine == wrapped_ + 1) {
        start = end_;
    } else {
        for (int k = 0; k < place->wrappedLine && start < text.size(); ++k)
            start = wrap_.nextLineStart(text, start);
    }
    const std::size_t end = wrap_.nextLineStart(text, start);
    known_ = true;
    logical_ = place->logicalLine;
    wrapped_ = place->wrappedLine;
    end_ = end;
    if (start >= text.size())
        return {};
    return ShownDisplayLine(text.substr(start, end - start));
}

} // namespace qw

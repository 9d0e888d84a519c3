#include "reader/book_search_lines.h"

#include "reader/fit_lines.h"

namespace qw {

std::optional<DisplayLinePlace> BookSearchLines::placeOf(int n) const {
    // The line after the one read last is found without a search.
    if (known_ && n == number_ + 1) {
        if (wrapped_ + 1 < book_.LineHeights[logical_])
            return DisplayLinePlace{logical_, wrapped_ + 1};
        if (logical_ + 1 < book_.LineHeights.size())
            return DisplayLinePlace{logical_ + 1, 0};
        return std::nullopt;
    }
    return FindDisplayLine(book_, n);
}

std::string_view BookSearchLines::line(int n) {
    const std::optional<DisplayLinePlace> place = placeOf(n);
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
    number_ = n;
    logical_ = place->logicalLine;
    wrapped_ = place->wrappedLine;
    end_ = end;
    if (start >= text.size())
        return {};
    return ShownDisplayLine(text.substr(start, end - start));
}

} // namespace qw

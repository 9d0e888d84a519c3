#include "reader/justify.h"

#include "reader/fit_lines.h"

#include <cmath>

namespace qw {

bool DisplayLineContinues(const Book& book, int n) {
    const std::optional<DisplayLinePlace> place = FindDisplayLine(book, n);
    return place && place->wrappedLine + 1 < book.LineHeights[place->logicalLine];
}

std::vector<bool> PageLinesToJustify(const Book& book, int page, int leadingBlankLines,
                                     int shownLines) {
    std::vector<bool> justify(static_cast<std::size_t>(std::max(0, shownLines)), false);
    if (page < 1)
        return justify;
    const long long first =
        static_cast<long long>(page - 1) * std::max(1, book.Pages.LinesPerPage) + 1 +
        leadingBlankLines;
    for (std::size_t k = 0; k < justify.size(); ++k) {
        const long long n = first + static_cast<long long>(k);
        justify[k] = n <= book.LineCount && DisplayLineContinues(book, static_cast<int>(n));
    }
    return justify;
}

std::vector<double> JustifiedBoundaries(std::u16string_view line,
                                        const std::vector<double>& natural, double width,
                                        double maxExtraPerBlank) {
    if (natural.size() != line.size() + 1 || line.find(u'\t') != std::u16string_view::npos)
        return {};
    // The blanks after the first word; an indentation keeps its width.
    std::size_t first = 0;
    while (first < line.size() && line[first] == u' ')
        ++first;
    std::vector<std::size_t> blanks;
    for (std::size_t i = first; i < line.size(); ++i)
        if (line[i] == u' ')
            blanks.push_back(i);
    const double extra = std::floor(width - natural.back());
    if (blanks.empty() || extra < 1 ||
        extra > maxExtraPerBlank * static_cast<double>(blanks.size()))
        return {};
    // Blank k gets round(extra * (k + 1) / count) - round(extra * k / count)
    // pixels, so the words start on whole pixels and the line ends flush.
    std::vector<double> xs = natural;
    double added = 0;
    std::size_t next = 0;
    const double count = static_cast<double>(blanks.size());
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (next < blanks.size() && blanks[next] == i) {
            ++next;
            added = std::round(extra * static_cast<double>(next) / count);
        }
        xs[i + 1] = natural[i + 1] + added;
    }
    return xs;
}

} // namespace qw

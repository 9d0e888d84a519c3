#include "reader/pagination.h"

#include "reader/bookmarks.h"
#include "reader/page_moves.h"

#include <algorithm>
#include <cmath>

namespace qw {

namespace {

Bookmarks::Pages toPages(const std::array<int, 3>& marks) {
    Bookmarks::Pages pages{};
    for (size_t i = 0; i < 3; ++i)
        pages[i] = marks[i] > 0 ? marks[i] : Bookmarks::kNone;
    return pages;
}

std::array<int, 3> fromPages(const Bookmarks::Pages& pages) {
    std::array<int, 3> marks{};
    for (size_t i = 0; i < 3; ++i)
        marks[i] = pages[i] > 0 ? pages[i] : 0;
    return marks;
}

} // namespace

void Pagination::setLinesPerPage(int computed) {
    if (counted_ < 1)
        counted_ = LinesPerPage;
    LinesPerPage = std::max(1, computed);
}

void Pagination::restore(int leftPage, int linesPerPage, const std::array<int, 3>& bookmarks) {
    LeftPage = std::max(0, leftPage);
    counted_ = linesPerPage > 0 ? linesPerPage : LinesPerPage;
    Bookmarks = fromPages(::qw::Bookmarks(toPages(bookmarks)).pages());
}

double Pagination::firstLine(int page, int linesPerPage) {
    return page <= 0 ? 0.0 : (page - 1.0) * std::max(1, linesPerPage) + 1.0;
}

int Pagination::pageNearestTo(double line) const {
    if (line < 1)
        return 0;
    return RoundHalfEven((line - 1.0) / std::max(1, LinesPerPage)) + 1;
}

void Pagination::repaginate(int lineCount) {
    refit(lineCount, lineCount, false);
}

void Pagination::refit(int oldLineCount, int lineCount, bool keepLeftPage) {
    LinesPerPage = std::max(1, LinesPerPage);
    const int counted = countedLinesPerPage();
    // A first line in the old numbering, moved in proportion to the text.
    auto carried = [&](int page) {
        if (oldLineCount <= 0)
            return 0.0;
        const double moved = std::trunc(firstLine(page, counted) * lineCount / oldLineCount);
        return std::clamp(moved, 0.0, static_cast<double>(lineCount));
    };
    PageCount = PageCountFor(lineCount, LinesPerPage);
    if (!keepLeftPage)
        LeftPage = pageNearestTo(carried(LeftPage));
    LeftPage = std::clamp(LeftPage, 0, PageCount);
    if (!keepLeftPage && oldLineCount > 0) {
        // Bookmarks move exactly as the left page does, so a bookmark of the
        // page being read stays on it; none falls off the end.
        for (int& mark : Bookmarks)
            if (mark > 0)
                mark = std::clamp(pageNearestTo(carried(mark)), 1, std::max(1, PageCount));
    }
    counted_ = LinesPerPage;
}

void Pagination::clear() {
    PageCount = 0;
    LeftPage = 0;
    Bookmarks = {0, 0, 0};
    counted_ = 0;
}

void Pagination::goTo(int leftPage) {
    LeftPage = std::clamp(leftPage, 0, std::max(0, PageCount));
}

bool Pagination::setNextBookmark() {
    ::qw::Bookmarks marks(toPages(Bookmarks));
    if (!marks.setNext(LeftPage))
        return false;
    Bookmarks = fromPages(marks.pages());
    return true;
}

bool Pagination::clearBookmark(int index) {
    ::qw::Bookmarks marks(toPages(Bookmarks));
    if (!marks.clear(index))
        return false;
    Bookmarks = fromPages(marks.pages());
    return true;
}

bool Pagination::clearAllBookmarks() {
    ::qw::Bookmarks marks(toPages(Bookmarks));
    if (!marks.clearAll())
        return false;
    Bookmarks = fromPages(marks.pages());
    return true;
}

std::optional<int> Pagination::bookmarkTarget(int index) const {
    return ::qw::Bookmarks(toPages(Bookmarks)).target(index, PageCount);
}

} // namespace qw

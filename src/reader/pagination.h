#pragma once
// The page table of the open book: how many display lines a page holds, the
// left page shown, the page count and the three bookmarks. This is the one
// place that divides the lines into pages and carries the reading position
// and the bookmarks over when the page height or the line count changes.
//
// Page 0 is the title page; page p >= 1 holds display lines
// (p - 1) * LinesPerPage + 1 ... p * LinesPerPage; the right page is
// LeftPage + 1. A position is carried over by its first display line: the
// left page and every bookmark go to the page whose first line is nearest.

#include <array>
#include <optional>

namespace qw {

class Pagination {
  public:
    int LinesPerPage = 0;           // at least 1 once a page height is known
    int PageCount = 0;              // 0 with no lines
    int LeftPage = 0;               // 0 ... PageCount
    std::array<int, 3> Bookmarks{}; // left pages, compact; 0 = not set

    // The lines per page the left page and the bookmarks are counted in:
    // those of the last pagination, or of the stored record while loading.
    int countedLinesPerPage() const { return counted_ > 0 ? counted_ : LinesPerPage; }

    // A new page height. The position stays counted in the lines per page it
    // was counted in until the lines are divided again (repaginate, refit).
    void setLinesPerPage(int computed);
    // A stored position (a book's record), counted in `linesPerPage` lines
    // per page (0: unknown, the current ones). Bookmarks below 1 are unset.
    void restore(int leftPage, int linesPerPage, const std::array<int, 3>& bookmarks);

    // Divides lineCount display lines into pages of LinesPerPage.
    void repaginate(int lineCount);
    // After a fitting changed the line count from oldLineCount to lineCount:
    // the position moves in proportion to the text, then the lines are
    // divided. keepLeftPage keeps the left page (a batch being loaded).
    void refit(int oldLineCount, int lineCount, bool keepLeftPage);
    // No book: no pages, no bookmarks.
    void clear();

    // The left page, limited to 0 ... PageCount.
    void goTo(int leftPage);

    // Bookmarks: set on the left page (the title page never), cleared one or
    // all; true when something changed.
    bool setNextBookmark();
    bool clearBookmark(int index);
    bool clearAllBookmarks();
    // The page of bookmark index (0..2) within 0 ... PageCount, or nothing.
    std::optional<int> bookmarkTarget(int index) const;

    // First display line of page `page` counted in linesPerPage lines per
    // page; 0 for the title page.
    static double firstLine(int page, int linesPerPage);
    // The page whose first display line is nearest to `line` (0 for line < 1).
    int pageNearestTo(double line) const;

  private:
    int counted_ = 0;
};

} // namespace qw

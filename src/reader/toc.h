#pragma once
// Detection of section headers in the fitted text: a header is the first
// line after a long enough run of blank lines, optionally containing a given
// text, and two listed sections keep a minimum distance. Only the blank-line
// runs of the fitting are visited, so the scan is quick on long books.

#include "reader/book.h"
#include "settings/book_settings.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qw {

// The criteria of the options group "Criteria for identifying TOC sections:".
struct TocCriteria {
    int precedingBlankLines = 3; // a header follows at least this many blank lines (1..9)
    int headerSize = 5;          // minimum distance between two listed sections (1..9)
    bool countBlankLines = true; // blank lines count towards that distance
    std::string headerContains;  // empty: every candidate qualifies
    // "Always list chapter headings": a candidate that looks like a chapter
    // or part heading is listed even closer than headerSize to the previous
    // one, and one followed within two lines by another heading of its kind
    // (an entry of a contents list at the front) is not listed.
    bool alwaysListChapters = true;
};

// The criteria the book settings hold, with the counts kept within 1..9 and
// the header text in Windows-1252.
TocCriteria TocCriteriaOf(const BookSettings& settings);

// One detected section: its first display line and its line in the page
// layout (1-based). Detection sets both to the same value.
struct SectionEntry {
    int firstLine = 0;
    int layoutLine = 0;
    bool operator==(const SectionEntry& o) const {
        return firstLine == o.firstLine && layoutLine == o.layoutLine;
    }
};
using SectionMap = std::vector<SectionEntry>;

// What the scan reports to the window around it.
class TocScanHost {
  public:
    virtual ~TocScanHost() = default;
    // Asked before each blank run; true stops the scan (Space was pressed).
    virtual bool abortRequested() { return false; }
    // A section was added; the caption shows its progress text.
    virtual void showProgress(const std::string& caption) { (void)caption; }
};

struct TocScan {
    SectionMap sections; // in ascending line order; those found so far when aborted
    bool aborted = false;
};

// The text of display line n, as a page shows it.
using LineTextSource = std::function<std::string(int)>;

// Finds the sections of the open book. The line texts are asked for only when
// the criteria name a header text. Nothing is found when no book is open.
TocScan DetectSections(const Book& book, const TocCriteria& criteria,
                       const LineTextSource& lineText, TocScanHost* host = nullptr);

// Whether a line qualifies as a header: the header text (already case-folded)
// is empty or the case-folded line contains it.
bool HeaderQualifies(std::string_view line, std::string_view foldedHeader);

// The caption while sections are added.
std::string TocProgressCaption(int count, int page, int lastPage);

// The page a display line is on: (line - 1) div linesPerPage + 1.
int PageOfLine(int line, int linesPerPage);

} // namespace qw

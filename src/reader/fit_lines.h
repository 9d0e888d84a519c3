#pragma once
// Line fitting: turns the book text into numbered display lines that fit the
// page width in the page font. Per logical line only the number of display
// lines is kept; a display line is produced on demand by wrapping its logical
// line again. Fitting also applies line-break removal first, keeps the list
// of blank-line runs, carries the reading position and the bookmarks over to
// the new line count, and records the settings it fitted with.

#include "reader/book.h"
#include "reader/para_wrap.h"
#include "reader/remove_line_breaks.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qw {

// The options fitting reads.
struct FitOptions {
    bool removeLineBreaks = true;   // "Remove single line breaks"
    LineBreakOptions lineBreaks;    // "Not after punctuation marks", "Not before indentation"
    bool automaticToc = false;      // "Automatically create table of contents"
    int tabWidth = 32;              // "Tab width", in quarters of the average character width
    bool skipGutenbergFrame = true; // "Skip the Gutenberg header and licence"
    // Recorded in the snapshot.
    std::string fontName;
    int fontSize = 0;
    bool bookStyle = false;
    int pageWidth = 0; // width of the left page control
    bool applyMargins = false;
    PageMargins margins{};
};

// What fitting needs from the window around it.
class FitHost {
  public:
    virtual ~FitHost() = default;
    // The progress caption ("Fitting lines: 40% done").
    virtual void showProgress(const std::string& caption) = 0;
    virtual void setBusy(bool busy) { (void)busy; }
    // WorkText changed: the editor's copy of the text is stale.
    virtual void workTextChanged() {}
    // Loading: the section list starts empty.
    virtual void clearSections() {}
    // "Automatically create table of contents": false when the user aborted.
    virtual bool createToc() { return true; }
    virtual void clearToc() {}
    // Clear the page history, show the pages and update the caption.
    virtual void showPages() {}
    // Write the book record ("Page", "Total lines", "Lines", ...).
    virtual void writeBookRecord() {}
};

// Fits the open book's lines with `wrap`, which is set to the left page
// control's width, the page font and the tab stops. Does nothing when no book
// is open. False when the table of contents was aborted: the pages, caption,
// record and snapshot are then left as they were.
bool FitLines(Book& book, const FitOptions& options, const ParaWrap& wrap, FitHost& host);

// True unless the page width, font name, font size and "Remove single line
// breaks" all equal those of the last fitting.
bool NeedsRefit(const FitSnapshot& snapshot, int pageWidth, const std::string& fontName,
                int fontSize, bool removeLineBreaks);

// Where display line n (1-based) comes from: its logical line and which of
// that line's wrapped lines (0-based) it is.
struct DisplayLinePlace {
    std::size_t logicalLine = 0;
    int wrappedLine = 0;
};
std::optional<DisplayLinePlace> FindDisplayLine(const Book& book, int n);

// The text of display line n, as a page shows it: blank logical lines give the
// empty string, trailing blanks are removed (a line of blanks keeps its first
// one). Nothing when n is out of range.
std::optional<std::string> DisplayLineText(const Book& book, const ParaWrap& wrap, int n);
// A wrapped line as a page shows it: without its trailing blanks (a line of
// blanks keeps its first one) and line-end characters.
std::string_view ShownDisplayLine(std::string_view wrapped);

} // namespace qw

#pragma once
// The one open book as the reader window holds it.

#include "import/file_ref.h"
#include "reader/fit_lines_types.h"
#include "reader/gutenberg_frame.h"
#include "reader/pagination.h"

#include <array>
#include <string>
#include <vector>

namespace qw {

struct Book {
    std::string FileName;     // empty: no book is open
    std::string ArchiveEntry; // member the text came from; empty for plain and joined files
    std::string RawText;      // as loaded, CR LF line breaks; never changed by removal
    std::string WorkText;     // what fitting reads
    BookLineIndex BookLines;  // logical lines of WorkText, rebuilt by every fitting

    // Fitted line tables (see fit_lines.h).
    std::vector<int> LineHeights; // display lines per logical line, at least 1
    std::vector<int> LineEnds;    // running sum of LineHeights
    int LineCount = 0;            // display lines; at least 1 after fitting
    std::vector<BlankRun> BlankRuns;
    int TocLineCount = 0; // LineCount as the table of contents last saw it
    FitSnapshot Snapshot; // settings of the last fitting
    // WorkText holds removal's result, made with these two check options.
    bool BreaksRemoved = false;
    bool BreaksPunctuation = false;
    bool BreaksIndentation = false;

    bool TextEdited = false;     // differs from any file on disk
    bool AppendMode = false;     // the next loaded file is appended
    bool BreaksAutoOff = false;  // removal switched off because of the file type
    bool RestoreRawText = false; // the next fitting starts again from RawText
    std::string ChangeReason;    // why a relayout runs; empty when idle
    // The database name of the Palm DOC file converted last,
    // the book title when its record has none; empty after other formats.
    std::string PalmDocTitle;
    // The Project Gutenberg frame of a single book's RawText (none for joined
    // books) and whether WorkText was last made without it.
    GutenbergFrame Frame;
    bool FrameSkipped = false;
    // Of the file (or archive member) as read, for finding the record of a
    // moved book; empty for joined and saved texts.
    std::string Fingerprint;

    Pagination Pages; // lines per page, the left page, the page count, the bookmarks

    bool isOpen() const { return !FileName.empty(); }
};

} // namespace qw

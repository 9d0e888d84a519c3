#include "reader/toc.h"

#include "import/unicode_text.h"
#include "reader/chapter_headings.h"

#include <algorithm>

namespace qw {

namespace {

// The line after `count` non-blank lines counted from `from` (which is not
// blank), skipping the blank runs from index `run` on; past the end of the
// text when it ends first. A blank run still open at the end of the text is
// not in the list, but no candidate can follow it, so counting through it
// changes nothing.
int AfterNonBlankLines(const std::vector<BlankRun>& runs, std::size_t run, int from, int count,
                       int lineCount) {
    int pos = from;
    int need = count;
    while (true) {
        const int segmentEnd = run < runs.size() ? runs[run].first - 1 : lineCount;
        const int available = segmentEnd - pos + 1;
        if (available >= need)
            return pos + need;
        if (run >= runs.size())
            return lineCount + 1;
        need -= std::max(0, available);
        pos = std::max(pos, runs[run].first + runs[run].count);
        ++run;
    }
}

// Whether the heading on `line` is followed within two lines by another of
// its kind, or by a heading that is (a volume entry above its chapters).
bool IsContentsEntry(int line, HeadingKind kind, int lineCount, const LineTextSource& lineText,
                     bool followOn = true) {
    for (int next = line + 1; next <= line + 2 && next <= lineCount; ++next) {
        const HeadingKind nextKind = ChapterHeadingKind(lineText(next));
        if (nextKind == kind)
            return true;
        if (followOn && nextKind != HeadingKind::None &&
            IsContentsEntry(next, nextKind, lineCount, lineText, false))
            return true;
    }
    return false;
}

} // namespace

TocCriteria TocCriteriaOf(const BookSettings& settings) {
    TocCriteria c;
    c.precedingBlankLines = std::clamp(settings.precedingBlankLines, 1, 9);
    c.headerSize = std::clamp(settings.sectionHeaderSize, 1, 9);
    c.countBlankLines = settings.countBlankLines;
    c.headerContains = settings.sectionHeaderContains;
    return c;
}

bool HeaderQualifies(std::string_view line, std::string_view foldedHeader) {
    if (foldedHeader.empty())
        return true;
    return SimpleCaseFold(line).find(foldedHeader) != std::string::npos;
}

std::string TocProgressCaption(int count, int page, int lastPage) {
    return "TOC section " + std::to_string(count) + " (page " + std::to_string(page) + "/" +
           std::to_string(lastPage) + ") - Press Space to abort";
}

int PageOfLine(int line, int linesPerPage) {
    return (line - 1) / std::max(1, linesPerPage) + 1;
}

TocScan DetectSections(const Book& book, const TocCriteria& criteria,
                       const LineTextSource& lineText, TocScanHost* host) {
    TocScan scan;
    if (!book.isOpen())
        return scan;
    const int lineCount = book.TocLineCount > 0 ? book.TocLineCount : book.LineCount;
    if (lineCount < 1)
        return scan;
    const int blankLines = std::max(1, criteria.precedingBlankLines);
    const int headerSize = std::max(1, criteria.headerSize);
    const std::string header = SimpleCaseFold(criteria.headerContains);
    const int lastPage = PageOfLine(lineCount, book.Pages.LinesPerPage);

    auto qualifies = [&](int line) {
        return header.empty() || (lineText && HeaderQualifies(lineText(line), header));
    };
    auto add = [&](int line) {
        scan.sections.push_back({line, line});
        if (host != nullptr)
            host->showProgress(TocProgressCaption(static_cast<int>(scan.sections.size()),
                                                  PageOfLine(line, book.Pages.LinesPerPage),
                                                  lastPage));
    };

    if (qualifies(1))
        add(1);
    int nextAllowed = 0;
    const std::vector<BlankRun>& runs = book.BlankRuns;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        if (host != nullptr && host->abortRequested()) {
            scan.aborted = true;
            return scan;
        }
        if (runs[i].count < blankLines)
            continue;
        const int candidate = runs[i].first + runs[i].count;
        if (candidate > lineCount)
            break;
        if (!qualifies(candidate)) {
            nextAllowed = 0;
            continue;
        }
        const HeadingKind kind = criteria.alwaysListChapters && lineText
                                     ? ChapterHeadingKind(lineText(candidate))
                                     : HeadingKind::None;
        if (candidate < nextAllowed && kind == HeadingKind::None)
            continue;
        // An entry of a contents list at the front: the heading counts where
        // the body has it.
        if (kind != HeadingKind::None && IsContentsEntry(candidate, kind, lineCount, lineText))
            continue;
        add(candidate);
        nextAllowed = criteria.countBlankLines
                          ? candidate + headerSize
                          : AfterNonBlankLines(runs, i + 1, candidate, headerSize, lineCount);
    }
    return scan;
}

} // namespace qw

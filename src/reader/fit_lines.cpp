#include "reader/fit_lines.h"

#include <algorithm>
#include <cmath>

namespace qw {

namespace {

class BusyCursor {
  public:
    explicit BusyCursor(FitHost& host) : host_(host) { host_.setBusy(true); }
    ~BusyCursor() { host_.setBusy(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

  private:
    FitHost& host_;
};

// Applies line-break removal to WorkText when the options ask for it,
// restoring RawText first when the joined text cannot serve.
void prepareWorkText(Book& book, const FitOptions& options, FitHost& host) {
    const LineBreakOptions& lb = options.lineBreaks;
    // Turning a check option on needs the unjoined text; turning one off
    // simply joins more of the already joined text.
    const bool frameToggled = book.Frame.found && options.skipGutenbergFrame != book.FrameSkipped;
    const bool restore = book.RestoreRawText || (book.BreaksRemoved && !options.removeLineBreaks) ||
                         (!book.BreaksPunctuation && lb.notAfterPunctuation) ||
                         (!book.BreaksIndentation && lb.notBeforeIndentation) || frameToggled;
    bool changed = false;
    if (restore) {
        // RawText may have been edited since the frame was found.
        if (book.Frame.found)
            book.Frame = FindGutenbergFrame(book.RawText);
        book.FrameSkipped = book.Frame.found && options.skipGutenbergFrame;
        if (book.FrameSkipped)
            book.WorkText.assign(book.RawText, book.Frame.bodyBegin,
                                 book.Frame.bodyEnd - book.Frame.bodyBegin);
        else
            book.WorkText = book.RawText;
        book.BreaksRemoved = false;
        book.BreaksPunctuation = false;
        book.BreaksIndentation = false;
        book.RestoreRawText = false;
        changed = true;
    }
    if (options.removeLineBreaks &&
        (!book.BreaksRemoved || lb.notAfterPunctuation != book.BreaksPunctuation ||
         lb.notBeforeIndentation != book.BreaksIndentation)) {
        book.WorkText = RemoveLineBreaks(
            book.WorkText, lb, [&host](const std::string& caption) { host.showProgress(caption); });
        book.BreaksRemoved = true;
        book.BreaksPunctuation = lb.notAfterPunctuation;
        book.BreaksIndentation = lb.notBeforeIndentation;
        changed = true;
    }
    if (changed)
        host.workTextChanged();
}

// Wraps every logical line: LineHeights, LineEnds, LineCount and BlankRuns.
void wrapLines(Book& book, const ParaWrap& wrap, FitHost& host) {
    const std::string_view text = book.WorkText;
    book.BookLines.build(text);
    const std::size_t n = book.BookLines.size();
    book.LineHeights.assign(n, 0);
    book.LineEnds.assign(n, 0);
    book.BlankRuns.clear();
    book.BlankRuns.reserve(n / 8 + 1);
    book.LineCount = 0;
    const std::size_t step = n / 10 + 1;
    int percent = 0;
    bool inRun = false;
    for (std::size_t i = 0; i < n; ++i) {
        const std::string_view line = book.BookLines.line(text, i);
        int h = line.empty() ? 0 : wrap.countLines(line);
        if (h == 0)
            h = 1;
        book.LineHeights[i] = h;
        book.LineCount += h;
        if (h == 1 && line.empty()) {
            if (inRun)
                ++book.BlankRuns.back().count;
            else
                book.BlankRuns.push_back({book.LineCount, 1});
            inRun = true;
        } else {
            inRun = false;
        }
        book.LineEnds[i] = book.LineCount;
        if (i % step == 0) {
            percent += 10;
            host.showProgress("Fitting lines: " + std::to_string(percent) + "% done");
        }
    }
    // A run still open at the end of the text is not closed by a line.
    if (inRun)
        book.BlankRuns.pop_back();
    book.BlankRuns.shrink_to_fit();
    if (book.LineCount == 0)
        book.LineCount = 1;
}

} // namespace

bool FitLines(Book& book, const FitOptions& options, const ParaWrap& wrap, FitHost& host) {
    if (!book.isOpen())
        return true;
    BusyCursor busy(host);
    if (book.ChangeReason == "DateiLaden")
        host.clearSections();

    const int oldLineCount = book.LineCount;

    prepareWorkText(book, options, host);
    host.showProgress("Fitting lines:  0% done");
    wrapLines(book, wrap, host);

    // The position and the bookmarks follow the text into the new lines.
    const int lineCount = book.LineCount;
    book.Pages.refit(oldLineCount, lineCount, book.AppendMode);
    book.TocLineCount = lineCount;

    if (options.automaticToc) {
        if (!host.createToc())
            return false;
    } else {
        host.clearToc();
    }
    host.showPages();
    if (!book.AppendMode)
        host.writeBookRecord();

    FitSnapshot& snap = book.Snapshot;
    snap.fontName = options.fontName;
    snap.fontSize = options.fontSize;
    snap.removeLineBreaks = options.removeLineBreaks;
    snap.bookStyle = options.bookStyle;
    snap.pageWidth = options.pageWidth;
    snap.applyMargins = options.applyMargins;
    snap.margins = options.applyMargins ? options.margins : PageMargins{};
    return true;
}

bool NeedsRefit(const FitSnapshot& snapshot, int pageWidth, const std::string& fontName,
                int fontSize, bool removeLineBreaks) {
    return !(snapshot.pageWidth == pageWidth && snapshot.fontName == fontName &&
             snapshot.fontSize == fontSize && snapshot.removeLineBreaks == removeLineBreaks);
}

std::optional<DisplayLinePlace> FindDisplayLine(const Book& book, int n) {
    if (n < 1 || book.LineEnds.empty() || n > book.LineEnds.back())
        return std::nullopt;
    const auto it = std::lower_bound(book.LineEnds.begin(), book.LineEnds.end(), n);
    const auto j = static_cast<std::size_t>(it - book.LineEnds.begin());
    return DisplayLinePlace{j, n - (book.LineEnds[j] - book.LineHeights[j]) - 1};
}

std::string_view ShownDisplayLine(std::string_view line) {
    std::size_t end = line.size();
    while (end > 0 && (line[end - 1] == '\r' || line[end - 1] == '\n'))
        --end;
    std::size_t trimmed = end;
    while (trimmed > 0 && line[trimmed - 1] == ' ')
        --trimmed;
    if (trimmed == 0 && end > 0)
        trimmed = 1;
    return line.substr(0, trimmed);
}

std::optional<std::string> DisplayLineText(const Book& book, const ParaWrap& wrap, int n) {
    const std::optional<DisplayLinePlace> place = FindDisplayLine(book, n);
    if (!place)
        return std::nullopt;
    const std::string_view line = book.BookLines.line(book.WorkText, place->logicalLine);
    if (line.empty())
        return std::string();
    return std::string(ShownDisplayLine(wrap.wrappedLine(line, place->wrappedLine)));
}

} // namespace qw

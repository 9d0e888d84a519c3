#include "reader/toc_listing.h"

#include "reader/fit_lines.h"
#include "reader/para_wrap.h"
#include "reader/text_measurer.h"

#include <algorithm>

namespace qw {

namespace {

class SilentFitHost : public FitHost {
  public:
    void showProgress(const std::string&) override {}
};

} // namespace

std::vector<ListedSection> ListSections(std::string_view text, const TocCriteria& criteria,
                                        int width) {
    const FixedWidthMeasurer measurer(1.0);
    ParaWrap wrap;
    wrap.setFont(measurer);
    wrap.setBounds(std::max(1, width), 0);
    wrap.setTabStops(32);

    Book book;
    book.FileName = "-";
    book.RawText.assign(text.data(), text.size());
    book.RestoreRawText = true;
    book.Frame = FindGutenbergFrame(book.RawText);
    book.Pages.LinesPerPage = 1;
    FitOptions options;
    options.removeLineBreaks = false; // the caller has already joined the lines when asked
    SilentFitHost host;
    FitLines(book, options, wrap, host);

    const LineTextSource lineText = [&](int n) {
        return DisplayLineText(book, wrap, n).value_or(std::string());
    };
    std::vector<ListedSection> listed;
    for (const SectionEntry& s : DetectSections(book, criteria, lineText).sections)
        listed.push_back({s.firstLine, lineText(s.firstLine)});
    return listed;
}

} // namespace qw

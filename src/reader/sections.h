#pragma once
// The contents list around the detected sections: the rows with their page
// numbers, jumping to a section, the previous and next section, which row to
// select for the pages shown, the hover scrolling of the list and the
// preview of a section's beginning.

#include "reader/para_wrap.h"
#include "reader/toc.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qw {

// One row of the contents list.
struct SectionRow {
    int page = 0;
    std::string text; // the section's first line, every TAB as eight spaces
    bool operator==(const SectionRow& o) const { return page == o.page && text == o.text; }
};

// The rows for the sections, with page numbers for linesPerPage.
std::vector<SectionRow> SectionRows(const SectionMap& sections, int linesPerPage,
                                    const LineTextSource& lineText);

// Every TAB replaced by eight spaces.
std::string ExpandTabs(std::string_view line);

// The pages the sections start on, in list order.
std::vector<int> SectionPages(const SectionMap& sections, int linesPerPage);

// The left page a click on a section row shows: the even page of the pair
// holding the section's page, within 0 ... pageCount.
int JumpToSectionPage(int page, int pageCount);

// The left page of "previous section" and "next section" from leftPage;
// nothing when there are no sections. The result is within 0 ... pageCount.
std::optional<int> PreviousSectionPage(const std::vector<int>& pages, int leftPage, int pageCount);
std::optional<int> NextSectionPage(const std::vector<int>& pages, int leftPage, int pageCount);

// The row (0-based section index) to select after the pages of leftPage were
// shown, or nothing to keep the selection (a selected section on either page
// shown stays). `selected` is -1 when no row is.
std::optional<int> SectionToSelect(const std::vector<int>& pages, int selected, int leftPage);

// Where the pointer rests for the hover scrolling of the list.
enum class HoverZone {
    Above,    // the list's title row or the strip above the list
    Below,    // the strip below the list
    Elsewhere // anywhere else over the panel
};
// Whether the scrolling timer runs for a pointer in `zone` with section
// `selected` (0-based) of `count` selected.
bool HoverScrollRuns(HoverZone zone, int selected, int count);
// The selection after one tick of the timer.
int HoverScrollStep(HoverZone zone, int selected, int count);

// The preview of the display lines first ... end - 1: lines of one paragraph
// are joined with a space, a blank or indented line starts a new line
// (LF). Stops once the text needs more than maxRows rows in a box that
// wraps like `boxWrap`, and keeps only the first maxRows rows.
std::string BuildSectionPreview(const LineTextSource& lineText, int first, int end, int maxRows,
                                const ParaWrap& boxWrap);

// Rows the text takes in a box wrapping like `boxWrap` (each LF starts a row;
// an empty paragraph is one row).
int PreviewRows(std::string_view text, const ParaWrap& boxWrap);

} // namespace qw

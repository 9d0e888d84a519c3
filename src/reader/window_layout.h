#pragma once
// Decisions of the reader window's layout that do not need the toolkit: the
// page margins and their controls, and what a relayout does with the book.

#include "settings/page_margins.h"

#include <string_view>

namespace qw {

// A margin as the edits allow it: 0 to 99.
int ClampMargin(int pixels);
PageMargins ClampMargins(const PageMargins& margins);

// The margins the pages use: the stored ones while "Apply margin settings"
// is on, else none.
PageMargins AppliedMargins(const PageMargins& stored, bool apply);

// "Change margins to:" is enabled exactly when an edit differs from the
// stored margin.
bool MarginEditsDiffer(const PageMargins& edits, const PageMargins& stored);

// "Page numbers below text (margin>16)" needs room under the pages: a bottom
// margin of more than 16 pixels that is applied.
bool PageNumbersBelowAllowed(const PageMargins& applied);

// The expensive part of a relayout, once the size is settled.
enum class PageWork {
    ShowOnly,   // the contents panel was docked or undocked: the pages kept their size
    Fit,        // fit the lines again
    Repaginate, // keep the lines, divide them into pages again
};

// changeReason: the book's ChangeReason ("DateiLaden", "DLChangeTOC",
// "ChangeTOC", "ChangeMargins", "ChangeStyle" or empty). A load always fits;
// otherwise the lines are fitted again only when "Automatically fit lines"
// is on and the page width, font or line-break option changed.
PageWork DecidePageWork(std::string_view changeReason, bool automaticallyFit, bool needsRefit);

} // namespace qw

#pragma once
// The options fitting and line-break removal read, taken from the settings
// model: the book's font and line group ("Fontname", "Fontsize", "Tab width",
// "Remove line breaks", "Check punctuation marks", "Check indentation",
// "Automatically create table of contents") and the global "Punctuation"
// marks.

#include "reader/fit_lines.h"
#include "settings/book_settings.h"
#include "settings/settings_model.h"

namespace qw {

// The fit options for `book` (the option controls' state) and the global
// settings; the page geometry fields are left for the window to fill.
FitOptions FitOptionsFromSettings(const BookSettings& book, const Settings& settings);

// A change of "Remove single line breaks", "Not after punctuation marks" or
// "Not before indentation" refits at once only when "Automatically fit lines"
// is on, a book is open and removal was not switched off for the file type;
// otherwise it applies at the next fitting.
bool RefitOnLineBreakOption(bool automaticallyFit, bool bookOpen, bool breaksAutoOff);

} // namespace qw

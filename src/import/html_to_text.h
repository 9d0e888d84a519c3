#pragma once
// HTML to plain text in one forward pass: paragraphs become single lines with
// blank lines between them, headings, lists, table cells and rules get simple
// layouts, character references are decoded into Windows-1252, scripts and
// styles are skipped and emphasis can be shown as capitals or as *bold*,
// /italic/ and _underlined_. It never fails; the result is not trimmed.

#include "import/convert.h"

#include <string>
#include <string_view>

namespace qw {

std::string HtmlToText(std::string_view html, const ImportOptions& options);

// True when the input holds "<BODY" in any letter case: it may have a BODY
// tag. Without one the whole file counts as body; with one, only the text
// after a real BODY start tag, if there is one.
bool HasHtmlBodyTag(std::string_view html);

} // namespace qw

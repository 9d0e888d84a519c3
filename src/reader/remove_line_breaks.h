#pragma once
// Re-joins the hard-wrapped lines of paragraphs: a single line break inside a
// paragraph becomes one blank (or nothing after a word divided at a hyphen),
// while empty lines, and optionally breaks before indented lines or after
// punctuation marks, stay.

#include <functional>
#include <string>
#include <string_view>

namespace qw {

// The default "Punctuation" marks (UTF-8): . : ; ! ? inverted ? and !,
// single and double angle quotation marks, straight, curly and low double
// quotation marks, curly single quotation marks, acute accent and apostrophe.
extern const char* const kDefaultPunctuationMarks;

struct LineBreakOptions {
    bool notAfterPunctuation = false;                        // "Not after punctuation marks"
    bool notBeforeIndentation = true;                        // "Not before indentation"
    std::string punctuationMarks = kDefaultPunctuationMarks; // UTF-8; each code point a mark
};

// Receives the progress caption ("Removing line breaks: 30% done").
using ProgressCaption = std::function<void(const std::string&)>;

// The text with single line breaks removed. The text's line breaks are CR LF.
std::string RemoveLineBreaks(std::string_view text, const LineBreakOptions& options,
                             const ProgressCaption& progress = {});

} // namespace qw

#pragma once
// The converter dispatch: the bytes of a file and its upper-cased extension
// (with its dot, ".HTM") in, the book's plain text out.

#include <string>
#include <string_view>
#include <vector>

namespace qw {

// The options of the "Import" section that converters read.
struct ImportOptions {
    bool htmlEmphasisAsCapitals = false; // "HTML emphasis as capitals"
    bool htmlEmphasisMarks = false;      // "HTML bold,italic,underlined"
    bool docBlankLine = false;           // "DOC blank line between paragraphs"
    // The "Ignored files" patterns and "Hide ignored files in archives".
    std::vector<std::string> ignoredFiles = {"*.lit"};
    bool hideIgnoredInArchives = false;
};

struct ConvertResult {
    std::string text;
    // Set when conversion met an error it could not turn into text; the
    // loading flow then shows "Cannot open contents of ..." and loads nothing.
    bool failed = false;
    // Messages the converter has for the user, shown in order before the
    // book (the Word reader's "Error in FAT" and the like).
    std::vector<std::string> messages;
    // The database name of a Palm DOC file (Windows-1252), the book title
    // when the book's record has none; empty for other formats.
    std::string palmDocTitle;
};

ConvertResult ConvertToText(std::string_view content, std::string_view upperExtension,
                            const ImportOptions& options);

// The plain-text branch: UTF-8 and UTF-16 input become Windows-1252, then the
// plain-text pass runs.
std::string PlainTextToText(std::string_view content);

// The extension of a file name from its last dot, dot included, upper-cased;
// empty when the name part has no dot.
std::string UpperExtension(std::string_view path);

} // namespace qw

#pragma once
// The converter dispatch: the bytes of a file and its upper-cased extension
// (with its dot, ".HTM") in, the book's plain text out, in UTF-8.

#include "import/read_file.h"

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
    // Converters whose text can grow far beyond their input (Palm DOC)
    // refuse a text larger than this.
    size_t maxTextBytes = kMaxBookFileBytes;
    // The book's "Encoding": what a plain text without a byte-order mark that
    // is not UTF-8 is read as ("Auto": Windows-1252).
    std::string encoding = "Auto";
};

struct ConvertResult {
    std::string text;
    // Set when the content could not be converted; error says why. The text
    // is then either the one-line notice the reader shows in place of the
    // book (a Palm DOC file that is damaged or not text) or empty, and the
    // loading flow shows "Cannot open contents of ..." and loads nothing.
    bool failed = false;
    std::string error;
    // Messages the converter has for the user, shown in order before the
    // book (the Word reader's "Error in FAT" and the like).
    std::vector<std::string> messages;
    // The database name of a Palm DOC file, the book title
    // when the book's record has none; empty for other formats.
    std::string palmDocTitle;
};

ConvertResult ConvertToText(std::string_view content, std::string_view upperExtension,
                            const ImportOptions& options);

// The plain-text branch: the content decoded to UTF-8 (a byte-order mark,
// else UTF-8, else `encoding`), then the plain-text pass.
std::string PlainTextToText(std::string_view content, std::string_view encoding = "Auto");

// True for the formats whose converters already give one line per paragraph
// (HTML, RTF, Word, OpenOffice and OpenDocument text): the reader switches
// line-break removal off for them. The extension is that of the document
// itself, for an archive member the member's own.
bool ConvertsToParagraphLines(std::string_view upperExtension);

// The extension of a file name from its last dot, dot included, upper-cased;
// empty when the name part has no dot.
std::string UpperExtension(std::string_view path);

} // namespace qw

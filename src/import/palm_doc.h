#pragma once
// The Palm DOC format: a Palm OS database of type "TEXt" whose first record
// describes the text and whose further records hold it in 4096-byte blocks,
// each compressed with the PalmDOC variant of LZ77.

#include "import/read_file.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace qw {

extern const char* const kPalmDocNotText;     // "[Only text files in palm doc format ...]"
extern const char* const kPalmDocInvalidData; // the message for a bad copy

constexpr size_t kPalmDocRecordSize = 4096;
constexpr size_t kPalmDocMaxTitle = 31;

struct PalmDocText {
    // The book text (CR LF line breaks), or the one-line notice that the
    // reader shows in place of the book when the file cannot be read; empty
    // when the text is too large to be a book.
    std::string text;
    // The database name (Windows-1252), up to its first NUL; empty when the
    // file is not a readable Palm DOC file.
    std::string title;
    bool failed = false; // the file could not be read: error says why
    std::string error;
};

// Reads a Palm DOC file: uncompressed and compressed records, joined and
// passed through the line-break pass (blankLines: "DOC blank line between
// paragraphs"). Never reads outside the given bytes; a text that would
// decode to more than maxText bytes is refused before it takes the memory.
PalmDocText PalmDocToText(std::string_view file, bool blankLines,
                          size_t maxText = kMaxBookFileBytes);

// Decodes one compressed record and appends it to out. A copy resolves
// against everything in out (the whole file's text so far). False for a copy
// that reaches before the start of out or has distance 0, for a record cut
// short inside a code, or when out would grow past maxOut bytes (out then
// holds a few bytes more than maxOut, never much more).
bool DecompressPalmDocRecord(std::string_view record, std::string& out,
                             size_t maxOut = static_cast<size_t>(-1));

// The compressed form of one record's text (at most 4096 bytes in the files
// we write); the window never reaches into another record.
std::string CompressPalmDocRecord(std::string_view text);

// The text as Palm DOC stores it: bytes below 9 dropped, CR LF and lone CR
// and form feeds made LF.
std::string PreparePalmDocText(std::string_view text);

// The seconds since 1904-01-01 00:00 of the local time now.
std::uint32_t PalmDocTimestampNow();

// The whole database for a text and a title (Windows-1252; cut to 31 bytes).
// Empty when the text needs more records than the record count can hold
// (about 268 MB).
std::string BuildPalmDoc(std::string_view text, std::string_view title, std::uint32_t timestamp);

} // namespace qw

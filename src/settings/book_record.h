#pragma once
// The per-book record: its section name, which books get none, the reading of
// a whole record (with the "Default" template and the move of a record kept
// under an archive alone), and the writers of the information and position.

#include "settings/book_settings.h"
#include "settings/config_file.h"

#include <array>
#include <string>
#include <vector>

namespace qw {

// "Default" with no book, the path, or "archive|member"; brackets become
// "<" and ">" because they cannot stand in a section header.
std::string BookSectionName(const std::string& fileName, const std::string& archiveEntry);
std::string EncodeSectionName(std::string name);
std::string DecodeSectionName(std::string name);
// Multi-line fields are stored on one line: CR LF becomes "||".
std::string EncodeMultiline(const std::string& text);
std::string DecodeMultiline(const std::string& text);

// An excluded or included paths entry matches a folder (upper case, with its
// trailing "/") when it equals it, or ends in "*" and the folder begins with
// the text before the "*".
bool PathRuleMatches(const std::string& entry, const std::string& folder);

struct RecordRules {
    std::vector<std::string> ignoredPatterns; // "Ignored files"
    std::vector<std::string> excludedPaths;   // "Excluded Paths"
    std::vector<std::string> includedPaths;   // "Included Paths"
};

// True when the book of this record name never gets a record: ignored
// files, texts never saved ("Unnamed.txt") and books in excluded folders
// that no included path lets through.
bool IsUnrecorded(const std::string& recordName, const RecordRules& rules);

// The record's information fields (the "Book info" and "Annotation" pages).
struct BookInfo {
    std::string title, subtitle, author, rating, categories, source;
    std::string synopsis, additionalInformation, remarks; // CR LF line breaks
    bool finished = false;
    std::string lastOpened;
    bool operator==(const BookInfo& o) const;
};

// The reading position a record keeps, in the layout it was written with.
struct StoredPosition {
    int page = 0;         // LeftPage, never negative
    int totalLines = 0;   // LineCount
    int linesPerPage = 0; // LinesPerPage
};

constexpr int kNoBookmark = -1;
using BookmarkPages = std::array<int, 3>; // page numbers, kNoBookmark when not set

struct BookRecord {
    BookSettings settings;
    BookInfo info;
    StoredPosition position;
    BookmarkPages bookmarks{kNoBookmark, kNoBookmark, kNoBookmark};
    // Of the book's file as last read (see book_fingerprint.h); written when known.
    std::string fingerprint;
};

struct LoadRecordOptions {
    bool applyDefaultToNewFiles = false; // "Apply default settings to new files"
    int currentLinesPerPage = 1;         // the default of "Lines"
};

// Reads a book's record (or "Default") over the current state. A book with no
// record keeps the current settings, unless the default settings are to be
// applied to new files; its information, position and bookmarks are cleared.
// A record written under the archive alone moves to the member's name first.
// Corrections of fonts and sizes are written back unless the book is
// unrecorded.
BookRecord LoadBookSection(ConfigFile& config, const std::string& recordName,
                           const BookRecord& current, const FontChoice& fonts,
                           const RecordRules& rules, const LoadRecordOptions& options);

// Writes the information fields (those not blank), "Finished", the position
// and the bookmarks, and rewrites the file. Nothing for "Default".
void SaveBookInfo(ConfigFile& config, const std::string& recordName, const BookRecord& record);

// All three groups, unless the book is unrecorded.
void SaveBookSection(ConfigFile& config, const std::string& recordName, const BookRecord& record,
                     bool tocPanelVisible, const RecordRules& rules);

// The reading position alone ("Page", every page turn) and the time the
// book was last opened ("Last opened"), each with a rewrite of the file.
void SavePage(ConfigFile& config, const std::string& recordName, int leftPage);
void SaveLastOpened(ConfigFile& config, const std::string& recordName, const std::string& when);

// The three bookmarks as "Bookmark 1" .. "Bookmark 3".
void SaveBookmarks(ConfigFile& config, const std::string& recordName, const BookmarkPages& marks);

} // namespace qw

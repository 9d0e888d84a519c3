#pragma once
// The information fields of a book record as the "Book info" and "Annotation"
// pages edit them: one field at a time, each written to the record at once.

#include "settings/book_record.h"
#include "settings/book_settings.h"

#include <cstdint>
#include <string>

namespace qw {

// True for the keys of the information pages: "Title" .. "Finished".
bool IsInfoKey(BookKey key);
// True for the fields the window caption and the title page show.
bool IsCaptionKey(BookKey key);

// Puts an edited value into the field of that key; "Finished" takes "Yes" or
// "No", the memos CR LF line breaks. Other keys leave the fields unchanged.
void SetInfoField(BookInfo& info, BookKey key, const std::string& value);
// The text the record keeps for the field: the memos on one line.
std::string StoredInfoValue(const BookInfo& info, BookKey key);
// Writes one field into the record and rewrites the file; a new record is
// announced to the store's new-section listener. False when the file could
// not be written.
bool WriteInfoField(ConfigFile& config, const std::string& recordName, const BookInfo& info,
                    BookKey key);

// The file name of a path without its folder and extension, what the "Title",
// "Subtitle" and "Author" buttons insert.
std::string FileTitleOf(const std::string& path);
// "1,234,567 Bytes", grouped by threes with the given separator.
std::string FormatByteCount(std::uintmax_t bytes, const std::string& groupSeparator);
// The address the "Source" button opens: the field without surrounding
// blanks, with "http://" in front unless it already names the web scheme;
// empty for an empty field.
std::string SourceAddress(const std::string& source);

} // namespace qw

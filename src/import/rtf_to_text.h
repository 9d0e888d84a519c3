#pragma once
// RTF to plain text: groups that only add noise or bulk are removed first,
// then our RTF reader gives the plain text of the document the way a
// rich-edit control shows it: paragraphs as CR LF separated lines, table
// cells separated by TABs, Windows-1252 bytes.

#include <string>
#include <string_view>

namespace qw {

// Leaves out every group that starts with "{\*" (ignorable destinations) or
// "{\pict" (pictures), whatever it holds. Braces inside such a group are
// counted as they come, escaped or not.
std::string RemoveRtfNoiseGroups(std::string_view rtf);

// The plain text of an RTF document. Content that does not start with
// "{\rtf" is read as the body of an RTF document. Never fails: broken input
// gives whatever text could be read. Not trimmed.
std::string RtfPlainText(std::string_view rtf);

// The converter of the dispatch: group removal, then the plain text.
std::string RtfToText(std::string_view rtf);

} // namespace qw

#pragma once
// Simple XML and the body of OpenOffice / OpenDocument text documents
// (content.xml of an .sxw or .odt file) to plain text in one forward pass:
// only character data is kept, paragraphs and headings start new lines,
// space, tab and line-break elements are expanded, drawing objects show their
// name in braces and character references are decoded. It never fails; the
// result is not trimmed.

#include <optional>
#include <string>
#include <string_view>

namespace qw {

std::string XmlToText(std::string_view xml);

// The encoding named in the XML declaration at the start, upper-cased; empty
// when there is no declaration or it names none.
std::string DeclaredXmlEncoding(std::string_view xml);

// The text between the first two double quotes after the first occurrence of
// key in the tag text; nothing when the key or a quote is missing.
std::optional<std::string> GetQuotedAttribute(std::string_view tagText, std::string_view key);

// The quoted value as a decimal integer; nothing when it is missing or not a
// valid integer.
std::optional<long> GetIntegerAttribute(std::string_view tagText, std::string_view key);

// The most spaces one space element writes; longer runs are not text.
constexpr long kMaxSpaceRun = 1000;

} // namespace qw

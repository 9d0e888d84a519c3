#pragma once
// Whether a file reference names something that exists, and which documents
// are archives themselves.

#include "import/file_ref.h"

#include <string_view>

namespace qw {

// A plain file exists; an archive member exists when the archive exists and
// its listing holds the entry.
bool FileReferenceExists(std::string_view reference);

// True for the documents that are ZIP archives with a content.xml inside
// (OpenOffice .sxw, OpenDocument .odt); the extension is upper-cased.
bool IsZippedXmlDocument(std::string_view upperExtension);

} // namespace qw

#pragma once
// File references: a path, or for a member of a ZIP archive the archive path,
// a vertical bar and the member name as stored ("/books/set.zip|part1/ch1.txt").

#include <string>
#include <string_view>

namespace qw {

struct ArchiveReference {
    std::string path;  // the file, or the archive
    std::string entry; // empty for a plain file
};

// Splits at the first "|" that follows an archive name (".zip", ".sxw" or
// ".odt" in any case), else at the first "|"; no "|" means a plain file.
ArchiveReference SplitFileReference(std::string_view reference);

// path, or path + "|" + entry when entry is not empty.
std::string JoinFileReference(const std::string& path, const std::string& entry);

// A plain file exists; an archive member exists when the archive exists and
// its listing holds the entry.
bool FileReferenceExists(std::string_view reference);

// True for the documents that are ZIP archives with a content.xml inside
// (OpenOffice .sxw, OpenDocument .odt); the extension is upper-cased.
bool IsZippedXmlDocument(std::string_view upperExtension);

} // namespace qw

#pragma once
// The files of a folder as (file, archive member) pairs, and the one order
// in which such lists are shown and walked: folders first by name, then file
// names, then the members of an archive by their folders and names, numbers
// by value throughout.

#include "import/file_ref.h"

#include <string>
#include <vector>

namespace qw {

struct FolderListing {
    std::vector<FileRef> files;
    std::string error; // why the folder itself could not be read
    bool ok() const { return error.empty(); }
};

struct FolderListOptions {
    // Leave out plain files that IsIgnoredFile holds for, and hide the
    // ignored members of archives.
    bool filter = false;
    // Subfolders after the folder's own files, depth first.
    bool recursive = false;
    std::vector<std::string> ignoredPatterns;
};

// Every regular file of the folder in directory order (paths are the folder
// joined with the name). A ZIP archive gives one pair per member, an
// OpenOffice or OpenDocument text the pair (file, "content.xml"), any other
// file (file, ""). Hidden files and folders (a leading dot), and devices,
// pipes and sockets are never listed; an archive that cannot be read adds
// nothing; a folder reached twice through links is listed once, so link
// loops end. Files that vanish while the folder is read are left out.
FolderListing ListFolderFiles(const std::string& folder, const FolderListOptions& options);

// Reorders the pairs: the folder of each path (relative to base when the path
// lies under it; base empty = none), then the file name, then the member's
// folder, then its name, each compared as one field padded to the longest of
// the list, in natural order. A pair without a folder or member folder comes
// first among its neighbours.
void SortFileList(std::vector<FileRef>& files, const std::string& base = {});

} // namespace qw

#pragma once
// Which file of a catalogue title is fetched, and from which server
// directory: the 26 file types (even indexes a format, odd ones the same
// format zipped) and the naming rules of the three kinds of entries.

#include "catalogue/catalogue_entry.h"

#include <string>
#include <string_view>

namespace qw {

constexpr int kFileTypeCount = 26;

// The combo box text of a type ("Plain text", "HTML ZIP"); empty out of range.
const char* FileTypeName(int type);
// The index of a type by its text, or -1.
int FileTypeByName(std::string_view name);
// What follows the number of today's entries ("-8.txt"), and what follows
// the stem of the catalogue file name of yearly and Australian entries.
const char* NewStyleSuffix(int type);
const char* OldStyleSuffix(int type);

// The base addresses (scheme and host) of the two catalogue servers.
struct ServerBases {
    std::string primary = "https://www.gutenberg.org";
    std::string australian = "https://gutenberg.net.au";
};

// The file name wanted for an entry and type: the number with the new-style
// suffix, or the stem of the catalogue file name (up to its first ".") with
// the old-style suffix, where a leading "?" of a yearly entry becomes "7",
// "8" or "5" for plain, 8-bit and Big-5 text.
std::string DownloadFileName(const CatalogueEntry& entry, int type);

// The server directory of an entry, ending with "/": the Australian
// "/ebooks<year>/", the yearly "/dirs/etext<year>/" (years 71 to 89 share
// "/dirs/etext90/"), or today's "/dirs/1/2/3/4/12345/".
std::string DirectoryAddress(const CatalogueEntry& entry, const ServerBases& bases);

} // namespace qw
